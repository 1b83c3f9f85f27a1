// A base selection over a large product range: models x block types x up to
// 20 cabinets each, with every configuration listed (the most work an
// option word can ask for). The goal: under 10 ms for 500 models, and time
// growing linearly with the number of models. And drawing a runtime curve
// with four lines into an 800 x 480 picture: under 16 ms, one frame. And
// writing a two-page quote as PDF: under 200 ms.
#include "dev/core/Quote.h"
#include "dev/core/RuntimeCurve.h"
#include "dev/core/UpsSolutions.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace vantor::devengine;

namespace {

ProductData MakeRange(int AModels)
{
    ProductData data;
    for (int b = 0; b < 8; ++b) {
        BatteryBlock block;
        block.Code = QStringLiteral("BLOCK%1").arg(b);
        block.AmpereHours = 7 + 12 * b;
        const double scale = block.AmpereHours / 9.0;
        for (const double end : {1.60, 1.65, 1.67, 1.70, 1.75}) {
            DischargeCurve curve{end, {}};
            for (const auto& [minutes, watts] :
                 {std::pair{5.0, 70.0}, {10, 45}, {15, 34}, {30, 20}, {60, 11}, {120, 6}, {240, 3.2}, {480, 1.7}})
                curve.Points.append({minutes * (1.7 - end) * 10 + minutes, watts * scale});
            block.Curves.append(curve);
        }
        data.Blocks.append(block);
        data.Cabinets.append({QStringLiteral("CAB%1").arg(b), block.Code, 2 + b % 3});
    }
    for (int m = 0; m < AModels; ++m) {
        UpsModel model;
        model.Code = QStringLiteral("U %1 10").arg(m, 3, 10, QLatin1Char('0'));
        model.RatedVA = 1000.0 * (1 + m % 100);
        model.RatedW = model.RatedVA * 0.9;
        model.InputPhases = model.OutputPhases = m % 3 == 0 ? 3 : 1;
        model.BlocksPerString = 4 + 2 * (m % 18);
        model.BlockType = QStringLiteral("BLOCK%1").arg(m % 8);
        model.InternalStrings = 1;
        model.MaxCabinets = 20;
        data.Models.append(model);
    }
    return data;
}

void BM_BaseSelection(benchmark::State& state)
{
    const ProductData data = MakeRange(static_cast<int>(state.range(0)));
    SizingRequest request;
    request.Watts = 6000;
    request.VoltAmperes = 6667;
    request.AutonomyMinutes = 15;
    request.AllConfigurations = true;
    request.IncludeShort = true;
    std::size_t found = 0;
    for (auto _ : state) {
        const QList<Solution> solutions = FindSolutions(data, request);
        found = solutions.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["solutions"] = static_cast<double>(found);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_BaseSelection)->Arg(125)->Arg(250)->Arg(500)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_RuntimeCurve(benchmark::State& state)
{
    const ProductData data = MakeRange(8);
    const UpsModel& model = data.Models[5];
    QImage image(800, 480, QImage::Format_RGB32);
    for (auto _ : state) {
        const QList<CurveSeries> curves = RuntimeCurves(model, data, {}, 3);
        QPainter painter(&image);
        PaintRuntimeCurves(painter, QRectF(0, 0, 800, 480), curves, {model.RatedW / 2, 20}, {}, QLocale::c());
    }
}
BENCHMARK(BM_RuntimeCurve)->Unit(benchmark::kMillisecond);

void BM_TwoPageQuote(benchmark::State& state)
{
    const ProductData data = MakeRange(8);
    Quote quote;
    quote.BrandName = QStringLiteral("Maronel");
    quote.Customer = QStringLiteral("A customer with a long name");
    quote.Project = QStringLiteral("Server room");
    quote.LoadWatts = 6000;
    quote.LoadVoltAmperes = 6667;
    quote.AutonomyMinutes = 15;
    quote.RuntimeAtLoad.Minutes = 20;
    quote.ShowPrices = true;
    for (int i = 0; i < 30; ++i)
        quote.Lines.append({QStringLiteral("S PM1 IT"), QStringLiteral("Yearly preventive maintenance visit"), 1, 420});
    quote.Curves = RuntimeCurves(data.Models[5], data, {}, 3);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("quote.pdf"));
    for (auto _ : state) {
        if (!WriteQuotePdf(file, quote))
            state.SkipWithError("the quote was not written");
    }
}
BENCHMARK(BM_TwoPageQuote)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Text needs the font system, as in the engine's screens.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
