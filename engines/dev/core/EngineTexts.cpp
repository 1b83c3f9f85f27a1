#include "dev/core/EngineTexts.h"

#include "dev/core/EngineLanguages.h"
#include "dev/core/EngineTextSources.h"
#include "dev/core/EngineTranslations.h"

#include <QTranslator>

namespace vantor::devengine {

EngineTexts::EngineTexts(const QString& languageId)
    : translator_(EngineTranslator(EngineLanguageIndex(languageId))), locale_(LocaleForLanguage(languageId))
{}

QString EngineTexts::operator()(TextId id) const
{
    const auto row = static_cast<std::size_t>(id);
    if (row >= TextCount)
        return {};
    const TextSource& text = TextSources()[row];
    if (translator_ != nullptr) {
        QString translated = translator_->translate(text.Context, text.Source.Text, text.Source.Disambiguation);
        // An untranslated text reads English rather than nothing.
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(text.Source.Text);
}

QString EngineTexts::Number(double value, int decimals) const
{
    return locale_.toString(value, 'f', decimals);
}

QString EngineText(TextId id, int languageIndex)
{
    if (languageIndex < 0 || languageIndex >= EngineLanguageCount)
        return {};
    return EngineTexts(QLatin1String(EngineLanguages()[static_cast<std::size_t>(languageIndex)].Id))(id);
}

} // namespace vantor::devengine
