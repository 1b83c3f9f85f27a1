// The download dialog: fetches a list of files one after the other with a
// progress bar, a kilobyte counter and a Cancel button.
#pragma once

#include "update/DownloadProgress.h"
#include "update/HttpClient.h"

#include <QDialog>
#include <QStringList>

#include <cstdint>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vantor {

class TFrmDownloader : public QDialog {
    Q_OBJECT

public:
    // Outcomes in ExitValue.
    static constexpr int ExitNone = 0;
    static constexpr int ExitSuccess = 1;
    static constexpr int ExitCanceled = 2;
    static constexpr int ExitFailed = 3;

    explicit TFrmDownloader(QWidget* AOwner = nullptr);
    ~TFrmDownloader() override;

    // Ends the dialog only through the work itself; Escape acts as Cancel.
    void reject() override;
    void done(int AResult) override;

    QFrame* sBevel1 = nullptr;
    QLabel* lblDownload = nullptr;
    QProgressBar* ProgressBar = nullptr;
    QPushButton* btnCancel = nullptr;
    vantor::HttpClient HttpClient;

    bool DownloadCanceled = false;
    std::int64_t TotalWorkCount = 0;
    std::int64_t DoneWorkCount = 0;
    std::int64_t LastWorkCount = 0;
    QStringList RemoteFileList;
    QStringList LocalFileList;
    int ExitValue = ExitNone;

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    void BuildControls();
    void FormCreate();
    void MyIdleHandler();
    void btnCancelClick();
    void HttpClientWork(std::int64_t AWorkCount);
    void FormClose();

    void DownloadAll();
    std::int64_t GetTotalSize();
    bool DownloadOne(const QString& AUrl, const QString& ALocalFile);

    ProgressScale scale_;
    QString progressFormat_;
    bool started_ = false;
    bool working_ = false;
    bool busyCursor_ = false;
    bool closed_ = false;
};

// Shows the dialog modally over AOwner for the parallel lists of URLs and
// local paths and reports a failure or a cancellation itself. True only when
// every file arrived.
bool RunDownloader(const QStringList& ARemoteFiles, const QStringList& ALocalFiles,
                   QWidget* AOwner = nullptr);

} // namespace vantor
