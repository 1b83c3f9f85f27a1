// Opening the pricelist page as the about dialog does in debug mode (query,
// model, the grid's first rows on screen) against the reference: the same
// query stepped to its last row with the database library alone.
// 200,000 priced items, written once into a temporary folder.
#include "catalogue/CatalogueBuilder.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "data/DataModule.h"
#include "dialogs/PricelistModel.h"
#include "dialogs/PricelistPage.h"
#include "support/database/DbStatement.h"

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace vantor;

namespace {

// The benchmarks measure real files; one that cannot be written ends the run.
void Written(const Result<void>& AWritten)
{
    if (!AWritten)
        qFatal("%s", qPrintable(AWritten.message()));
}

constexpr int ItemCount = 200000;
const char* const Code = "380";
const char* const Sql = "SELECT ProductCode, Description, Price FROM Items WHERE ((Price > 0)) ORDER BY ProductCode";

// Codes "L DDD DD" in a scattered order, so that the query really sorts.
QList<tools::PricelistItem> Items()
{
    QList<tools::PricelistItem> items;
    items.reserve(ItemCount);
    for (int i = 0; i < ItemCount; ++i) {
        const int n = static_cast<int>((static_cast<long long>(i) * 7919) % ItemCount);
        const QChar letter(QLatin1Char(static_cast<char>('A' + n / 100000)));
        items.append({QStringLiteral("%1 %2 %3")
                          .arg(letter)
                          .arg(n / 100 % 1000, 3, 10, QLatin1Char('0'))
                          .arg(n % 100, 2, 10, QLatin1Char('0')),
                      QStringLiteral("Online UPS %1 kVA, tower, %2 battery strings").arg(n % 800).arg(n % 4 + 1),
                      99.0 + (n % 50000) * 0.5});
    }
    return items;
}

struct Pricelist {
    QTemporaryDir dir;
    QString folder;
    Pricelist()
    {
        folder = dir.path() + '/';
        Written(tools::WriteDatabase(folder + Code + "/Pricelist.vt4", QLatin1String(DatabasePassword),
                                     tools::PricelistContent(Code, "20241231", Items()), true));
        CataloguesFolder = folder;
        GlobalSetupData.Database.Pricelist.sPassword = QLatin1String(DatabasePassword);
        GlobalSetupData.Database.Pricelist.IsValid = true;
        GlobalSetupData.DebugMode = true;
        GlobalSetupData.CatalogueCode = Code;
    }
};

const Pricelist& SharedPricelist()
{
    static const Pricelist pricelist;
    return pricelist;
}

void BM_OpenPricelistPage(benchmark::State& state)
{
    SharedPricelist();
    TDM dm;
    int rowsShown = 0;
    for (auto _ : state) {
        auto page = std::make_unique<TPricelistPage>(dm);
        page->resize(505, 225);
        page->LoadCaptions();
        (void)page->Open(); // the figure counts the rows it showed
        page->show();
        // The grid asks for its first rows and paints them.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        rowsShown = page->Model()->rowCount();
        state.PauseTiming();
        page.reset();
        dm.ClosePricelistDatabase();
        state.ResumeTiming();
    }
    if (rowsShown <= 1)
        state.SkipWithError("the grid did not fetch its first rows");
    state.counters["rows_shown"] = rowsShown;
}
BENCHMARK(BM_OpenPricelistPage)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

// Breakdown of (a): the data module's part alone (query and its first row).
void BM_OpenPricelistToShowOnly(benchmark::State& state)
{
    SharedPricelist();
    TDM dm;
    for (auto _ : state) {
        if (!dm.OpenPricelistToShow(CataloguesFolder, QLatin1String(Code)).valueOr(false))
            state.SkipWithError("the pricelist query found no rows");
        dm.ClosePricelistDatabase();
    }
}
BENCHMARK(BM_OpenPricelistToShowOnly)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

// Find for a code the pricelist lacks, on the open page: the answer comes
// without reading the 200,000 rows into the grid's model.
void BM_FindMissingCode(benchmark::State& state)
{
    SharedPricelist();
    TDM dm;
    auto page = std::make_unique<TPricelistPage>(dm);
    if (!page->Open())
        state.SkipWithError("the pricelist did not open");
    int fetched = 0;
    for (auto _ : state) {
        if (dm.SqlPricelist.FindFirst(QStringLiteral("ProductCode"), QStringLiteral("Z 999 99")).valueOr(0) != -1)
            state.SkipWithError("the missing code was found");
        fetched = dm.SqlPricelist.FetchedCount();
    }
    state.counters["rows_read"] = fetched;
    page.reset();
    dm.ClosePricelistDatabase();
}
BENCHMARK(BM_FindMissingCode)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

void BM_QueryAllRowsReference(benchmark::State& state)
{
    const Pricelist& pricelist = SharedPricelist();
    long long rows = 0;
    for (auto _ : state) {
        db::DbConnection connection;
        connection.FileName = pricelist.folder + Code + "/Pricelist.vt4";
        connection.Password = QLatin1String(DatabasePassword);
        rows = 0;
        if (connection.Open()) {
            Result<db::DbStatement> statement = db::DbStatement::Prepare(connection, QLatin1String(Sql));
            while (statement && statement->Step().valueOr(false))
                ++rows;
        }
        connection.Close();
    }
    if (rows != ItemCount)
        state.SkipWithError("the reference query missed rows");
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_QueryAllRowsReference)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
