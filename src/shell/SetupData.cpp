#include "shell/SetupData.h"

#include "common/uConstants.h"
#include "shell/SetupFile.h"

#include <QFileInfo>

namespace vantor {

namespace {

// Everything LoadSetupData derives from the settings once they are read.
void DeriveFromSettings(TGlobalSetupData& data, const PricelistCheck& checkPricelist)
{
    data.UsageType = UsageTypeOfOem(data.OemId, data.UsageType);

    data.LanguageFile = data.RootPath + QLatin1String(LanguageFileRelative);
    data.Database.Pricelist.sPassword = QLatin1String(DatabasePassword);
    data.Database.Catalogue.sName = data.CataloguePath + QLatin1String(CatalogueDatabaseName);

    QString pricelistVersion; // not kept here
    data.Database.Pricelist.IsValid =
        checkPricelist && checkPricelist(CataloguesFolder, data.CatalogueCode, pricelistVersion);

    data.Database.Devices.sName = data.RootPath + QLatin1String(DevicesDatabaseRelative);
    data.Database.Devices.IsValid = QFileInfo(data.Database.Devices.sName).isFile();
}

void SetProgramLocations(TGlobalSetupData& data, const QString& programFolder)
{
    data.AsPlugin = false;
    data.RootPath = programFolder.endsWith('/') ? programFolder : programFolder + '/';
    data.SetupFile = data.RootPath + QLatin1String(SetupFileName);
    CataloguesFolder = data.RootPath + QLatin1String(CataloguesFolderName);
}

} // namespace

bool LoadSetupData(TGlobalSetupData& data, const QString& programFolder, const PricelistCheck& checkPricelist)
{
    SetProgramLocations(data, programFolder);
    if (!ReadSetupFile(data))
        return false;
    DeriveFromSettings(data, checkPricelist);
    return true;
}

bool ApplyConfirmedSettings(TGlobalSetupData& data, const QString& programFolder, const PricelistCheck& checkPricelist)
{
    if (WriteSetupFile(data)) {
        // A read that fails after a good write changes nothing that matters now.
        (void)LoadSetupData(data, programFolder, checkPricelist);
        return true;
    }
    SetProgramLocations(data, programFolder);
    data.CataloguePath = ReadCataloguePath(data.SetupFile, data.CatalogueCode);
    DeriveFromSettings(data, checkPricelist);
    return false;
}

} // namespace vantor
