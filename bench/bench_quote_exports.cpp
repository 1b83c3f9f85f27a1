// Exporting the quote of a large project: 50 systems with 200 line items in
// all, as a spreadsheet (goal: under 100 ms) and as CSV, written to disk
// with the flush that makes them all or nothing.
#include "dev/core/QuoteCsv.h"
#include "dev/core/QuoteSpreadsheet.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vantor::devengine;

namespace {

constexpr int Systems = 50;
constexpr int LinesPerSystem = 4;

PricedQuote LargeProject()
{
    PricedQuote quote;
    for (int system = 0; system < Systems; ++system) {
        PricedGroup group{QStringLiteral("System %1, floor %2").arg(system + 1).arg(system % 7), {}};
        for (int line = 0; line < LinesPerSystem; ++line) {
            std::optional<double> price;
            if ((system + line) % 9 != 0)
                price = 99.95 + 37.5 * line + system;
            group.Lines.append({QStringLiteral("B %1K%2 IT").arg(system).arg(line),
                                QStringLiteral("UPS, battery cabinet or card, \"model\" %1").arg(line), 1 + line % 3,
                                price, 2.5 * (line % 4)});
        }
        quote.Groups.append(group);
    }
    quote.DiscountPercent = 3;
    quote.VatPercent = 21;
    return quote;
}

QuoteFacts Facts()
{
    return {QStringLiteral("Q-2026-0042"),
            QDate(2026, 12, 11),
            QDate(2027, 1, 10),
            QStringLiteral("Customer"),
            QStringLiteral("Project"),
            {QStringLiteral("Seller"), QStringLiteral("Company"), {}, {}},
            QStringLiteral("EUR")};
}

void BM_ProjectSpreadsheet(benchmark::State& state)
{
    const PricedQuote quote = LargeProject();
    const EngineTexts texts(QStringLiteral("DEU"));
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("quote.xlsx"));
    for (auto _ : state) {
        if (!WriteQuoteSpreadsheet(file, quote, Facts(), texts))
            state.SkipWithError("the spreadsheet was not written");
    }
}
BENCHMARK(BM_ProjectSpreadsheet)->Unit(benchmark::kMillisecond);

void BM_ProjectCsv(benchmark::State& state)
{
    const PricedQuote quote = LargeProject();
    const EngineTexts texts(QStringLiteral("DEU"));
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("quote.csv"));
    for (auto _ : state) {
        if (!WriteQuoteCsv(file, quote, texts))
            state.SkipWithError("the CSV was not written");
    }
}
BENCHMARK(BM_ProjectCsv)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
