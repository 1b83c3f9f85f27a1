// A small blocking HTTP client for the update downloads: HEAD for sizes, GET
// into an open file with a progress callback, and a disconnect that may be
// called from inside that callback. Everything runs on the calling thread.
#pragma once

#include "support/Result.h"

#include <QList>
#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

class QFile;

namespace vantor {

// Time-outs every new client starts with (seconds); the build's values
// unless changed. Tests of whole update runs shorten them.
struct HttpTimeouts {
    int Connect;
    int Stall;
    // The manifest and its signature, together, whatever the server does.
    int ManifestDeadline = 15;
};
HttpTimeouts DefaultHttpTimeouts();
void SetDefaultHttpTimeouts(const HttpTimeouts& Timeouts);

struct HttpHeader {
    QString Name;
    QString Value;
};

class HttpClient {
public:
    HttpClient();
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // Sets a request header, replacing one of the same name (names match
    // without regard to case). An empty value removes the header.
    void SetRequestHeader(const QString& Name, const QString& Value);
    [[nodiscard]] QString RequestHeader(const QString& Name) const;
    const QList<HttpHeader>& RequestHeaders() const { return headers_; }

    // Seconds allowed to connect, and seconds a transfer may go without a
    // single byte before it fails.
    int ConnectTimeout = 0;
    int StallTimeout = 0;
    // When set, every request fails once this moment has passed, even while
    // data still trickles in.
    std::optional<std::chrono::steady_clock::time_point> Deadline;
    // When set, the running transfer ends as after Disconnect once the flag
    // is true; it may be set from another thread.
    const std::atomic<bool>* CancelFlag = nullptr;

    // Requests fail on connection failures, time-outs, statuses that are no
    // success (redirects included: they are not followed) and file write
    // errors; the message names the URL.

    // Content-Length of the response; -1 when the server sends none.
    Result<std::int64_t> Head(const QString& Url);

    // Writes the response body into File, which must be open for writing.
    // After Disconnect (from OnWork or OnIdle) it succeeds with what has
    // arrived. A body that ends before its own announced length fails, and
    // so does one announced or sent longer than MaxBytes (when not negative):
    // nothing beyond MaxBytes is written.
    Result<void> Get(const QString& Url, QFile& File, std::int64_t MaxBytes = -1);

    // Ends the running transfer; see Get. A HEAD ended so fails.
    void Disconnect();
    [[nodiscard]] bool Disconnected() const { return disconnected_; }

    // Running byte count of the current GET, after each chunk is written.
    std::function<void(std::int64_t Count)> OnWork;
    // While a request waits for data (about once a second): lets the caller
    // keep its window responsive, and Disconnect, when the server stalls.
    std::function<void()> OnIdle;

private:
    struct Transfer;
    static std::size_t WriteBody(char* Data, std::size_t Size, std::size_t Count, void* UserData);
    static int TransferInfo(void* UserData, std::int64_t, std::int64_t, std::int64_t, std::int64_t);

    Result<void> Prepare(const QString& Url, void* HeaderList, char* ErrorBuffer);
    Error Failed(const QString& Url, int Code, const char* ErrorBuffer) const;
    Result<void> CheckStatus(const QString& Url) const;

    void* curl_ = nullptr;
    QList<HttpHeader> headers_;
    bool disconnected_ = false;
    bool stalled_ = false;
    std::int64_t lastBytes_ = -1;
    std::chrono::steady_clock::time_point lastProgress_;
};

} // namespace vantor
