#include "update/dlgDownloader.h"

#include "common/FileHelpers.h"
#include "common/WindowPlacement.h"
#include "i18n/MessageDialogs.h"
#include "i18n/uLanguages.h"
#include "update/HttpOptions.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <exception>
#include <limits>
#include <memory>

namespace vantor {

namespace {

constexpr int ClientWidth = 353;
constexpr int ClientHeight = 132;

// The skins select on this property; the skinned control library itself is
// not needed for three plain widgets.
void SetSection(QWidget* AWidget, const char* ASection)
{
    AWidget->setProperty("skinSection", QString::fromLatin1(ASection));
}

} // namespace

TFrmDownloader::TFrmDownloader(QWidget* AOwner) : QDialog(AOwner)
{
    setObjectName(QStringLiteral("FrmDownloader"));
    BuildControls();
    FormCreate();
}

TFrmDownloader::~TFrmDownloader()
{
    FormClose();
}

void TFrmDownloader::BuildControls()
{
    SetSection(this, "FORM");
    // No close button: Cancel is the one way to stop, and the work closes the dialog.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(ClientWidth, ClientHeight);

    sBevel1 = new QFrame(this);
    sBevel1->setObjectName(QStringLiteral("sBevel1"));
    sBevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    sBevel1->setGeometry(8, 8, 337, 73);

    lblDownload = new QLabel(this);
    lblDownload->setObjectName(QStringLiteral("lblDownload"));
    lblDownload->setGeometry(20, 24, 313, lblDownload->fontMetrics().height());

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    SetSection(ProgressBar, "GAUGE");
    ProgressBar->setGeometry(20, 44, 313, 17);
    ProgressBar->setTextVisible(false);
    ProgressBar->setRange(0, 100);
    ProgressBar->setValue(0);

    btnCancel = new QPushButton(this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    SetSection(btnCancel, "BUTTON");
    btnCancel->setGeometry(139, 96, 75, 25);
    // The button keeps its size; the skins' wide side padding would clip
    // longer captions such as "Abbrechen".
    btnCancel->setStyleSheet(QStringLiteral("padding-left: 2px; padding-right: 2px;"));
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
}

void TFrmDownloader::FormCreate()
{
    setWindowTitle(GetText(QStringLiteral("IDS_CONTAINER_12")));
    lblDownload->setText(QString());
    btnCancel->setText(GetText(QStringLiteral("IDS_COMMON_21")));
    // Looked up once: the language cannot change while the dialog is up.
    progressFormat_ = GetText(QStringLiteral("IDS_CONTAINER_13"));
    HttpClient.OnWork = [this](std::int64_t ACount) { HttpClientWork(ACount); };
}

void TFrmDownloader::showEvent(QShowEvent* AEvent)
{
    QDialog::showEvent(AEvent);
    // The work begins once the shown dialog has painted and become idle.
    if (!started_) {
        started_ = true;
        QTimer::singleShot(0, this, [this] { MyIdleHandler(); });
    }
}

void TFrmDownloader::MyIdleHandler()
{
    DownloadAll();
}

void TFrmDownloader::reject()
{
    // Escape or the window manager's close: the same as Cancel.
    if (working_)
        btnCancelClick();
}

void TFrmDownloader::done(int AResult)
{
    if (working_) {
        btnCancelClick();
        return;
    }
    FormClose();
    QDialog::done(AResult);
}

void TFrmDownloader::DownloadAll()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    busyCursor_ = true;
    working_ = true;
    DownloadCanceled = false;
    DoneWorkCount = 0;
    try {
        TotalWorkCount = GetTotalSize();
        if (TotalWorkCount <= 0) {
            ExitValue = ExitFailed;
        } else {
            scale_ = ProgressScale(TotalWorkCount);
            ProgressBar->setRange(0, scale_.Maximum());
            SetHttpClientOptions(HttpClient);
            for (qsizetype i = 0; i < RemoteFileList.size(); ++i) {
                const QString local = LocalFileList.value(i);
                QDir().mkpath(QFileInfo(local).absolutePath());
                if (!DownloadOne(RemoteFileList[i], local))
                    break;
            }
        }
    } catch (const std::exception&) {
        ExitValue = ExitFailed;
    }
    working_ = false;
    done(ExitValue);
}

std::int64_t TFrmDownloader::GetTotalSize()
{
    // Summed in 64 bits, so that more than 2 GiB in all still counts.
    std::int64_t total = 0;
    try {
        for (const QString& url : RemoteFileList) {
            const std::int64_t length = HttpClient.Head(url);
            if (length > 0 && total > std::numeric_limits<std::int64_t>::max() - length)
                total = std::numeric_limits<std::int64_t>::max();
            else
                total += length;
        }
    } catch (const std::exception&) {
        return 0;
    }
    return total;
}

bool TFrmDownloader::DownloadOne(const QString& AUrl, const QString& ALocalFile)
{
    LastWorkCount = 0;
    QFile file(ALocalFile);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        ExitValue = ExitFailed;
        return false;
    }
    // A stalled server must not freeze the dialog: Cancel keeps working.
    HttpClient.OnIdle = [] { QCoreApplication::processEvents(); };
    try {
        HttpClient.Get(AUrl, file);
        HttpClient.OnIdle = nullptr;
    } catch (const std::exception&) {
        HttpClient.OnIdle = nullptr;
        // A failed transfer leaves no half file behind.
        file.close();
        file.remove();
        ExitValue = ExitFailed;
        return false;
    }
    file.close();
    if (DownloadCanceled) {
        ExitValue = ExitCanceled;
        return false;
    }
    if (FileSizeOf(ALocalFile) > 0) {
        ExitValue = ExitSuccess;
        return true;
    }
    ExitValue = ExitFailed;
    return false;
}

