// Saves a sample project, or keeps one for recovery, and kills itself at a
// chosen moment of the write, as a crash or a kill -9 would stop the program.
// Usage: vantor_project_probe save FILE VARIANT STEP
//        vantor_project_probe recover FOLDER STEP
// STEP is a SaveStep's number, or -1 to finish normally.
#include "dev/core/AtomicFile.h"
#include "dev/core/ProjectFile.h"
#include "dev/core/ProjectRecovery.h"
#include "mock/SampleProject.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

using namespace vantor::devengine;

namespace {

int killAt = -1;

void KillAtStep(SaveStep AStep)
{
    if (static_cast<int>(AStep) == killAt)
        std::raise(SIGKILL);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 4)
        return 2;
    const EngineTexts texts(QStringLiteral("ENG"));
    killAt = arguments.last().toInt();
    SetSaveStepHook(KillAtStep);
    if (arguments.at(1) == QLatin1String("save") && arguments.size() == 5) {
        const auto saved =
            SaveProjectFile(arguments.at(2), vantor::test::SampleProject(arguments.at(3).toInt()), texts);
        if (!saved)
            std::fprintf(stderr, "%s\n", qPrintable(saved.message()));
        return saved ? 0 : 1;
    }
    if (arguments.at(1) == QLatin1String("recover")) {
        auto recovery = ProjectRecovery::Start(arguments.at(2), texts);
        if (!recovery)
            return 1;
        const auto written =
            (*recovery)->Write(vantor::test::SampleProject(7), QStringLiteral("/projects/seven.vantor"));
        if (!written)
            return 1;
        // Written and still running: a kill now leaves the work behind.
        killAt = -1;
        std::raise(SIGKILL);
    }
    return 2;
}
