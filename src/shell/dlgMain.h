// The main window: draws the welcome panel and the engine's container,
// forwards the user's actions to the session, and shows what the session
// tells it (TShellView). The start-up itself is the session's.
#pragma once

#include "shell/MainWindowLogic.h"
#include "shell/ShellView.h"

#include <QByteArray>
#include <QMainWindow>
#include <QMargins>
#include <QString>

class QAction;
class QLabel;
class QWidget;

namespace vantor {

class TItemLabel;
class TShellSession;
class TSkinManager;
namespace platform {
class WindowChannel;
}

class TFrmVantorMain : public QMainWindow, public TShellView {
    Q_OBJECT

public:
    explicit TFrmVantorMain(TShellSession& ASession, QWidget* AParent = nullptr);
    ~TFrmVantorMain() override;

    // TShellView
    QWidget* Window() override { return this; }
    void* ContainerPanel() override { return pnlContainer; }
    void SetupLayout(bool DevicesAvailable) override;
    void ShowCaptions(const TItemsCaption& Captions) override;
    void ShowTitle(const QString& Title) override;
    void ShowBranding(const QString& Product, const QByteArray& LogoPng) override;
    void ShowPanels(bool ShowWelcome, bool ShowContainer) override;
    void Ready() override;
    [[nodiscard]] bool IsOpen() const override { return isVisible(); }
    void Close() override { close(); }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void SetWindowSize();
    void adjustToFrame(int Attempt);
    void placeWelcomeAndLogo();
    void showLogo();
    void HighlightItem(TItemLabel* Control, bool Main);
    void RestoreItem(TItemLabel* Label, const QString& Caption, bool Main);

    void actSetupExecute();
    void actAboutExecute();

    TShellSession& session_;
    QWidget* pnlTitle = nullptr;
    QWidget* pnlContainer = nullptr;
    QWidget* pnlWelcome = nullptr;
    TItemLabel* lblUpsSelectorBase = nullptr;
    TItemLabel* lblUpsSelectorAdvanced = nullptr;
    TItemLabel* lblUpsSelectorModular = nullptr;
    TItemLabel* lblUpsSelectorRuntime = nullptr;
    TItemLabel* lblSetup = nullptr;
    TItemLabel* lblAbout = nullptr;
    QLabel* imgLogo = nullptr;
    QAction* actUpsSelectorBase = nullptr;
    QAction* actUpsSelectorAdvanced = nullptr;
    QAction* actUpsSelectorModular = nullptr;
    QAction* actUpsSelectorRuntime = nullptr;
    QAction* actSetup = nullptr;
    QAction* actAbout = nullptr;

    TItemsCaption ItemsCaption; // restored when a highlight ends
    TSkinManager* sSkinManager = nullptr;
    platform::WindowChannel* windowChannel_ = nullptr;
    bool idlePending_ = false;
    bool frameChecked_ = false;
    TItemLabel* lastItem_ = nullptr; // the entry last opened, for the focus on return
    QByteArray pendingLogo_;         // the branding logo until the window is up
    QMargins frameUsed_;
    static constexpr int FrameWaitAttempts = 50;
    static constexpr int FrameWaitMilliseconds = 20;
    int welcomeTopAtDesign_ = 109;
    int heightAtLayout_ = 0;
};

} // namespace vantor
