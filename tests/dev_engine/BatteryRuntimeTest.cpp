// The watts-per-cell arithmetic against sums done by hand, and the solution
// search on a small product range.
#include "dev/core/BatteryRuntime.h"
#include "catalogue/CatalogueTool.h"
#include "common/uConstants.h"
#include "dev/core/ProductDataFile.h"
#include "dev/core/Quote.h"
#include "dev/core/RuntimeCurve.h"
#include "dev/core/UpsSolutions.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QFile>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

using namespace vantor::devengine;

// A 12 V, 9 Ah block to 1.67 V per cell, with the trade's typical figures.
BatteryBlock NineAmpereHours()
{
    BatteryBlock block;
    block.Code = "B9";
    block.AmpereHours = 9;
    block.Curves = {{1.67, {{5, 70}, {10, 45}, {15, 34}, {30, 20}, {60, 11}, {120, 6}}}};
    return block;
}

TEST(BatteryRuntime, WorkedExamplesInterpolationAndTheTablesEdges)
{
    // 40 kW at 90 % efficiency from one string of 30 six-cell blocks: 247 W per cell.
    BatteryBlock large = NineAmpereHours();
    const BatteryDischarge discharge = Discharge(40000, 0.9, 1, 30, large, large.Curves.first(), {1.67, 25, 1.0});
    EXPECT_NEAR(discharge.BatteryWatts, 44444.4, 0.1);
    EXPECT_EQ(discharge.CellCount, 180);
    EXPECT_NEAR(discharge.WattsPerCell, 246.9, 0.05);
    EXPECT_TRUE(discharge.Minutes.BeyondTable); // far more than a 9 Ah block gives
    EXPECT_FALSE(discharge.Minutes.Minutes);

    const BatteryBlock nine = NineAmpereHours();
    const DischargeCurve& curve = nine.Curves.first();
    EXPECT_DOUBLE_EQ(*MinutesAt(curve, 34).Minutes, 15);
    EXPECT_DOUBLE_EQ(*MinutesAt(curve, 70).Minutes, 5);
    EXPECT_DOUBLE_EQ(*MinutesAt(curve, 6).Minutes, 120);
    // 40 W between (10 min, 45 W) and (15 min, 34 W), on logarithms: 11.86 min.
    EXPECT_NEAR(*MinutesAt(curve, 40).Minutes, 11.86, 0.01);
    EXPECT_NEAR(*WattsPerCellFor(curve, 11.858), 40, 0.01);
    const Runtime tooMuch = MinutesAt(curve, 70.5);
    EXPECT_TRUE(tooMuch.BeyondTable && !tooMuch.LongerThanTable && !tooMuch.Minutes);
    const Runtime tooLittle = MinutesAt(curve, 5.9);
    EXPECT_TRUE(tooLittle.BeyondTable && tooLittle.LongerThanTable && !tooLittle.Minutes);

    // 15 °C costs 10 %, the end of life 20 %: 24.48 W per cell reads as 34, 15 minutes.
    EXPECT_NEAR(CapacityFactor({1.67, 15, 0.8}), 0.72, 1e-12);
    EXPECT_DOUBLE_EQ(CapacityFactor({1.67, 35, 0.8}), 0.8);
    const BatteryBlock block = NineAmpereHours();
    const BatteryDischarge cold =
        Discharge(24.48 * 36 * 0.95, 0.95, 1, 6, block, block.Curves.first(), {1.67, 15, 0.8});
    EXPECT_NEAR(cold.TableWattsPerCell, 34, 1e-9);
    EXPECT_NEAR(*cold.Minutes.Minutes, 15, 1e-9);

    const std::array<double, 4> efficiency{0.90, 0.93, 0.95, 0.96};
    EXPECT_DOUBLE_EQ(EfficiencyAt(efficiency, 0.375), 0.915);
    EXPECT_DOUBLE_EQ(EfficiencyAt(efficiency, 0.1), 0.90);
    EXPECT_DOUBLE_EQ(EfficiencyAt(efficiency, 1.2), 0.96);
}

class UpsSolutionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        data.Blocks = {NineAmpereHours()};
        data.Cabinets = {{"C 000 01", "B9", 2}};
        UpsModel small{"A 010 10", 1000, 900, 1, 1, {0.9, 0.92, 0.93, 0.93}, 3, "B9", 1, 0};
        UpsModel single{"A 100 10", 10000, 10000, 1, 1, {0.9, 0.92, 0.93, 0.94}, 20, "B9", 1, 4};
        single.MaxParallel = 4;
        UpsModel three{"T 200 30", 20000, 20000, 3, 3, {0.92, 0.94, 0.95, 0.95}, 32, "B9", 1, 6};
        UpsModel frame{"M 050 50", 50000, 50000, 3,     3, {0.93, 0.95, 0.96, 0.96}, 40, "B9", 2, 6,
                       {},         true,  10000, 10000, 5};
        data.Models = {small, single, three, frame};
        prices = {{"A 010 10", 500}, {"A 100 10", 4000}, {"T 200 30", 7000}, {"M 050 50", 20000}, {"C 000 01", 900}};
        request.Watts = 6000;
        request.VoltAmperes = 6000 / 0.9;
        request.AutonomyMinutes = 15;
        request.Battery = {1.67, 25, 0.8};
        request.ShowPrices = true;
    }

    ProductData data;
    QHash<QString, double> prices;
    SizingRequest request;
};

TEST_F(UpsSolutionsTest, EachModelThatCarriesTheLoadComesWithTheFewestCabinetsThatLast)
{
    const QList<Solution> best = FindSolutions(data, request, prices);
    ASSERT_EQ(best.size(), 2); // the 1 kVA unit is too small, the frame is modular
    EXPECT_EQ(best[0].Ups, "A 100 10");
    EXPECT_EQ(best[1].Ups, "T 200 30");
    request.AllConfigurations = true;
    const QList<Solution> all = FindSolutions(data, request, prices);
    for (const Solution& solution : best) {
        EXPECT_FALSE(solution.BelowAutonomy);
        EXPECT_GE(*solution.Minutes.Minutes, 15);
        EXPECT_NEAR(solution.WattsPerCell, 6000 / solution.Efficiency / solution.Cells, 1e-9);
        EXPECT_EQ(*solution.Price, prices[solution.Ups] + solution.Cabinets * 900);
        // One cabinet fewer falls short: it is not in the list of those that last.
        for (const Solution& other : all)
            EXPECT_FALSE(other.Ups == solution.Ups && other.Cabinets < solution.Cabinets);
    }
    request.IncludeShort = true;
    const QList<Solution> withShort = FindSolutions(data, request, prices);
    ASSERT_GT(withShort.size(), all.size());
    EXPECT_TRUE(withShort.last().BelowAutonomy);

    request = {};
    request.Watts = 6000;
    request.VoltAmperes = 6667;
    request.AutonomyMinutes = 15;
    request.HideThreePhase = true;
    const QList<Solution> noPrices = FindSolutions(data, request, prices);
    ASSERT_EQ(noPrices.size(), 1);
    EXPECT_FALSE(noPrices[0].Price);
}

