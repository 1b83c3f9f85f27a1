// The four selectors and the few texts of the engine's screens that follow
// the host's language: the selector names and "Back". Everything else on the
// development engine's screens is English.
#pragma once

#include <QLocale>
#include <QString>

namespace vantor::devengine {

enum class SelectorKind { Advanced, Base, Modular, Runtime };

// Languages with texts of their own; any other identifier reads English.
bool IsEngineLanguage(const QString& languageId);

QString SelectorTitle(SelectorKind kind, const QString& languageId);
QString BackText(const QString& languageId);

// Number formats of the language (English for unknown identifiers).
QLocale LocaleForLanguage(const QString& languageId);

} // namespace vantor::devengine
