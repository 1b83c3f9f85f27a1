#include "update/UpdatePlan.h"

#include "common/FileHelpers.h"
#include "common/IniFile.h"

namespace vantor {

namespace {

// Codes become folder names below the staging folder: anything that could
// leave it is not a catalogue code.
bool IsSafeCode(const QString& code)
{
    return code != QLatin1String(".") && code != QLatin1String("..") && !code.contains(QLatin1Char('/')) &&
           !code.contains(QLatin1Char('\\')) && !code.contains(QChar(0));
}

bool IsReservedCode(const QString& code)
{
    return code == QLatin1String("9998") || code == QLatin1String("9996");
}

} // namespace

QString UpdateServerHost(const QString& SetupFile)
{
    IniDocument ini;
    if (!SetupFile.isEmpty() && ini.loadFile(SetupFile)) {
        QString host = ini.readString(QStringLiteral("Updates"), QLatin1String(UpdateServerKey)).trimmed();
        if (!host.isEmpty())
            return host;
    }
    return QStringLiteral(VANTOR_UPDATE_HOST);
}

bool MarkUpdates(TUpdatedData& Data, const TInstalledVersion& Installed)
{
    Data.Product.ToUpdate = IsNewerVersion(Installed.Product, Data.Product.Version);
    Data.DbMain.ToUpdate = IsNewerVersion(Installed.DbMain, Data.DbMain.Version);
    Data.DbDevices.ToUpdate = IsNewerVersion(Installed.DbDevices, Data.DbDevices.Version);

    bool catalogues = false;
    for (TUpdatedCatalogueItem& item : Data.Catalogues.Items) {
        item.Database.ToUpdate = false;
        item.Pricelist.ToUpdate = false;
        if (!IsSafeCode(item.Code))
            continue;
        const int index = FindIndexOfInstalledCatalogue(Installed, item.Code);
        if (index >= 0) {
            const TInstalledCatalogue& installed = Installed.Catalogues.at(index);
            item.Database.ToUpdate = IsNewerCatalogueVersion(installed.Database, item.Database.Version);
            item.Pricelist.ToUpdate = IsNewerCatalogueVersion(installed.Pricelist, item.Pricelist.Version);
        } else if (!IsReservedCode(item.Code)) {
            // A catalogue new to this installation comes without its pricelist.
            item.Database.ToUpdate = true;
        }
        catalogues = catalogues || item.Database.ToUpdate || item.Pricelist.ToUpdate;
    }
    return Data.Product.ToUpdate || Data.DbMain.ToUpdate || Data.DbDevices.ToUpdate || catalogues;
}

TUpdateDownloads ListUpdateDownloads(const TUpdatedData& Data, const QString& StagingFolder)
{
    TUpdateDownloads downloads;
    const auto add = [&downloads](const QString& remote, const QString& localFolder) {
        downloads.Remote.append(remote);
        downloads.Local.append(localFolder + FileNameFromUrl(remote));
    };
    if (Data.Product.ToUpdate) {
        // The installer brings everything else; databases wait for the next run.
        add(Data.Product.WebLink, StagingFolder);
        downloads.ProgramPackage = true;
        return downloads;
    }
    const QString dataFolder = StagingFolder + QStringLiteral("Data/");
    if (Data.DbMain.ToUpdate)
        add(Data.DbMain.WebLink, dataFolder);
    if (Data.DbDevices.ToUpdate)
        add(Data.DbDevices.WebLink, dataFolder);
    for (const TUpdatedCatalogueItem& item : Data.Catalogues.Items) {
        const QString folder = StagingFolder + QStringLiteral("Catalogues/") + item.Code + QLatin1Char('/');
        if (item.Database.ToUpdate)
            add(FormatCatalogueUrl(Data.Catalogues.WebLinks.Database, item.Code), folder);
        if (item.Pricelist.ToUpdate)
            add(FormatCatalogueUrl(Data.Catalogues.WebLinks.Pricelist, item.Code), folder);
    }
    return downloads;
}

} // namespace vantor
