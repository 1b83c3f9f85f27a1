#include "update_ui/dlgDownloader.h"

#include "i18n/uLanguages.h"
#include "widgets/MessageDialogs.h"
#include "widgets/ModalRun.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <exception>
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

TFrmDownloader::TFrmDownloader(const QStringList& ARemoteFiles, const QStringList& ALocalFiles,
                               std::optional<TListedFiles> AListed, QWidget* AOwner)
    : QDialog(AOwner), session_(ARemoteFiles, ALocalFiles, std::move(AListed))
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
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(ClientWidth, ClientHeight);

    sBevel1_ = new QFrame(this);
    sBevel1_->setObjectName(QStringLiteral("sBevel1"));
    sBevel1_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    sBevel1_->setGeometry(8, 8, 337, 73);

    lblDownload_ = new QLabel(this);
    lblDownload_->setObjectName(QStringLiteral("lblDownload"));
    lblDownload_->setGeometry(20, 24, 313, lblDownload_->fontMetrics().height());

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName(QStringLiteral("ProgressBar"));
    SetSection(progressBar_, "GAUGE");
    progressBar_->setGeometry(20, 44, 313, 17);
    progressBar_->setTextVisible(false);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);

    btnCancel_ = new QPushButton(this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    SetSection(btnCancel_, "BUTTON");
    btnCancel_->setGeometry(139, 96, 75, 25);
    // The button keeps its size; the skins' wide side padding would clip
    // longer captions such as "Abbrechen".
    btnCancel_->setStyleSheet(QStringLiteral("padding-left: 2px; padding-right: 2px;"));
    connect(btnCancel_, &QPushButton::clicked, this, [this] { btnCancelClick(); });
}

void TFrmDownloader::FormCreate()
{
    setWindowTitle(GetText(QStringLiteral("IDS_CONTAINER_12")));
    lblDownload_->setText(QString());
    btnCancel_->setText(GetText(QStringLiteral("IDS_COMMON_21")));
    // Looked up once: the language cannot change while the dialog is up.
    progressFormat_ = GetText(QStringLiteral("IDS_CONTAINER_13"));
    session_.OnTotal = [this](std::int64_t ATotal) {
        scale_ = ProgressScale(ATotal);
        progressBar_->setRange(0, scale_.Maximum());
    };
    session_.OnProgress = [this](std::int64_t ADone, std::int64_t ATotal) { HttpClientWork(ADone, ATotal); };
    // A slow or stalled server must not freeze the dialog: Cancel keeps working.
    session_.OnIdle = [] { QCoreApplication::processEvents(); };
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
    busyCursor_.emplace();
    working_ = true;
    session_.DownloadAll();
    working_ = false;
    done(session_.ExitValue());
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

void TFrmDownloader::HttpClientWork(std::int64_t ADone, std::int64_t ATotal)
{
    progressBar_->setValue(scale_.Position(ADone));
    lblDownload_->setText(FormatDownloadProgress(progressFormat_, ADone, ATotal));
    // Keeps the dialog painted and lets the Cancel button act.
    QCoreApplication::processEvents();
}

void TFrmDownloader::btnCancelClick()
{
    session_.Cancel();
}

void TFrmDownloader::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    busyCursor_.reset();
}

bool RunDownloader(const QStringList& ARemoteFiles, const QStringList& ALocalFiles, QWidget* AOwner,
                   std::optional<TListedFiles> AListed)
{
    int exitValue = TDownloadSession::ExitNone;
    try {
        RunModal(new TFrmDownloader(ARemoteFiles, ALocalFiles, std::move(AListed), AOwner),
                 [&exitValue](TFrmDownloader& dialog, int) { exitValue = dialog.ExitValue(); });
    } catch (const std::exception&) {
        // Qt or the standard library failed to make the dialog (no memory,
        // no thread): as a failed download.
        ShowErrorMessage(QString(), QStringLiteral("IDS_CONTAINER_21"), true);
        return false;
    }
    switch (exitValue) {
    case TDownloadSession::ExitSuccess:
        return true;
    case TDownloadSession::ExitCanceled:
        ShowInfoMessage(QString(), QStringLiteral("IDS_CONTAINER_22"), true);
        return false;
    case TDownloadSession::ExitFailed:
        ShowErrorMessage(QString(), QStringLiteral("IDS_CONTAINER_21"), true);
        return false;
    default:
        return false;
    }
}

} // namespace vantor
