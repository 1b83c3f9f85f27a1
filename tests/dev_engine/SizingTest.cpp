// The engine's arithmetic, checked directly: ratings read from descriptions,
// requirements, suggestions, parallel systems, battery energy and database
// versions.
#include "dev/core/Sizing.h"
#include "dev/core/DatabaseVersion.h"
#include "dev/core/Rating.h"

#include <gtest/gtest.h>

namespace vantor::devengine {
namespace {

PriceItem Item(const char* code, const char* description, double price)
{
    PriceItem item;
    item.ProductCode = QString::fromLatin1(code);
    item.Description = QString::fromUtf8(description);
    item.Price = price;
    item.PowerRating = ParseRating(item.Description);
    return item;
}

void ExpectRating(const char* description, double voltAmperes, double watts)
{
    SCOPED_TRACE(description);
    const std::optional<Rating> rating = ParseRating(QString::fromUtf8(description));
    ASSERT_TRUE(rating.has_value());
    EXPECT_DOUBLE_EQ(rating->VoltAmperes, voltAmperes);
    EXPECT_DOUBLE_EQ(rating->Watts, watts);
}

TEST(EngineRating, ReadsTheVoltAmpereAndWattPairOfADescription)
{
    ExpectRating("Line-interactive UPS 1000 VA / 600 W, tower, 4 outlets", 1000, 600);
    ExpectRating("UPS online trifase 10 kVA / 10 kW, doppia conversione", 10000, 10000);
    ExpectRating("Onduleur 1,5 kVA / 1,35 kW", 1500, 1350);
    ExpectRating("UPS 10,000 VA / 9,000 W", 10000, 9000);
    ExpectRating("UPS 1000VA/900W rack", 1000, 900);
    ExpectRating("Armadio per UPS 6-10 kVA; UPS 6 kVA / 5.4 kW", 6000, 5400);
}

TEST(EngineRating, AccessoriesAndRangesHaveNoRating)
{
    for (const char* description :
         {"Battery cabinet 240 V for 6-10 kVA UPS, extended runtime",
          "External maintenance bypass for single-phase UPS up to 3 kVA", "Cabinet for 2-3 kVA / 2 kW systems",
          "Battery 1000 VA / 900 Wh", "UPS 0 VA / 0 W", "SNMP/Web network card"}) {
        SCOPED_TRACE(description);
        EXPECT_FALSE(ParseRating(QString::fromUtf8(description)).has_value());
    }
    EXPECT_TRUE(IsThreePhase(QStringLiteral("Onduleur on-line TRIPHASÉ 20 kVA")));
    EXPECT_FALSE(IsThreePhase(QStringLiteral("Online double-conversion UPS 3000 VA / 2700 W")));
}

TEST(EngineSizing, RequirementsFollowThePowerFactorAndTheReserve)
{
    const Requirement fromWatts = RequirementForLoad(800, LoadUnit::Watts, 0.8);
    EXPECT_DOUBLE_EQ(fromWatts.VoltAmperes, 1000);
    EXPECT_DOUBLE_EQ(fromWatts.Watts, 800);
    const Requirement fromVoltAmperes = RequirementForLoad(1000, LoadUnit::VoltAmperes, 0.8);
    EXPECT_DOUBLE_EQ(fromVoltAmperes.VoltAmperes, 1000);
    EXPECT_DOUBLE_EQ(fromVoltAmperes.Watts, 800);
    const Requirement reserved = WithReserve(fromWatts, 20, 80);
    EXPECT_DOUBLE_EQ(reserved.VoltAmperes, 1500);
    EXPECT_DOUBLE_EQ(reserved.Watts, 1200);
    EXPECT_DOUBLE_EQ(RequirementForLoad(0, LoadUnit::Watts, 0.9).Watts, 0);
}

class EngineSuggestions : public ::testing::Test {
protected:
    QList<PriceItem> items = {
        Item("A 1K0 UK", "Line-interactive UPS 1000 VA / 600 W", 198),
        Item("B 1K0 UK", "Online UPS 1000 VA / 900 W", 524.5),
        Item("B 3K0 UK", "Online UPS 3000 VA / 2700 W", 1169.5),
        Item("B 6K0 UK", "Online UPS 6000 VA / 6000 W", 1900),
        Item("D 072 UK", "Battery cabinet 72 V for 2-3 kVA UPS", 90),
        Item("L 1K0 UK", "Line-interactive UPS 1000 VA / 900 W, rack", 447),
    };
};

TEST_F(EngineSuggestions, TheSmallestFittingProductsComeFirstTheCheaperOfEqualRatings)
{
    // 1000 VA at 0.9 is exactly what the 1000 VA / 900 W units deliver.
    const Requirement exact = RequirementForLoad(1000, LoadUnit::VoltAmperes, 0.9);
    EXPECT_EQ(SmallestFitting(items, exact, 3, SuggestionOrder::BySize), (QList<int>{5, 1, 2}));
    EXPECT_EQ(SmallestFitting(items, exact, -1, SuggestionOrder::BySize), (QList<int>{5, 1, 2, 3}));
    EXPECT_EQ(SmallestFitting(items, Requirement{500, 100}, 2, SuggestionOrder::ByPrice), (QList<int>{0, 5}))
        << "the accessory is never suggested";
    EXPECT_TRUE(SmallestFitting(items, Requirement{7000, 1000}, 3, SuggestionOrder::BySize).isEmpty());
    EXPECT_TRUE(SmallestFitting(items, Requirement{}, 3, SuggestionOrder::BySize).isEmpty());
}

TEST_F(EngineSuggestions, ParallelSystemsShareTheLoadAndAddRedundantUnits)
{
    // 15 kW at 0.9: 16 667 VA. Six 3000 VA units would be needed (7 with N+1),
    // three 6000 VA ones (4 with N+1).
    const Requirement load = RequirementForLoad(15000, LoadUnit::Watts, 0.9);
    QList<ParallelChoice> choices = ParallelChoices(items, load, 1, 8, -1, SuggestionOrder::BySize);
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[0].Item, 2);
    EXPECT_EQ(choices[0].UnitsForLoad, 6);
    EXPECT_EQ(choices[0].TotalUnits(), 7);
    EXPECT_EQ(choices[1].Item, 3);
    EXPECT_EQ(choices[1].TotalUnits(), 4);

