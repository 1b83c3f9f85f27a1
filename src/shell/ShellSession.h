// The main program's session apart from its window: the start-up sequence
// with its fatal messages, the settings and how a confirmed setup dialog is
// applied, the data module, the engine host and the work of the first idle
// moment (the update check, the companion programs). It makes its window
// (through the factory it is given) at the step where the engine needs the
// container panel, and only tells it what to show.
#pragma once

#include "data/DataModule.h"
#include "engine/EngineHost.h"
#include "shell/ShellView.h"

#include <QString>

#include <functional>
#include <memory>

namespace vantor {

struct TStartupData;

class TShellSession {
public:
    using TViewFactory = std::function<std::unique_ptr<TShellView>(TShellSession& ASession)>;
    using TIdleWork = std::function<void()>;

    // AProgramFolder: the folder of the running program file (trailing "/").
    TShellSession(QString AProgramFolder, TViewFactory AViewFactory);
    ~TShellSession();
    TShellSession(const TShellSession&) = delete;
    TShellSession& operator=(const TShellSession&) = delete;

    // FormCreate: the data module and the leftover staging folder, then
    // LoadConfiguration (settings, translations, catalogues, engine), the
    // layout, the captions and the branding. False after a fatal step: its
    // one message was shown, and no window was shown or is left.
    [[nodiscard]] bool start();

    [[nodiscard]] bool IsEngineReady() const { return engine_.IsEngineReady(); }
    // A fatal error ended the run (at start-up or later): the program ends
    // with the exit status of a failed start.
    bool endedWithFatalError() const { return fatalError_; }
    // The window, once start() has made it.
    TShellView* View() const { return view_.get(); }

    // What the window forwards.
    void RunSelector(int AIndex);
    // After a confirmed setup dialog, in this order: the configuration file
    // written and read back (a failed write keeps the confirmed values and
    // says so), the captions, the engine re-initialised (a failure is
    // fatal), the title.
    void ApplySettings();
    [[nodiscard]] bool LoadOemData(TOemData& AOemData, bool InfoLogo);
    // The first idle moment: the update check when it is on, then the companion programs.
    void MyIdleHandler();
    // The build reads unsigned update manifests (the about dialog says so).
    [[nodiscard]] bool UnsignedUpdates() const;
    // Index of the installed catalogue with exactly this code, or -1.
    [[nodiscard]] int FindIndexOfInstalledCatalogue(const QString& ACode) const;

    // Replaces the update check of the first idle moment (tests).
    void SetUpdateCheck(TIdleWork ACheck) { updateCheck_ = std::move(ACheck); }

private:
    [[nodiscard]] bool LoadConfiguration(const TStartupData& AData);
    [[nodiscard]] bool InitializeEngine();
    void FatalError(const QString& AText);
    void LoadCaptions();
    void ApplyOemData();
    void UpdateTitle();
    void CheckForUpdates();
    TEngineBinding EngineBinding();

    QString programFolder_;
    TViewFactory viewFactory_;
    std::unique_ptr<TDM> dataModule_;
    TEngineHost engine_;
    std::unique_ptr<TShellView> view_;
    QString titleWindow_;
    bool fatalError_ = false;
    TIdleWork updateCheck_;
};

} // namespace vantor
