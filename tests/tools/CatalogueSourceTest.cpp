// The maker's source files: CSV quoting, the item checks and the settings
// file, each fault reported with its file and line.
#include "catalogue/CatalogueSource.h"
#include "catalogue/CsvReader.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <optional>

using namespace vantor::tools;
using vantor::test::SourceFault;
using vantor::test::TempFolder;
using vantor::test::ValueOf;

namespace {

const QString ItemsFile = QStringLiteral("src/items.csv");
const QString SettingsFile = QStringLiteral("src/catalogue.ini");

template <typename Parse>
std::optional<SourceFault> ErrorOf(Parse parse)
{
    return vantor::test::SourceFaultOf(parse());
}

struct Fault {
    const char* input;
    int line;
    const char* fragment;
};

template <typename Parse>
void ExpectFaults(const QList<Fault>& faults, const QString& file, const Parse& parse)
{
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.input);
        const auto error = ErrorOf([&] { return parse(QByteArray(fault.input)); });
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->File, file);
        EXPECT_EQ(error->Line, fault.line);
        EXPECT_TRUE(error->Text.contains(QLatin1String(fault.fragment))) << error->Message.toStdString();
        EXPECT_TRUE(error->Message.startsWith(file)) << error->Message.toStdString();
    }
}

} // namespace

TEST(Csv, QuotedFieldsKeepCommasQuotesAndLineBreaksAndLinesAreCountedThroughThem)
{
    const QByteArray csv = "\xEF\xBB\xBF"
                           "a,b,c\r\n"
                           "\"x, y\",\"say \"\"hi\"\"\",\"\"\r\n"
                           "\r\n"
                           "\"two\nlines\",plain,\n"
                           "last,\"\",end";
    const QList<CsvRecord> records = ValueOf(ReadCsv(csv, ItemsFile));
    ASSERT_EQ(records.size(), 4);
    EXPECT_EQ(records[0].Fields, (QStringList{"a", "b", "c"})); // BOM not part of the first name
    EXPECT_EQ(records[1].Fields, (QStringList{"x, y", "say \"hi\"", ""}));
    EXPECT_EQ(records[2].Fields, (QStringList{"two\nlines", "plain", ""}));
    EXPECT_EQ(records[3].Fields, (QStringList{"last", "", "end"}));
    EXPECT_EQ(records[0].Line, 1);
    EXPECT_EQ(records[1].Line, 2);
    EXPECT_EQ(records[2].Line, 4); // after the blank line 3
    EXPECT_EQ(records[3].Line, 6); // the quoted line break counts
}

TEST(Csv, MalformedQuotingAndEncodingAreReportedWhereTheyStand)
{
    ExpectFaults({{"a,b\n\"open,field\nmore\n", 2, "never closed"},
                  {"a,b\nx,\"quoted\"tail\n", 2, "after the closing quote"},
                  {"a,b\nx,12\" monitor\n", 2, "quote inside a field"},
                  {"a,b\n\"multi\nline\",ok\nbad\"\n", 4, "quote inside a field"},
                  {"a,b\nx,\xC3\x28\n", 2, "not UTF-8"},
                  {"a,b\nx,bell\x07\n", 2, "control character"}},
                 ItemsFile, [](const QByteArray& bytes) { return ReadCsv(bytes, ItemsFile); });
}

TEST(Items, ReadsRowsInAnyColumnOrderWithPlainDecimalPrices)
{
    const QList<PricelistItem> items = ValueOf(ParseItems("Price,ProductCode,Description\n"
                                                          "1234.50,A 1K0 IT,\"UPS 1000 VA, tower\"\n"
                                                          "0,B 060 FR,Cabinet \xE2\x80\x93 empty\n"
                                                          " 7 ,Z 9Z9 Z9,Contract\n",
                                                          ItemsFile));
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0].ProductCode, "A 1K0 IT");
    EXPECT_EQ(items[0].Description, "UPS 1000 VA, tower");
    EXPECT_DOUBLE_EQ(items[0].Price, 1234.5);
    EXPECT_EQ(items[1].Description, QString::fromUtf8("Cabinet \xE2\x80\x93 empty"));
    EXPECT_DOUBLE_EQ(items[1].Price, 0);
    EXPECT_DOUBLE_EQ(items[2].Price, 7);
    EXPECT_TRUE(ValueOf(ParseItems("ProductCode,Description,Price\n", ItemsFile)).isEmpty());
}

