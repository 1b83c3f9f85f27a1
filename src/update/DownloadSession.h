// The download loop behind the download dialog, without widgets: the size
// query, the files one after the other over one client, and, on the signed
// channel, every file checked against the manifest's list before it counts
// as arrived. The dialog drives it and shows its progress.
#pragma once

#include "update/FileDigest.h"
#include "update/HttpClient.h"
#include "update/ManifestListing.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace vantor {

class TDownloadSession {
public:
    // Outcomes, as the dialog reports them.
    static constexpr int ExitNone = 0;
    static constexpr int ExitSuccess = 1;
    static constexpr int ExitCanceled = 2;
    static constexpr int ExitFailed = 3;

    // With Listed (the signed channel) only listed URLs are fetched, each
    // must announce and deliver its listed size and match its SHA-256.
    TDownloadSession(const QStringList& RemoteFiles, const QStringList& LocalFiles,
                     std::optional<TListedFiles> Listed = std::nullopt);
    TDownloadSession(const TDownloadSession&) = delete;
    TDownloadSession& operator=(const TDownloadSession&) = delete;

    // After every chunk: bytes of all files so far and the expected total.
    std::function<void(std::int64_t Done, std::int64_t Total)> OnProgress;
    // While a request waits for the server: lets the caller keep its window
    // responsive and Cancel.
    std::function<void()> OnIdle;
    // Called once the size query is done, with the expected total.
    std::function<void(std::int64_t Total)> OnTotal;

    // Fetches every file; the outcome is then in ExitValue().
    void DownloadAll();
    // From OnProgress or OnIdle: ends the running request; the files after
    // it are not fetched.
    void Cancel();

    [[nodiscard]] int ExitValue() const { return exitValue_; }
    [[nodiscard]] std::int64_t TotalWorkCount() const { return totalWorkCount_; }
    [[nodiscard]] std::int64_t DoneWorkCount() const { return doneWorkCount_; }
    [[nodiscard]] bool DownloadCanceled() const { return downloadCanceled_; }
    HttpClient& Client() { return client_; }

private:
    // Sum of the announced lengths (each also kept for its GET); 0 or less
    // when a query fails.
    [[nodiscard]] std::int64_t GetTotalSize();
    [[nodiscard]] bool DownloadOne(qsizetype Index);
    bool Refuse(const QString& Why);
    void HttpClientWork(std::int64_t WorkCount);

    HttpClient client_;
    QStringList remoteFileList_;
    QStringList localFileList_;
    std::optional<TListedFiles> listed_;
    std::vector<std::int64_t> announced_;
    TrailingFileHasher* digest_ = nullptr; // of the file being fetched, when listed
    bool downloadCanceled_ = false;
    std::int64_t totalWorkCount_ = 0;
    std::int64_t doneWorkCount_ = 0;
    std::int64_t lastWorkCount_ = 0;
    int exitValue_ = ExitNone;
};

} // namespace vantor
