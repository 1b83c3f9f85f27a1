#include "update/HttpClient.h"

#include <QFile>

#include "update/CurlLibrary.h"

#include <atomic>
#include <chrono>

namespace vantor {

namespace {

// Large receive buffer: fewer callbacks and writes per megabyte.
constexpr long ReceiveBufferSize = 512L * 1024L;

const QString StockAccept = QStringLiteral("text/html, */*");
const QString StockUserAgent = QStringLiteral("Vantor HTTP client");

bool IsSuccessStatus(long Status)
{
    return Status >= 200 && Status < 300;
}

// Owns the header list for the duration of one request.
class CurlHeaderList {
public:
    explicit CurlHeaderList(const QList<HttpHeader>& Headers)
    {
        if (CurlApi() == nullptr)
            return; // the client reports the missing library
        for (const HttpHeader& header : Headers) {
            const QByteArray line = (header.Name + QStringLiteral(": ") + header.Value).toUtf8();
            list_ = CurlApi()->slist_append(list_, line.constData());
        }
    }
    ~CurlHeaderList()
    {
        if (list_ != nullptr)
            CurlApi()->slist_free_all(list_);
    }
    CurlHeaderList(const CurlHeaderList&) = delete;
    CurlHeaderList& operator=(const CurlHeaderList&) = delete;

    curl_slist* get() const { return list_; }

private:
    curl_slist* list_ = nullptr;
};

} // namespace

struct HttpClient::Transfer {
    HttpClient* Client = nullptr;
    QFile* File = nullptr;
    std::int64_t Count = 0;
    std::int64_t MaxBytes = -1;
    bool StatusChecked = false;
    bool StatusRefused = false;
    bool WriteFailed = false;
    bool TooLong = false;
};

namespace {
std::atomic<int> DefaultConnectTimeout{VANTOR_HTTP_CONNECT_TIMEOUT};
std::atomic<int> DefaultStallTimeout{VANTOR_HTTP_STALL_TIMEOUT};
std::atomic<int> DefaultManifestDeadline{VANTOR_HTTP_MANIFEST_DEADLINE};
} // namespace

HttpTimeouts DefaultHttpTimeouts()
{
    return HttpTimeouts{DefaultConnectTimeout.load(), DefaultStallTimeout.load(), DefaultManifestDeadline.load()};
}

void SetDefaultHttpTimeouts(const HttpTimeouts& Timeouts)
{
    DefaultConnectTimeout = Timeouts.Connect;
    DefaultStallTimeout = Timeouts.Stall;
    DefaultManifestDeadline = Timeouts.ManifestDeadline;
}

HttpClient::HttpClient() : ConnectTimeout(DefaultHttpTimeouts().Connect), StallTimeout(DefaultHttpTimeouts().Stall)
{
    if (const TCurlApi* api = CurlApi())
        curl_ = api->easy_init();
    headers_.append({QStringLiteral("Accept"), StockAccept});
    headers_.append({QStringLiteral("User-Agent"), StockUserAgent});
}

HttpClient::~HttpClient()
{
    if (curl_ != nullptr)
        CurlApi()->easy_cleanup(static_cast<CURL*>(curl_));
}

void HttpClient::SetRequestHeader(const QString& Name, const QString& Value)
{
    for (qsizetype i = 0; i < headers_.size(); ++i) {
        if (headers_[i].Name.compare(Name, Qt::CaseInsensitive) == 0) {
            if (Value.isEmpty())
                headers_.removeAt(i);
            else
                headers_[i].Value = Value;
            return;
        }
    }
    if (!Value.isEmpty())
        headers_.append({Name, Value});
}

QString HttpClient::RequestHeader(const QString& Name) const
{
    for (const HttpHeader& header : headers_) {
        if (header.Name.compare(Name, Qt::CaseInsensitive) == 0)
            return header.Value;
    }
    return {};
}

void HttpClient::Disconnect()
{
    disconnected_ = true;
}

Result<void> HttpClient::Prepare(const QString& Url, void* HeaderList, char* ErrorBuffer)
{
    if (curl_ == nullptr)
        return Failure(QStringLiteral("HTTP client could not be initialised (libcurl.so.4 missing?)"));
    CURL* curl = static_cast<CURL*>(curl_);
    // Reset keeps the open connection, so consecutive requests to one server reuse it.
    CurlApi()->easy_reset(curl);
    ErrorBuffer[0] = '\0';
    const QByteArray url = Url.toUtf8();
    CurlApi()->easy_setopt(curl, CURLOPT_URL, url.constData()); // copied by libcurl
    CurlApi()->easy_setopt(curl, CURLOPT_ERRORBUFFER, ErrorBuffer);
    CurlApi()->easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    CurlApi()->easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    CurlApi()->easy_setopt(curl, CURLOPT_PROXY, "");
    CurlApi()->easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    CurlApi()->easy_setopt(curl, CURLOPT_HTTPHEADER, static_cast<curl_slist*>(HeaderList));
    CurlApi()->easy_setopt(curl, CURLOPT_BUFFERSIZE, ReceiveBufferSize);
    if (ConnectTimeout > 0)
        CurlApi()->easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(ConnectTimeout));
    if (Deadline) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(*Deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return Failure(Url + QStringLiteral(": no time left"));
        CurlApi()->easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(left.count()));
    }
    // The progress callback watches for stalls (see TransferInfo) and for Disconnect.
    CurlApi()->easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    CurlApi()->easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &HttpClient::TransferInfo);
    CurlApi()->easy_setopt(curl, CURLOPT_XFERINFODATA, this);
    disconnected_ = false;
    stalled_ = false;
    lastBytes_ = -1;
    return Ok();
}

