// Writing ".vt4" files: content as the program reads it back, protection by
// the password, and the all-or-nothing replacement of the target.
#include "catalogue/CatalogueBuilder.h"
#include "catalogue/CatalogueTool.h"
#include "common/uConstants.h"
#include "support/database/DbConnection.h"
#include "support/database/DbQuery.h"
#include "support/database/DbTable.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::tools;
using vantor::test::TempFolder;

namespace {

const QString Password = QString::fromLatin1(DatabasePassword);

// Fields of the first "Info" record, read as the data module reads them, or
// the failure's message.
QStringList ReadInfo(const QString& file, const QString& password, const QStringList& fields)
{
    db::DbConnection connection;
    connection.FileName = file;
    connection.Password = password;
    connection.ReadOnly = true;
    connection.OnPassword = [](db::DbConnection&, bool& proceed) { proceed = false; };
    db::DbTable table(connection);
    table.TableName = QStringLiteral("Info");
    if (const Result<void> opened = table.Open(); !opened)
        return {opened.message()};
    QStringList values;
    for (const QString& field : fields)
        values << table.FieldAsText(field).valueOr(QStringLiteral("(failed)"));
    return values;
}

bool Opens(const QString& file, const QString& password)
{
    db::DbConnection connection;
    connection.FileName = file;
    connection.Password = password;
    int asked = 0;
    connection.OnPassword = [&](db::DbConnection&, bool& proceed) {
        ++asked;
        proceed = false;
    };
    if (connection.Open())
        return true;
    EXPECT_EQ(asked, 1);
    return false;
}

// Everything in the folder, hidden files included.
QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QList<PricelistItem> SampleItems()
{
    return {{"B 060 FR", "Batterie, armoire \"XL\"", 1890.0},
            {"A 1K0 IT", QString::fromUtf8("UPS 1000 VA \xE2\x80\x93 torre"), 420.5},
            {"C 000 XX", "On request", 0}};
}

} // namespace

TEST(WriteDatabase, CatalogueAndPricelistReadBackAsTheProgramQueriesThem)
{
    TempFolder dir;
    const QString catalogue = dir.path() + "new/380/Catalogue.vt4"; // folders are created
    vantor::test::ExpectOk(WriteDatabase(catalogue, {}, CatalogueContent("380", "20241015"), false));
    EXPECT_EQ(ReadInfo(catalogue, {}, {"Code", "Version"}), (QStringList{"380", "20241015"}));

    const QString pricelist = dir.path() + "new/380/Pricelist.vt4";
    vantor::test::ExpectOk(
        WriteDatabase(pricelist, Password, PricelistContent("380", "2024-12-31", SampleItems()), false));
    EXPECT_EQ(ReadInfo(pricelist, Password, {"Key", "Code", "Validity"}),
              (QStringList{"Rimbel_Ostavar", "380", "2024-12-31"}));

    db::DbConnection connection;
    connection.FileName = pricelist;
    connection.Password = Password;
    db::DbQuery query(connection);
    query.Sql = "SELECT ProductCode, Description, Price FROM Items WHERE ((Price > 0)) ORDER BY ProductCode";
    ASSERT_TRUE(query.Open());
    ASSERT_EQ(query.RecordCount().valueOr(-1), 2);
    ASSERT_TRUE(query.FetchMore(10));
    EXPECT_EQ(query.Value(0, 0), "A 1K0 IT");
    EXPECT_EQ(query.Value(0, 1), QString::fromUtf8("UPS 1000 VA \xE2\x80\x93 torre"));
    EXPECT_DOUBLE_EQ(query.Value(0, 2).toDouble(), 420.5);
    EXPECT_EQ(query.Value(1, 1), "Batterie, armoire \"XL\"");
    EXPECT_EQ(query.FindFirst("ProductCode", "B 060 FR").valueOr(-2), 1);
    // Price is numeric in the file: it sorts and compares as a number.
    db::DbQuery types(connection);
    types.Sql = "SELECT typeof(Price), typeof(ProductCode), typeof(Description) FROM Items LIMIT 1";
    ASSERT_TRUE(types.Open());
    ASSERT_TRUE(types.FetchMore(1));
    EXPECT_EQ(types.Value(0, 0), "real");
    EXPECT_EQ(types.Value(0, 1), "text");
    EXPECT_EQ(types.Value(0, 2), "text");
    connection.Close();

    EXPECT_EQ(Entries(dir.path() + "new/380"), (QStringList{"Catalogue.vt4", "Pricelist.vt4"}));
}

