// The data module on real database files written with the catalogue builder.
#include "data/DataModule.h"
#include "catalogue/CatalogueBuilder.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;
using tools::CatalogueContent;
using tools::PricelistContent;
using tools::PricelistItem;
using tools::WriteDatabase;

namespace {

const QString Password = QLatin1String(DatabasePassword);

// A database with an "Info" record of these fields and nothing else.
tools::DatabaseContent InfoOnly(const tools::InfoFields& fields)
{
    tools::DatabaseContent content;
    content.Info = fields;
    return content;
}

QList<PricelistItem> SomeItems()
{
    return {{"B 3K0 IT", "Online UPS 3 kVA", 1890.0},
            {"A 1K0 IT", "Line-interactive UPS 1 kVA", 349.5},
            {"Z 000 IT", "Discontinued item", 0},
            {"C 010 IT", "Battery cabinet", 1200}};
}

class DataModule : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalSetupData = TGlobalSetupData{};
        GlobalSetupData.Database.Pricelist.sPassword = Password;
    }
    void TearDown() override { GlobalSetupData = TGlobalSetupData{}; }

    QString Catalogues() const { return folder.path(); }
    QString FileOf(const QString& code, const char* name) const { return folder.path() + code + "/" + name; }

    void WriteCatalogue(const QString& code, const tools::DatabaseContent& content)
    {
        vantor::test::ExpectOk(WriteDatabase(FileOf(code, "Catalogue.vt4"), {}, content, true));
    }
    void WritePricelist(const QString& code, const tools::DatabaseContent& content,
                        const QString& password = QLatin1String(DatabasePassword))
    {
        vantor::test::ExpectOk(WriteDatabase(FileOf(code, "Pricelist.vt4"), password, content, true));
    }

    bool CatalogueValid(const QString& code, QString& version)
    {
        return dm.CheckCatalogueValidity(Catalogues(), code, version);
    }
    bool PricelistValid(const QString& code, QString& version)
    {
        return dm.CheckPricelistValidity(Catalogues(), code, version);
    }

    TempFolder folder;
    TDM dm;
};

} // namespace

TEST_F(DataModule, CatalogueNeedsAFileACodeFieldAndAVersion)
{
    QString version = "stale";
    EXPECT_FALSE(CatalogueValid("380", version)) << "no file";
    EXPECT_TRUE(version.isEmpty());

    WriteCatalogue("380", CatalogueContent("380", "20240115"));
    EXPECT_TRUE(CatalogueValid("380", version));
    EXPECT_EQ(version, "20240115");
    EXPECT_FALSE(dm.DbCatalogue.Connected()) << "checks close their connection";

    // The code is read but not compared with the folder name.
    WriteCatalogue("250", CatalogueContent("999", "20230601"));
    EXPECT_TRUE(CatalogueValid("250", version));

    WriteCatalogue("100", InfoOnly({{"Version", "20240101"}}));
    EXPECT_FALSE(CatalogueValid("100", version)) << "no Code field";
    EXPECT_TRUE(version.isEmpty());

    WriteCatalogue("101", CatalogueContent("101", ""));
    EXPECT_FALSE(CatalogueValid("101", version)) << "empty version";

    tools::DatabaseContent noRecord = CatalogueContent("102", "20240101");
    noRecord.InfoHasRecord = false;
    WriteCatalogue("102", noRecord);
    EXPECT_FALSE(CatalogueValid("102", version)) << "Info without records";

    folder.write("103/Catalogue.vt4", "this is not a database, just text that is long enough to look like one");
    EXPECT_FALSE(CatalogueValid("103", version));

    EXPECT_FALSE(CatalogueValid("-1", version));
}

TEST_F(DataModule, PricelistRulesAreExactAndCaseSensitive)
{
    QString version;
    WritePricelist("380", PricelistContent("380", "20141231", SomeItems()));
    EXPECT_TRUE(PricelistValid("380", version));
    EXPECT_EQ(version, "20141231");

    WritePricelist("381", PricelistContent("381", "20141231", SomeItems(), "rimbel_Ostavar"));
    EXPECT_FALSE(PricelistValid("381", version)) << "key in another letter case";
    EXPECT_TRUE(version.isEmpty());
    WritePricelist("382", PricelistContent("382", "20141231", SomeItems(), "Rimbel_Ostavar "));
    EXPECT_FALSE(PricelistValid("382", version)) << "key with a trailing blank";

    WritePricelist("383", PricelistContent("250", "20141231", SomeItems()));
    EXPECT_FALSE(PricelistValid("383", version)) << "code differs from the folder";

    WritePricelist("384", PricelistContent("384", "", SomeItems()));
    EXPECT_FALSE(PricelistValid("384", version)) << "empty validity";

    WritePricelist("385", InfoOnly({{"Key", "Rimbel_Ostavar"}, {"Code", "385"}}));
    EXPECT_FALSE(PricelistValid("385", version)) << "no Validity field";

    // A date long past is fine: validity is never compared with today.
    WritePricelist("386", PricelistContent("386", "19991231", {}));
    EXPECT_TRUE(PricelistValid("386", version));
    EXPECT_EQ(version, "19991231");
}

