// The installer's logic on real folders: fresh install, upgrade, a failure
// anywhere in an upgrade, links in the way and the uninstall.
#include "installer/Installer.h"
#include "catalogue/CatalogueBuilder.h"
#include "common/IniFile.h"
#include "common/uConstants.h"
#include "installer/DatabaseVersion.h"
#include "installer/InstallerTexts.h"
#include "installer/SetupArguments.h"
#include "testlib/ElfBuilder.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

using namespace vantor::installer;

std::uint64_t Version(std::uint16_t AMajor, std::uint16_t AMinor)
{
    return (std::uint64_t{AMajor} << 48) | (std::uint64_t{AMinor} << 32) | 1;
}

// Every file below a folder with its bytes; links as "-> target".
QMap<QString, QByteArray> Snapshot(const QString& AFolder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(AFolder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = QDir(AFolder).relativeFilePath(info.filePath());
        if (info.isSymLink())
            files[relative] = "-> " + info.symLinkTarget().toUtf8();
        else if (info.isDir())
            files[relative + '/'] = {};
        else {
            QFile file(info.filePath());
            files[relative] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
        }
    }
    return files;
}

class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        locations.DataHome = root.path() + "data";
        locations.ConfigHome = root.path() + "config";
        folder = locations.DefaultFolder();
    }

    // A release of version AMajor.AMinor with engine data and catalogue 380 of those dates.
    TRelease MakeRelease(const QString& AName, std::uint16_t AMajor, std::uint16_t AMinor, const QString& ADataDate,
                         const QString& ACatalogueDate)
    {
        const QString base = root.path() + AName + '/';
        root.write(AName + "/Vantor",
                   BuildElfWithNote(true, false, {"Vantor", 1, VersionDesc(false, AMajor, AMinor, 0, 1)}));
        QFile(base + "Vantor").setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        root.write(AName + "/Lang/Languages.xml", "<LST_TRANSLATIONS/>");
        root.write(AName + "/Release.ini", "[Release]\nsCode=380\niOemId=1\n");
        tools::DatabaseContent data;
        data.Info = {{"Version", ADataDate}, {"Kind", "Data"}};
        vantor::test::ExpectOk(tools::WriteDatabase(base + "Data/Data.vt4", DatabasePassword, data, true));
        vantor::test::ExpectOk(tools::WriteDatabase(base + "Catalogues/380/Catalogue.vt4", {},
                                                    tools::CatalogueContent("380", ACatalogueDate), true));
        TRelease release;
        EXPECT_TRUE(ReadRelease(base, release));
        EXPECT_EQ(release.Version, Version(AMajor, AMinor));
        return release;
    }

    TempFolder root;
    TInstallLocations locations;
    QString folder;
};

TEST_F(InstallerTest, AFreshInstallLaysOutTheReleaseTheUsersSettingsTheMenuEntryAndTheRecord)
{
    TInstaller installer(locations, MakeRelease("r1", 1, 0, "20250101", "20250101"));
    int lastDone = 0, lastTotal = -1;
    installer.SetProgress([&](int ADone, int ATotal) { lastDone = ADone, lastTotal = ATotal; });
    EXPECT_EQ(installer.ChooseFolder({}, {}), folder);
    ASSERT_EQ(installer.Install(folder, "GER").Status, TInstallStatus::Installed);
    EXPECT_EQ(lastDone, lastTotal);

    EXPECT_TRUE(QFileInfo(folder + "/Vantor").isExecutable());
    EXPECT_TRUE(QFile::exists(folder + "/Catalogues/380/Catalogue.vt4"));
    EXPECT_FALSE(QFile::exists(folder + "/Release.ini"));
    IniDocument settings;
    ASSERT_TRUE(settings.loadFile(folder + "/Vantor.ini"));
    EXPECT_EQ(settings.readInteger("Updates", "bAutoCheck", 0), 1);
    EXPECT_FALSE(settings.hasKey("Updates", "sServer"));
    EXPECT_EQ(settings.readString("Language", "iLangId"), "GER");
    EXPECT_EQ(settings.readString("Catalogue", "sCode"), "380");
    EXPECT_EQ(settings.readString("Catalogue", "sPath"), folder + "/Catalogues");
    EXPECT_EQ(settings.readInteger("Misc", "iOemId", -1), 1);

    const QString entry = locations.DataHome + "/applications/io.vantor.Vantor.desktop";
    const QString metainfo = locations.DataHome + "/metainfo/io.vantor.Vantor.metainfo.xml";
    EXPECT_TRUE(QFile::exists(locations.DataHome + "/icons/hicolor/256x256/apps/io.vantor.Vantor.png"));
    EXPECT_TRUE(QFile::exists(locations.DataHome + "/icons/hicolor/scalable/apps/io.vantor.Vantor.svg"));
    EXPECT_EQ(QProcess::execute("desktop-file-validate", {entry}), 0);
    EXPECT_EQ(QProcess::execute("appstreamcli", {"validate", "--no-net", "--no-color", metainfo}), 0);

    TInstallRecord record;
    ASSERT_TRUE(ReadInstallRecord(locations.RecordFile(), record));
    EXPECT_EQ(record.Folder, folder);
    EXPECT_EQ(record.Version, "1.0.0.1");
    EXPECT_TRUE(record.ProgramFiles.contains("Vantor"));
    EXPECT_FALSE(record.ProgramFiles.contains("Catalogues/380/Catalogue.vt4"));
    // A second run finds the recorded installation.
    EXPECT_EQ(TInstaller(locations, {}).ChooseFolder({}, {}), folder);
    EXPECT_EQ(TInstaller(locations, {}).ChooseFolder("/hand/off", "/chosen"), "/hand/off");
}

