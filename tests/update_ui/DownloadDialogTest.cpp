#include "common/uGlobals.h"
#include "i18n/uLanguages.h"
#include "testlib/AccessibleControls.h"
#include "testlib/RecordingPresenter.h"
#include "testlib/TempFolder.h"
#include "testlib/http/HttpTestServer.h"
#include "update_ui/dlgDownloader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vantor::test {
namespace {

QByteArray Pattern(int ASize, char AFirst)
{
    QByteArray bytes(ASize, '\0');
    for (int i = 0; i < ASize; ++i)
        bytes[i] = static_cast<char>(AFirst + i % 19);
    return bytes;
}

// Hands every download dialog to AOnShown as it is shown.
class DownloaderProbe : public QObject {
public:
    explicit DownloaderProbe(std::function<void(TFrmDownloader*)> AOnShown) : onShown_(std::move(AOnShown))
    {
        qApp->installEventFilter(this);
    }
    ~DownloaderProbe() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* AWatched, QEvent* AEvent) override
    {
        if (AEvent->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<TFrmDownloader*>(AWatched))
                onShown_(dialog);
        }
        return false;
    }

private:
    std::function<void(TFrmDownloader*)> onShown_;
};

class DownloadDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedLanguage = GlobalSetupData.LanguageId;
        ASSERT_TRUE(LoadTranslations(QStringLiteral(VANTOR_SOURCE_DIR "/demo/Lang/Languages.xml")));
        GlobalSetupData.LanguageId = QStringLiteral("ENG");
        SetTextLanguage(GlobalSetupData.LanguageId);
    }
    void TearDown() override
    {
        GlobalSetupData.LanguageId = savedLanguage;
        SetTextLanguage(GlobalSetupData.LanguageId);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    void ExpectOneBox(TMsgDlgType AKind, const char* ATitleId, const char* ATextId)
    {
        ASSERT_EQ(presenter.shown.size(), 1);
        EXPECT_EQ(presenter.shown[0].Kind, AKind);
        EXPECT_EQ(presenter.shown[0].Title, GetText(ATitleId));
        EXPECT_EQ(presenter.shown[0].Text, GetText(ATextId));
        EXPECT_FALSE(presenter.shown[0].Text.isEmpty());
        EXPECT_EQ(presenter.beeps, 1);
    }

    QString savedLanguage;
    RecordingPresenter presenter;
    HttpTestServer server;
    TempFolder folder;
};

TEST_F(DownloadDialogTest, EmptyListFailsWithTheErrorBox)
{
    EXPECT_FALSE(RunDownloader({}, {}));
    ExpectOneBox(TMsgDlgType::mtError, "IDS_COMMON_51", "IDS_CONTAINER_21");
    EXPECT_TRUE(server.Requests().isEmpty());
}

TEST_F(DownloadDialogTest, OneFailingSizeQueryFetchesNothing)
{
    server.Route("/a", HttpRoute::Ok("first"));
    server.Route("/b", HttpRoute::WithStatus(404));
    server.Route("/c", HttpRoute::Ok("third"));
    const QStringList local = {folder.path() + "a", folder.path() + "b", folder.path() + "c"};

    EXPECT_FALSE(RunDownloader({server.Url("/a"), server.Url("/b"), server.Url("/c")}, local));
    ExpectOneBox(TMsgDlgType::mtError, "IDS_COMMON_51", "IDS_CONTAINER_21");
    for (const RecordedRequest& request : server.Requests())
        EXPECT_EQ(request.Method, "HEAD") << request.Path.toStdString();
    for (const QString& file : local)
        EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(DownloadDialogTest, FilesArriveInTheirFoldersAndOnlyGetsCarryTheOptions)
{
    server.Route("/Data/Data.Z", HttpRoute::Ok(Pattern(70000, 'a')));
    server.Route("/Catalogues/380.Z", HttpRoute::Ok(Pattern(5000, 'k')));
    const QStringList remote = {server.Url("/Data/Data.Z"), server.Url("/Catalogues/380.Z")};
    const QStringList local = {folder.path() + "Data/Data.Z", folder.path() + "Catalogues/380/380.Z"};

    EXPECT_TRUE(RunDownloader(remote, local));
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_EQ(folder.read("Data/Data.Z"), Pattern(70000, 'a'));
    EXPECT_EQ(folder.read("Catalogues/380/380.Z"), Pattern(5000, 'k'));

    const QList<RecordedRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 4);
    QStringList order;
    for (const RecordedRequest& request : requests) {
        order << request.Method + ' ' + request.Path;
        SCOPED_TRACE(order.last().toStdString());
        EXPECT_EQ(request.Header("Accept"), "text/html, */*");
        if (request.Method == "HEAD") {
            EXPECT_FALSE(request.HasHeader("Referer"));
            EXPECT_FALSE(request.HasHeader("Cache-Control"));
            EXPECT_NE(request.Header("User-Agent"), "Mozilla/4.0");
        } else {
            EXPECT_EQ(request.Header("User-Agent"), "Mozilla/4.0");
            EXPECT_EQ(request.Header("Connection"), "Keep-Alive");
            EXPECT_EQ(request.Header("Proxy-Connection"), "Keep-Alive");
            EXPECT_EQ(request.Header("Cache-Control"), "no-cache");
            EXPECT_FALSE(request.Header("Referer").isEmpty());
        }
    }
    EXPECT_EQ(order, QStringList(
                         {"HEAD /Data/Data.Z", "HEAD /Catalogues/380.Z", "GET /Data/Data.Z", "GET /Catalogues/380.Z"}));
}

