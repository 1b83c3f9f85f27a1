// The sizing rules a UPS maker signs on small hand-made data: parallel
// capability and the order of the list, redundancy that holds with a unit
// out, end voltages between tables, the reasons for no solution, and the
// installation data of one example worked by hand.
#include "catalogue/CatalogueBuilder.h"
#include "catalogue/ProductSource.h"
#include "common/uConstants.h"
#include "dev/core/InstallationData.h"
#include "dev/core/NoSolutionReason.h"
#include "dev/core/ProductDataFile.h"
#include "dev/core/SelectorRequest.h"
#include "dev/core/UpsSolutions.h"
#include "dev/ui/RequirementForm.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <gtest/gtest.h>

namespace vantor::devengine {
namespace {

// A 9 Ah block with tables at 1.60 and 1.70 V per cell.
BatteryBlock TwoTableBlock()
{
    BatteryBlock block;
    block.Code = "B9";
    block.AmpereHours = 9;
    block.Curves = {{1.60, {{5, 77}, {10, 49}, {15, 37}, {30, 21.4}, {60, 11.6}, {120, 6.3}}},
                    {1.70, {{5, 66}, {10, 43}, {15, 32.4}, {30, 19.2}, {60, 10.6}, {120, 5.8}}}};
    return block;
}

UpsModel Unit(const char* ACode, double AWatts, int AMaxParallel)
{
    UpsModel model;
    model.Code = ACode;
    model.RatedVA = model.RatedW = AWatts;
    model.Efficiency = {0.92, 0.92, 0.92, 0.92};
    model.BlocksPerString = 40;
    model.BlockType = "B9";
    model.InternalStrings = 1;
    model.MaxParallel = AMaxParallel;
    model.EndVoltageFull = model.EndVoltageLight = 1.60;
    return model;
}

class SizingRules : public ::testing::Test {
protected:
    void SetUp() override
    {
        data.Blocks = {TwoTableBlock()};
        data.Models = {Unit("S 010", 10000, 1), Unit("P 006", 6000, 4)};
        request.Units = 4;
        request.AutonomyMinutes = 5;
    }

    void Load(double AWatts) { request.Watts = request.VoltAmperes = AWatts; }

    QStringList Listed() const
    {
        QStringList listed;
        for (const Solution& solution : FindSolutions(data, request))
            listed.append(QStringLiteral("%1x%2").arg(solution.Units).arg(solution.Ups));
        return listed;
    }

