#include "data/InstalledVersion.h"

#include "common/FileHelpers.h"
#include "data/DataModule.h"

namespace vantor {

TInstalledVersion InstalledVersion;

bool LoadInstalledCatalogues(TDM& dataModule, const QString& cataloguesFolder, TGlobalSetupData& settings,
                             TInstalledVersion& installed)
{
    QStringList folders;
    ListSubfolders(cataloguesFolder, false, folders);

    bool found = false;
    const qsizetype firstNew = installed.Catalogues.size();
    for (const QString& code : folders) {
        QString version;
        if (dataModule.CheckCatalogueValidity(cataloguesFolder, code, version)) {
            installed.Catalogues.append({code, version, QString()});
            found = true;
        }
    }

    settings.Database.Pricelist.IsValid = false;
    for (qsizetype i = firstNew; i < installed.Catalogues.size(); ++i) {
        TInstalledCatalogue& catalogue = installed.Catalogues[i];
        QString version;
        if (dataModule.CheckPricelistValidity(cataloguesFolder, catalogue.Code, version)) {
            catalogue.Pricelist = version;
            if (catalogue.Code == settings.CatalogueCode)
                settings.Database.Pricelist.IsValid = true;
        }
    }
    return found;
}

int FindIndexOfInstalledCatalogue(const TInstalledVersion& installed, const QString& ACode)
{
    for (qsizetype i = 0; i < installed.Catalogues.size(); ++i) {
        if (installed.Catalogues[i].Code == ACode)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace vantor
