// Opening and saving a large project: 50 systems with 200 lines between
// them. The goal: under 50 ms each, the save with its flushes to disk.
#include "dev/core/ProjectFile.h"
#include "dev/core/ProjectFormat.h"
#include "mock/SampleProject.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vantor::devengine;

namespace {

const EngineTexts& English()
{
    static const EngineTexts texts(QStringLiteral("ENG"));
    return texts;
}

const Project& LargeProject()
{
    static const Project project = vantor::test::SampleProject(1, 50, 4);
    return project;
}

void BM_SaveProject(benchmark::State& AState)
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Large.vantor"));
    for (auto _ : AState) {
        if (!SaveProjectFile(file, LargeProject(), English()))
            AState.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

void BM_OpenProject(benchmark::State& AState)
{
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Large.vantor"));
    if (!SaveProjectFile(file, LargeProject(), English()))
        AState.SkipWithError("save failed");
    for (auto _ : AState) {
        auto project = OpenProjectFile(file, English());
        if (!project)
            AState.SkipWithError("open failed");
        benchmark::DoNotOptimize(project);
    }
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond);

// The JSON alone, without the disk.
void BM_WriteProject(benchmark::State& AState)
{
    for (auto _ : AState)
        benchmark::DoNotOptimize(WriteProject(LargeProject()));
}
BENCHMARK(BM_WriteProject)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