TEST_F(UpsSolutionsTest, RedundancyCountsUnitsAndModulesAndPriceOrderCanLead)
{
    request.Units = 4;
    request.Redundancy = 1;
    request.Watts = 15000;
    request.VoltAmperes = 15000;
    QList<Solution> parallel = FindSolutions(data, request, prices);
    ASSERT_FALSE(parallel.isEmpty());
    EXPECT_EQ(parallel[0].Ups, "A 100 10");
    EXPECT_EQ(parallel[0].Units, 3); // two carry 15 kW, one more for N+1
    EXPECT_NEAR(parallel[0].LoadingPercent, 50, 1e-9);

    request.ModularOnly = true;
    const QList<Solution> modular = FindSolutions(data, request, prices);
    ASSERT_EQ(modular.size(), 1);
    EXPECT_EQ(*modular[0].Modules, 3); // two 10 kW modules plus one
    request.Redundancy = 4;            // six modules do not fit five slots
    EXPECT_TRUE(FindSolutions(data, request, prices).isEmpty());

    request = {};
    request.Watts = 6000;
    request.VoltAmperes = 6000;
    request.AutonomyMinutes = 5;
    request.ShowPrices = true;
    prices["T 200 30"] = 100;
    EXPECT_EQ(FindSolutions(data, request, prices)[0].Ups, "A 100 10");
    request.Order = SolutionOrder::ByPrice;
    EXPECT_EQ(FindSolutions(data, request, prices)[0].Ups, "T 200 30");
}

TEST_F(UpsSolutionsTest, RuntimeCurvesFallWithLoadRiseWithCabinetsAndSaveAsPng)
{
    const QList<CurveSeries> curves = RuntimeCurves(data.Models[1], data, request.Battery, 2);
    ASSERT_EQ(curves.size(), 3);
    for (const CurveSeries& series : curves) {
        ASSERT_GT(series.Points.size(), 2);
        for (qsizetype i = 1; i < series.Points.size(); ++i)
            EXPECT_LT(series.Points[i].y(), series.Points[i - 1].y()) << series.Cabinets;
    }
    // At the heaviest load the UPS alone still gives an answer for, more cabinets last longer.
    const QPointF alone = curves[0].Points.last();
    for (const CurveSeries& series : curves.mid(1)) {
        const auto same = std::find_if(series.Points.begin(), series.Points.end(),
                                       [&](const QPointF& APoint) { return APoint.x() == alone.x(); });
        ASSERT_NE(same, series.Points.end());
        EXPECT_GT(same->y(), alone.y());
    }

    TempFolder folder;
    const QRgb marker = qRgb(0xff, 0xc6, 0x29);
    const auto hasMarker = [&](const QString& AFile) {
        const QImage image(AFile);
        EXPECT_EQ(image.size(), QSize(640, 400));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == marker)
                    return true;
        return false;
    };
    ASSERT_TRUE(SaveRuntimeCurvePng(folder.path() + "with.png", 640, 400, curves, {6000, 25}, {}, QLocale::c()));
    ASSERT_TRUE(SaveRuntimeCurvePng(folder.path() + "without.png", 640, 400, curves, {}, {}, QLocale::c()));
    EXPECT_TRUE(hasMarker(folder.path() + "with.png"));
    EXPECT_FALSE(hasMarker(folder.path() + "without.png"));
    EXPECT_FALSE(SaveRuntimeCurvePng(folder.path() + "missing/folder.png", 640, 400, curves, {}, {}, QLocale::c()));
}