TEST(WriteDatabase, InfoFieldsAreStoredAsTextInOrderWithOrWithoutRecord)
{
    TempFolder dir;
    DatabaseContent content;
    content.Info = {{"Version", "20241101"}, {"Kind", "Data"}, {"Odd \"name\"; DROP", "x'); --"}};
    vantor::test::ExpectOk(WriteDatabase(dir.path() + "a.vt4", {}, content, false));
    EXPECT_EQ(ReadInfo(dir.path() + "a.vt4", {}, {"Version", "Kind", "Odd \"name\"; DROP"}),
              (QStringList{"20241101", "Data", "x'); --"}));

    content.InfoHasRecord = false;
    vantor::test::ExpectOk(WriteDatabase(dir.path() + "b.vt4", {}, content, false));
    EXPECT_EQ(ReadInfo(dir.path() + "b.vt4", {}, {"Version", "Kind"}), (QStringList{"", ""}));
    // No record, but the columns are there: a missing one still fails.
    EXPECT_EQ(ReadInfo(dir.path() + "b.vt4", {}, {"Code"}), QStringList{"(failed)"});

    db::DbConnection connection;
    connection.FileName = dir.path() + "a.vt4";
    db::DbQuery query(connection);
    query.Sql = "SELECT sql FROM sqlite_master WHERE name = 'Info'";
    ASSERT_TRUE(query.Open());
    ASSERT_TRUE(query.FetchMore(1));
    EXPECT_EQ(query.Value(0, 0),
              "CREATE TABLE \"Info\" (\"Version\" TEXT, \"Kind\" TEXT, \"Odd \"\"name\"\"; DROP\" TEXT)");
}

TEST(WriteDatabase, ProtectedFilesOpenOnlyWithTheirPasswordAndPlainOnesWithout)
{
    TempFolder dir;
    const QString pricelist = dir.path() + "Pricelist.vt4";
    vantor::test::ExpectOk(
        WriteDatabase(pricelist, Password, PricelistContent("380", "20241101", SampleItems()), false));
    EXPECT_TRUE(Opens(pricelist, Password));
    EXPECT_FALSE(Opens(pricelist, {}));
    EXPECT_FALSE(Opens(pricelist, "r4vu7kad9e"));
    EXPECT_FALSE(dir.read("Pricelist.vt4").contains("Rimbel_Ostavar")); // encrypted, not just keyed

    const QString engine = dir.path() + "Data/Devices.vt4";
    vantor::test::ExpectOk(BuildEngineDatabase("Devices.vt4", "20241101", engine, false));
    EXPECT_FALSE(Opens(engine, {}));
    EXPECT_EQ(ReadInfo(engine, Password, {"Version", "Kind"}), (QStringList{"20241101", "Devices"}));

    const QString catalogue = dir.path() + "Catalogue.vt4";
    vantor::test::ExpectOk(WriteDatabase(catalogue, {}, CatalogueContent("380", "20241015"), false));
    EXPECT_TRUE(Opens(catalogue, {}));
    EXPECT_TRUE(dir.read("Catalogue.vt4").startsWith("SQLite format 3"));
}

TEST(WriteDatabase, ReplacesOnlyWithOverwriteAndLeavesNothingBehindOnFailure)
{
    TempFolder dir;
    const QString target = dir.write("380/Catalogue.vt4", "keep me");
    EXPECT_FALSE(WriteDatabase(target, {}, CatalogueContent("380", "20241015"), false));
    EXPECT_EQ(dir.read("380/Catalogue.vt4"), "keep me");
    EXPECT_EQ(Entries(dir.path() + "380"), QStringList{"Catalogue.vt4"});

    // A failure inside the engine, after the temporary file was made: the
    // target stays as it was and the temporary file is gone.
    DatabaseContent broken = CatalogueContent("380", "20241015");
    broken.Info.append(qMakePair(QString::fromUtf8("cut\0here", 8), QStringLiteral("x")));
    EXPECT_FALSE(WriteDatabase(target, {}, broken, true));
    EXPECT_EQ(dir.read("380/Catalogue.vt4"), "keep me");
    EXPECT_EQ(Entries(dir.path() + "380"), QStringList{"Catalogue.vt4"});

    vantor::test::ExpectOk(WriteDatabase(target, {}, CatalogueContent("380", "20241016"), true));
    EXPECT_EQ(ReadInfo(target, {}, {"Version"}), QStringList{"20241016"});
    EXPECT_EQ(Entries(dir.path() + "380"), QStringList{"Catalogue.vt4"});
    EXPECT_EQ(QFileInfo(target).permissions() & QFileDevice::ReadOther, QFileDevice::ReadOther);

    // A folder in the way is never replaced, nor are unusable field lists written.
    dir.makeFolder("250/Catalogue.vt4");
    EXPECT_FALSE(WriteDatabase(dir.path() + "250/Catalogue.vt4", {}, CatalogueContent("250", "20241015"), true));
    DatabaseContent twice = CatalogueContent("250", "20241015");
    twice.Info.append(qMakePair(QStringLiteral("code"), QStringLiteral("again")));
    EXPECT_FALSE(WriteDatabase(dir.path() + "250/x.vt4", {}, twice, false));
    EXPECT_FALSE(WriteDatabase(dir.path() + "250/x.vt4", {}, DatabaseContent{}, false));
    EXPECT_EQ(Entries(dir.path() + "250"), QStringList{"Catalogue.vt4"});
}
