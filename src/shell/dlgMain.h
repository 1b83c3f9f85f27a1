// The main window. Its creation runs the whole start-up sequence; the window
// is shown, and the message loop run, only when the engine is ready.
#pragma once

#include "engine/EngineHost.h"

#include <QAction>
#include <QByteArray>
#include <QMainWindow>
#include <QMargins>
#include <QString>

#include <functional>
#include <memory>

class QLabel;
class QWidget;

namespace vantor {

class TDM;
struct TStartupData;
class TItemLabel;
class TSkinManager;
namespace platform {
class WindowChannel;
}

class TFrmVantorMain : public QMainWindow {
    Q_OBJECT

public:
    // programFolder: the folder of the running program file (trailing "/").
    explicit TFrmVantorMain(const QString& programFolder, QWidget* parent = nullptr);
    ~TFrmVantorMain() override;

    bool IsEngineReady() const { return engine_.IsEngineReady(); }
    // A fatal error closed the window (at start-up or later): the program
    // ends with the exit status of a failed start.
    bool endedWithFatalError() const { return fatalError_; }
    bool LoadOemData(TOemData& AOemData, bool InfoLogo) { return engine_.LoadOemData(AOemData, InfoLogo); }

    // Index of the installed catalogue with exactly this code, or -1.
    int FindIndexOfInstalledCatalogue(const QString& ACode) const;

    // Deletes the update staging folder with everything in it when it exists.
    static void DeleteStagingFolder();

    // Called by the engine: shows or hides the welcome panel and logo, and the container.
    void EnginePanelCallback(bool ShowWelcome, bool ShowContainer);

    // Fetches the update manifest and offers what is newer (first idle moment).
    void CheckForUpdates();

    // Replaces the update check of the first idle moment (tests).
    using IdleWork = std::function<void()>;
    static void setUpdateCheck(IdleWork check);

    // The controls, for the engine and for tests.
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

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void FormCreate();
    void FormDestroy();
    bool LoadConfiguration(const TStartupData& Data);
    bool LoadEngine(bool ShowError);
    bool InitializeEngine(bool ShowError);
    void ReinitializeEngine();
    void FatalError(const QString& Text);
    void ReleaseResources();

    void SetupLayout();
    void SetWindowSize();
    void adjustToFrame(int Attempt);
    void placeWelcomeAndLogo();
    void LoadCaptions();
    void ApplyOemData();
    void showLogo();
    void UpdateTitle();
    void HighlightItem(TItemLabel* Control, bool Main);
    void RestoreItem(TItemLabel* Label, const QString& Caption, bool Main);
    void MyIdleHandler();

    void actSetupExecute();
    void actAboutExecute();

    TEngineBinding engineBinding();

    QString programFolder_;
    QString TitleWindow;
    std::unique_ptr<TDM> dataModule_;
    TEngineHost engine_;
    TSkinManager* sSkinManager = nullptr;
    platform::WindowChannel* windowChannel_ = nullptr;
    bool idlePending_ = false;
    bool fatalError_ = false;
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
