// The engine reads its databases from Data/ beside the running program, as
// in an installation. To give it such a folder without touching the build
// tree, the test copies this test program into a scratch folder, writes the
// databases beside the copy and runs the copy's child test there.
#include "EngineHarness.h"
#include "testlib/ResultChecks.h"

#include "catalogue/CatalogueBuilder.h"
#include "testlib/TempFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

tools::DatabaseContent EngineDatabase(const QString& version)
{
    tools::DatabaseContent content;
    content.Info = {{QStringLiteral("Version"), version}, {QStringLiteral("Kind"), QStringLiteral("Data")}};
    return content;
}

TEST(EngineDataFolder, ReadsTheDatabasesBesideTheProgram)
{
    if (!ScratchFolder().isEmpty())
        GTEST_SKIP() << "already the scratch copy";
    RunInScratchCopy("EngineDataFolderChild.*", [](const QString&) {});
}

TEST(EngineDataFolderChild, VersionsFollowTheFilesInData)
{
    const QString scratch = ScratchFolder();
    if (scratch.isEmpty())
        GTEST_SKIP() << "runs only in the scratch copy made by EngineDataFolder.ReadsTheDatabasesBesideTheProgram";
    const QString programFolder = QCoreApplication::applicationDirPath() + u'/';
    // Writes only beside a copy in the scratch folder, never in the build tree.
    ASSERT_EQ(QDir(programFolder).canonicalPath(), QDir(scratch).canonicalPath());
    const QString data = programFolder + QStringLiteral("Data/");
    QDir().mkpath(data);

    LoadedEngine engine;
    ASSERT_TRUE(engine.IsLoaded());
    InitRecord record;
    TInfoVersion engineVersion{}, main{}, devices{};
    auto initialize = [&] {
        engine.Uninitialize();
        main = devices = TInfoVersion{7, 7, 7, 7};
        return engine.Initialize(record.Get(), &engineVersion, &main, &devices);
    };

    vantor::test::ExpectOk(tools::WriteDatabase(data + QStringLiteral("Data.vt4"), record.Password,
                                                EngineDatabase(QStringLiteral("20241101")), true));
    vantor::test::ExpectOk(tools::WriteDatabase(data + QStringLiteral("Devices.vt4"), record.Password,
                                                EngineDatabase(QStringLiteral("20230615")), true));
    EXPECT_EQ(initialize(), ENGINE_INIT_OK);
    EXPECT_EQ(engineVersion, ProjectVersion);
    EXPECT_EQ(main, (TInfoVersion{2024, 11, 1, 0}));
    EXPECT_EQ(devices, (TInfoVersion{2023, 6, 15, 0}));

    // Another password than the one received: unreadable, not fatal.
    vantor::test::ExpectOk(tools::WriteDatabase(data + QStringLiteral("Devices.vt4"),
                                                QStringLiteral("not the password"),
                                                EngineDatabase(QStringLiteral("20230615")), true));
    EXPECT_EQ(initialize(), ENGINE_INIT_OK_WITH_NOTICE);
    EXPECT_EQ(main, (TInfoVersion{2024, 11, 1, 0}));
    EXPECT_EQ(devices, (TInfoVersion{0, 0, 0, 0}));

    // A version that is no date, and a devices database that is not there.
    vantor::test::ExpectOk(tools::WriteDatabase(data + QStringLiteral("Data.vt4"), record.Password,
                                                EngineDatabase(QStringLiteral("2024-11-01")), true));
    QFile::remove(data + QStringLiteral("Devices.vt4"));
    EXPECT_EQ(initialize(), ENGINE_INIT_OK_WITH_NOTICE);
    EXPECT_EQ(main, (TInfoVersion{0, 0, 0, 0}));
    EXPECT_EQ(devices, (TInfoVersion{0, 0, 0, 0}));
    EXPECT_FALSE(QFile::exists(data + QStringLiteral("Devices.vt4"))) << "reading creates no file";
}

} // namespace
} // namespace vantor::test
