// Unsaved work after a kill: found by the next instance with the file it
// belonged to, restored, and never taken from an instance still running.
#include "dev/core/ProjectRecovery.h"
#include "dev/core/AtomicFile.h"
#include "dev/core/ProjectFormat.h"
#include "mock/SampleProject.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

#include <utime.h>

namespace vantor::devengine {
namespace {

const EngineTexts English(QStringLiteral("ENG"));

bool ProbeKilled(const QStringList& AArguments)
{
    QProcess probe;
    probe.start(QStringLiteral(VANTOR_PROJECT_PROBE), AArguments);
    return probe.waitForFinished(30000) && probe.exitStatus() == QProcess::CrashExit;
}

TEST(ProjectRecovery, WorkOfAKilledInstanceIsFoundAndRestored)
{
    test::TempFolder folder;
    const QString state = folder.path() + "state/Vantor";
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    ASSERT_TRUE(ProbeKilled({"recover", state, "-1"}));

    const QList<LeftWork> left = FindLeftWork(state, English);
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].ProjectPath, "/projects/seven.vantor");
    EXPECT_GE(left[0].WrittenAt, before);
    ASSERT_TRUE(left[0].Work.has_value()) << left[0].Problem.toStdString();
    EXPECT_EQ(WriteProject(*left[0].Work), WriteProject(test::SampleProject(7)));
    EXPECT_TRUE(RecoveryQuestion(left[0], English).startsWith("Unsaved work on the project /projects/seven.vantor"));

    // Restored: this instance keeps it now, and the left copy goes.
    auto recovery = test::ValueOf(ProjectRecovery::Start(state, English));
    ASSERT_TRUE(recovery);
    test::ExpectOk(recovery->Write(*left[0].Work, left[0].ProjectPath));
    test::ExpectOk(DiscardLeftWork(left[0], English));
    EXPECT_TRUE(FindLeftWork(state, English).isEmpty());

    // A second instance's work is not left while it runs, and is after it
    // ends without a save or a close.
    auto other = test::ValueOf(ProjectRecovery::Start(state, English));
    ASSERT_TRUE(other);
    EXPECT_NE(other->File(), recovery->File());
    test::ExpectOk(other->Write(test::SampleProject(8), {}));
    EXPECT_TRUE(FindLeftWork(state, English).isEmpty());
    test::ExpectOk(DiscardLeftWork({other->File(), {}, {}, {}, {}}, English));
    EXPECT_TRUE(QFile::exists(other->File()));
    other.reset();
    const QList<LeftWork> ended = FindLeftWork(state, English);
    ASSERT_EQ(ended.size(), 1);
    EXPECT_TRUE(ended[0].ProjectPath.isEmpty());
    EXPECT_TRUE(RecoveryQuestion(ended[0], English).startsWith("Unsaved work on a new project"));

    // A clean save or a close leaves nothing behind.
    test::ExpectOk(recovery->Clear());
    const QString own = recovery->File();
    recovery.reset();
    EXPECT_FALSE(QFile::exists(own));
    EXPECT_EQ(FindLeftWork(state, English).size(), 1);
}

TEST(ProjectRecovery, KilledWhileWritingLeavesCompleteWorkOrNone)
{
    for (int step = 0; step <= static_cast<int>(SaveStep::FolderFlushed); ++step) {
        SCOPED_TRACE(step);
        test::TempFolder folder;
        ASSERT_TRUE(ProbeKilled({"recover", folder.path(), QString::number(step)}));
        const QList<LeftWork> left = FindLeftWork(folder.path(), English);
        ASSERT_EQ(left.size(), step >= static_cast<int>(SaveStep::Renamed) ? 1 : 0);
        for (const LeftWork& work : left)
            EXPECT_TRUE(work.Work.has_value()) << work.Problem.toStdString();
        // Without work, the killed instance's lock goes with a search once
        // it is no longer fresh.
        const QStringList locks = QDir(folder.path()).entryList({"*.lock"}, QDir::Files);
        if (left.isEmpty()) {
            ASSERT_EQ(locks.size(), 1);
            const QByteArray lock = QFile::encodeName(folder.path() + locks[0]);
            const utimbuf old{0, 0};
            ASSERT_EQ(::utime(lock.constData(), &old), 0);
            EXPECT_TRUE(FindLeftWork(folder.path(), English).isEmpty());
            EXPECT_TRUE(QDir(folder.path()).entryList({"*.lock"}, QDir::Files).isEmpty());
        }
    }

    // A damaged recovery is listed with its problem rather than dropped.
    test::TempFolder folder;
    folder.write("recovery-1-deadbeef.json", "{\"project\": {\"schema\": 1}}");
    const QList<LeftWork> damaged = FindLeftWork(folder.path(), English);
    ASSERT_EQ(damaged.size(), 1);
    EXPECT_FALSE(damaged[0].Work.has_value());
    EXPECT_TRUE(damaged[0].Problem.startsWith("The project file is damaged")) << damaged[0].Problem.toStdString();
}

} // namespace
} // namespace vantor::devengine
