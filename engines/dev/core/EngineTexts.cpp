#include "dev/core/EngineTexts.h"

#include "dev/core/EngineTextTable.h"
#include "dev/core/SelectorTexts.h"

namespace vantor::devengine {

EngineTexts::EngineTexts(const QString& languageId)
    : language_(EngineLanguageIndex(languageId)), locale_(LocaleForLanguage(languageId))
{}

QString EngineTexts::operator()(TextId id) const
{
    return EngineText(id, language_);
}

QString EngineTexts::Number(double value, int decimals) const
{
    return locale_.toString(value, 'f', decimals);
}

QString EngineText(TextId id, int languageIndex)
{
    // The rows stand in the order of their ids (checked by the tests).
    const auto row = static_cast<std::size_t>(id);
    if (row >= TextRowCount || languageIndex < 0 || languageIndex >= EngineLanguageCount)
        return {};
    const char* text = TextTable[row].Texts[static_cast<std::size_t>(languageIndex)];
    // An untranslated text reads English rather than nothing.
    if (text == nullptr || *text == '\0')
        text = TextTable[row].Texts[0];
    return QString::fromUtf8(text);
}

} // namespace vantor::devengine
