// The updater's only window: shows the work in progress, then the outcome,
// and restarts the main program after a success when the user closes it.
#pragma once

#include "support/CloseMainProgram.h"
#include "support/SafeFolderCopy.h"
#include "updater/StatusImages.h"
#include "widgets/BusyCursor.h"

#include <QDialog>

#include <chrono>
#include <functional>
#include <optional>

class QFrame;
class QLabel;
class QPushButton;

namespace vantor {

using platform::TCopyStep;
using platform::TCopyStepHook;

class TFrmUpdater : public QDialog {
    Q_OBJECT

public:
    // Starts a program with parameters; StartProgram unless a test says otherwise.
    using TProgramStarter = std::function<bool(const QString& AProgram, const QString& AParameters)>;

    explicit TFrmUpdater(QWidget* AParent = nullptr);

    // Test seams: failures injected into the copy, the program start, and
    // how long the main program may take to close.
    void SetCopyStepHook(TCopyStepHook AHook);
    void SetProgramStarter(TProgramStarter AStarter);
    void SetCloseLimit(std::chrono::milliseconds ALimit);

    [[nodiscard]] bool UpdateOk() const { return fUpdateOk; }

protected:
    void showEvent(QShowEvent* AEvent) override;
    void closeEvent(QCloseEvent* AEvent) override;
    // There is nothing to cancel: Escape does not close the window.
    void reject() override {}

private:
    void FormCreate();
    void FormShow();
    void FormIdleHandler();
    void FinishIdleWork();
    [[nodiscard]] bool DoUpdate();
    void btnOkClick();
    void FormClose();
    void ShowStatus(TStatusImage AImage, const QString& AText);

    QFrame* sPanel1 = nullptr;
    QLabel* imgStatus = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* btnOk = nullptr;

    bool fUpdateOk = false;
    bool mainProgramStayed_ = false; // it did not close in time: nothing was copied
    std::chrono::milliseconds closeLimit_ = CloseMainProgramLimit;
    bool idleWorkStarted_ = false;
    bool working_ = false; // from the first idle moment until OK is enabled
    bool closed_ = false;
    std::optional<BusyCursor> busyCursor_; // while the copy runs and its outcome pauses
    TCopyStepHook copyStepHook_;
    TProgramStarter startProgram_;
};

} // namespace vantor
