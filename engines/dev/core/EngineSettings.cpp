#include "dev/core/EngineSettings.h"

#include <QDir>
#include <QFileInfo>

namespace vantor::devengine {

QString TextFromEngine(const char16_t* text)
{
    return text == nullptr ? QString() : QString::fromUtf16(text);
}

EngineSettings SettingsFromRecord(const TEngineInitData& record)
{
    EngineSettings settings;
    settings.UsageType = record.UsageType;
    settings.LanguageId = TextFromEngine(record.LanguageId);
    settings.CataloguePath = TextFromEngine(record.CataloguePath);
    if (!settings.CataloguePath.isEmpty() && !settings.CataloguePath.endsWith(u'/'))
        settings.CataloguePath += u'/';
    settings.Password = TextFromEngine(record.Password);
    settings.Options = TextFromEngine(record.Options).split(QLatin1String(ENGINE_OPTION_SEPARATOR), Qt::SkipEmptyParts);
    settings.ShowPrices = record.ShowPrices != 0;
    return settings;
}

QString EngineSettings::CatalogueCode() const
{
    if (CataloguePath.trimmed().isEmpty())
        return {};
    return QFileInfo(QDir::cleanPath(CataloguePath)).fileName();
}

} // namespace vantor::devengine