TEST(ProductData, TheDemoSourcesBuildIntoDataVt4AndSizeASixKilowattLoad)
{
    TempFolder folder;
    const QString file = folder.path() + "Data.vt4";
    vantor::test::ExpectOk(
        tools::BuildEngineDatabase("Data.vt4", "20241101", file, false, VANTOR_SOURCE_DIR "/demo/engine-data"));
    ProductData data;
    QString problem;
    ASSERT_TRUE(LoadProductData(file, QString::fromLatin1(DatabasePassword), data, problem)) << problem.toStdString();
    EXPECT_EQ(data.Models.size(), 33);
    for (const BatteryBlock& block : data.Blocks)
        EXPECT_NE(block.CurveFor(1.67), nullptr) << block.Code.toStdString();

    SizingRequest request;
    request.Watts = 6000;
    request.VoltAmperes = 6000 / 0.9;
    request.AutonomyMinutes = 15;
    const QList<Solution> solutions = FindSolutions(data, request);
    ASSERT_FALSE(solutions.isEmpty());
    EXPECT_EQ(solutions[0].Ups, "B 010"); // the smallest that carries 6.7 kVA
    for (const Solution& solution : solutions)
        EXPECT_GE(*solution.Minutes.Minutes, 15) << solution.Ups.toStdString();

    EXPECT_FALSE(LoadProductData(file, "wrong", data, problem));
    EXPECT_FALSE(problem.isEmpty());

    // A discharge table that does not fall is named by file and line.
    const QString source = folder.makeFolder("source");
    for (const char* name : {"models.csv", "blocks.csv", "cabinets.csv", "discharge.csv"})
        QFile::copy(QStringLiteral(VANTOR_SOURCE_DIR "/demo/engine-data/") + name, source + "/" + name);
    QFile discharge(source + "/discharge.csv");
    ASSERT_TRUE(discharge.open(QIODevice::ReadOnly));
    const int appendedLine = static_cast<int>(discharge.readAll().count('\n')) + 1;
    discharge.close();
    ASSERT_TRUE(discharge.open(QIODevice::Append));
    discharge.write("B9,1.67,960,2.5\n");
    discharge.close();
    const auto error = vantor::test::SourceFaultOf(
        tools::BuildEngineDatabase("Data.vt4", "20241101", folder.path() + "Bad.vt4", false, source));
    if (!error) {
        ADD_FAILURE() << "a rising table was accepted";
    } else {
        EXPECT_TRUE(error->File.endsWith("discharge.csv"));
        EXPECT_EQ(error->Line, appendedLine);
    }
    EXPECT_FALSE(QFile::exists(folder.path() + "Bad.vt4"));
}

TEST_F(UpsSolutionsTest, AQuoteReadsBackWithTheSolutionTheCustomerAndPricesOnlyWhenShown)
{
    Quote quote;
    quote.BrandName = "Maronel";
    quote.Customer = "Rossi Impianti";
    quote.Project = "Server room 2";
    quote.LoadWatts = 6000;
    quote.LoadVoltAmperes = 6667;
    quote.AutonomyMinutes = 15;
    quote.RuntimeAtLoad.Minutes = 36.1;
    quote.Lines = {{"B 010 IT", "UPS online 10000 VA", 1, 4150}, {"D 240 IT", "Battery cabinet 240 V", 2, 1890}};
    quote.Curves = RuntimeCurves(data.Models[1], data, request.Battery, 2);
    TempFolder folder;
    const auto text = [&](const Quote& AQuote) {
        const QString file = folder.path() + "quote.pdf";
        EXPECT_TRUE(WriteQuotePdf(file, AQuote));
        QProcess reader;
        reader.start("pdftotext", {"-layout", file, "-"});
        EXPECT_TRUE(reader.waitForFinished(20000));
        return QString::fromUtf8(reader.readAllStandardOutput());
    };
    const QString withoutPrices = text(quote);
    for (const char* expected : {"Rossi Impianti", "Server room 2", "B 010 IT", "D 240 IT", "36.1 min", "Page 1 of 1"})
        EXPECT_TRUE(withoutPrices.contains(expected)) << expected;
    EXPECT_FALSE(withoutPrices.contains("4150")) << withoutPrices.toStdString();
    EXPECT_FALSE(withoutPrices.contains("Total"));

    quote.ShowPrices = true;
    quote.Currency = "EUR";
    for (int i = 0; i < 40; ++i)
        quote.Lines.append({"S PM1 IT", "Yearly preventive maintenance visit", 1, 420});
    const QString withPrices = text(quote);
    EXPECT_TRUE(withPrices.contains("3780.00 EUR"));  // two cabinets
    EXPECT_TRUE(withPrices.contains("24730.00 EUR")); // 4150 + 3780 + 40 x 420
    EXPECT_TRUE(withPrices.contains("Page 2 of 2"));
    EXPECT_FALSE(WriteQuotePdf(folder.path() + "missing/quote.pdf", quote));
}

