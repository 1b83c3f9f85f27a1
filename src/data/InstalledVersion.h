// The inventory of what is installed: program, engine and database versions
// and the installed catalogues with the versions of their databases.
#pragma once

#include "common/uGlobals.h"

#include <QList>
#include <QString>

namespace vantor {

class TDM;

struct TInstalledCatalogue {
    QString Code;      // the catalogue's folder name
    QString Database;  // version of its catalogue database, YYYYMMDD
    QString Pricelist; // YYYYMMDD, "-1" when its validity is no date, empty without a valid pricelist
};

using TInstalledCataloguesArray = QList<TInstalledCatalogue>;

struct TInstalledVersion {
    TInfoVersion Product;
    // The engine writes these three through consecutive addresses: keep them together and in order.
    TInfoVersion Engine;
    TInfoVersion DbMain;
    TInfoVersion DbDevices;
    TInstalledCataloguesArray Catalogues;
};

extern TInstalledVersion InstalledVersion;

// Appends every catalogue below cataloguesFolder that passes its check, in
// the order the file system lists the folders, then checks their pricelists
// and sets settings.Database.Pricelist.IsValid for the selected catalogue.
// True when at least one catalogue was appended.
[[nodiscard]] bool LoadInstalledCatalogues(TDM& dataModule, const QString& cataloguesFolder, TGlobalSetupData& settings,
                                           TInstalledVersion& installed);

// Index of the first catalogue whose code equals ACode exactly, or -1.
[[nodiscard]] int FindIndexOfInstalledCatalogue(const TInstalledVersion& installed, const QString& ACode);

} // namespace vantor