TEST(Items, FaultsNameTheLine)
{
    const char* header = "ProductCode,Description,Price\n";
    auto withHeader = [&](const char* rows) { return QByteArray(header) + rows; };
    const QByteArray rows[] = {
        withHeader("A 1K0 IT,UPS,10\nA 1K0 IT,UPS again,11\n"),
        withHeader("A 1K0 IT,\"UPS\n1000 VA\",10\nB 060 FR,Cabinet,-5\n"),
    };
    ExpectFaults({{"", 0, "empty"},
                  {"ProductCode,Description\nA 1K0 IT,UPS\n", 1, "column Price is missing"},
                  {"ProductCode,Description,Price,Stock\n", 1, "unknown column \"Stock\""},
                  {"ProductCode,Price,Price\n", 1, "appears twice"},
                  {rows[0].constData(), 3, "already given on line 2"},
                  {rows[1].constData(), 4, "negative"}},
                 ItemsFile, [](const QByteArray& bytes) { return ParseItems(bytes, ItemsFile); });

    const QList<QPair<const char*, const char*>> badRows = {
        {"A 1K0 IT,UPS 1000 VA, tower,10", "4 fields"},
        {"A 1K0 IT,UPS", "2 fields"},
        {",UPS,10", "product code is empty"},
        {"A1K0IT,UPS,10", "malformed"},
        {"a 1k0 it,UPS,10", "malformed"},
        {"A 1K0 IT ,UPS,10", "malformed"},
        {"AB 1K0 IT,UPS,10", "malformed"},
        {"A 1K0 IT, ,10", "description is empty"},
        {"A 1K0 IT,UPS,", "price is empty"},
        {"A 1K0 IT,UPS,abc", "no number"},
        {"A 1K0 IT,UPS,\"1,234.50\"", "no number"},
        {"A 1K0 IT,UPS,1e3", "no number"},
        {"A 1K0 IT,UPS,12.", "no number"},
        {"A 1K0 IT,UPS,nan", "no number"},
        {"A 1K0 IT,UPS,-0.5", "negative"},
    };
    for (const auto& [row, fragment] : badRows) {
        SCOPED_TRACE(row);
        const auto error =
            ErrorOf([&] { return ParseItems(QByteArray(header) + "B 060 FR,Fine,1\n" + row + "\n", ItemsFile); });
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->Line, 3);
        EXPECT_TRUE(error->Text.contains(QLatin1String(fragment))) << error->Message.toStdString();
    }
}

TEST(Settings, PricelistDefaultsFollowTheCatalogueAndMayBeOverridden)
{
    const CatalogueSource plain = ValueOf(ParseCatalogueSettings(
        "; demo\n[Catalogue]\r\nCode = 380\r\nVersion=20241015\r\n[Pricelist]\nValidity=2024-12-31\n", SettingsFile));
    EXPECT_EQ(plain.Code, "380");
    EXPECT_EQ(plain.Version, "20241015");
    EXPECT_TRUE(plain.HasPricelist);
    EXPECT_EQ(plain.PricelistKey, "Rimbel_Ostavar");
    EXPECT_EQ(plain.PricelistCode, "380");
    EXPECT_EQ(plain.Validity, "2024-12-31"); // kept: installs with version "-1"
    EXPECT_EQ(plain.ItemsFile, "items.csv");

    const CatalogueSource fixture =
        ValueOf(ParseCatalogueSettings("[catalogue]\ncode=250\nversion=20240101\n[PRICELIST]\nKey="
                                       "rimbel_ostavar\nCode=380\nValidity=1\nItems=other.csv\n",
                                       SettingsFile));
    EXPECT_EQ(fixture.PricelistKey, "rimbel_ostavar");
    EXPECT_EQ(fixture.PricelistCode, "380");
    EXPECT_EQ(fixture.ItemsFile, "other.csv");

    EXPECT_FALSE(
        ValueOf(ParseCatalogueSettings("[Catalogue]\nCode=000\nVersion=20240229\n", SettingsFile)).HasPricelist);
}

