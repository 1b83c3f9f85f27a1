// The quote's arithmetic against amounts worked out by hand.
#include "dev/core/QuoteTotals.h"

#include "testlib/ResultChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vantor::devengine;

namespace {

const EngineTexts English{QStringLiteral("ENG")};

PricedLine Line(const QString& ACode, int AQuantity, std::optional<double> APrice, double ADiscount = 0)
{
    return {ACode, ACode + QStringLiteral(" item"), AQuantity, APrice, ADiscount};
}

} // namespace

TEST(QuoteTotals, RoundsHalfAwayFromZeroDespiteBinaryFractions)
{
    EXPECT_DOUBLE_EQ(RoundMoney(0.005, 2), 0.01);
    EXPECT_DOUBLE_EQ(RoundMoney(1.005, 2), 1.01); // 1.00499999999999989... in binary
    EXPECT_DOUBLE_EQ(RoundMoney(2.675, 2), 2.68);
    EXPECT_DOUBLE_EQ(RoundMoney(-0.005, 2), -0.01);
    EXPECT_DOUBLE_EQ(RoundMoney(0.004999, 2), 0.0);
    EXPECT_DOUBLE_EQ(RoundMoney(2.5, 0), 3.0);
    EXPECT_DOUBLE_EQ(RoundMoney(1234.5, 0), 1235.0);
}

// By hand: 3 x 19.99 less 15 % = 50.9745 -> 50.97; 1 x 1234.565 -> 1234.57;
// 2 on request -> 0; 7 x 0.15 less 10 % = 0.945 -> 0.95. Subtotal 1286.49
// (unrounded lines would give 1286.48); 5 % off 64.3245 -> 64.32; net
// 1222.17; VAT 22 % 268.8774 -> 268.88; gross 1491.05.
TEST(QuoteTotals, RoundsEachLineThenTheTotals)
{
    PricedQuote quote;
    quote.Groups = {{QStringLiteral("System 1"),
                     {Line("B 6K0", 3, 19.99, 15), Line("BC 40", 1, 1234.565), Line("SNMP", 2, std::nullopt)}},
                    {QStringLiteral("Further items"), {Line("CABLE", 7, 0.15, 10)}}};
    quote.DiscountPercent = 5;
    quote.VatPercent = 22;
    const QuoteTotals totals = vantor::test::ValueOf(ComputeTotals(quote, English));
    ASSERT_EQ(totals.Groups.size(), 2);
    EXPECT_DOUBLE_EQ(totals.Groups[0][0].Amount, 50.97);
    EXPECT_DOUBLE_EQ(totals.Groups[0][1].Amount, 1234.57);
    EXPECT_DOUBLE_EQ(totals.Groups[0][2].Amount, 0.0);
    EXPECT_TRUE(totals.Groups[0][2].PriceOnRequest);
    EXPECT_FALSE(totals.Groups[0][1].PriceOnRequest);
    EXPECT_DOUBLE_EQ(totals.Groups[1][0].Amount, 0.95);
    EXPECT_EQ(totals.LinesOnRequest, 1);
    EXPECT_DOUBLE_EQ(totals.Subtotal, 1286.49);
    EXPECT_DOUBLE_EQ(totals.Discount, 64.32);
    EXPECT_DOUBLE_EQ(totals.Net, 1222.17);
    EXPECT_DOUBLE_EQ(totals.Vat, 268.88);
    EXPECT_DOUBLE_EQ(totals.Gross, 1491.05);
}

// A currency without decimals: 999.50 -> 1000; 10 % VAT -> 100; 1100.
TEST(QuoteTotals, CurrencyWithoutDecimals)
{
    PricedQuote quote;
    quote.Groups = {{QStringLiteral("A"), {Line("X", 1, 999.5)}}};
    quote.VatPercent = 10;
    quote.CurrencyDecimals = 0;
    const QuoteTotals totals = vantor::test::ValueOf(ComputeTotals(quote, English));
    EXPECT_DOUBLE_EQ(totals.Subtotal, 1000.0);
    EXPECT_DOUBLE_EQ(totals.Vat, 100.0);
    EXPECT_DOUBLE_EQ(totals.Gross, 1100.0);
}

TEST(QuoteTotals, RejectsInputOutOfRangeNamingTheLine)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto lineFault = [](const PricedLine& ABad) {
        PricedQuote quote;
        quote.Groups = {{QStringLiteral("Main hall"), {Line("OK", 1, 10.0), ABad}}};
        const auto totals = ComputeTotals(quote, English);
        return totals ? QString() : totals.message();
    };
    for (const PricedLine& bad :
         {Line("BAD", 0, 1.0), Line("BAD", -3, 1.0), Line("BAD", 1, 1.0, 100.5), Line("BAD", 1, 1.0, -1),
          Line("BAD", 1, -5.0), Line("BAD", 1, nan), Line("BAD", 1, 1.0, nan)}) {
        const QString message = lineFault(bad);
        EXPECT_TRUE(message.contains(QLatin1String("Main hall, line 2 (BAD)"))) << message.toStdString();
    }
    EXPECT_TRUE(lineFault(Line("BAD", 1, 1.0, 100)).isEmpty()) << "a full discount is allowed";

    const auto quoteFault = [](double ADiscount, double AVat, int ADecimals) {
        PricedQuote quote;
        quote.DiscountPercent = ADiscount;
        quote.VatPercent = AVat;
        quote.CurrencyDecimals = ADecimals;
        return !ComputeTotals(quote, English).ok();
    };
    EXPECT_TRUE(quoteFault(-1, 0, 2));
    EXPECT_TRUE(quoteFault(0, 100.01, 2));
    EXPECT_TRUE(quoteFault(0, nan, 2));
    EXPECT_TRUE(quoteFault(0, 0, 5));
    EXPECT_TRUE(quoteFault(0, 0, -1));
    EXPECT_FALSE(quoteFault(100, 100, 0));
}
