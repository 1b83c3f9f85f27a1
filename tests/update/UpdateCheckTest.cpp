// The whole check against a real loopback server: silence, the question, the
// downloads, the hand-off and the messages of each outcome.
#include "update/UpdateCheck.h"

#include "common/FileHelpers.h"
#include "common/uGlobals.h"
#include "i18n/uLanguages.h"
#include "testlib/RecordingPresenter.h"
#include "testlib/ScopedEnv.h"
#include "testlib/TempFolder.h"
#include "testlib/http/HttpTestServer.h"
#include "update/HttpClient.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QWidget>

#include <gtest/gtest.h>

namespace vantor {
namespace {

constexpr char ManifestPath[] = "/Updates/Vantorix/7/VersionControl.txt";

QByteArray Manifest(const QByteArray& catalogueVersion, const QByteArray& programVersion = "2.1.0.9")
{
    return "[MAIN]\r\nProgramVersion=" + programVersion
           + "\r\nProgramLink_NoAdmin=/Program/Setup.Z\r\n"
             "CataloguesLink=/Catalogues/%s/Catalogue.Z\r\n"
             "PricelistsLink=/Catalogues/%s/Pricelist.Z\r\n"
             "[CATALOGUES_LIST]\r\n1=380\r\n"
             "[380]\r\nCatalogueVersion="
           + catalogueVersion + "\r\nPricelistVersion=20240101\r\n";
}

class UpdateCheck : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadTranslations(QStringLiteral(VANTOR_SOURCE_DIR "/demo/Lang/Languages.xml"));
        GlobalSetupData.LanguageId = "ENG";
        GlobalSetupData.RootPath = folder.makeFolder("root") + "/";
        CataloguesFolder = GlobalSetupData.RootPath + "Catalogues/";
        installed.Product = StrToInfoVersion("2.1.0.3");
        installed.Catalogues = {{"380", "20240101", "20240101"}};
        SetDefaultHttpTimeouts({2, 2});
        window.show();
    }
    void TearDown() override
    {
        SetDefaultHttpTimeouts(saved);
        GlobalSetupData = TGlobalSetupData();
        CataloguesFolder.clear();
    }

