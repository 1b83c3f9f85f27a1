// The four selectors, their names and "Back" in the host's language, and
// the languages the engine has texts for.
#pragma once

#include <QLocale>
#include <QString>

namespace vantor::devengine {

enum class SelectorKind { Advanced, Base, Modular, Runtime };

// Languages with texts of their own; any other identifier reads English.
bool IsEngineLanguage(const QString& languageId);
// The language's place in the engine's text tables: ENG, ITA, GER, FRA, ESP,
// POL, RUS, HUG, PBS; 0 (English) for any other identifier.
int EngineLanguageIndex(const QString& languageId);

QString SelectorTitle(SelectorKind kind, const QString& languageId);
QString BackText(const QString& languageId);

// Number formats of the language (English for unknown identifiers).
QLocale LocaleForLanguage(const QString& languageId);

} // namespace vantor::devengine