void TFrmDownloader::HttpClientWork(std::int64_t AWorkCount)
{
    DoneWorkCount += AWorkCount - LastWorkCount;
    LastWorkCount = AWorkCount;
    ProgressBar->setValue(scale_.Position(DoneWorkCount));
    lblDownload->setText(FormatDownloadProgress(progressFormat_, DoneWorkCount, TotalWorkCount));
    // Keeps the dialog painted and lets the Cancel button act.
    QCoreApplication::processEvents();
}

void TFrmDownloader::btnCancelClick()
{
    DownloadCanceled = true;
    ExitValue = ExitCanceled;
    HttpClient.Disconnect();
}

void TFrmDownloader::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    if (busyCursor_) {
        QApplication::restoreOverrideCursor();
        busyCursor_ = false;
    }
}

bool RunDownloader(const QStringList& ARemoteFiles, const QStringList& ALocalFiles, QWidget* AOwner)
{
    int exitValue = TFrmDownloader::ExitNone;
    try {
        auto dialog = std::make_unique<TFrmDownloader>(AOwner);
        dialog->RemoteFileList.append(ARemoteFiles);
        dialog->LocalFileList.append(ALocalFiles);
        if (AOwner != nullptr)
            CenterFormOnForm(AOwner, dialog.get());
        dialog->exec();
        exitValue = dialog->ExitValue;
    } catch (const std::exception&) {
        ShowErrorMessage(QString(), QStringLiteral("IDS_CONTAINER_21"), true);
        return false;
    }
    switch (exitValue) {
    case TFrmDownloader::ExitSuccess:
        return true;
    case TFrmDownloader::ExitCanceled:
        ShowInfoMessage(QString(), QStringLiteral("IDS_CONTAINER_22"), true);
        return false;
    case TFrmDownloader::ExitFailed:
        ShowErrorMessage(QString(), QStringLiteral("IDS_CONTAINER_21"), true);
        return false;
    default:
        return false;
    }
}

} // namespace vantor