    // Links in the manifest are absolute: the server's address goes in front.
    void ServeManifest(const QByteArray& text)
    {
        QByteArray body = text;
        body.replace("=/", "=" + server.Url("/").toUtf8());
        server.Route(ManifestPath, test::HttpRoute::Ok(body));
    }
    void Check(const QString& host = {})
    {
        CheckForUpdates(&window, host.isEmpty() ? QStringLiteral("127.0.0.1:%1").arg(server.Port()) : host, 7,
                        installed, {});
    }
    QStringList StagedFiles() const
    {
        QStringList files;
        QDirIterator it(folder.path() + "Vantor", QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next().mid(folder.path().size()));
        return files;
    }
    QByteArray PackageOf(const QString& name, const QByteArray& content)
    {
        test::TempFolder sources;
        sources.write(name, content);
        const QString package = sources.path() + "p.Z";
        QProcess pack;
        pack.start(VANTOR_PACK, {"create", package, "--root", sources.path(), sources.path() + name});
        pack.waitForFinished(30000);
        QFile file(package);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    test::TempFolder folder;
    test::ScopedEnv tmp{"TMPDIR", folder.path()};
    test::ScopedEnv recordFile{"VANTOR_RECORD_FILE", folder.path() + "record.txt"};
    test::RecordingPresenter presenter;
    test::HttpTestServer server;
    TInstalledVersion installed;
    HttpTimeouts saved = DefaultHttpTimeouts();
    QWidget window;
};

TEST_F(UpdateCheck, ADeadServerIsSilent)
{
    int closedPort = 0;
    {
        test::HttpTestServer gone;
        closedPort = gone.Port();
    }
    Check(QStringLiteral("127.0.0.1:%1").arg(closedPort));
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(StagedFiles().isEmpty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(UpdateCheck, AStallingServerEndsInSilenceAfterTheTimeOut)
{
    test::HttpRoute stall = test::HttpRoute::Ok(Manifest("20250101"));
    stall.StallSeconds = 30;
    server.Route(ManifestPath, stall);
    QElapsedTimer timer;
    timer.start();
    Check();
    server.ReleaseWaits();
    EXPECT_LT(timer.elapsed(), 20000);
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(StagedFiles().isEmpty());
}

TEST_F(UpdateCheck, NothingNewerAsksNothingAndLeavesNoFiles)
{
    ServeManifest(Manifest("20240101", "2.1.0.7"));
    Check();
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(StagedFiles().isEmpty());
    EXPECT_EQ(server.CountRequests("GET", ManifestPath), 1);
}

TEST_F(UpdateCheck, NoMeansNoDownloadAndTheSameQuestionNextTime)
{
    ServeManifest(Manifest("20250101"));
    presenter.answers = {mrNo, mrNo};
    Check();
    Check();
    ASSERT_EQ(presenter.shown.size(), 2);
    EXPECT_EQ(presenter.shown[0].Title, GetText("IDS_COMMON_52"));
    EXPECT_EQ(presenter.shown[0].Text, GetText("IDS_CONTAINER_14") + "\r\n");
    EXPECT_EQ(presenter.shown[0].Buttons, mbYes | mbNo);
    EXPECT_EQ(server.CountRequests("GET", "/Catalogues/380/Catalogue.Z"), 0);
    EXPECT_EQ(server.CountRequests("HEAD", "/Catalogues/380/Catalogue.Z"), 0);
}

TEST_F(UpdateCheck, ACorruptPackageShowsTheFailureAndRemovesTheStagingFolder)
{
    ServeManifest(Manifest("20250101"));
    QByteArray corrupt = PackageOf("Catalogue.vt4", QByteArray(4096, 'c'));
    ASSERT_GT(corrupt.size(), 40);
    corrupt[30] = static_cast<char>(corrupt[30] ^ 0x5A);
    server.Route("/Catalogues/380/Catalogue.Z", test::HttpRoute::Ok(corrupt));
    presenter.answers = {mrYes};
    Check();
    ASSERT_EQ(presenter.shown.size(), 2);
    EXPECT_EQ(presenter.shown[1].Text, GetText("IDS_UPDATER_03"));
    EXPECT_EQ(presenter.shown[1].Kind, TMsgDlgType::mtError);
    EXPECT_FALSE(QFileInfo::exists(folder.path() + "Vantor"));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(UpdateCheck, AFailedDownloadIsReportedOnceByTheDownloader)
{
    ServeManifest(Manifest("20250101"));
    server.Route("/Catalogues/380/Catalogue.Z", test::HttpRoute::WithStatus(404));
    presenter.answers = {mrYes};
    Check();
    ASSERT_EQ(presenter.shown.size(), 2);
    EXPECT_EQ(presenter.shown[1].Text, GetText("IDS_CONTAINER_21"));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(UpdateCheck, YesDownloadsUnpacksStartsTheUpdaterAndClosesTheWindow)
{
    const QString updater = GlobalSetupData.RootPath + "Updater";
    ASSERT_TRUE(QFile::copy(VANTOR_RECORD_ARGUMENTS, updater));
    ServeManifest(Manifest("20250101"));
    server.Route("/Catalogues/380/Catalogue.Z", test::HttpRoute::Ok(PackageOf("Catalogue.vt4", "new catalogue")));
    presenter.answers = {mrYes};
    Check();
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(folder.read("Vantor/Catalogues/380/Catalogue.vt4"), "new catalogue");
    EXPECT_FALSE(window.isVisible());
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo::exists(folder.path() + "record.txt") && timer.elapsed() < 10000)
        QThread::msleep(20);
    EXPECT_TRUE(folder.read("record.txt").startsWith((updater + "\n/SP=" + folder.path() + "Vantor/\n").toUtf8()));
    // The pricelist offered is the one installed.
    EXPECT_EQ(server.CountRequests("GET", "/Catalogues/380/Pricelist.Z"), 0);
}

TEST_F(UpdateCheck, ANewerProgramIsFetchedAloneAndItsInstallerStarted)
{
    ServeManifest(Manifest("20250101", "2.2"));
    server.Route("/Program/Setup.Z", test::HttpRoute::Ok(PackageOf("setup", "not a program")));
    presenter.answers = {mrYes};
    Check();
    EXPECT_EQ(server.CountRequests("GET", "/Program/Setup.Z"), 1);
    EXPECT_EQ(server.CountRequests("GET", "/Catalogues/380/Catalogue.Z"), 0);
    // The "installer" is no program: starting it fails, which is the check's failure.
    ASSERT_EQ(presenter.shown.size(), 2);
    EXPECT_EQ(presenter.shown[1].Text, GetText("IDS_UPDATER_03"));
}

} // namespace
} // namespace vantor