TEST(ProductData, FaultsInTheSourcesAreNamedByFileAndLine)
{
    struct Fault {
        const char* file;
        const char* find;
        const char* replace;
        int line;
        const char* says;
    } faults[] = {
        {"models.csv", "A 600,600,360,1,1", "A 600,600,360,2,1", 2, "InputPhases is 1 or 3"},
        {"models.csv", "A 800,800,480,1,1,line-interactive,0.8,0.84,0.86,0.86,1,B9",
         "A 600,800,480,1,1,line-interactive,0.8,0.84,0.86,0.86,1,B9", 3, "is given twice"},
        {"models.csv", "B 6K0,6000,6000,1,1,online,0.88,0.91,0.92,0.92,20,B9,1,4,D 240",
         "B 6K0,6000,6000,1,1,online,0.88,0.91,0.92,0.92,20,B8,1,4,D 240", 14, "block \"B8\""},
        {"models.csv", "20,B9,1,4,D 240", "20,B9,1,4,", 14, "MaxCabinets without a Cabinet"},
        {"models.csv", "B 010,10000,10000", "B 010,10000,10001", 15, "W \"10001\""},
        {"cabinets.csv", "D 072,B9,2", "D 072,B9,0", 2, "Strings"},
        {"blocks.csv", "B9,12,6,9", "B9,12,6", 3, "fields where the header has"},
        // The columns the sizing rules and the installation data need.
        {"models.csv", ",6,B9,1,3,D 072", ",6,B7,1,3,D 072", 10,
         "cabinet \"D 072\" holds block \"B9\", not the model's"},
        {"models.csv", "D 240,0,0,0,,4,1.65,1.75,8,10", "D 240,0,0,0,,4,1.65,1.60,8,10", 15, "EndVoltageLight"},
        {"models.csv", "D 240,0,0,0,,4,1.65,1.75,8,10", "D 240,0,0,0,,4,1.65,1.75,8,9", 15, "ChargerStrings 9"},
        {"models.csv", "D 240,0,0,0,,4,1.65,1.75,8,10", "D 240,0,0,0,,0,1.65,1.75,8,10", 15, "MaxParallel"},
        {"blocks.csv", "L50,12.8,6,50,Li-ion", "L50,12.8,6,50,NiCd", 6, "Chemistry \"NiCd\""},
        {"cabinets.csv", "K 480,L50,1,400", "K 480,L50,1,-4", 6, "WeightKg"},
    };
    TempFolder folder;
    for (const Fault& fault : faults) {
        const QString source = folder.makeFolder(fault.file + QString::number(fault.line));
        for (const char* name : {"models.csv", "blocks.csv", "cabinets.csv", "discharge.csv"}) {
            QFile original(QStringLiteral(VANTOR_SOURCE_DIR "/demo/engine-data/") + name);
            ASSERT_TRUE(original.open(QIODevice::ReadOnly));
            QByteArray bytes = original.readAll();
            if (QLatin1String(name) == QLatin1String(fault.file)) {
                ASSERT_TRUE(bytes.contains(fault.find)) << fault.find;
                bytes.replace(fault.find, fault.replace);
            }
            QFile copy(source + "/" + name);
            ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
            copy.write(bytes);
        }
        const auto error = vantor::test::SourceFaultOf(
            tools::BuildEngineDatabase("Data.vt4", "20241101", source + "/Data.vt4", false, source));
        if (!error) {
            ADD_FAILURE() << "accepted: " << fault.replace;
        } else {
            EXPECT_TRUE(error->File.endsWith(fault.file)) << error->Message.toStdString();
            EXPECT_EQ(error->Line, fault.line) << error->Message.toStdString();
            EXPECT_TRUE(error->Text.contains(fault.says)) << error->Message.toStdString();
        }
        EXPECT_FALSE(QFile::exists(source + "/Data.vt4"));
    }
}

} // namespace
} // namespace vantor::test
