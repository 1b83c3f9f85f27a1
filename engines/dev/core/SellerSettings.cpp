#include "dev/core/SellerSettings.h"

#include "dev/core/QuoteNumber.h"

#include <QFileInfo>
#include <QSettings>

namespace vantor::devengine {

namespace {

const QString SellerName = QStringLiteral("Seller/Name");
const QString SellerCompany = QStringLiteral("Seller/Company");
const QString SellerEmail = QStringLiteral("Seller/EMail");
const QString SellerPhone = QStringLiteral("Seller/Phone");
const QString NumberPrefix = QStringLiteral("Quotes/NumberPrefix");

} // namespace

QString EngineSettingsFile()
{
    return EngineConfigFolder() + '/' + QLatin1String(EngineSettingsFileName);
}

Result<SellerSettings> LoadSellerSettings(const EngineTexts& ATexts, const QString& AFile)
{
    SellerSettings settings;
    const QFileInfo info(AFile);
    if (!info.exists())
        return settings;
    if (!info.isFile() || !info.isReadable())
        return Failure(ATexts(TextId::SettingsNotRead).arg(AFile));
    const QSettings file(AFile, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return Failure(ATexts(TextId::SettingsNotRead).arg(AFile));
    settings.Seller.Name = file.value(SellerName).toString();
    settings.Seller.Company = file.value(SellerCompany).toString();
    settings.Seller.Email = file.value(SellerEmail).toString();
    settings.Seller.Phone = file.value(SellerPhone).toString();
    settings.QuotePrefix = file.value(NumberPrefix, settings.QuotePrefix).toString();
    return settings;
}

Result<void> SaveSellerSettings(const SellerSettings& ASettings, const EngineTexts& ATexts, const QString& AFile)
{
    // QSettings writes the file whole (through a temporary) or not at all,
    // and makes the folder when it is missing.
    QSettings file(AFile, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return Failure(ATexts(TextId::SettingsNotSaved).arg(AFile));
    file.setValue(SellerName, ASettings.Seller.Name);
    file.setValue(SellerCompany, ASettings.Seller.Company);
    file.setValue(SellerEmail, ASettings.Seller.Email);
    file.setValue(SellerPhone, ASettings.Seller.Phone);
    file.setValue(NumberPrefix, ASettings.QuotePrefix);
    file.sync();
    if (file.status() != QSettings::NoError)
        return Failure(ATexts(TextId::SettingsNotSaved).arg(AFile));
    return Ok();
}

} // namespace vantor::devengine