    choices = ParallelChoices(items, load, 1, 8, -1, SuggestionOrder::ByPrice);
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[0].Item, 3) << "4 x 1900.00 costs less than 7 x 1169.50";

    choices = ParallelChoices(items, load, 2, 4, -1, SuggestionOrder::BySize);
    EXPECT_TRUE(choices.isEmpty()) << "3 + 2 units exceed the limit of 4";

    choices = ParallelChoices(items, Requirement{500, 400}, 0, 4, 1, SuggestionOrder::BySize);
    ASSERT_EQ(choices.size(), 1);
    EXPECT_EQ(choices[0].TotalUnits(), 1) << "a small load still takes one unit";
}

TEST(EngineSizing, BatteryEnergyCoversTheRuntimeAndTheInverterLosses)
{
    const BatteryEstimate estimate = EstimateBattery(2000, 10, 240, 92);
    EXPECT_NEAR(estimate.EnergyWattHours, 362.32, 0.01);
    EXPECT_NEAR(estimate.AmpHours, 1.5097, 0.001);
    EXPECT_DOUBLE_EQ(EstimateBattery(0, 10, 240, 92).EnergyWattHours, 0);
}

TEST(EngineDatabaseVersion, DateTextsBecomeYearMonthDay)
{
    const std::optional<TInfoVersion> version = VersionFromDateText(QStringLiteral("20241101"));
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->wMajor, 2024);
    EXPECT_EQ(version->wMinor, 11);
    EXPECT_EQ(version->wRelease, 1);
    EXPECT_EQ(version->wBuild, 0);
    for (const char* text : {"20241301", "20240230", "2024-11-01", "202411011", "2024110", "", " 20241101"})
        EXPECT_FALSE(VersionFromDateText(QString::fromLatin1(text)).has_value()) << text;
}

} // namespace
} // namespace vantor::devengine
