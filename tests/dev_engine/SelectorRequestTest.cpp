// What the selector screens hand to the sizing, priced and quoted with the
// demo installation's product data.
#include "dev/core/SelectorRequest.h"
#include "catalogue/CatalogueTool.h"
#include "common/uConstants.h"
#include "dev/core/DeviceLibrary.h"
#include "dev/core/Pricelist.h"
#include "dev/core/ProductDataFile.h"
#include "dev/core/QuoteContent.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace vantor::devengine {
namespace {

class DemoData : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString file = folder.path() + "Data.vt4";
        vantor::test::ExpectOk(
            tools::BuildEngineDatabase("Data.vt4", "20241101", file, false, VANTOR_SOURCE_DIR "/demo/engine-data"));
        QString problem;
        ASSERT_TRUE(LoadProductData(file, QString::fromLatin1(DatabasePassword), data, problem))
            << problem.toStdString();
    }

    test::TempFolder folder;
    ProductData data;
};

TEST(SelectorRequest, LoadsGrowthKindsAndOptionWordsBecomeTheRequest)
{
    SelectorInputs inputs;
    inputs.Load = 6000;
    inputs.PowerFactor = 0.8;
    inputs.GrowthPercent = 25;
    inputs.Redundancy = 1;
    EngineSettings settings;
    SizingRequest request = RequestFor(SelectorKind::Base, inputs, settings);
    EXPECT_DOUBLE_EQ(request.Watts, 7500); // 6 kW and a quarter more
    EXPECT_DOUBLE_EQ(request.VoltAmperes, 9375);
    EXPECT_EQ(request.Redundancy, 0) << "the base selector sizes single units";
    EXPECT_EQ(request.Units, 0);

    inputs.LoadInVA = true;
    inputs.GrowthPercent = 0;
    settings.Options = {"SHOW_ALLCFG", "UNLIMITED_BATTCAB", "SORT_BY_PRICE", "HIDE_3PH_UPS", "SHOW_AUTONOMY_LOWER"};
    settings.ShowPrices = true;
    request = RequestFor(SelectorKind::Advanced, inputs, settings);
    EXPECT_DOUBLE_EQ(request.Watts, 4800);
    EXPECT_DOUBLE_EQ(request.VoltAmperes, 6000);
    EXPECT_EQ(request.Units, MaxParallelUnits);
    EXPECT_EQ(request.Redundancy, 1);
    EXPECT_TRUE(request.AllConfigurations && request.UnlimitedCabinets && request.HideThreePhase &&
                request.IncludeShort && request.ShowPrices);
    EXPECT_EQ(request.Order, SolutionOrder::ByPrice);
    request = RequestFor(SelectorKind::Modular, inputs, {});
    EXPECT_TRUE(request.ModularOnly);
    EXPECT_FALSE(request.AllConfigurations || request.ShowPrices);

    EXPECT_EQ(InputProblem(inputs, 480), std::nullopt);
    inputs.AutonomyMinutes = 500;
    EXPECT_EQ(InputProblem(inputs, 480), TextId::AutonomyTooLong);
    inputs.Load = -5;
    EXPECT_EQ(InputProblem(inputs, 480), TextId::LoadMissing);
}

TEST(SelectorRequest, AnInventoryAddsWattsAndApparentPower)
{
    const Device server{"Server", "Servers", 650, 0.95};
    const Device monitor{"Monitor", "Office", 30, 0.6};
    const InventoryLoad load = SumInventory({{server, 2}, {monitor, 5}, {server, 0}, {monitor, -3}});
    EXPECT_DOUBLE_EQ(load.Watts, 1450);
    EXPECT_NEAR(load.VoltAmperes, 2 * 650 / 0.95 + 5 * 30 / 0.6, 1e-9);
    EXPECT_NEAR(load.PowerFactor(), 1450 / (1300 / 0.95 + 250), 1e-12);
    EXPECT_DOUBLE_EQ(SumInventory({}).PowerFactor(), 1);
}

TEST(DeviceLibrary, ReadsTheDemoLibraryAndNamesWhatItCannotRead)
{
    test::TempFolder folder;
    const QString file = folder.path() + "Devices.vt4";
    vantor::test::ExpectOk(
        tools::BuildEngineDatabase("Devices.vt4", "20241101", file, false, VANTOR_SOURCE_DIR "/demo/engine-data"));
    QList<Device> devices;
    QString problem;
    ASSERT_TRUE(LoadDevices(file, QString::fromLatin1(DatabasePassword), devices, problem)) << problem.toStdString();
    EXPECT_EQ(devices.size(), 22);
    for (const Device& device : devices)
        EXPECT_TRUE(device.Watts > 0 && device.PowerFactor > 0 && device.PowerFactor <= 1) << device.Name.toStdString();

    EXPECT_FALSE(LoadDevices(file, "another password", devices, problem));
    EXPECT_TRUE(devices.isEmpty());
    EXPECT_FALSE(problem.isEmpty());
    QFile damaged(folder.path() + "Damaged.vt4");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(4096, 'x'));
    damaged.close();
    problem.clear();
    EXPECT_FALSE(LoadDevices(damaged.fileName(), QString::fromLatin1(DatabasePassword), devices, problem));
    EXPECT_FALSE(problem.isEmpty());
}

