// The download dialog: shows a download session's progress with a bar, a
// kilobyte counter and a Cancel button. The work itself is TDownloadSession.
#pragma once

#include "update/DownloadProgress.h"
#include "update/DownloadSession.h"
#include "widgets/BusyCursor.h"

#include <QDialog>
#include <QStringList>

#include <cstdint>
#include <optional>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vantor {

class TFrmDownloader : public QDialog {
    Q_OBJECT

public:
    // The session starts by itself once the dialog is shown; see
    // TDownloadSession for Listed.
    TFrmDownloader(const QStringList& ARemoteFiles, const QStringList& ALocalFiles,
                   std::optional<TListedFiles> AListed = std::nullopt, QWidget* AOwner = nullptr);
    ~TFrmDownloader() override;

    // The session's outcome once the dialog has closed.
    [[nodiscard]] int ExitValue() const { return session_.ExitValue(); }
    TDownloadSession& Session() { return session_; }

    // Ends the dialog only through the work itself; Escape acts as Cancel.
    void reject() override;
    void done(int AResult) override;

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    void BuildControls();
    void FormCreate();
    void MyIdleHandler();
    void btnCancelClick();
    void HttpClientWork(std::int64_t ADone, std::int64_t ATotal);
    void FormClose();

    QFrame* sBevel1_ = nullptr;
    QLabel* lblDownload_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QPushButton* btnCancel_ = nullptr;

    TDownloadSession session_;
    ProgressScale scale_;
    QString progressFormat_;
    bool started_ = false;
    bool working_ = false;
    std::optional<BusyCursor> busyCursor_;
    bool closed_ = false;
};

// Shows the dialog modally over AOwner for the parallel lists of URLs and
// local paths and reports a failure or a cancellation itself. True only when
// every file arrived (and, with AListed, matched the signed manifest).
[[nodiscard]] bool RunDownloader(const QStringList& ARemoteFiles, const QStringList& ALocalFiles,
                                 QWidget* AOwner = nullptr, std::optional<TListedFiles> AListed = std::nullopt);

} // namespace vantor