TEST(Settings, FaultsNameTheLine)
{
    ExpectFaults(
        {{"[Pricelist]\nValidity=20241101\n", 0, "[Catalogue] is missing"},
         {"[Catalogue]\nCode=380\nVersoin=20241015\n", 3, "unknown key \"Versoin\""},
         {"[Catalogue]\nCode=380\nVersion=20241015\n[Pricelst]\n", 4, "unknown section [Pricelst]"},
         {"Code=380\n[Catalogue]\n", 1, "before any section"},
         {"[Catalogue]\nCode=380\nVersion=20241015\nCode=250\n", 4, "second time"},
         {"[Catalogue]\nCode=380\n[Catalogue]\n", 3, "second time"},
         {"[Catalogue]\nCode 380\n", 2, "key=value"},
         {"[Catalogue\n", 1, "closing"},
         {"[Catalogue]\nCode=380\n", 1, "needs a value for Version"},
         {"[Catalogue]\nCode=\nVersion=20241015\n", 2, "needs a value for Code"},
         {"[Catalogue]\nCode=999\nVersion=20241015\n", 2, "no known catalogue code"},
         {"[Catalogue]\nCode=380\nVersion=2024-10-15\n", 3, "YYYYMMDD"},
         {"[Catalogue]\nCode=380\nVersion=20241301\n", 3, "YYYYMMDD"},
         {"[Catalogue]\nCode=380\nVersion=202410150\n", 3, "YYYYMMDD"},
         {"[Catalogue]\nCode=380\nVersion=20241015\n[Pricelist]\nItems=a.csv\n", 4, "needs a value for Validity"},
         {"[Catalogue]\nCode=380\nVersion=20241015\n[Pricelist]\nValidity=1\nItems=\n", 6, "needs a value for Items"},
         {"[Catalogue]\nCode=380\xFF\n", 2, "not UTF-8"}},
        SettingsFile, [](const QByteArray& bytes) { return ParseCatalogueSettings(bytes, SettingsFile); });
}

TEST(SourceFolder, ReadsSettingsAndItemsAndReportsMissingFiles)
{
    TempFolder dir;
    dir.write("380/catalogue.ini",
              "[Catalogue]\nCode=380\nVersion=20241015\n[Pricelist]\nValidity=20241101\nItems=list/it.csv\n");
    dir.write("380/list/it.csv", "ProductCode,Description,Price\nA 1K0 IT,UPS,10\n");
    const CatalogueSource source = ValueOf(ReadCatalogueSource(dir.path() + "380"));
    ASSERT_EQ(source.Items.size(), 1);
    EXPECT_EQ(source.Items.first().ProductCode, "A 1K0 IT");

    dir.write("250/catalogue.ini", "[Catalogue]\nCode=250\nVersion=20241015\n[Pricelist]\nValidity=20241101\n");
    const auto noItems = ErrorOf([&] { return ReadCatalogueSource(dir.path() + "250"); });
    ASSERT_TRUE(noItems.has_value());
    EXPECT_EQ(noItems->File, dir.path() + "250/items.csv");

    dir.write("826/items.csv", "ProductCode,Description,Price\n");
    const auto noSettings = ErrorOf([&] { return ReadCatalogueSource(dir.path() + "826"); });
    ASSERT_TRUE(noSettings.has_value());
    EXPECT_EQ(noSettings->File, dir.path() + "826/catalogue.ini");

    const auto noFolder = ErrorOf([&] { return ReadCatalogueSource(dir.path() + "missing"); });
    ASSERT_TRUE(noFolder.has_value());
    EXPECT_TRUE(noFolder->Text.contains("does not exist"));
}

// The demo installation is built from these; a broken source would fail the build.
TEST(SourceFolder, DemoCataloguesAreValidAndCoverTheCasesTheProgramHandles)
{
    const QDir demo(QStringLiteral(VANTOR_SOURCE_DIR "/demo/catalogues"));
    const QStringList folders = demo.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_GE(folders.size(), 3);
    ASSERT_TRUE(folders.contains("380"));
    bool withoutPricelist = false;
    bool undatedPricelist = false;
    for (const QString& folder : folders) {
        SCOPED_TRACE(folder.toStdString());
        const vantor::Result<CatalogueSource> read = ReadCatalogueSource(demo.filePath(folder));
        ASSERT_TRUE(read) << read.message().toStdString();
        const CatalogueSource& source = *read;
        EXPECT_EQ(source.Code, folder);
        withoutPricelist = withoutPricelist || !source.HasPricelist;
        if (source.HasPricelist) {
            EXPECT_EQ(source.PricelistKey, "Rimbel_Ostavar");
            EXPECT_EQ(source.PricelistCode, source.Code);
            undatedPricelist = undatedPricelist || !source.Validity.contains(QRegularExpression("^[0-9]{8}$"));
            EXPECT_GE(source.Items.size(), 25);
            EXPECT_LE(source.Items.size(), 60);
        }
    }
    EXPECT_TRUE(withoutPricelist);
    EXPECT_TRUE(undatedPricelist);
}
