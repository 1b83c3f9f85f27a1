#include "shell/SetupData.h"

#include "common/uConstants.h"
#include "shell/SetupFile.h"

#include <QFileInfo>

namespace vantor {

bool LoadSetupData(TGlobalSetupData& data, const QString& programFolder, const PricelistCheck& checkPricelist)
{
    data.AsPlugin = false;
    data.RootPath = programFolder.endsWith('/') ? programFolder : programFolder + '/';
    data.SetupFile = data.RootPath + QLatin1String(SetupFileName);
    CataloguesFolder = data.RootPath + QLatin1String(CataloguesFolderName);

    if (!ReadSetupFile(data))
        return false;

    data.UsageType = UsageTypeOfOem(data.OemId, data.UsageType);

    data.LanguageFile = data.RootPath + QLatin1String(LanguageFileRelative);
    data.Database.Pricelist.sPassword = QLatin1String(DatabasePassword);
    data.Database.Catalogue.sName = data.CataloguePath + QLatin1String(CatalogueDatabaseName);

    QString pricelistVersion; // not kept here
    data.Database.Pricelist.IsValid =
        checkPricelist && checkPricelist(CataloguesFolder, data.CatalogueCode, pricelistVersion);

    data.Database.Devices.sName = data.RootPath + QLatin1String(DevicesDatabaseRelative);
    data.Database.Devices.IsValid = QFileInfo(data.Database.Devices.sName).isFile();
    return true;
}

} // namespace vantor
