// Opening and checking a pricelist protected with the database password
// against the same check on an unprotected copy (the reference), and the
// start-up scan of installed catalogues with 1 and with 50 catalogues.
#include "catalogue/CatalogueBuilder.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "data/DataModule.h"
#include "data/InstalledVersion.h"
#include "support/database/DatabaseKey.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vantor;

namespace {

// The benchmarks measure real files; one that cannot be written ends the run.
void Written(const Result<void>& AWritten)
{
    if (!AWritten)
        qFatal("%s", qPrintable(AWritten.message()));
}

QList<tools::PricelistItem> Items(int count)
{
    QList<tools::PricelistItem> items;
    for (int i = 0; i < count; ++i)
        items.append(
            {QStringLiteral("A %1 XX").arg(i, 3, 10, QChar('0')), QStringLiteral("UPS model %1").arg(i), 100.0 + i});
    return items;
}

// Catalogue folders with a catalogue and a protected pricelist each.
void MakeCatalogues(const QString& folder, int count)
{
    for (int i = 0; i < count; ++i) {
        const QString code = QStringLiteral("%1").arg(100 + i);
        Written(tools::WriteDatabase(folder + code + "/Catalogue.vt4", {}, tools::CatalogueContent(code, "20240115"),
                                     true));
        Written(tools::WriteDatabase(folder + code + "/Pricelist.vt4", QLatin1String(DatabasePassword),
                                     tools::PricelistContent(code, "20240201", Items(200)), true));
    }
}

void BM_CheckPricelist(benchmark::State& state, bool protectedFile)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    const QString password = protectedFile ? QLatin1String(DatabasePassword) : QString();
    Written(tools::WriteDatabase(folder + "380/Pricelist.vt4", password,
                                 tools::PricelistContent("380", "20240201", Items(200)), true));
    TDM dm{password};
    QString version;
    if (!dm.CheckPricelistValidity(folder, "380", version)) // also derives the key once
        state.SkipWithError("the pricelist does not pass its check");
    for (auto _ : state)
        benchmark::DoNotOptimize(dm.CheckPricelistValidity(folder, "380", version));
}
BENCHMARK_CAPTURE(BM_CheckPricelist, unprotected_reference, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_CheckPricelist, protected, true)->Unit(benchmark::kMicrosecond);

void BM_CatalogueScan(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    MakeCatalogues(folder, static_cast<int>(state.range(0)));
    GlobalSetupData.Database.Pricelist.sPassword = QLatin1String(DatabasePassword);
    TDM dm;
    for (auto _ : state) {
        TInstalledVersion installed;
        TGlobalSetupData settings = GlobalSetupData;
        benchmark::DoNotOptimize(LoadInstalledCatalogues(dm, folder, settings, installed));
    }
    state.counters["per_catalogue_us"] = benchmark::Counter(
        static_cast<double>(state.range(0)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_CatalogueScan)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);

// Paid once per process: the stretching of the database password.
void BM_KeyDerivationOncePerProcess(benchmark::State& state)
{
    int round = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(db::DeriveRawKey(QStringLiteral("password %1").arg(round++)));
}
BENCHMARK(BM_KeyDerivationOncePerProcess)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
