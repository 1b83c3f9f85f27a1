// The Modules page of the about dialog and the texts of its foot.
#include "dialogs/dlgAbout.h"

#include "common/FileHelpers.h"
#include "common/TextHelpers.h"
#include "data/InstalledVersion.h"
#include "i18n/uLanguages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTableWidget>

#include <cmath>

namespace vantor {

QString FormatOsInfo(const QString& AName, int ABuild, int AServicePack)
{
    if (AServicePack != 0)
        return QStringLiteral("%1 (Build %2; Service Pack %3)").arg(AName).arg(ABuild).arg(AServicePack);
    return QStringLiteral("%1 (Build %2)").arg(AName).arg(ABuild);
}

QString FormatMemoryKilobytes(std::uint64_t ABytes, const QLocale& ALocale)
{
    const double kilobytes = static_cast<double>(ABytes) / 1024.0;
    QLocale locale = ALocale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<qulonglong>(std::llround(kilobytes)));
}

void TFrmAbout::FillModulesList()
{
    const QString root = GlobalSetupData.RootPath;
    const QString catalogue = GlobalSetupData.CataloguePath;

    TInfoVersion own;
    (void)GetFileVersion(QCoreApplication::applicationFilePath(), own); // unreadable: shown as 0.0.0.0
    AddModuleVersionRow(root + QStringLiteral("Vantor"), own);
    if (unsignedUpdates_ && lvModules->rowCount() > 0) {
        // Whoever reads this list should see that any server on the way decides what this build installs.
        QTableWidgetItem* version = lvModules->item(lvModules->rowCount() - 1, 1);
        version->setText(version->text() + QStringLiteral(", unsigned updates"));
    }
    TInfoVersion updater;
    (void)GetFileVersion(root + QStringLiteral("Updater"), updater);
    AddModuleVersionRow(root + QStringLiteral("Updater"), updater);
    AddModuleVersionRow(root + QStringLiteral("libEngine.so"), InstalledVersion.Engine);
    AddModuleVersionRow(root + QStringLiteral("Data/Data.vt4"), InstalledVersion.DbMain);
    AddModuleVersionRow(root + QStringLiteral("Data/Devices.vt4"), InstalledVersion.DbDevices);

    QString catalogueDate;
    QString pricelistDate;
    GetCatalogueDates(catalogueDate, pricelistDate);
    AddModuleRow(catalogue + QStringLiteral("Catalogue.vt4"), catalogueDate);
    if (GlobalSetupData.Database.Pricelist.IsValid && !pricelistDate.isEmpty())
        AddModuleRow(catalogue + QStringLiteral("Pricelist.vt4"), pricelistDate);
}

void TFrmAbout::AddModuleRow(const QString& AFile, const QString& AVersion)
{
    const QFileInfo info(AFile);
    if (!info.isFile())
        return;
    QString folder = info.absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString version = AVersion.isEmpty() ? GetText(QStringLiteral("IDS_COMMON_51")) : AVersion;
    const int row = lvModules->rowCount();
    lvModules->insertRow(row);
    lvModules->setItem(row, 0, new QTableWidgetItem(info.fileName()));
    lvModules->setItem(row, 1, new QTableWidgetItem(version));
    lvModules->setItem(row, 2, new QTableWidgetItem(folder));
    lvModules->item(row, 2)->setToolTip(folder);
}

void TFrmAbout::AddModuleVersionRow(const QString& AFile, const TInfoVersion& AVersion)
{
    AddModuleRow(AFile, QStringLiteral("%1.%2.%3.%4")
                            .arg(AVersion.wMajor)
                            .arg(AVersion.wMinor)
                            .arg(AVersion.wRelease)
                            .arg(AVersion.wBuild));
}

void TFrmAbout::GetCatalogueDates(QString& ACatalogueDate, QString& APricelistDate) const
{
    ACatalogueDate.clear();
    APricelistDate.clear();
    const int index = FindIndexOfInstalledCatalogue(InstalledVersion, GlobalSetupData.CatalogueCode);
    if (index == -1)
        return;
    const TInstalledCatalogue& installed = InstalledVersion.Catalogues.at(index);
    ACatalogueDate = FormatCompactDate(installed.Database);
    APricelistDate = FormatCompactDate(installed.Pricelist);
}

} // namespace vantor
