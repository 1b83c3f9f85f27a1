// The hand-off with a real program standing in for the updater and the
// installer: what is unpacked, what is started, and with which arguments.
#include "update/UpdateHandoff.h"
#include "i18n/uLanguages.h"

#include "common/FileHelpers.h"
#include "common/uGlobals.h"
#include "testlib/ScopedEnv.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace vantor {
namespace {

class UpdateHandoff : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalSetupData = TGlobalSetupData();
        GlobalSetupData.RootPath = folder.makeFolder("root") + "/";
        CataloguesFolder = GlobalSetupData.RootPath + "Catalogues/";
        GlobalSetupData.LanguageFile = GlobalSetupData.RootPath + "Lang/Languages.xml";
        GlobalSetupData.LanguageId = "REF";
        SetTextLanguage(GlobalSetupData.LanguageId);
        staging = GetTempWorkFolder(true);
        ASSERT_TRUE(staging.startsWith(folder.path()));
    }
    void TearDown() override
    {
        GlobalSetupData = TGlobalSetupData();
        CataloguesFolder.clear();
    }

    // Packs `files` (relative to `root`) into `package` with the maker's tool.
    static void Pack(const QString& package, const QString& root, const QStringList& files)
    {
        QProcess pack;
        pack.start(VANTOR_PACK, QStringList{"create", package, "--root", root} + files);
        ASSERT_TRUE(pack.waitForFinished(30000));
        ASSERT_EQ(pack.exitCode(), 0) << pack.readAllStandardError().toStdString();
    }

    void InstallRecorder(const QString& path) const
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(QFile::copy(VANTOR_RECORD_ARGUMENTS, path));
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    }

    // The arguments the stand-in received, once it has written them.
    QStringList Recorded(int waitMs = 10000) const
    {
        QElapsedTimer timer;
        timer.start();
        while (!QFileInfo::exists(record) && timer.elapsed() < waitMs)
            QThread::msleep(20);
        QFile file(record);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    static THandoffTarget Target()
    {
        return {GlobalSetupData.RootPath, GlobalSetupData.LanguageId, GlobalSetupData.LanguageFile};
    }

    test::TempFolder folder;
    test::ScopedEnv cache{"XDG_CACHE_HOME", folder.path()};
    test::ScopedEnv recordFile{"VANTOR_RECORD_FILE", folder.path() + "record.txt"};
    QString record = folder.path() + "record.txt";
    QString staging;
    int closed = 0;
    CloseMainWindowFn close = [this] { ++closed; };
};

TEST_F(UpdateHandoff, UnpacksStagedPackagesThenStartsTheUpdaterWithFiveArguments)
{
    InstallRecorder(GlobalSetupData.RootPath + "Updater");
    test::TempFolder sources;
    sources.write("Data.vt4", "main database");
    sources.write("Devices.vt4", "devices database");
    sources.write("Catalogue.vt4", "catalogue 380");
    Pack(staging + "Data/Data.Z", sources.path(), {sources.path() + "Data.vt4"});
    Pack(staging + "Data/Devices.Z", sources.path(), {sources.path() + "Devices.vt4"});
    folder.write("Vantor/Staging/Data/Extra.vt4", "plain");
    QDir().mkpath(staging + "Catalogues/380");
    Pack(staging + "Catalogues/380/Catalogue.Z", sources.path(), {sources.path() + "Catalogue.vt4"});

    ASSERT_TRUE(StartUpdater(staging, Target(), close));
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(folder.read("Vantor/Staging/Data/Data.vt4"), "main database");
    EXPECT_EQ(folder.read("Vantor/Staging/Data/Devices.vt4"), "devices database");
    EXPECT_EQ(folder.read("Vantor/Staging/Data/Extra.vt4"), "plain");
    EXPECT_EQ(folder.read("Vantor/Staging/Catalogues/380/Catalogue.vt4"), "catalogue 380");
    EXPECT_FALSE(QFileInfo::exists(staging + "Data/Data.Z"));
    EXPECT_FALSE(QFileInfo::exists(staging + "Catalogues/380/Catalogue.Z"));

    const QString root = GlobalSetupData.RootPath;
    EXPECT_EQ(Recorded(),
              QStringList({root + "Updater", "/SP=" + staging, "/DP=" + root + "Data/", "/CP=" + root + "Catalogues/",
                           "/LF=" + root + "Lang/Languages.xml", "/LI=REF"}));
}

TEST_F(UpdateHandoff, OnlyCataloguesStagedStillStartsTheUpdater)
{
    InstallRecorder(GlobalSetupData.RootPath + "Updater");
    folder.write("Vantor/Staging/Catalogues/250/Pricelist.vt4", "plain pricelist");
    ASSERT_TRUE(StartUpdater(staging, Target(), close));
    EXPECT_EQ(Recorded().size(), 6);
    EXPECT_EQ(closed, 1);
}

TEST_F(UpdateHandoff, ACorruptPackageRemovesTheStagingFolderAndStartsNothing)
{
    InstallRecorder(GlobalSetupData.RootPath + "Updater");
    folder.write("Vantor/Staging/Data/Data.vt4", "plain");
    // Directory "", name "x", sizes 3 and 4, then four bytes that are no zlib stream.
    folder.write("Vantor/Staging/Catalogues/380/Catalogue.Z",
                 QByteArray("\x00\x01x\x03\x00\x00\x00\x04\x00\x00\x00junk", 16));
    EXPECT_FALSE(StartUpdater(staging, Target(), close));
    EXPECT_EQ(closed, 0);
    EXPECT_FALSE(QFileInfo::exists(staging));
    QThread::msleep(200);
    EXPECT_FALSE(QFileInfo::exists(record));
}

TEST_F(UpdateHandoff, AMissingUpdaterIsAFailureThatKeepsTheUnpackedFiles)
{
    test::TempFolder sources;
    sources.write("Data.vt4", "main database");
    Pack(staging + "Data/Data.Z", sources.path(), {sources.path() + "Data.vt4"});
    EXPECT_FALSE(StartUpdater(staging, Target(), close));
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(folder.read("Vantor/Staging/Data/Data.vt4"), "main database");
}

TEST_F(UpdateHandoff, TheProgramPackageStartsItsFirstEntryWithTheLanguageAndTheInstallation)
{
    test::TempFolder sources;
    InstallRecorder(sources.path() + "setup/install");
    sources.write("setup/readme.txt", "notes");
    Pack(staging + "Setup.Z", sources.path(), {sources.path() + "setup/install", sources.path() + "setup/readme.txt"});

    ASSERT_TRUE(InstallProgramUpdate(staging + "Setup.Z", Target(), close));
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(QFileInfo::exists(staging + "Setup.Z"));
    QString installation = GlobalSetupData.RootPath;
    installation.chop(1);
    EXPECT_EQ(Recorded(), QStringList({staging + "setup/install", "/LANG=REF", "/DIR=" + installation}));
}

TEST_F(UpdateHandoff, AnEmptyProgramPackageStaysAndNothingStarts)
{
    folder.write("Vantor/Staging/Setup.Z", "");
    EXPECT_FALSE(InstallProgramUpdate(staging + "Setup.Z", Target(), close));
    EXPECT_TRUE(QFileInfo::exists(staging + "Setup.Z"));
    EXPECT_FALSE(InstallProgramUpdate(staging + "Missing.Z", Target(), close));
    EXPECT_EQ(closed, 0);
}

} // namespace
} // namespace vantor