TEST_F(InstallerTest, AnUpgradeKeepsTheSettingsByteForByteAndDatabasesNewerThanTheShippedOnes)
{
    ASSERT_TRUE(TInstaller(locations, MakeRelease("r1", 1, 0, "20250101", "20250101")).Install(folder, "ENG").Ok());
    const QByteArray settings = "; mine\r\n[Misc]\r\niOemId=0\r\n";
    root.write("data/Vantor/Vantor.ini", settings);
    // The user's catalogue came through an update and is newer than the next release's.
    vantor::test::ExpectOk(tools::WriteDatabase(folder + "/Catalogues/380/Catalogue.vt4", {},
                                                tools::CatalogueContent("380", "20300101"), true));
    root.write("data/Vantor/Catalogues/999/Catalogue.vt4", "the user's own");

    TInstaller installer(locations, MakeRelease("r2", 1, 1, "20260101", "20260101"));
    EXPECT_EQ(installer.Install(folder, "ENG").Status, TInstallStatus::Upgraded);
    EXPECT_EQ(InstalledVersionOf(folder), Version(1, 1));
    EXPECT_EQ(root.read("data/Vantor/Vantor.ini"), settings);
    EXPECT_EQ(DatabaseDate(folder + "/Catalogues/380/Catalogue.vt4"), 20300101);
    EXPECT_EQ(DatabaseDate(folder + "/Data/Data.vt4"), 20260101);
    EXPECT_EQ(root.read("data/Vantor/Catalogues/999/Catalogue.vt4"), "the user's own");

    // Going back is refused and touches nothing.
    const auto before = Snapshot(root.path() + "data");
    TInstaller older(locations, MakeRelease("r0", 0, 9, "20240101", "20240101"));
    EXPECT_EQ(older.Install(folder, "ENG").Status, TInstallStatus::OlderRelease);
    EXPECT_EQ(Snapshot(root.path() + "data"), before);
}

TEST_F(InstallerTest, AFailureAnywhereInAnUpgradeLeavesEverythingAsItWas)
{
    ASSERT_TRUE(TInstaller(locations, MakeRelease("r1", 1, 0, "20250101", "20250101")).Install(folder, "ENG").Ok());
    const TRelease next = MakeRelease("r2", 1, 1, "20260101", "20260101");
    const auto data = Snapshot(locations.DataHome);
    const auto config = Snapshot(locations.ConfigHome);
    for (const auto step :
         {platform::TCopyStep::WriteFile, platform::TCopyStep::Backup, platform::TCopyStep::MoveIntoPlace}) {
        for (const int failAt : {1, 4, 9}) {
            TInstaller installer(locations, next);
            int seen = 0;
            installer.SetStepHook(
                [&](platform::TCopyStep AStep, const QString&) { return AStep != step || ++seen != failAt; });
            EXPECT_EQ(installer.Install(folder, "ENG").Status, TInstallStatus::CopyFailed);
            EXPECT_EQ(Snapshot(locations.DataHome), data) << int(step) << " at " << failAt;
            EXPECT_EQ(Snapshot(locations.ConfigHome), config) << int(step) << " at " << failAt;
        }
    }
}

