// The data module: validity checks of catalogue and pricelist databases and
// the pricelist query that the about dialog shows.
#pragma once

#include "common/uConstants.h"
#include "support/Result.h"
#include "support/database/DbConnection.h"
#include "support/database/DbQuery.h"
#include "support/database/DbTable.h"

#include <QString>

namespace vantor {

class TDM {
public:
    // Pricelists open with APricelistPassword, the installation's database password.
    explicit TDM(QString APricelistPassword = QLatin1String(DatabasePassword));
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    // True when the catalogue database of that code opens and has a version;
    // AVersion receives it, or is emptied.
    [[nodiscard]] bool CheckCatalogueValidity(const QString& ADatabasePath, const QString& ACountryCode,
                                              QString& AVersion);
    // True when the pricelist of that code opens and its "Info" record has the
    // right key and code and a validity; AVersion receives the validity date,
    // "-1" when it is no date, or is emptied.
    [[nodiscard]] bool CheckPricelistValidity(const QString& ADatabasePath, const QString& ACountryCode,
                                              QString& AVersion);
    // Runs the pricelist query and leaves it open; true when it has rows. A
    // failure of the engine is returned (ClosePricelistDatabase then closes).
    [[nodiscard]] Result<bool> OpenPricelistToShow(const QString& ADatabasePath, const QString& ACountryCode);
    void ClosePricelistDatabase();

    // Password requests are always declined: a file that needs another
    // password than the one set fails to open, and nothing ever prompts.
    void DbCataloguePassword(db::DbConnection& Sender, bool& Continue);
    void DbPricelistPassword(db::DbConnection& Sender, bool& Continue);

    // In this order: tables and the query close with their connection.
    db::DbConnection DbCatalogue;
    db::DbTable TableCatalogue;
    db::DbConnection DbPricelist;
    db::DbTable TablePricelist;
    db::DbQuery SqlPricelist;

private:
    [[nodiscard]] bool AssignDatabaseFile(db::DbConnection& ADatabase, const QString& ACountryCode,
                                          const QString& AFolder, const QString& AFileName, const QString& APassword);

    QString pricelistPassword_;
};

// The one data module of the program, while the main window lives.
extern TDM* DM;

} // namespace vantor