Error HttpClient::Failed(const QString& Url, int Code, const char* ErrorBuffer) const
{
    if (stalled_)
        return Failure(QStringLiteral("%1: no data for %2 seconds").arg(Url).arg(StallTimeout));
    const QString reason = ErrorBuffer[0] != '\0'
                               ? QString::fromUtf8(ErrorBuffer)
                               : QString::fromUtf8(CurlApi()->easy_strerror(static_cast<CURLcode>(Code)));
    return Failure(Url + QStringLiteral(": ") + reason);
}

Result<void> HttpClient::CheckStatus(const QString& Url) const
{
    long status = 0;
    CurlApi()->easy_getinfo(static_cast<CURL*>(curl_), CURLINFO_RESPONSE_CODE, &status);
    if (!IsSuccessStatus(status))
        return Failure(QStringLiteral("%1: HTTP status %2").arg(Url).arg(status));
    return Ok();
}

Result<std::int64_t> HttpClient::Head(const QString& Url)
{
    char errorBuffer[CURL_ERROR_SIZE];
    const CurlHeaderList headerList(headers_);
    if (auto prepared = Prepare(Url, headerList.get(), errorBuffer); !prepared)
        return prepared.error();
    CURL* curl = static_cast<CURL*>(curl_);
    CurlApi()->easy_setopt(curl, CURLOPT_NOBODY, 1L);

    const CURLcode result = CurlApi()->easy_perform(curl);
    if (result != CURLE_OK)
        return Failed(Url, result, errorBuffer);
    if (auto status = CheckStatus(Url); !status)
        return status.error();
    curl_off_t length = -1;
    CurlApi()->easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    return std::int64_t{length};
}

Result<void> HttpClient::Get(const QString& Url, QFile& File, std::int64_t MaxBytes)
{
    char errorBuffer[CURL_ERROR_SIZE];
    const CurlHeaderList headerList(headers_);
    if (auto prepared = Prepare(Url, headerList.get(), errorBuffer); !prepared)
        return prepared;
    CURL* curl = static_cast<CURL*>(curl_);
    Transfer transfer;
    transfer.Client = this;
    transfer.File = &File;
    transfer.MaxBytes = MaxBytes;
    CurlApi()->easy_setopt(curl, CURLOPT_WRITEFUNCTION, &HttpClient::WriteBody);
    CurlApi()->easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);

    const CURLcode result = CurlApi()->easy_perform(curl);
    // The transfer was ended on request; the file keeps what arrived.
    if (disconnected_)
        return Ok();
    if (transfer.WriteFailed)
        return Failure(QStringLiteral("Cannot write %1: %2").arg(File.fileName(), File.errorString()));
    if (transfer.TooLong)
        return Failure(QStringLiteral("%1: the body is longer than %2 bytes").arg(Url).arg(MaxBytes));
    // A body cut short of its announced length (CURLE_PARTIAL_FILE) fails too.
    if (result != CURLE_OK && !transfer.StatusRefused)
        return Failed(Url, result, errorBuffer);
    return CheckStatus(Url);
}

std::size_t HttpClient::WriteBody(char* Data, std::size_t Size, std::size_t Count, void* UserData)
{
    auto* transfer = static_cast<Transfer*>(UserData);
    HttpClient* client = transfer->Client;
    const std::size_t bytes = Size * Count;
    // The body of an error or redirect response is not the file asked for.
    if (!transfer->StatusChecked) {
        long status = 0;
        CurlApi()->easy_getinfo(static_cast<CURL*>(client->curl_), CURLINFO_RESPONSE_CODE, &status);
        if (!IsSuccessStatus(status)) {
            transfer->StatusRefused = true;
            return 0;
        }
        transfer->StatusChecked = true;
        // A body announced too long is refused before any of it is written.
        curl_off_t announced = -1;
        CurlApi()->easy_getinfo(static_cast<CURL*>(client->curl_), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
        if (transfer->MaxBytes >= 0 && announced > transfer->MaxBytes) {
            transfer->TooLong = true;
            return 0;
        }
    }
    if (transfer->MaxBytes >= 0 && static_cast<std::int64_t>(bytes) > transfer->MaxBytes - transfer->Count) {
        transfer->TooLong = true;
        return 0;
    }
    if (transfer->File->write(Data, static_cast<qint64>(bytes)) != static_cast<qint64>(bytes)) {
        transfer->WriteFailed = true;
        return 0;
    }
    transfer->Count += static_cast<std::int64_t>(bytes);
    if (client->OnWork)
        client->OnWork(transfer->Count);
    // A short count makes libcurl end the transfer at once.
    return client->disconnected_ ? 0 : bytes;
}

int HttpClient::TransferInfo(void* UserData, std::int64_t, std::int64_t ReceivedNow, std::int64_t, std::int64_t SentNow)
{
    auto* client = static_cast<HttpClient*>(UserData);
    if (client->CancelFlag != nullptr && client->CancelFlag->load())
        client->disconnected_ = true;
    if (client->disconnected_)
        return 1;
    // A server that accepts and then sends nothing would otherwise hold the
    // program forever. libcurl's own low-speed limit averages over several
    // seconds, so it notices a stall after a burst of data only late; this
    // counts from the last byte in either direction.
    const auto now = std::chrono::steady_clock::now();
    const std::int64_t bytes = ReceivedNow + SentNow;
    if (bytes != client->lastBytes_) {
        client->lastBytes_ = bytes;
        client->lastProgress_ = now;
    } else if (client->StallTimeout > 0 && now - client->lastProgress_ >= std::chrono::seconds(client->StallTimeout)) {
        client->stalled_ = true;
        return 1;
    } else if (client->OnIdle) {
        client->OnIdle();
        if (client->disconnected_)
            return 1;
    }
    return 0;
}

} // namespace vantor
