// The languages the engine has texts for, and their number formats.
#pragma once

#include <QLocale>
#include <QString>

#include <span>

namespace vantor::devengine {

struct EngineLanguage {
    const char* Id; // the host's language identifier
    QLocale::Language Language;
    QLocale::Territory Territory;
    // The name of its translation (engine_<name>.ts), nullptr for English,
    // the language the texts are written in.
    const char* Translation;
};

// ENG first; any identifier not among them reads English.
std::span<const EngineLanguage> EngineLanguages();
inline constexpr int EngineLanguageCount = 9;

bool IsEngineLanguage(const QString& languageId);
// The language's place in EngineLanguages(): ENG, ITA, GER, FRA, ESP, POL,
// RUS, HUG, PBS; 0 (English) for any other identifier.
int EngineLanguageIndex(const QString& languageId);

// Number formats of the language (English for unknown identifiers).
QLocale LocaleForLanguage(const QString& languageId);

} // namespace vantor::devengine
