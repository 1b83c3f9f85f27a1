#include "dev/core/EngineLanguages.h"

#include <array>

namespace vantor::devengine {

namespace {

constexpr std::array<EngineLanguage, EngineLanguageCount> Languages = {{
    {"ENG", QLocale::English, QLocale::UnitedKingdom, nullptr},
    {"ITA", QLocale::Italian, QLocale::Italy, "it"},
    {"GER", QLocale::German, QLocale::Germany, "de"},
    {"FRA", QLocale::French, QLocale::France, "fr"},
    {"ESP", QLocale::Spanish, QLocale::Spain, "es"},
    {"POL", QLocale::Polish, QLocale::Poland, "pl"},
    {"RUS", QLocale::Russian, QLocale::Russia, "ru"},
    {"HUG", QLocale::Hungarian, QLocale::Hungary, "hu"},
    {"PBS", QLocale::Portuguese, QLocale::Brazil, "pt_BR"},
}};

const EngineLanguage* Find(const QString& languageId)
{
    for (const EngineLanguage& language : Languages)
        if (languageId == QLatin1String(language.Id))
            return &language;
    return nullptr;
}

} // namespace

std::span<const EngineLanguage> EngineLanguages()
{
    return Languages;
}

bool IsEngineLanguage(const QString& languageId)
{
    return Find(languageId) != nullptr;
}

int EngineLanguageIndex(const QString& languageId)
{
    const EngineLanguage* language = Find(languageId);
    return language == nullptr ? 0 : static_cast<int>(language - Languages.data());
}

QLocale LocaleForLanguage(const QString& languageId)
{
    const EngineLanguage& language = Languages[static_cast<std::size_t>(EngineLanguageIndex(languageId))];
    return QLocale(language.Language, language.Territory);
}

} // namespace vantor::devengine
