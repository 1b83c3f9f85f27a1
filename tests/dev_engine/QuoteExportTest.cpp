// The spreadsheet and CSV exports read back by outside readers (openpyxl and
// Python's csv module, through xlsx_readback.py), and their all-or-nothing
// writing.
#include "dev/core/QuoteCsv.h"
#include "dev/core/QuoteSpreadsheet.h"

#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <cmath>

using namespace vantor::devengine;

namespace {

const EngineTexts English{QStringLiteral("ENG")};
const QString Python = QStringLiteral("/usr/bin/python3");
const QString Reader = QStringLiteral(VANTOR_SOURCE_DIR "/tests/dev_engine/xlsx_readback.py");
constexpr int MissingReader = 3;

// The quote of QuoteTotalsTest, whose totals are worked out by hand there.
PricedQuote HandCheckedQuote()
{
    PricedQuote quote;
    quote.Groups = {
        {QStringLiteral("System 1"),
         {{QStringLiteral("B 6K0"), QStringLiteral("UPS, 6 kVA"), 3, 19.99, 15},
          {QStringLiteral("BC 40"), QStringLiteral("Cabinet, \"40\" blocks, grey"), 1, 1234.565, 0},
          {QStringLiteral("SNMP"), QStringLiteral("Card\nwith two lines"), 2, std::nullopt, 0}}},
        {QStringLiteral("Further items, é €"), {{QStringLiteral("=CABLE"), QStringLiteral(" Kabel "), 7, 0.15, 10}}}};
    quote.DiscountPercent = 5;
    quote.VatPercent = 22;
    return quote;
}

QuoteFacts Facts()
{
    return {
        QStringLiteral("Q-2026-0042"),
        QDate(2026, 12, 11),
        QDate(2027, 1, 10),
        QStringLiteral("Acme Hospital"),
        QStringLiteral("Wing B"),
        {QStringLiteral("Ana"), QStringLiteral("Kraft & Co"), QStringLiteral("ana@example.com"), QStringLiteral("1")},
        QStringLiteral("EUR")};
}

// The reader's JSON; null when python3 or openpyxl is missing.
QJsonObject ReadBack(const char* AKind, const QString& AFile, bool& AMissing)
{
    AMissing = !QFile::exists(Python);
    if (AMissing)
        return {};
    QProcess reader;
    reader.start(Python, {Reader, QLatin1String(AKind), AFile});
    if (!reader.waitForFinished(60000)) {
        ADD_FAILURE() << "the reader did not finish";
        return {};
    }
    AMissing = reader.exitCode() == MissingReader;
    EXPECT_TRUE(AMissing || reader.exitCode() == 0) << reader.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
}

QStringList FolderEntries(const QString& AFolder)
{
    return QDir(AFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(QuoteSpreadsheet, FormulasRecalculateToTheComputedTotals)
{
    const vantor::test::TempFolder folder;
    const QString file = folder.path() + QStringLiteral("quote.xlsx");
    vantor::test::ExpectOk(WriteQuoteSpreadsheet(file, HandCheckedQuote(), Facts(), English));
    bool missing = false;
    const QJsonObject sheet = ReadBack("xlsx", file, missing);
    if (missing)
        GTEST_SKIP() << "python3 with openpyxl is not installed";
    const QJsonObject cells = sheet["cells"].toObject();
    const auto at = [&](const char* ARef, const char* AKey) { return cells[QLatin1String(ARef)][QLatin1String(AKey)]; };

    // Every formula, worked out from the cells, gives the result stored with it.
    int formulas = 0;
    for (auto it = cells.begin(); it != cells.end(); ++it) {
        const QJsonObject cell = it->toObject();
        if (!cell.contains(QLatin1String("evaluated")))
            continue;
        ++formulas;
        EXPECT_NEAR(cell["evaluated"].toDouble(), cell["cached"].toDouble(), 1e-9) << it.key().toStdString();
    }
    EXPECT_EQ(formulas, 4 + 5) << "four line amounts and five totals";

    // The facts, then the heads at row 15, the first system at 16.
    EXPECT_EQ(at("A1", "value").toString(), QStringLiteral("Quotation"));
    EXPECT_EQ(at("A3", "value").toString(), QStringLiteral("Quote number"));
    EXPECT_EQ(at("B3", "value").toString(), QStringLiteral("Q-2026-0042"));
    EXPECT_EQ(at("B4", "value").toString(), QStringLiteral("2026-12-11"));
    EXPECT_EQ(at("B5", "value").toString(), QStringLiteral("2027-01-10"));
    EXPECT_EQ(at("B10", "value").toString(), QStringLiteral("ana@example.com"));
    EXPECT_EQ(at("B12", "value").toString(), QStringLiteral("EUR"));
    EXPECT_EQ(at("E14", "value").toString(), QStringLiteral("Discount %"));
    EXPECT_EQ(at("A15", "value").toString(), QStringLiteral("System 1"));
    EXPECT_EQ(at("F16", "value").toString(), QStringLiteral("=ROUND(C16*D16*(1-E16/100),2)"));
    EXPECT_DOUBLE_EQ(at("F17", "cached").toDouble(), 1234.57);
    EXPECT_EQ(at("B18", "value").toString(), QStringLiteral("Card\nwith two lines"));
    EXPECT_FALSE(cells.contains(QStringLiteral("D18"))) << "no price: an empty cell";
    EXPECT_EQ(at("G18", "value").toString(), QStringLiteral("price on request"));
    EXPECT_EQ(at("A20", "value").toString(), QStringLiteral("=CABLE")) << "text, not a formula";
    EXPECT_TRUE(at("F17", "format").toString().contains(QLatin1String("0.00 \"EUR\"")));

    // The totals below a blank row.
    EXPECT_EQ(at("B22", "value").toString(), QStringLiteral("Subtotal"));
    EXPECT_EQ(at("F22", "value").toString(), QStringLiteral("=ROUND(SUM(F16:F20),2)"));
    EXPECT_DOUBLE_EQ(at("F22", "cached").toDouble(), 1286.49);
    EXPECT_DOUBLE_EQ(at("E23", "value").toDouble(), 5);
    EXPECT_DOUBLE_EQ(at("F23", "cached").toDouble(), 64.32);
    EXPECT_DOUBLE_EQ(at("F24", "cached").toDouble(), 1222.17);
    EXPECT_DOUBLE_EQ(at("E25", "value").toDouble(), 22);
    EXPECT_DOUBLE_EQ(at("F25", "cached").toDouble(), 268.88);
    EXPECT_EQ(at("B26", "value").toString(), QStringLiteral("Total including VAT"));
    EXPECT_DOUBLE_EQ(at("F26", "cached").toDouble(), 1491.05);
}

TEST(QuoteCsv, RoundTripsThroughAnOutsideReader)
{
    const vantor::test::TempFolder folder;
    const QString file = folder.path() + QStringLiteral("quote.csv");
    // German texts must not change the machine's format.
    vantor::test::ExpectOk(WriteQuoteCsv(file, HandCheckedQuote(), EngineTexts(QStringLiteral("DEU"))));
    const QByteArray bytes = folder.read(QStringLiteral("quote.csv"));
    EXPECT_TRUE(bytes.startsWith(QByteArray(QuoteCsvHeader) + "\r\n"));
    EXPECT_TRUE(bytes.contains("\"System 1\",BC 40,") || bytes.contains("System 1,BC 40,"));
    bool missing = false;
    const QJsonObject csv = ReadBack("csv", file, missing);
    if (missing)
        GTEST_SKIP() << "python3 is not installed";
    const QJsonArray rows = csv["rows"].toArray();
    const QList<QStringList> expected = {
        QString::fromLatin1(QuoteCsvHeader).split(','),
        {"System 1", "B 6K0", "UPS, 6 kVA", "3", "19.99", "15", "50.97"},
        {"System 1", "BC 40", "Cabinet, \"40\" blocks, grey", "1", "1234.565", "0", "1234.57"},
        {"System 1", "SNMP", "Card\nwith two lines", "2", "", "0", ""},
        {"Further items, é €", "=CABLE", " Kabel ", "7", "0.15", "10", "0.95"}};
    ASSERT_EQ(rows.size(), expected.size());
    for (qsizetype row = 0; row < expected.size(); ++row)
        EXPECT_EQ(rows[row].toVariant().toStringList(), expected[row]) << "row " << row;
}

TEST(QuoteExports, AllOrNothing)
{
    const vantor::test::TempFolder folder;
    const PricedQuote quote = HandCheckedQuote();

    // A folder that does not exist: a failure naming the file, nothing made.
    const QString lost = folder.path() + QStringLiteral("missing/quote.xlsx");
    const auto noFolder = WriteQuoteSpreadsheet(lost, quote, Facts(), English);
    ASSERT_FALSE(noFolder.ok());
    EXPECT_TRUE(noFolder.message().contains(lost)) << noFolder.message().toStdString();
    EXPECT_FALSE(WriteQuoteCsv(folder.path() + QStringLiteral("missing/quote.csv"), quote, English).ok());
    EXPECT_TRUE(FolderEntries(folder.path()).isEmpty());

    // A cell the writer refuses halfway through keeps the earlier file as it
    // was and leaves no temporary beside it.
    const QString xlsx = folder.write(QStringLiteral("quote.xlsx"), "earlier quote");
    PricedQuote tooLong = quote;
    tooLong.Groups[1].Lines[0].Description = QString(40000, 'x');
    const auto refused = WriteQuoteSpreadsheet(xlsx, tooLong, Facts(), English);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().contains(xlsx));
    EXPECT_EQ(folder.read(QStringLiteral("quote.xlsx")), QByteArray("earlier quote"));
    EXPECT_EQ(FolderEntries(folder.path()), QStringList{QStringLiteral("quote.xlsx")});

    // A quote that does not add up writes nothing either.
    const QString csv = folder.write(QStringLiteral("quote.csv"), "earlier csv");
    PricedQuote badLine = quote;
    badLine.Groups[0].Lines[1].Quantity = 0;
    EXPECT_FALSE(WriteQuoteCsv(csv, badLine, English).ok());
    EXPECT_EQ(folder.read(QStringLiteral("quote.csv")), QByteArray("earlier csv"));

    // A folder in the file's place stays; the new content goes nowhere.
    const QString taken = folder.makeFolder(QStringLiteral("taken.csv"));
    EXPECT_FALSE(WriteQuoteCsv(taken, quote, English).ok());
    EXPECT_TRUE(QFileInfo(taken).isDir());
    EXPECT_EQ(FolderEntries(folder.path()).size(), 3);

    // And a good export replaces the earlier file.
    vantor::test::ExpectOk(WriteQuoteSpreadsheet(xlsx, quote, Facts(), English));
    EXPECT_TRUE(folder.read(QStringLiteral("quote.xlsx")).startsWith("PK"));
}