TEST_F(DataModule, ValidityThatIsNoDateGivesMinusOne)
{
    QString version;
    for (const QString& validity : {QString("20141301"), QString("2014-12-31"), QString("soon")}) {
        WritePricelist("380", PricelistContent("380", validity, SomeItems()));
        EXPECT_TRUE(PricelistValid("380", version)) << validity.toStdString();
        EXPECT_EQ(version, "-1") << validity.toStdString();
    }
}

TEST_F(DataModule, PricelistNeedingAnotherPasswordIsInvalidWithoutPrompt)
{
    QString version;
    WritePricelist("380", PricelistContent("380", "20141231", SomeItems()), "another password");
    EXPECT_FALSE(PricelistValid("380", version));
    EXPECT_FALSE(dm.DbPricelist.Connected());

    // An unprotected pricelist does not open with the password either.
    WritePricelist("381", PricelistContent("381", "20141231", SomeItems()), QString());
    EXPECT_FALSE(PricelistValid("381", version));

    // And a protected one never opens without it.
    WritePricelist("382", PricelistContent("382", "20141231", SomeItems()));
    TDM withoutPassword{QString()};
    EXPECT_FALSE(withoutPassword.CheckPricelistValidity(Catalogues(), "382", version));
}

TEST_F(DataModule, DamagedPricelistIsInvalid)
{
    QList<PricelistItem> many;
    for (int i = 0; i < 400; ++i)
        many.append({QStringLiteral("A %1 IT").arg(i, 3, 10, QChar('0')), QStringLiteral("Item %1").arg(i), 10.0 + i});
    WritePricelist("380", PricelistContent("380", "20141231", many));
    QString version;
    ASSERT_TRUE(PricelistValid("380", version));

    QFile file(FileOf("380", "Pricelist.vt4"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 size = file.size();
    // Damage every page a little, so that the Info record cannot escape.
    for (qint64 offset = 16; offset < size; offset += 512) {
        file.seek(offset);
        file.write("\xde\xad\xbe\xef", 4);
    }
    file.close();
    EXPECT_FALSE(PricelistValid("380", version));
    EXPECT_TRUE(version.isEmpty());
}

TEST_F(DataModule, PricelistQueryListsPricedItemsByCodeAndStaysOpen)
{
    WritePricelist("380", PricelistContent("380", "20141231", SomeItems()));
    ASSERT_TRUE(dm.OpenPricelistToShow(Catalogues(), "380").valueOr(false));
    EXPECT_EQ(dm.SqlPricelist.Sql,
              "SELECT ProductCode, Description, Price FROM Items WHERE ((Price > 0)) ORDER BY ProductCode");
    EXPECT_TRUE(dm.DbPricelist.Connected());
    EXPECT_EQ(dm.SqlPricelist.RecordCount().valueOr(-1), 3);
    EXPECT_EQ(dm.SqlPricelist.FieldNames(), (QStringList{"ProductCode", "Description", "Price"}));
    ASSERT_TRUE(dm.SqlPricelist.FetchMore(10));
    EXPECT_EQ(dm.SqlPricelist.Value(0, 0), "A 1K0 IT");
    EXPECT_EQ(dm.SqlPricelist.Value(1, 0), "B 3K0 IT");
    EXPECT_EQ(dm.SqlPricelist.Value(2, 0), "C 010 IT");
    EXPECT_EQ(dm.SqlPricelist.Value(0, 2).toDouble(), 349.5);
    EXPECT_EQ(dm.SqlPricelist.FindFirst("ProductCode", "C 010 IT").valueOr(-2), 2);
    EXPECT_EQ(dm.SqlPricelist.FindFirst("ProductCode", "c 010 it").valueOr(-2), -1);

    dm.ClosePricelistDatabase();
    EXPECT_FALSE(dm.DbPricelist.Connected());
    EXPECT_FALSE(dm.SqlPricelist.Active());
}

TEST_F(DataModule, PricelistWithoutPricedItemsLeavesTheConnectionClosed)
{
    WritePricelist("380", PricelistContent("380", "20141231", {{"Z 000 IT", "Free", 0}, {"Z 001 IT", "Credit", -5}}));
    EXPECT_FALSE(dm.OpenPricelistToShow(Catalogues(), "380").valueOr(true));
    EXPECT_FALSE(dm.DbPricelist.Connected());
    EXPECT_FALSE(dm.OpenPricelistToShow(Catalogues(), "250").valueOr(true)) << "no file";
}

TEST_F(DataModule, PricelistQueryReturnsEngineErrors)
{
    WritePricelist("380", InfoOnly({{"Key", "Rimbel_Ostavar"}, {"Code", "380"}, {"Validity", "20240101"}})); // no Items
    const Result<bool> opened = dm.OpenPricelistToShow(Catalogues(), "380");
    ASSERT_FALSE(opened.ok());
    EXPECT_TRUE(opened.message().contains("no such table: Items")) << opened.message().toStdString();
    dm.ClosePricelistDatabase();
    EXPECT_FALSE(dm.DbPricelist.Connected());
}

TEST_F(DataModule, AChecksClosesAnOpenPricelistFirst)
{
    WritePricelist("380", PricelistContent("380", "20141231", SomeItems()));
    ASSERT_TRUE(dm.OpenPricelistToShow(Catalogues(), "380").valueOr(false));
    QString version;
    EXPECT_TRUE(PricelistValid("380", version));
    EXPECT_FALSE(dm.SqlPricelist.Active());
    EXPECT_FALSE(dm.DbPricelist.Connected());
}
