// The main window's layout: its size and place on the screen, the welcome
// panel and the branding (title band and logo).
#include "shell/dlgMain.h"

#include "common/uGlobals.h"
#include "data/InstalledVersion.h"
#include "shell/ItemLabel.h"
#include "shell/MainWindowLogic.h"
#include "skins/CommandPanelStyle.h"
#include "skins/SkinManager.h"
#include "widgets/PngLogo.h"
#include "widgets/WindowPlacement.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QTimer>

namespace vantor {

void TFrmVantorMain::SetupLayout(bool DevicesAvailable)
{
    lblUpsSelectorModular->hide();
    lblUpsSelectorRuntime->hide();
    lblUpsSelectorModular->setEnabled(DevicesAvailable);
    ApplySkin(*sSkinManager, GlobalSetupData.UsageType, GlobalSetupData.RootPath);
    SetCommandPanelStyle(GlobalSetupData.UsageType);
    SetWindowSize();
    CenterFormOnWorkArea(this);
    heightAtLayout_ = height();
    placeWelcomeAndLogo();
    pnlContainer->hide();
}

void TFrmVantorMain::SetWindowSize()
{
    TScreenFacts facts;
    facts.workArea = QRect(0, 0, 1024, 768);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        // With Qt's scaling a denser screen shows as the device pixel ratio;
        // the logical DPI stays 96.
        facts.devicePixelRatio = screen->devicePixelRatio();
        facts.dotsPerInch = qRound(screen->logicalDotsPerInch() * facts.devicePixelRatio);
        facts.workArea = screen->availableGeometry();
    }
    // The frame is known only once the window manager has framed the window
    // (see adjustToFrame); until then it counts as none.
    const QRect outer = frameGeometry();
    const QRect client = geometry();
    frameUsed_ = QMargins(client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
                          outer.bottom() - client.bottom());
    const QSize size = MainWindowClientSize(facts, frameUsed_, TitleBandTopMargin + TitleBandHeight);
    setMinimumSize(0, 0);
    resize(size);
    // The user may enlarge the window, never shrink it below its start size.
    setMinimumSize(size);
}

void TFrmVantorMain::adjustToFrame(int Attempt)
{
    const QRect outer = frameGeometry();
    const QRect client = geometry();
    const QMargins frame(client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
                         outer.bottom() - client.bottom());
    // The window manager frames a new window within a few dozen
    // milliseconds; without one there is no frame at all.
    if (frame.isNull() && Attempt < FrameWaitAttempts) {
        QTimer::singleShot(FrameWaitMilliseconds, this, [this, Attempt] { adjustToFrame(Attempt + 1); });
        return;
    }
    if (frame != frameUsed_) {
        SetWindowSize();
        CenterFormOnWorkArea(this);
    }
}

void TFrmVantorMain::placeWelcomeAndLogo()
{
    layout()->activate();
    centralWidget()->resize(size());
    centralWidget()->layout()->activate();
    const int containerTop = TitleBandTopMargin + TitleBandHeight;
    const int containerWidth = width();
    // Not anchored: the welcome panel keeps its place relative to the window's middle.
    const int grown = heightAtLayout_ > 0 ? (height() - heightAtLayout_) / 2 : 0;
    pnlWelcome->move(CentredLeft(containerWidth, pnlWelcome->width()), containerTop + welcomeTopAtDesign_ + grown);
    if (!imgLogo->pixmap().isNull())
        imgLogo->move(CentredLeft(containerWidth, imgLogo->width()), height() - imgLogo->height());
    pnlWelcome->raise();
    imgLogo->raise();
}

void TFrmVantorMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (heightAtLayout_ > 0)
        placeWelcomeAndLogo();
}

void TFrmVantorMain::ShowBranding(const QString& Product, const QByteArray& LogoPng)
{
    imgLogo->hide();
    static_cast<QLabel*>(pnlTitle)->setText(' ' + Product);
    // The logo need not be in the first frame: it is decoded once the
    // window is up (showLogo), which brings the window up sooner.
    pendingLogo_ = LogoPng;
    if (isVisible())
        showLogo();
}

void TFrmVantorMain::showLogo()
{
    QBuffer stream(&pendingLogo_);
    stream.open(QIODevice::ReadOnly);
    QImage picture;
    if (LoadPngIntoBitmap(&stream, picture)) {
        imgLogo->setPixmap(QPixmap::fromImage(picture));
        imgLogo->resize(picture.size());
    }
    pendingLogo_.clear();
    placeWelcomeAndLogo();
    imgLogo->setVisible(!imgLogo->pixmap().isNull());
}

} // namespace vantor