TEST_F(DownloadDialogTest, CancelDuringTheSecondFileKeepsTheFirstAndSkipsTheThird)
{
    server.Route("/1", HttpRoute::Ok(Pattern(64000, 'a')));
    HttpRoute second = HttpRoute::Ok(Pattern(64000, 'k'));
    second.PauseAfterBytes = 1000;
    second.PauseSeconds = 20;
    server.Route("/2", second);
    server.Route("/3", HttpRoute::Ok(Pattern(64000, 'u')));
    const QStringList local = {folder.path() + "1", folder.path() + "2", folder.path() + "3"};

    // Cancel is pressed from inside the progress event, as the dialog's
    // message processing would deliver the click.
    bool pressed = false;
    DownloaderProbe probe([&](TFrmDownloader* ADialog) {
        QObject::connect(ADialog->findChild<QProgressBar*>("ProgressBar"), &QProgressBar::valueChanged, ADialog,
                         [&, ADialog] {
                             if (!pressed && QFileInfo(local[1]).size() > 0) {
                                 pressed = true;
                                 ADialog->findChild<QPushButton*>("btnCancel")->click();
                             }
                         });
    });
    QElapsedTimer timer;
    timer.start();
    const bool result = RunDownloader({server.Url("/1"), server.Url("/2"), server.Url("/3")}, local);

    EXPECT_FALSE(result);
    EXPECT_TRUE(pressed);
    EXPECT_LT(timer.elapsed(), 10000);
    ExpectOneBox(TMsgDlgType::mtInformation, "IDS_COMMON_49", "IDS_CONTAINER_22");
    EXPECT_EQ(folder.read("1"), Pattern(64000, 'a'));
    EXPECT_EQ(folder.read("2"), Pattern(1000, 'k'));
    EXPECT_FALSE(QFileInfo::exists(local[2]));
    EXPECT_EQ(server.CountRequests("GET", "/3"), 0);
}

TEST_F(DownloadDialogTest, CancelWorksWhileTheServerSendsNothing)
{
    HttpRoute stalling = HttpRoute::Ok(Pattern(5000, 'k'));
    stalling.PauseAfterBytes = 10;
    stalling.PauseSeconds = 20;
    server.Route("/1", stalling);

    // The click comes through the event queue, as a user's would: only a
    // dialog that processes events during the stall receives it.
    DownloaderProbe probe([](TFrmDownloader* ADialog) {
        QTimer::singleShot(1500, ADialog, [ADialog] { ADialog->findChild<QPushButton*>("btnCancel")->click(); });
    });
    QElapsedTimer timer;
    timer.start();
    const bool result = RunDownloader({server.Url("/1")}, {folder.path() + "1"});
    server.ReleaseWaits();

    EXPECT_FALSE(result);
    EXPECT_LT(timer.elapsed(), 10000);
    ExpectOneBox(TMsgDlgType::mtInformation, "IDS_COMMON_49", "IDS_CONTAINER_22");
    EXPECT_EQ(folder.read("1"), Pattern(10, 'k'));
}

TEST_F(DownloadDialogTest, ShowsTheKilobytesOfAllFilesAndFillsTheBar)
{
    server.Route("/a", HttpRoute::Ok(Pattern(1000000, 'a')));
    server.Route("/b", HttpRoute::Ok(Pattern(2500000, 'b')));

    QString text, unannounced = "not checked";
    int value = 0, maximum = 0;
    // What a screen reader finds, and what the dialog shows as it closes.
    DownloaderProbe probe([&](TFrmDownloader* ADialog) {
        unannounced = UnannouncedControls(ADialog).join(", ");
        QObject::connect(ADialog, &QDialog::finished, ADialog, [&, ADialog] {
            text = ADialog->findChild<QLabel*>("lblDownload")->text();
            value = ADialog->findChild<QProgressBar*>("ProgressBar")->value();
            maximum = ADialog->findChild<QProgressBar*>("ProgressBar")->maximum();
        });
    });
    EXPECT_TRUE(RunDownloader({server.Url("/a"), server.Url("/b")}, {folder.path() + "a", folder.path() + "b"}));
    EXPECT_EQ(text, "Downloaded 3417 KB of 3417 KB");
    EXPECT_EQ(unannounced.toStdString(), "");
    EXPECT_EQ(maximum, 3500000);
    EXPECT_EQ(value, 3500000);
}

TEST_F(DownloadDialogTest, CancelAnswersDuringASlowSizeQuery)
{
    HttpRoute slow = HttpRoute::Ok("late");
    slow.StallSeconds = 20;
    server.Route("/slow", slow);

    DownloaderProbe probe([](TFrmDownloader* ADialog) {
        QTimer::singleShot(1500, ADialog, [ADialog] { ADialog->findChild<QPushButton*>("btnCancel")->click(); });
    });
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(RunDownloader({server.Url("/slow")}, {folder.path() + "slow"}));
    server.ReleaseWaits();
    EXPECT_LT(timer.elapsed(), 10000);
    ExpectOneBox(TMsgDlgType::mtInformation, "IDS_COMMON_49", "IDS_CONTAINER_22");
    EXPECT_EQ(server.CountRequests("GET", "/slow"), 0);
}

TEST_F(DownloadDialogTest, EmptyBodyFailsAndKeepsTheEmptyFile)
{
    server.Route("/empty", HttpRoute::Ok({}));
    server.Route("/file", HttpRoute::Ok("content"));
    const QStringList local = {folder.path() + "empty", folder.path() + "file"};

    EXPECT_FALSE(RunDownloader({server.Url("/empty"), server.Url("/file")}, local));
    ExpectOneBox(TMsgDlgType::mtError, "IDS_COMMON_51", "IDS_CONTAINER_21");
    EXPECT_TRUE(QFileInfo::exists(local[0]));
    EXPECT_EQ(server.CountRequests("GET", "/file"), 0);
}

} // namespace
} // namespace vantor::test
