// The multi-system quote read back as text: every system's section, the
// further items, discounts, totals and terms, and the quote number on every
// page.
#include "dev/core/QuoteDocument.h"
#include "testlib/TempFolder.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace vantor::devengine;
using vantor::test::TempFolder;

namespace {

QuoteSystem SystemNamed(const QString& AName, const QString& ACode, double APrice, int ALines)
{
    QuoteSystem system;
    system.Name = AName;
    system.Content.LoadWatts = 6000;
    system.Content.LoadVoltAmperes = 6667;
    system.Content.AutonomyMinutes = 15;
    system.Content.RuntimeAtLoad.Minutes = 17.5;
    system.Content.Basis = {{"Power factor", "0.90"}};
    system.Content.Installation = {{"Heat dissipation", "480 W"}};
    system.Content.Lines = {{ACode, "UPS online", 1, APrice}};
    for (int i = 0; i < ALines; ++i)
        system.Content.Lines.append({"S PM1 IT", "Yearly preventive maintenance", 1, 420.0});
    return system;
}

QStringList PagesOf(const QString& AFile)
{
    QProcess reader;
    reader.start("pdftotext", {"-layout", AFile, "-"});
    EXPECT_TRUE(reader.waitForFinished(20000));
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace

TEST(QuoteDocument, EverySystemItsLinesTheTotalsAndTheNumberOnEveryPage)
{
    QuoteDocument document;
    document.BrandName = "Maronel";
    document.Title = "Quotation";
    document.Header = {{"Quote number", "Q-2026-0042"}, {"Customer", "Rossi Impianti"}, {"Seller", ""}};
    document.Systems = {SystemNamed("Server room", "B 6K0 IT", 2840, 0),
                        SystemNamed("Plant room", "T 040 IT", 18900, 30)};
    document.ExtrasHeading = "Further items";
    QuoteLine card{"N SNM IT", "Network card", 2, 285.0};
    card.DiscountPercent = 5;
    card.Amount = 541.50;
    document.Extras = {card, {"X 1", "Cabling by the customer's electrician", 1, std::nullopt}};
    document.Totals = {{"Net", "41,981.50 EUR"}, {"VAT 22 %", "9,235.93 EUR"}, {"Total", "51,217.43 EUR"}};
    document.Terms = {"Valid until 10 January 2027."};
    document.Mark = "Q-2026-0042";
    document.Currency = "EUR";
    document.Locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
    document.DiscountHeading = "Disc.";

    TempFolder folder;
    const QString file = folder.path() + "quote.pdf";
    ASSERT_TRUE(WriteQuoteDocumentPdf(file, document));
    QStringList pages = PagesOf(file);
    ASSERT_GE(pages.size(), 2);
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].contains("Q-2026-0042")) << "page " << i + 1;
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size()))) << i + 1;
    }
    const QString all = pages.join('\n');
    for (const char* expected : {"Rossi Impianti", "Server room", "Plant room", "B 6K0 IT", "T 040 IT", "Further items",
                                 "Network card", "Valid until 10 January 2027."})
        EXPECT_TRUE(all.contains(expected)) << expected;
    // Without prices: no amounts, no totals, no discount column.
    EXPECT_FALSE(all.contains("18,900")) << all.toStdString();
    EXPECT_FALSE(all.contains("51,217.43"));
    EXPECT_FALSE(all.contains("Disc."));
    EXPECT_FALSE(all.contains("Seller")) << "an empty header row is left out";

    document.ShowPrices = true;
    ASSERT_TRUE(WriteQuoteDocumentPdf(file, document));
    const QString priced = PagesOf(file).join('\n');
    for (const char* expected : {"18,900.00 EUR", "541.50 EUR", "Disc.", "5%", "9,235.93 EUR", "51,217.43 EUR"})
        EXPECT_TRUE(priced.contains(expected)) << expected << "\n" << priced.toStdString();
    // The amount given wins over quantity times price.
    EXPECT_FALSE(priced.contains("570.00 EUR"));
    EXPECT_FALSE(WriteQuoteDocumentPdf(folder.path() + "missing/quote.pdf", document));
}