TEST_F(InstallerTest, LinksInTheWayAreNeverFollowed)
{
    const QString outside = root.makeFolder("outside");
    root.write("outside/keep.txt", "outside");
    QDir().mkpath(folder);
    ASSERT_TRUE(QFile::link(outside, folder + "/Lang"));
    TInstaller installer(locations, MakeRelease("r1", 1, 0, "20250101", "20250101"));
    const TInstallResult refused = installer.Install(folder, "ENG");
    EXPECT_EQ(refused.Status, TInstallStatus::LinkInTheWay);
    EXPECT_EQ(refused.Detail, folder + "/Lang/Languages.xml");
    EXPECT_EQ(QDir(outside).entryList(QDir::Files), QStringList{"keep.txt"});

    // A record changed to point outside, or through a link, removes nothing there.
    QFile::remove(folder + "/Lang");
    ASSERT_TRUE(installer.Install(folder, "ENG").Ok());
    QDir(folder + "/Lang").removeRecursively();
    ASSERT_TRUE(QFile::link(outside, folder + "/Lang"));
    root.write("outside/Languages.xml", "outside");
    IniDocument record;
    ASSERT_TRUE(record.loadFile(locations.RecordFile()));
    record.writeString("ProgramFiles", "900", "../../outside/keep.txt");
    record.writeString("ProgramFiles", "901", outside + "keep.txt");
    ASSERT_TRUE(record.saveFile(locations.RecordFile()));
    EXPECT_TRUE(Uninstall(locations, true).Ok());
    EXPECT_EQ(root.read("outside/keep.txt"), "outside");
    EXPECT_EQ(root.read("outside/Languages.xml"), "outside");
}

TEST_F(InstallerTest, UninstallRemovesWhatItInstalledAndKeepsTheUsersFilesUnlessPurged)
{
    TInstaller installer(locations, MakeRelease("r1", 1, 0, "20250101", "20250101"));
    ASSERT_TRUE(installer.Install(folder, "ENG").Ok());
    EXPECT_EQ(Uninstall(locations, false).Status, TInstallStatus::Uninstalled);
    QStringList left = Snapshot(root.path() + "data").keys();
    EXPECT_EQ(left.join(' ').toStdString(),
              "Vantor/ Vantor/Catalogues/ Vantor/Catalogues/380/ Vantor/Catalogues/380/Catalogue.vt4 Vantor/Data/ "
              "Vantor/Data/Data.vt4 Vantor/Vantor.ini");
    EXPECT_FALSE(QFile::exists(locations.RecordFile()));
    EXPECT_EQ(Uninstall(locations, false).Status, TInstallStatus::NotInstalled);

    ASSERT_TRUE(installer.Install(folder, "ENG").Ok());
    EXPECT_EQ(Uninstall(locations, true).Status, TInstallStatus::Uninstalled);
    EXPECT_TRUE(Snapshot(root.path() + "data").isEmpty());
    EXPECT_TRUE(Snapshot(root.path() + "config").isEmpty());
}

TEST_F(InstallerTest, APurgeLeavesWhatTheInstallationNeverShipped)
{
    TInstaller installer(locations, MakeRelease("r1", 1, 0, "20250101", "20250101"));
    ASSERT_TRUE(installer.Install(folder, "ENG").Ok());
    root.write("data/Vantor/Data/Data.vt4", "updated since"); // a shipped file, replaced by an update
    root.write("data/Vantor/Data/notes.txt", "the user's");
    root.write("data/Vantor/Catalogues/826/Catalogue.vt4", "fetched later");
    EXPECT_EQ(Uninstall(locations, true).Status, TInstallStatus::Uninstalled);
    EXPECT_EQ(Snapshot(folder).keys().join(' ').toStdString(),
              "Catalogues/ Catalogues/826/ Catalogues/826/Catalogue.vt4 Data/ Data/notes.txt");
    EXPECT_FALSE(QFile::exists(locations.RecordFile()));
}

