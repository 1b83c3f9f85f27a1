// Cost of loading the translation file and of text lookups, which walk the
// document on every call. Windows fetch a few dozen captions at a time.
// Reference: a hash lookup of the same text, the cost of a cached design.
#include "common/uGlobals.h"
#include "i18n/uLanguages.h"

#include <QHash>

#include <benchmark/benchmark.h>

using namespace vantor;

namespace {

const QString LanguageFile = QStringLiteral(VANTOR_DEMO_LANGUAGE_FILE);

void BM_LoadTranslations(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadTranslations(LanguageFile));
    UnloadTranslations();
}
BENCHMARK(BM_LoadTranslations)->Unit(benchmark::kMicrosecond);

// The first and the last identifier of the file, in the last language of each entry.
void BM_GetText(benchmark::State& state, const char* id)
{
    if (!LoadTranslations(LanguageFile))
        state.SkipWithError("no translation file");
    GlobalSetupData.LanguageId = QStringLiteral("PBS");
    SetTextLanguage(GlobalSetupData.LanguageId);
    const QString key = QString::fromLatin1(id);
    for (auto _ : state)
        benchmark::DoNotOptimize(GetText(key));
    UnloadTranslations();
}
BENCHMARK_CAPTURE(BM_GetText, first_id, "IDS_COMMON_01");
BENCHMARK_CAPTURE(BM_GetText, last_id, "IDS_WIZ_RUNTIME_01");

void BM_ReferenceHashLookup(benchmark::State& state)
{
    if (!LoadTranslations(LanguageFile))
        state.SkipWithError("no translation file");
    GlobalSetupData.LanguageId = QStringLiteral("PBS");
    QHash<QString, QString> cache;
    cache.insert(QStringLiteral("IDS_WIZ_RUNTIME_01"), GetText(QStringLiteral("IDS_WIZ_RUNTIME_01")));
    const QString key = QStringLiteral("IDS_WIZ_RUNTIME_01");
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.value(key));
    UnloadTranslations();
}
BENCHMARK(BM_ReferenceHashLookup);

} // namespace

BENCHMARK_MAIN();