    ProductData data;
    SizingRequest request;
};

TEST_F(SizingRules, ParallelSystemsOnlyWithinCapabilityAndOnlyWhenNeededOrAsked)
{
    // A single unit carries 8 kW: the parallel P 006 pair is not offered.
    Load(8000);
    EXPECT_EQ(Listed(), QStringList{"1xS 010"});
    request.AllConfigurations = true;
    EXPECT_EQ(Listed(), (QStringList{"1xS 010", "2xP 006"})) << "SHOW_ALLCFG lists it, after the single unit";
    request.AllConfigurations = false;
    // 15 kW: no single unit, and S 010 may not run in parallel.
    Load(15000);
    EXPECT_EQ(Listed(), QStringList{"3xP 006"});
    // N+1 asks for parallel units: never S 010, however it would fit.
    Load(5000);
    request.Redundancy = 1;
    EXPECT_EQ(Listed(), QStringList{"2xP 006"});
    // Four P 006 are the most: 20 kW at N+1 would need five.
    Load(20000);
    EXPECT_TRUE(FindSolutions(data, request).isEmpty());
    EXPECT_EQ(WhyNoSolution(data, request).Kind, NoSolution::NoModelCarriesLoad);
    request.Redundancy = 0;
    request.Units = 0; // the base selector: single units only
    Load(8000);
    EXPECT_EQ(Listed(), QStringList{"1xS 010"});
}

TEST_F(SizingRules, AnNPlusOneSetHoldsTheAutonomyWithAUnitOut)
{
    data.Models = {Unit("P 006", 6000, 4)};
    Load(6000);
    request.Redundancy = 1;
    request.AllConfigurations = true;
    request.IncludeShort = true;
    const QList<Solution> shown = FindSolutions(data, request);
    ASSERT_EQ(shown.size(), 1);
    const Solution& pair = shown.first();
    ASSERT_EQ(pair.Units, 2);
    ASSERT_TRUE(pair.MinutesOut && pair.Minutes.Minutes && pair.MinutesOut->Minutes);
    // With one out the other unit carries all 6 kW on its own battery:
    // exactly what one unit alone gives.
    SizingRequest single;
    single.Watts = single.VoltAmperes = 6000;
    const auto alone = ConfigurationOf(data, data.Models.first(), 0, single);
    ASSERT_TRUE(alone && alone->Minutes.Minutes);
    EXPECT_NEAR(*pair.MinutesOut->Minutes, *alone->Minutes.Minutes, 1e-9);
    EXPECT_GT(*pair.Minutes.Minutes, 2 * *pair.MinutesOut->Minutes) << "half the load on each of two batteries";
    EXPECT_GT(*pair.MinutesNewOut->Minutes, *pair.MinutesOut->Minutes) << "new batteries last longer";

    // Asked for a time between the two figures, the pair is not offered.
    request.AutonomyMinutes = (*pair.Minutes.Minutes + *pair.MinutesOut->Minutes) / 2;
    request.IncludeShort = false;
    EXPECT_TRUE(FindSolutions(data, request).isEmpty());
    request.IncludeShort = true;
    EXPECT_TRUE(FindSolutions(data, request).first().BelowAutonomy);
}

TEST_F(SizingRules, EndVoltagesBetweenTablesInterpolateAndFollowTheLoad)
{
    const BatteryBlock block = TwoTableBlock();
    const Runtime low = MinutesAt(block, 1.60, 30);
    const Runtime high = MinutesAt(block, 1.70, 30);
    ASSERT_TRUE(low.Minutes && high.Minutes);
    EXPECT_NEAR(*MinutesAt(block, 1.65, 30).Minutes, (*low.Minutes + *high.Minutes) / 2, 1e-9);
    EXPECT_NEAR(*MinutesAt(block, 1.675, 30).Minutes, *low.Minutes + 0.75 * (*high.Minutes - *low.Minutes), 1e-9);
    // Past the tables there is no figure, nor where one table has none.
    EXPECT_TRUE(MinutesAt(block, 1.75, 30).BeyondTable);
    EXPECT_TRUE(MinutesAt(block, 1.65, 70).BeyondTable);
    EXPECT_TRUE(MinutesAt(block, 1.65, 3).LongerThanTable);
    EXPECT_EQ(data.CommonEndVoltageRange(), (std::pair{1.60, 1.70}));

    UpsModel model = Unit("S 010", 10000, 1);
    model.EndVoltageFull = 1.63;
    model.EndVoltageLight = 1.73;
    EXPECT_DOUBLE_EQ(EndVoltageAt(model, 1.0), 1.63);
    EXPECT_DOUBLE_EQ(EndVoltageAt(model, 0.1), 1.73);
    EXPECT_NEAR(EndVoltageAt(model, 0.625), 1.68, 1e-12);
    // The sizing uses the model's own, or the one chosen.
    data.Models = {model};
    Load(6250);
    const QList<Solution> own = FindSolutions(data, request);
    ASSERT_EQ(own.size(), 1);
    EXPECT_NEAR(own.first().EndVoltage, 1.68, 1e-12);
    request.Battery.EndVoltage = 1.65;
    EXPECT_DOUBLE_EQ(FindSolutions(data, request).first().EndVoltage, 1.65);
}

TEST_F(SizingRules, EachEmptyListSaysWhy)
{
    BatteryBlock shortTable = TwoTableBlock();
    shortTable.Code = "B7";
    for (DischargeCurve& curve : shortTable.Curves)
        curve.Points.removeLast(); // up to 60 minutes
    data.Blocks.append(shortTable);
    UpsModel big = Unit("S 020", 20000, 1);
    big.BlockType = "B7";
    data.Models = {Unit("S 010", 10000, 1), big};
    data.Cabinets = {{"C 010", "B9", 2}};
    data.Models[0].MaxCabinets = 1;
    data.Models[0].CabinetCode = "C 010";

    Load(50000);
    EXPECT_EQ(WhyNoSolution(data, request).Kind, NoSolution::NoModelCarriesLoad);
    Load(15000);
    request.AutonomyMinutes = 90; // only S 020 carries it, its tables end at 60 minutes
    const NoSolutionReason beyond = WhyNoSolution(data, request);
    EXPECT_EQ(beyond.Kind, NoSolution::AutonomyBeyondTables);
    EXPECT_EQ(beyond.LongestMinutes, 60);
    EXPECT_EQ(NoSolutionText(beyond, EngineTexts("ENG")),
              "The battery tables reach at most 60 minutes; ask for less autonomy.");
    Load(9000);
    request.AutonomyMinutes = 60; // S 010 needs more than its one cabinet
    ASSERT_TRUE(FindSolutions(data, request).isEmpty());
    EXPECT_EQ(WhyNoSolution(data, request).Kind, NoSolution::CabinetLimitTooLow);
    request.UnlimitedCabinets = true;
    EXPECT_FALSE(FindSolutions(data, request).isEmpty());
    // Without any cabinet, lifting the limits changes nothing.
    data.Cabinets.clear();
    request.UnlimitedCabinets = false;
    request.AutonomyMinutes = 10;
    ASSERT_TRUE(FindSolutions(data, request).isEmpty());
    EXPECT_EQ(WhyNoSolution(data, request).Kind, NoSolution::NothingLastsLongEnough);
}

TEST_F(SizingRules, ColdCostsEachChemistryItsOwnShareAndNoLoadOverflows)
{
    EXPECT_NEAR(CapacityFactor({0, 0, 1.0}, 0.01), 0.75, 1e-12);
    EXPECT_NEAR(CapacityFactor({0, 0, 0.8}, 0.003), 0.925 * 0.8, 1e-12);
    Load(5000);
    request.Battery.TemperatureC = 0;
    const double vrla = *FindSolutions(data, request).first().Minutes.Minutes;
    data.Blocks.first().Kind = BatteryChemistry::LithiumIon;
    data.Blocks.first().ColdDerating = 0.003;
    const Solution lithium = FindSolutions(data, request).first();
    EXPECT_EQ(lithium.Chemistry, BatteryChemistry::LithiumIon);
    EXPECT_GT(*lithium.Minutes.Minutes, vrla * 1.1);
    // Far more than any unit count: refused, not cast out of range.
    Load(1e300);
    EXPECT_TRUE(FindSolutions(data, request).isEmpty());
    EXPECT_EQ(WhyNoSolution(data, request).Kind, NoSolution::NoModelCarriesLoad);
}

TEST(DemoProductData, OffersSinglesFirstGivesFiguresAtEveryEndVoltageAndRefusesAnOlderFormat)
{
    test::TempFolder folder;
    QList<tools::TableContent> tables =
        vantor::test::ValueOf(tools::ReadProductTables(VANTOR_SOURCE_DIR "/demo/engine-data"));
    tools::DatabaseContent content;
    content.Info = {{"Version", "20241101"}};
    content.Tables = tables;
    const QString password = QString::fromLatin1(DatabasePassword);
    vantor::test::ExpectOk(tools::WriteDatabase(folder.path() + "Data.vt4", password, content, false));
    ProductData data;
    QString problem;
    ASSERT_TRUE(LoadProductData(folder.path() + "Data.vt4", password, data, problem)) << problem.toStdString();

    // 6 kW at 0.9 for 15 minutes on the advanced screen: single units only.
    SelectorInputs inputs;
    inputs.Load = 6000;
    inputs.AutonomyMinutes = 15;
    inputs.MaxLoadingPercent = AdvancedLoadingPercent;
    const auto range = data.CommonEndVoltageRange();
    ASSERT_TRUE(range);
    for (const double volts : EndVoltages) {
        if (volts < range->first - 0.005 || volts > range->second + 0.005)
            continue;
        inputs.Battery.EndVoltage = volts;
        const QList<Solution> solutions = FindSolutions(data, RequestFor(SelectorKind::Advanced, inputs, {}));
        ASSERT_FALSE(solutions.isEmpty()) << volts;
        for (const Solution& solution : solutions) {
            EXPECT_EQ(solution.Units, 1) << solution.Ups.toStdString();
            EXPECT_TRUE(solution.Minutes.Minutes || solution.Minutes.LongerThanTable) << volts;
        }
    }
    EXPECT_EQ(data.Block(data.Model("T 040")->BlockType)->Kind, BatteryChemistry::LithiumIon);

    // A Models table without a newer column is named, not read as zeros.
    for (tools::TableContent& table : content.Tables) {
        if (table.Name != "Models")
            continue;
        const auto column = std::find_if(table.Columns.begin(), table.Columns.end(),
                                         [](const auto& AColumn) { return AColumn.first == "MaxParallel"; });
        const auto at = column - table.Columns.begin();
        table.Columns.removeAt(at);
        for (QStringList& row : table.Rows)
            row.removeAt(at);
    }
    vantor::test::ExpectOk(tools::WriteDatabase(folder.path() + "Old.vt4", password, content, false));
    EXPECT_FALSE(LoadProductData(folder.path() + "Old.vt4", password, data, problem));
    EXPECT_TRUE(problem.contains("MaxParallel")) << problem.toStdString();
}

TEST(InstallationData, AWorkedExampleByHand)
{
    ProductData data;
    data.Blocks = {TwoTableBlock()};
    data.Cabinets = {{"C 010", "B9", 2, 100, 300, 700, 900}};
    UpsModel model = Unit("S 010", 10000, 1);
    model.RatedVA = 12000;
    model.BlocksPerString = 20; // a 240 V bus
    model.CabinetCode = "C 010";
    model.MaxCabinets = 4;
    model.ChargerAmps = 4;
    model.OnlineEfficiency = {0.90, 0.92, 0.94, 0.95};
    model.NominalVolts = 230;
    model.WeightKg = 60;
    model.WidthMm = 300;
    model.DepthMm = 700;
    data.Models = {model};
    SizingRequest request;
    request.Watts = 7500;
    request.VoltAmperes = 7500 / 0.9;
    const auto solution = ConfigurationOf(data, model, 2, request);
    ASSERT_TRUE(solution);

    // 7.5 kW is 75 % of the watts (69 % of the VA): 94 % online.
    const InstallationData installed = InstallationFor(*solution, model, data, request.Watts, request.VoltAmperes);
    EXPECT_NEAR(installed.HeatWatts, 7500 / 0.94 - 7500, 1e-6); // 478.7 W
    EXPECT_NEAR(installed.HeatBtuPerHour, 478.72 * 3.412, 0.05);
    EXPECT_NEAR(installed.OutputCurrentA, 8333.33 / 230, 0.01); // 36.2 A
    // 7978.7 W plus the charger's 4 A x 240 V / 0.9 = 1066.7 W, at 0.99 and 230 V: 39.7 A.
    EXPECT_NEAR(installed.InputCurrentA, (7500 / 0.94 + 4 * 240 / 0.9) / (0.99 * 230), 1e-9);
    EXPECT_NEAR(installed.InputCurrentA, 39.72, 0.01);
    EXPECT_EQ(installed.BreakerA, 50); // 1.25 x 39.7 = 49.7 A
    EXPECT_DOUBLE_EQ(installed.WeightKg, 60 + 2 * 100);
    EXPECT_NEAR(installed.FloorAreaM2, 3 * 0.3 * 0.7, 1e-12);
    ASSERT_TRUE(installed.RechargeHours); // 5 strings of 9 Ah at 4 A
    EXPECT_NEAR(*installed.RechargeHours, 1.15 * 45 / 4, 1e-12);

    // Three phases share the current; the breaker is the rating at or above.
    model.InputPhases = model.OutputPhases = 3;
    const InstallationData three = InstallationFor(*solution, model, data, request.Watts, request.VoltAmperes);
    EXPECT_NEAR(three.InputCurrentA, installed.InputCurrentA / 3, 1e-9);
    EXPECT_NEAR(three.OutputCurrentA, 8333.33 / (3 * 230), 0.01); // √3 x 398 V between the lines
    EXPECT_EQ(BreakerFor(32), 40);
    EXPECT_EQ(BreakerFor(4), 6);
    EXPECT_EQ(BreakerFor(505), std::nullopt) << "beyond 630 A";
}

} // namespace
} // namespace vantor::devengine
