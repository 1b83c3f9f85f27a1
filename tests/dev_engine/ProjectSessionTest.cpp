// The project the screens share: when it counts as changed, what reaches
// the recovery file and the recent list, and that a refused file or a failed
// save loses nothing.
#include "dev/core/ProjectSession.h"
#include "dev/core/ProjectFile.h"
#include "dev/core/ProjectFormat.h"
#include "mock/SampleProject.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace vantor::devengine {
namespace {

const EngineTexts English(QStringLiteral("ENG"));

class Sessions : public ::testing::Test {
protected:
    test::TempFolder folder;
    QString state = folder.path() + QStringLiteral("state");
    QString recent = folder.path() + QStringLiteral("config/RecentProjects.ini");
};

TEST_F(Sessions, ChangesReachTheRecoveryUntilASaveAndTheRecentListFollowsTheFiles)
{
    auto session = std::make_unique<ProjectSession>(English, state, recent);
    // Nothing changed: no recovery file is made at all.
    test::ExpectOk(session->WriteRecovery());
    EXPECT_TRUE(session->RecoveryFile().isEmpty());
    EXPECT_FALSE(session->IsModified());

    session->Edit() = test::SampleProject(3);
    session->Changed();
    EXPECT_TRUE(session->IsModified());
    EXPECT_TRUE(session->RecoveryPending());
    test::ExpectOk(session->WriteRecovery());
    const QString recovery = session->RecoveryFile();
    ASSERT_TRUE(QFile::exists(recovery));
    EXPECT_FALSE(session->RecoveryPending());

    const QString first = folder.path() + QStringLiteral("projects/first.vantor");
    test::ExpectOk(session->SaveAs(first));
    EXPECT_FALSE(session->IsModified());
    EXPECT_FALSE(QFile::exists(recovery)) << "a clean save leaves nothing to recover";
    EXPECT_EQ(session->Path(), first);
    EXPECT_EQ(session->Recent(), QStringList{first});

    // Another project saved, then the first opened again: it comes first.
    session->Close();
    EXPECT_TRUE(session->IsEmpty());
    session->Edit() = test::SampleProject(4);
    session->Changed();
    const QString second = folder.path() + QStringLiteral("projects/second.vantor");
    test::ExpectOk(session->SaveAs(second));
    EXPECT_EQ(session->Recent(), (QStringList{second, first}));
    test::ExpectOk(session->Open(first));
    EXPECT_EQ(session->Recent(), (QStringList{first, second}));
    EXPECT_EQ(WriteProject(session->Current()), WriteProject(test::SampleProject(3)));
    EXPECT_FALSE(session->IsModified());

    // Unsaved work outlives the session as work left behind.
    session->Edit().Name = QStringLiteral("Changed after opening");
    session->Changed();
    test::ExpectOk(session->WriteRecovery());
    session.reset();
    const QList<LeftWork> left = FindLeftWork(state, English);
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].ProjectPath, first);

    // Restored: unsaved, with the file it belongs to, kept by this session.
    ProjectSession next(English, state, recent);
    test::ExpectOk(next.Restore(left[0]));
    EXPECT_TRUE(next.IsModified());
    EXPECT_EQ(next.Path(), first);
    EXPECT_EQ(next.Current().Name, QStringLiteral("Changed after opening"));
    EXPECT_TRUE(QFile::exists(next.RecoveryFile()));
    EXPECT_FALSE(QFile::exists(left[0].File));
}

TEST_F(Sessions, ARefusedFileOrAFailedSaveKeepsTheProjectAsItWas)
{
    ProjectSession session(English, state, recent);
    session.Edit() = test::SampleProject(5);
    session.Changed();
    const QString damaged = folder.write(QStringLiteral("damaged.vantor"), "{\"schema\": 1, \"systems\": [");
    EXPECT_FALSE(session.Open(damaged));
    EXPECT_TRUE(session.IsModified());
    EXPECT_EQ(WriteProject(session.Current()), WriteProject(test::SampleProject(5)));
    EXPECT_TRUE(session.Recent().isEmpty());

    // A folder where the file should go cannot be replaced by the save.
    const QString blocked = folder.makeFolder(QStringLiteral("blocked.vantor"));
    EXPECT_FALSE(session.SaveAs(blocked));
    EXPECT_TRUE(session.IsModified());
    EXPECT_TRUE(session.Path().isEmpty());
}

TEST_F(Sessions, ClosingClearsTheRecoveryAndDamagedLeftWorkIsNotTaken)
{
    ProjectSession session(English, state, recent);
    session.Edit() = test::SampleProject(2);
    session.Changed();
    test::ExpectOk(session.WriteRecovery());
    const QString recovery = session.RecoveryFile();
    ASSERT_TRUE(QFile::exists(recovery));
    session.Close();
    EXPECT_FALSE(QFile::exists(recovery)) << "a closed project leaves nothing to recover";
    EXPECT_FALSE(session.IsModified());
    EXPECT_FALSE(session.RecoveryPending());

    // Work that cannot be read is refused, and the current project stays.
    session.Edit() = test::SampleProject(9);
    session.Changed();
    const LeftWork damaged{folder.write(QStringLiteral("state/recovery-1-0badf00d.json"), "{"),
                           {},
                           {},
                           {},
                           QStringLiteral("The project file is damaged")};
    const Result<void> restored = session.Restore(damaged);
    ASSERT_FALSE(restored);
    EXPECT_EQ(restored.error().message(), QStringLiteral("The project file is damaged"));
    EXPECT_EQ(WriteProject(session.Current()), WriteProject(test::SampleProject(9)));
    EXPECT_TRUE(QFile::exists(damaged.File));
}

TEST_F(Sessions, AReopenedSystemIsReplacedKeepingItsNameLinesAndDiscount)
{
    ProjectSession session(English, state, recent);
    session.Edit() = test::SampleProject(6);
    ASSERT_GE(session.Current().Systems.size(), 2);
    ProjectSystem changed = session.Current().Systems[0];
    changed.Name = QStringLiteral("from the selector");
    changed.Lines.clear();
    changed.Inputs.Load = 12'345;
    EXPECT_FALSE(session.PutBack(changed)) << "nothing reopened";

    session.Edit().Systems[1].Solution->DiscountPercent = 7;
    session.Reopen(1);
    const ProjectSystem before = session.Current().Systems[1];
    ASSERT_TRUE(session.PutBack(changed));
    const ProjectSystem& after = session.Current().Systems[1];
    EXPECT_EQ(after.Inputs.Load, 12'345);
    EXPECT_EQ(after.Name, before.Name);
    EXPECT_EQ(after.Lines.size(), before.Lines.size());
    EXPECT_EQ(after.Solution->DiscountPercent, 7);
    EXPECT_EQ(session.Current().Systems.size(), test::SampleProject(6).Systems.size());
    EXPECT_FALSE(session.Reopened());
    EXPECT_TRUE(session.IsModified());
}

} // namespace
} // namespace vantor::devengine