TEST(SelectorRequest, PricelistCodesLoseOnlyTheirCountrySuffix)
{
    EXPECT_EQ(ModelCode("B 6K0 IT"), "B 6K0");
    EXPECT_EQ(ModelCode(" F M10 UK "), "F M10");
    EXPECT_EQ(ModelCode("B 6K0"), "B 6K0");
    EXPECT_EQ(ModelCode("S 24H"), "S 24H") << "three characters are no country suffix";
}

TEST_F(DemoData, PriceOrderPutsUnpricedSolutionsLastAndFramesCarryTheirModules)
{
    SizingRequest request;
    request.Watts = 6000;
    request.VoltAmperes = 6667;
    request.AutonomyMinutes = 15;
    request.ShowPrices = true;
    request.Order = SolutionOrder::ByPrice;
    // Only some models priced: the order must still be by price, then the rest.
    const QHash<QString, double> prices{{"T 010", 9000}, {"B 010", 3000}, {"D 240", 1500}, {"D 480", 2000}};
    const QList<Solution> solutions = FindSolutions(data, request, prices);
    ASSERT_GT(solutions.size(), 3);
    EXPECT_EQ(solutions[0].Ups, "B 010");
    EXPECT_EQ(*solutions[0].Price, 4500);
    EXPECT_EQ(solutions[1].Ups, "T 010");
    for (qsizetype i = 2; i < solutions.size(); ++i)
        EXPECT_FALSE(solutions[i].Price) << solutions[i].Ups.toStdString();

    request = {};
    request.Watts = 30000;
    request.VoltAmperes = 30000;
    request.AutonomyMinutes = 10;
    request.ModularOnly = true;
    request.Redundancy = 1;
    request.ShowPrices = true;
    const QList<Solution> frames = FindSolutions(
        data, request,
        {{"F 040", 8000}, {"F M10", 3000}, {"F 100", 15000}, {"F M20", 6000}, {"D 480", 2000}, {"D 960", 7000}});
    ASSERT_FALSE(frames.isEmpty());
    EXPECT_EQ(frames[0].Ups, "F 040");
    EXPECT_EQ(*frames[0].Modules, 4); // three 10 kW modules and one more
    EXPECT_EQ(*frames[0].Price, 8000 + 4 * 3000 + frames[0].Cabinets * 2000);
}

TEST_F(DemoData, TheRuntimeCalculatorsConfigurationAndItsQuote)
{
    SizingRequest request;
    request.Watts = 4000;
    request.VoltAmperes = 4000;
    request.ShowPrices = true;
    const UpsModel* model = data.Model("B 6K0");
    ASSERT_NE(model, nullptr);
    const auto alone = ConfigurationOf(data, *model, 0, request);
    const auto two = ConfigurationOf(data, *model, 2, request);
    ASSERT_TRUE(alone && two);
    EXPECT_EQ(two->Cabinets, 2);
    EXPECT_EQ(two->Strings, 1 + 2 * 2);
    EXPECT_GT(*two->Minutes.Minutes, *alone->Minutes.Minutes * 3);
    EXPECT_FALSE(ConfigurationOf(data, *model, model->MaxCabinets + 1, request)) << "beyond the model's limit";
    request.Watts = request.VoltAmperes = 7000;
    EXPECT_FALSE(ConfigurationOf(data, *model, 0, request)) << "more than the model carries";

    request.Watts = request.VoltAmperes = 4000;
    ModelPrices prices;
    prices.Prices = {{"B 6K0", 2840}, {"D 240", 1900}};
    prices.Descriptions = {{"B 6K0", "UPS online 6000 VA"}};
    prices.ProductCodes = {{"B 6K0", "B 6K0 IT"}};
    const Quote quote = QuoteFor(*two, request, data, prices, EngineTexts("ITA"));
    ASSERT_EQ(quote.Lines.size(), 2);
    EXPECT_EQ(quote.Lines[0].Description, "UPS online 6000 VA");
    EXPECT_EQ(quote.Lines[0].Code, "B 6K0 IT") << "the orderable code";
    EXPECT_EQ(quote.Lines[1].Code, "D 240") << "none in the pricelist: the model code";
    EXPECT_EQ(quote.Lines[1].Quantity, 2);
    EXPECT_EQ(*quote.Lines[1].UnitPrice, 1900);
    EXPECT_EQ(quote.Curves.size(), 3); // alone, one and two cabinets
    EXPECT_EQ(quote.Texts.Title, EngineText(TextId::QuoteTitle, 1));
    EXPECT_EQ(quote.Locale.language(), QLocale::Italian);
}

TEST_F(DemoData, ReadingsBeyondTheTableNameTheEdgeTheyPassed)
{
    const DischargeCurve* curve = data.Block("B9")->CurveFor(1.67);
    ASSERT_NE(curve, nullptr);
    const Runtime heavy = MinutesAt(*curve, curve->Points.first().WattsPerCell * 2);
    EXPECT_TRUE(heavy.BeyondTable && !heavy.LongerThanTable);
    EXPECT_EQ(heavy.TableEdgeMinutes, curve->Points.first().Minutes);
    const Runtime light = MinutesAt(*curve, curve->Points.last().WattsPerCell / 2);
    EXPECT_TRUE(light.BeyondTable && light.LongerThanTable);
    EXPECT_EQ(light.TableEdgeMinutes, curve->Points.last().Minutes);
    EXPECT_EQ(data.LongestMinutes(1.67), 480);
}

} // namespace
} // namespace vantor::devengine
