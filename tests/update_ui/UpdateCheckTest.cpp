// The whole check against a real loopback server: silence, the question, the
// downloads, the hand-off and the messages of each outcome.
#include "UpdateCheckFixture.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace vantor {
namespace {

QByteArray Manifest(const QByteArray& catalogueVersion, const QByteArray& programVersion = "2.1.0.9")
{
    return "[MAIN]\r\nProgramVersion=" + programVersion +
           "\r\nProgramLink_NoAdmin=/Program/Setup.Z\r\n"
           "CataloguesLink=/Catalogues/%s/Catalogue.Z\r\n"
           "PricelistsLink=/Catalogues/%s/Pricelist.Z\r\n"
           "[CATALOGUES_LIST]\r\n1=380\r\n"
           "[380]\r\nCatalogueVersion=" +
           catalogueVersion + "\r\nPricelistVersion=20240101\r\n";
}

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

TEST_F(UpdateCheck, ATricklingManifestEndsAtTheDeadlineAndAnEndlessOneIsNotRead)
{
    SetDefaultHttpTimeouts({2, 2, 3});
    test::HttpRoute trickle = test::HttpRoute::Ok(Manifest("20250101"));
    trickle.TrickleMilliseconds = 500;
    test::HttpRoute endless;
    endless.Endless = true;
    for (const auto& [name, route] : {std::pair{"trickle", trickle}, std::pair{"endless", endless}}) {
        SCOPED_TRACE(name);
        server.Route(ManifestPath, route);
        QElapsedTimer timer;
        timer.start();
        Check();
        EXPECT_LT(timer.elapsed(), 6000);
        EXPECT_TRUE(presenter.shown.isEmpty());
        EXPECT_TRUE(StagedFiles().isEmpty());
        EXPECT_TRUE(window.isVisible());
    }
    server.ReleaseWaits();
}

// A bad hotel network: the window keeps painting while the manifest trickles
// in, takes no other action, and closing it ends the check at once.
TEST_F(UpdateCheck, WhileTheManifestTricklesTheWindowPaintsAndACloseEndsTheCheck)
{
    SetDefaultHttpTimeouts({5, 5, 15});
    test::HttpRoute trickle = test::HttpRoute::Ok(Manifest("20250101"));
    trickle.TrickleMilliseconds = 400;
    server.Route(ManifestPath, trickle);
    int ticks = 0;
    QTimer painter; // stands for the window's own timers and repaints
    QObject::connect(&painter, &QTimer::timeout, [&ticks] { ++ticks; });
    painter.start(50);
    int clicks = 0;
    QPushButton button(&window);
    button.show();
    QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
    QTimer::singleShot(500, [&] {
        QTest::mouseClick(&button, Qt::LeftButton);
        window.close();
    });

    QElapsedTimer timer;
    timer.start();
    Check();
    EXPECT_LT(timer.elapsed(), 2500) << "the close ended the check";
    EXPECT_GE(ticks, 5) << "events other than input kept flowing";
    EXPECT_EQ(clicks, 0) << "no other action ran meanwhile";
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_TRUE(StagedFiles().isEmpty());
    server.ReleaseWaits();
}

TEST_F(UpdateCheck, ADatabaseCutShortOfItsLengthIsAFailedDownloadAndNothingIsHandedOver)
{
    installed.DbDevices = StrToInfoVersion("2024.1.1.0");
    ServeManifest("[MAIN]\r\nDevicesVersion=2030.1.1.0\r\nDevicesLink=/Data/Devices.vt4\r\n");
    test::HttpRoute cut = test::HttpRoute::Ok(QByteArray(100000, 'd'));
    cut.MissingBytes = 200000;
    server.Route("/Data/Devices.vt4", cut);
    ASSERT_TRUE(QFile::copy(VANTOR_RECORD_ARGUMENTS, GlobalSetupData.RootPath + "Updater"));
    presenter.answers = {mrYes};
    Check();
    ASSERT_EQ(presenter.shown.size(), 2);
    EXPECT_EQ(presenter.shown[1].Text, GetText("IDS_CONTAINER_21"));
    EXPECT_TRUE(StagedFiles().isEmpty());
    EXPECT_TRUE(window.isVisible());
    QThread::msleep(300);
    EXPECT_FALSE(QFileInfo::exists(folder.path() + "record.txt"));
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
    EXPECT_FALSE(QFileInfo::exists(folder.path() + "Vantor/Staging"));
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
    EXPECT_EQ(folder.read("Vantor/Staging/Catalogues/380/Catalogue.vt4"), "new catalogue");
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(WaitForRecord().startsWith((updater + "\n/SP=" + folder.path() + "Vantor/Staging/\n").toUtf8()));
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
