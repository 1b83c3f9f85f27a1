#include "data/DataModule.h"

#include "common/TextHelpers.h"
#include "common/uConstants.h"

#include <QFileInfo>

#include <utility>

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
    // A damaged or foreign file is simply not a valid catalogue.
    TableCatalogue.TableName = InfoTable;
    if (DbCatalogue.Open() && TableCatalogue.Open()) {
        // The code must be there, though its value is not compared.
        if (TableCatalogue.FieldAsText(QStringLiteral("Code")))
            version = TableCatalogue.FieldAsText(QStringLiteral("Version")).valueOr(QString());
        TableCatalogue.Close();
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
    TablePricelist.TableName = InfoTable;
    if (DbPricelist.Open() && TablePricelist.Open()) {
        // What was read before a failure decides.
        const std::pair<const char*, QString*> fields[] = {{"Key", &key}, {"Code", &code}, {"Validity", &validity}};
        for (const auto& [field, value] : fields) {
            const Result<QString> text = TablePricelist.FieldAsText(QLatin1String(field));
            if (!text)
                break;
            *value = *text;
        }
    }
    DbPricelist.Close();
    const bool valid = key == PricelistKey && code == ACountryCode && !validity.isEmpty();
    if (valid)
        AVersion = IsValidCompactDate(validity) ? validity : QStringLiteral("-1");
    return valid;
}

Result<bool> TDM::OpenPricelistToShow(const QString& ADatabasePath, const QString& ACountryCode)
{
    if (!AssignDatabaseFile(DbPricelist, ACountryCode, ADatabasePath, QLatin1String(PricelistDatabaseName),
                            pricelistPassword_))
        return false;
    const QString condition = QStringLiteral("(%1 > %2)").arg(QStringLiteral("Price")).arg(0);
    const QString columns =
        JoinStrings({QStringLiteral("ProductCode"), QStringLiteral("Description"), QStringLiteral("Price")});
    SqlPricelist.Sql = QStringLiteral("SELECT %1 FROM %2 WHERE (%3) ORDER BY %4")
                           .arg(columns, QStringLiteral("Items"), condition, QStringLiteral("ProductCode"));
    if (const Result<void> opened = SqlPricelist.Open(); !opened)
        return opened.error();
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
