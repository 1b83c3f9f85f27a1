// A ten-page quote: ten systems, each with its facts, sizing basis, line
// items, installation data and runtime curve, then the further items and
// totals, painted and written as PDF (goal: under 500 ms).
#include "dev/core/QuoteDocument.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace vantor::devengine;

namespace {

QuoteDocument TenSystems()
{
    QuoteDocument document;
    document.BrandName = QStringLiteral("Maronel");
    document.Title = QStringLiteral("Quotation");
    document.Header = {{QStringLiteral("Quote number"), QStringLiteral("Q-2026-0042")},
                       {QStringLiteral("Customer"), QStringLiteral("Rossi Impianti\nVia Roma 1\nMilano")}};
    document.Mark = QStringLiteral("Q-2026-0042");
    document.ShowPrices = true;
    document.Currency = QStringLiteral("EUR");
    for (int s = 0; s < 10; ++s) {
        QuoteSystem system;
        system.Name = QStringLiteral("Room %1").arg(s + 1);
        Quote& content = system.Content;
        content.LoadWatts = 6000 + 1000 * s;
        content.LoadVoltAmperes = content.LoadWatts / 0.9;
        content.AutonomyMinutes = 15;
        content.RuntimeAtLoad.Minutes = 17.5;
        for (int i = 0; i < 8; ++i) {
            content.Basis.append({QStringLiteral("Basis %1").arg(i), QStringLiteral("%1 V/cell").arg(1.6 + i / 100.0)});
            content.Installation.append({QStringLiteral("Installation %1").arg(i), QStringLiteral("%1 A").arg(16 * i)});
        }
        for (int i = 0; i < 6; ++i)
            content.Lines.append(
                {QStringLiteral("N %1 IT").arg(i), QStringLiteral("Network card and service"), 1 + i, 120.0 + i});
        for (int cabinets = 0; cabinets < 3; ++cabinets) {
            CurveSeries series{cabinets, {}};
            for (int step = 1; step <= 40; ++step) {
                const double watts = content.LoadWatts * step / 40.0;
                series.Points.append({watts, 600.0 * (cabinets + 1) / std::pow(step, 1.2)});
            }
            content.Curves.append(series);
        }
        content.OperatingPoint = {content.LoadWatts, 17.5};
        document.Systems.append(system);
    }
    document.ExtrasHeading = QStringLiteral("Further items");
    document.Extras = {{QStringLiteral("S ST3 IT"), QStringLiteral("Commissioning"), 1, 650.0}};
    document.Totals = {{QStringLiteral("Net total"), QStringLiteral("41,981.50 EUR")},
                       {QStringLiteral("Total including VAT"), QStringLiteral("51,217.43 EUR")}};
    return document;
}

void BM_TenPageQuotePdf(benchmark::State& AState)
{
    const QuoteDocument document = TenSystems();
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("quote.pdf"));
    for (auto _ : AState) {
        if (!WriteQuoteDocumentPdf(file, document))
            AState.SkipWithError("the quote could not be written");
    }
    // The page count the figure is for, as a reader of the PDF sees it.
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {file});
    if (info.waitForFinished(10000)) {
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        const qsizetype at = text.indexOf(QStringLiteral("Pages:"));
        if (at >= 0)
            AState.counters["pages"] = text.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toDouble();
    }
}
BENCHMARK(BM_TenPageQuotePdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
