#include "dev/core/SelectorTexts.h"

#include <array>

namespace vantor::devengine {

namespace {

struct LanguageTexts {
    const char* Id;
    QLocale::Language Language;
    QLocale::Territory Territory;
    const char* Advanced;
    const char* Base;
    const char* Modular;
    const char* Runtime;
    const char* Back;
};

// The first entry is the fallback.
constexpr std::array<LanguageTexts, 9> Texts = {{
    {"ENG", QLocale::English, QLocale::UnitedKingdom, "Advanced UPS selector", "Base UPS selector",
     "Modular UPS selector", "Runtime calculator", "Back"},
    {"ITA", QLocale::Italian, QLocale::Italy, "Selettore UPS avanzato", "Selettore UPS base", "Selettore UPS modulare",
     "Calcolo autonomia", "Indietro"},
    {"GER", QLocale::German, QLocale::Germany, "USV-Auswahl Erweitert", "USV-Auswahl Basis", "Modulare USV-Auswahl",
     "Überbrückungszeit berechnen", "Zurück"},
    {"FRA", QLocale::French, QLocale::France, "Sélecteur ASI avancé", "Sélecteur ASI de base",
     "Sélecteur ASI modulaire", "Calcul d'autonomie", "Retour"},
    {"ESP", QLocale::Spanish, QLocale::Spain, "Selector SAI avanzado", "Selector SAI básico", "Selector SAI modular",
     "Cálculo de autonomía", "Volver"},
    {"POL", QLocale::Polish, QLocale::Poland, "Zaawansowany dobór UPS", "Podstawowy dobór UPS", "Dobór UPS modułowych",
     "Obliczanie czasu podtrzymania", "Wstecz"},
    {"RUS", QLocale::Russian, QLocale::Russia, "Расширенный подбор ИБП", "Базовый подбор ИБП", "Подбор модульных ИБП",
     "Расчёт времени автономии", "Назад"},
    {"HUG", QLocale::Hungarian, QLocale::Hungary, "Speciális UPS-választó", "Alap UPS-választó",
     "Moduláris UPS-választó", "Áthidalási idő számítása", "Vissza"},
    {"PBS", QLocale::Portuguese, QLocale::Brazil, "Seletor de nobreak avançado", "Seletor de nobreak básico",
     "Seletor de nobreak modular", "Cálculo de autonomia", "Voltar"},
}};

const LanguageTexts* Find(const QString& languageId)
{
    for (const LanguageTexts& texts : Texts)
        if (languageId == QLatin1String(texts.Id))
            return &texts;
    return nullptr;
}

const LanguageTexts& FindOrEnglish(const QString& languageId)
{
    const LanguageTexts* texts = Find(languageId);
    return texts != nullptr ? *texts : Texts[0];
}

} // namespace

bool IsEngineLanguage(const QString& languageId)
{
    return Find(languageId) != nullptr;
}

int EngineLanguageIndex(const QString& languageId)
{
    const LanguageTexts* texts = Find(languageId);
    return texts == nullptr ? 0 : static_cast<int>(texts - Texts.data());
}

QString SelectorTitle(SelectorKind kind, const QString& languageId)
{
    const LanguageTexts& texts = FindOrEnglish(languageId);
    switch (kind) {
    case SelectorKind::Advanced:
        return QString::fromUtf8(texts.Advanced);
    case SelectorKind::Base:
        return QString::fromUtf8(texts.Base);
    case SelectorKind::Modular:
        return QString::fromUtf8(texts.Modular);
    case SelectorKind::Runtime:
        return QString::fromUtf8(texts.Runtime);
    }
    return {};
}

QString BackText(const QString& languageId)
{
    return QString::fromUtf8(FindOrEnglish(languageId).Back);
}

QLocale LocaleForLanguage(const QString& languageId)
{
    const LanguageTexts& texts = FindOrEnglish(languageId);
    return QLocale(texts.Language, texts.Territory);
}

} // namespace vantor::devengine
