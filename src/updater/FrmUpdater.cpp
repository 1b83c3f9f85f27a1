#include "updater/FrmUpdater.h"

#include "common/FileHelpers.h"
#include "common/uGlobals.h"
#include "i18n/uLanguages.h"
#include "support/CloseMainProgram.h"
#include "updater/uMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace vantor {

namespace {

const QString MainWindowClass = QStringLiteral("TFrmVantorMain");
const QString MainProgramName = QStringLiteral("Vantor");
constexpr int WaitAfterCloseMs = 1000;
constexpr int ResultPauseMs = 2000;

} // namespace

TFrmUpdater::TFrmUpdater(QWidget* AParent) : QDialog(AParent), startProgram_(StartProgram)
{
    setFixedSize(374, 142);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);

    sPanel1 = new QFrame(this);
    sPanel1->setObjectName(QStringLiteral("sPanel1"));
    sPanel1->setGeometry(8, 8, 358, 75);
    // A raised bevel inside a lowered one: an etched frame.
    sPanel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    sPanel1->setProperty("skinSection", QStringLiteral("PANEL"));

    imgStatus = new QLabel(sPanel1);
    imgStatus->setObjectName(QStringLiteral("imgStatus"));
    imgStatus->setGeometry(16, 19, StatusImageSize, StatusImageSize);

    lblStatus = new QLabel(sPanel1);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setGeometry(44, 18, 301, 46);
    lblStatus->setWordWrap(true);
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    btnOk = new QPushButton(QStringLiteral("OK"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setGeometry(149, 104, 75, 25);
    btnOk->setProperty("skinSection", QStringLiteral("BUTTON"));
    connect(btnOk, &QPushButton::clicked, this, &TFrmUpdater::btnOkClick);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    FormCreate();
}

void TFrmUpdater::SetCopyStepHook(TCopyStepHook AHook)
{
    copyStepHook_ = std::move(AHook);
}

void TFrmUpdater::SetCloseLimit(std::chrono::milliseconds ALimit)
{
    closeLimit_ = ALimit;
}

void TFrmUpdater::SetProgramStarter(TProgramStarter AStarter)
{
    startProgram_ = std::move(AStarter);
}

void TFrmUpdater::FormCreate()
{
    fUpdateOk = false;
    btnOk->setEnabled(false);
    imgStatus->clear();
    lblStatus->clear();
    setWindowTitle(QGuiApplication::applicationDisplayName());
}

void TFrmUpdater::showEvent(QShowEvent* AEvent)
{
    QDialog::showEvent(AEvent);
    if (idleWorkStarted_)
        return;
    idleWorkStarted_ = true;
    working_ = true;
    FormShow();
    // The work starts once the window is up and the event queue is empty.
    QTimer::singleShot(0, this, &TFrmUpdater::FormIdleHandler);
}

void TFrmUpdater::FormShow()
{
    (void)LoadTranslations(GlobalSetupData.LanguageFile); // without it every text is empty
    btnOk->setText(GetText(QStringLiteral("IDS_COMMON_20")));
}

void TFrmUpdater::FormIdleHandler()
{
    busyCursor_.emplace();
    fUpdateOk = DoUpdate();
    if (fUpdateOk) {
        ShowStatus(TStatusImage::Success, GetText(QStringLiteral("IDS_UPDATER_02")));
    } else {
        QApplication::beep();
        ShowStatus(TStatusImage::Failure,
                   GetText(mainProgramStayed_ ? QStringLiteral("IDS_UPDATER_04") : QStringLiteral("IDS_UPDATER_03")));
        QFont bold = lblStatus->font();
        bold.setBold(true);
        lblStatus->setFont(bold);
    }
    // The outcome stays on screen a moment before it can be dismissed; the
    // window keeps painting meanwhile.
    QTimer::singleShot(ResultPauseMs, this, &TFrmUpdater::FinishIdleWork);
}

void TFrmUpdater::FinishIdleWork()
{
    btnOk->setEnabled(true);
    btnOk->setDefault(true);
    btnOk->setFocus();
    busyCursor_.reset();
    working_ = false;
}

bool TFrmUpdater::DoUpdate()
{
    ShowStatus(TStatusImage::Working, GetText(QStringLiteral("IDS_UPDATER_01")));
    QCoreApplication::processEvents();
    // Files of a program that still runs are never replaced.
    mainProgramStayed_ = !CloseMainProgram(MainWindowClass, closeLimit_);
    if (mainProgramStayed_) {
        imgStatus->clear();
        return false;
    }
    PauseProcessingEvents(WaitAfterCloseMs);

    // Both folders in one go: when the databases cannot be installed, the
    // catalogues are not installed either, and the other way round.
    platform::TFolderCopy copy;
    copy.SetStepHook(copyStepHook_);
    copy.Add(Paths.Source + QStringLiteral("Data/"), Paths.MainData);
    copy.Add(Paths.Source + QStringLiteral("Catalogues/"), Paths.Catalogues);
    const bool copied = copy.Run();

    imgStatus->clear();
    return copied;
}

void TFrmUpdater::ShowStatus(TStatusImage AImage, const QString& AText)
{
    imgStatus->setPixmap(StatusImage(AImage));
    lblStatus->setText(AText);
}

void TFrmUpdater::btnOkClick()
{
    close();
}

void TFrmUpdater::closeEvent(QCloseEvent* AEvent)
{
    // Closing mid-way would leave the main program closed and nobody to
    // report the outcome.
    if (working_) {
        AEvent->ignore();
        return;
    }
    AEvent->accept();
    if (!closed_) {
        closed_ = true;
        FormClose();
    }
}

void TFrmUpdater::FormClose()
{
    if (!fUpdateOk)
        return;
    // The program path is one argument: the installation folder may hold blanks.
    startProgram_(QCoreApplication::applicationDirPath() + '/' + MainProgramName, QString());
}

} // namespace vantor
