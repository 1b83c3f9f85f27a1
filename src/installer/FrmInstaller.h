// The installer's window: what it does, a progress bar, then the outcome.
// The work itself is handed in; the window only shows it.
#pragma once

#include "installer/Installer.h"

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vantor::installer {

class TFrmInstaller : public QDialog {
    Q_OBJECT

public:
    // AWork runs once the window is up and reports its progress through the
    // callback it gets; its result decides the outcome shown.
    using TWork = std::function<TInstallResult(const TProgress& AProgress)>;

    TFrmInstaller(const QString& AActionText, TWork AWork, std::uint64_t AReleaseVersion, QWidget* AParent = nullptr);

    [[nodiscard]] bool Finished() const { return finished_; }
    const TInstallResult& Result() const { return result_; }

protected:
    void showEvent(QShowEvent* AEvent) override;
    // Nothing may interrupt the work; afterwards Escape closes as the button does.
    void reject() override;

private:
    void runWork();

    QLabel* lblAction_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* lblOutcome_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    TWork work_;
    std::uint64_t releaseVersion_ = 0;
    bool started_ = false;
    bool finished_ = false;
    TInstallResult result_;
};

} // namespace vantor::installer
