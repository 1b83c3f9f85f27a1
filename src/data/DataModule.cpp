#include "data/DataModule.h"

#include "common/TextHelpers.h"
#include "common/uConstants.h"

#include <QFileInfo>

#include <exception>

namespace vantor {

TDM* DM = nullptr;

namespace {

const QString PricelistKey = QStringLiteral("Rimbel_Ostavar");
const QString InfoTable = QStringLiteral("Info");

} // namespace

TDM::TDM(QString APricelistPassword)
    : TableCatalogue(DbCatalogue), TablePricelist(DbPricelist), SqlPricelist(DbPricelist),
      pricelistPassword_(std::move(APricelistPassword))
{
    DbCatalogue.DatabaseName = QStringLiteral("Catalogue");
    DbCatalogue.ReadOnly = true;
    DbCatalogue.MultiUser = true;
    DbCatalogue.OnPassword = [this](db::DbConnection& sender, bool& proceed) { DbCataloguePassword(sender, proceed); };
    TableCatalogue.ReadOnly = true;

    DbPricelist.DatabaseName = QStringLiteral("Pricelist");
    DbPricelist.ReadOnly = false;
    DbPricelist.MultiUser = false;
    DbPricelist.OnPassword = [this](db::DbConnection& sender, bool& proceed) { DbPricelistPassword(sender, proceed); };
    TablePricelist.ReadOnly = false;
    SqlPricelist.ReadOnly = true;
}

void TDM::DbCataloguePassword(db::DbConnection&, bool& Continue)
{
    Continue = false;
}

void TDM::DbPricelistPassword(db::DbConnection&, bool& Continue)
{
    Continue = false;
}

bool TDM::AssignDatabaseFile(db::DbConnection& ADatabase, const QString& ACountryCode, const QString& AFolder,
                             const QString& AFileName, const QString& APassword)
{
    const QString code = ACountryCode.endsWith('/') ? ACountryCode : ACountryCode + '/';
    const QString file = AFolder + code + AFileName;
    if (!QFileInfo(file).isFile())
        return false;
    if (ADatabase.Connected())
        ADatabase.Close();
    ADatabase.FileName = file;
    ADatabase.Password = APassword;
    return true;
}

bool TDM::CheckCatalogueValidity(const QString& ADatabasePath, const QString& ACountryCode, QString& AVersion)
{
    AVersion.clear();
    if (!AssignDatabaseFile(DbCatalogue, ACountryCode, ADatabasePath, QLatin1String(CatalogueDatabaseName), {}))
        return false;
    QString version;
    try {
        DbCatalogue.Open();
        if (DbCatalogue.Connected()) {
            TableCatalogue.TableName = InfoTable;
            TableCatalogue.Open();
            if (TableCatalogue.Active()) {
                // The code must be there, though its value is not compared.
                (void)TableCatalogue.FieldAsText(QStringLiteral("Code"));
                version = TableCatalogue.FieldAsText(QStringLiteral("Version"));
                TableCatalogue.Close();
            }
        }
    } catch (const std::exception&) {
        // A damaged or foreign file is simply not a valid catalogue.
    }
    DbCatalogue.Close();
    if (version.isEmpty())
        return false;
    AVersion = version;
    return true;
}

bool TDM::CheckPricelistValidity(const QString& ADatabasePath, const QString& ACountryCode, QString& AVersion)
{
    AVersion.clear();
    if (!AssignDatabaseFile(DbPricelist, ACountryCode, ADatabasePath, QLatin1String(PricelistDatabaseName),
                            pricelistPassword_))
        return false;
    QString key;
    QString code;
    QString validity;
    try {
        TablePricelist.TableName = InfoTable;
        DbPricelist.Open();
        if (DbPricelist.Connected()) {
            TablePricelist.Open();
            if (TablePricelist.Active()) {
                key = TablePricelist.FieldAsText(QStringLiteral("Key"));
                code = TablePricelist.FieldAsText(QStringLiteral("Code"));
                validity = TablePricelist.FieldAsText(QStringLiteral("Validity"));
            }
        }
    } catch (const std::exception&) {
        // What was read before the error decides.
    }
    DbPricelist.Close();
    const bool valid = key == PricelistKey && code == ACountryCode && !validity.isEmpty();
    if (valid)
        AVersion = IsValidCompactDate(validity) ? validity : QStringLiteral("-1");
    return valid;
}

bool TDM::OpenPricelistToShow(const QString& ADatabasePath, const QString& ACountryCode)
{
    if (!AssignDatabaseFile(DbPricelist, ACountryCode, ADatabasePath, QLatin1String(PricelistDatabaseName),
                            pricelistPassword_))
        return false;
    const QString condition = QStringLiteral("(%1 > %2)").arg(QStringLiteral("Price")).arg(0);
    const QString columns =
        JoinStrings({QStringLiteral("ProductCode"), QStringLiteral("Description"), QStringLiteral("Price")});
    SqlPricelist.Sql = QStringLiteral("SELECT %1 FROM %2 WHERE (%3) ORDER BY %4")
                           .arg(columns, QStringLiteral("Items"), condition, QStringLiteral("ProductCode"));
    SqlPricelist.Open();
    // Opening has read the first row already; counting all of them would sort
    // the whole result a second time.
    const bool hasRows = SqlPricelist.FetchedCount() > 0;
    if (!hasRows)
        DbPricelist.Close();
    return hasRows;
}

void TDM::ClosePricelistDatabase()
{
    if (DbPricelist.Connected()) {
        TablePricelist.Close();
        DbPricelist.Close();
    }
}

} // namespace vantor