TEST_F(InstallerTest, AFolderOfOtherFilesIsRefusedUnlessForced)
{
    root.write("data/Vantor/report.txt", "someone else's");
    const auto before = Snapshot(root.path() + "data");
    TInstaller installer(locations, MakeRelease("r1", 1, 0, "20250101", "20250101"));
    const TInstallResult refused = installer.Install(folder, "ENG");
    EXPECT_EQ(refused.Status, TInstallStatus::NotVantorFolder);
    EXPECT_TRUE(OutcomeText(refused, 1).contains("--force"));
    EXPECT_EQ(Snapshot(root.path() + "data"), before);
    EXPECT_FALSE(QFile::exists(locations.RecordFile()));

    installer.SetForce(true);
    ASSERT_EQ(installer.Install(folder, "ENG").Status, TInstallStatus::Installed);
    EXPECT_EQ(root.read("data/Vantor/report.txt"), "someone else's");
    // A folder an uninstall left the settings in is still Vantor's.
    ASSERT_TRUE(Uninstall(locations, false).Ok());
    installer.SetForce(false);
    EXPECT_EQ(installer.Install(folder, "ENG").Status, TInstallStatus::Installed);
}

TEST_F(InstallerTest, AFolderNameWithAControlCharacterIsRefused)
{
    TInstaller installer(locations, MakeRelease("r1", 1, 0, "20250101", "20250101"));
    const QString injected = root.path() + "Vantor\nExec=/bin/evil";
    const TInstallResult refused = installer.Install(injected, "ENG");
    EXPECT_EQ(refused.Status, TInstallStatus::BadFolderName);
    EXPECT_FALSE(QFileInfo::exists(injected));
    EXPECT_FALSE(QFileInfo::exists(locations.DataHome));
    EXPECT_TRUE(OutcomeText(refused, 1).contains("Vantor\\nExec=/bin/evil")) << "shown, not obeyed";
}

TEST_F(InstallerTest, AFailedRemovalKeepsTheRecordListingWhatIsLeft)
{
    TInstaller installer(locations, MakeRelease("r1", 1, 0, "20250101", "20250101"));
    ASSERT_TRUE(installer.Install(folder, "ENG").Ok());
    // A folder where a file was: no one, root included, unlinks it as a file.
    const QString stuck = folder + "/Lang/Languages.xml";
    ASSERT_TRUE(QFile::remove(stuck));
    root.write("data/Vantor/Lang/Languages.xml/inside", "x");

    for (int attempt = 0; attempt < 2; ++attempt) {
        const TInstallResult result = Uninstall(locations, false);
        EXPECT_EQ(result.Status, TInstallStatus::RemoveFailed);
        EXPECT_EQ(result.Detail, stuck);
        TInstallRecord record;
        ASSERT_TRUE(ReadInstallRecord(locations.RecordFile(), record)) << "the record stays";
        EXPECT_EQ(record.ProgramFiles, QStringList{"Lang/Languages.xml"});
        EXPECT_TRUE(record.DesktopFiles.isEmpty()) << "the menu entry is gone";
    }
    ASSERT_TRUE(QDir(stuck).removeRecursively());
    EXPECT_EQ(Uninstall(locations, false).Status, TInstallStatus::Uninstalled);
    EXPECT_FALSE(QFile::exists(locations.RecordFile()));
}

TEST(SetupArguments, TheHandOffsAndTheUsersOptionsParseAndMistakesAreRefused)
{
    const auto parsed = ParseSetupArguments({"/LANG=GER", "/DIR=\"/home/u/Vantor\"", "--quiet"});
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->LanguageId, "GER");
    EXPECT_EQ(parsed->HandOffFolder, "/home/u/Vantor");
    EXPECT_TRUE(parsed->Quiet);
    const auto uninstall = ParseSetupArguments({"--uninstall", "--purge", "--folder", "/x"});
    ASSERT_TRUE(uninstall);
    EXPECT_TRUE(uninstall->Uninstall && uninstall->Purge);
    EXPECT_EQ(uninstall->Folder, "/x");
    EXPECT_TRUE(ParseSetupArguments({"--force", "--folder", "/x"})->Force);
    for (const QStringList& wrong :
         {QStringList{"--purge"}, {"--folder"}, {"/LANG="}, {"/DIR="}, {"--help-me"}, {"--uninstall", "--force"}})
        EXPECT_FALSE(ParseSetupArguments(wrong)) << wrong.join(' ').toStdString();
}

} // namespace
} // namespace vantor::test
