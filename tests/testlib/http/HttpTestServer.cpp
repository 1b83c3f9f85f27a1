#include "testlib/http/HttpTestServer.h"

#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace vantor::test {

namespace {

constexpr std::size_t ChunkSize = 256 * 1024;
const char* const BodyType = "application/octet-stream";

// The body of one response, shared by the pieces that send it.
class BodySource {
public:
    explicit BodySource(const HttpRoute& ARoute) : bytes_(ARoute.Body) {}

    qint64 Size() const { return bytes_.size(); }

    bool Write(qint64 AOffset, qint64 ALength, httplib::DataSink& ASink)
    {
        return ASink.write(bytes_.constData() + AOffset, static_cast<std::size_t>(ALength));
    }

private:
    QByteArray bytes_;
};

} // namespace

bool RecordedRequest::HasHeader(const QString& AName) const
{
    return std::any_of(Headers.begin(), Headers.end(), [&](const QPair<QString, QString>& AHeader) {
        return AHeader.first.compare(AName, Qt::CaseInsensitive) == 0;
    });
}

QString RecordedRequest::Header(const QString& AName) const
{
    for (const auto& header : Headers) {
        if (header.first.compare(AName, Qt::CaseInsensitive) == 0)
            return header.second;
    }
    return {};
}

struct HttpTestServer::State {
    httplib::Server server;
    std::thread thread;
    int port = 0;

    mutable std::mutex mutex;
    std::condition_variable wake;
    bool released = false;
    std::map<QString, HttpRoute> routes;
    QList<RecordedRequest> requests;

    // Sleeps for ASeconds unless the waits are released meanwhile.
    void Wait(int ASeconds) { WaitMilliseconds(ASeconds * 1000); }
    void WaitMilliseconds(int AMilliseconds)
    {
        std::unique_lock lock(mutex);
        wake.wait_for(lock, std::chrono::milliseconds(AMilliseconds), [this] { return released; });
    }

    void Record(const httplib::Request& ARequest)
    {
        RecordedRequest request;
        request.Method = QString::fromStdString(ARequest.method);
        request.Path = QString::fromStdString(ARequest.path);
        for (const auto& [name, value] : ARequest.headers) {
            // httplib adds these itself; they did not come from the client.
            if (name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" || name == "LOCAL_PORT")
                continue;
            request.Headers.append({QString::fromStdString(name), QString::fromStdString(value)});
        }
        std::lock_guard lock(mutex);
        requests.append(request);
    }

    bool FindRoute(const QString& APath, HttpRoute& ARoute) const
    {
        std::lock_guard lock(mutex);
        const auto found = routes.find(APath);
        if (found == routes.end())
            return false;
        ARoute = found->second;
        return true;
    }

    void Answer(const httplib::Request& ARequest, httplib::Response& AResponse)
    {
        HttpRoute route;
        if (!FindRoute(QString::fromStdString(ARequest.path), route)) {
            AResponse.status = 404;
            AResponse.set_content("Not found", "text/plain");
            return;
        }
        if (route.StallSeconds > 0)
            Wait(route.StallSeconds);
        AResponse.status = route.Status;
        for (const auto& [name, value] : route.Headers)
            AResponse.set_header(name.toStdString(), value.toStdString());

        if (ARequest.method == "HEAD" && route.HeadLength >= 0) {
            // A HEAD response never asks the provider for its body.
            AResponse.set_content_provider(static_cast<std::size_t>(route.HeadLength), BodyType,
                                           [](std::size_t, std::size_t, httplib::DataSink&) { return false; });
            return;
        }
        if (route.Endless) {
            const std::string body = route.Body.isEmpty() ? std::string(ChunkSize, 'x') : route.Body.toStdString();
            AResponse.set_chunked_content_provider(BodyType, [body](std::size_t, httplib::DataSink& ASink) {
                return ASink.write(body.data(), body.size());
            });
            return;
        }
        if (route.TrickleMilliseconds > 0) {
            const std::string body = route.Body.toStdString();
            const int pause = route.TrickleMilliseconds;
            AResponse.set_content_provider(
                body.size(), BodyType, [this, body, pause](std::size_t AOffset, std::size_t, httplib::DataSink& ASink) {
                    WaitMilliseconds(pause);
                    return ASink.write(body.data() + AOffset, 1);
                });
            return;
        }
        const bool plain = !route.OmitContentLength && route.MissingBytes == 0 && route.PauseAfterBytes < 0;
        if (plain) {
            AResponse.set_content(route.Body.toStdString(), BodyType);
            return;
        }
        auto source = std::make_shared<BodySource>(route);
        auto paused = std::make_shared<bool>(false);
        const qint64 pauseAt = route.PauseAfterBytes;
        const int pauseSeconds = route.PauseSeconds;
        // The next piece of the body from AOffset, stopping at the pause point.
        auto sendFrom = [this, source, paused, pauseAt, pauseSeconds](qint64 AOffset, qint64 AMax,
                                                                      httplib::DataSink& ASink) {
            if (AOffset == pauseAt && !*paused) {
                *paused = true;
                Wait(pauseSeconds);
            }
            qint64 length = std::min<qint64>({AMax, static_cast<qint64>(ChunkSize), source->Size() - AOffset});
            if (AOffset < pauseAt)
                length = std::min(length, pauseAt - AOffset);
            return source->Write(AOffset, length, ASink);
        };
        if (route.OmitContentLength) {
            AResponse.set_chunked_content_provider(BodyType,
                                                   [source, sendFrom](std::size_t AOffset, httplib::DataSink& ASink) {
                                                       const auto offset = static_cast<qint64>(AOffset);
                                                       if (offset >= source->Size()) {
                                                           ASink.done();
                                                           return true;
                                                       }
                                                       return sendFrom(offset, source->Size() - offset, ASink);
                                                   });
            return;
        }
        // Returning false after the last real byte makes httplib drop the
        // connection, leaving the announced rest unsent.
        AResponse.set_content_provider(
            static_cast<std::size_t>(source->Size() + route.MissingBytes), BodyType,
            [source, sendFrom](std::size_t AOffset, std::size_t ALength, httplib::DataSink& ASink) {
                const auto offset = static_cast<qint64>(AOffset);
                if (offset >= source->Size())
                    return false;
                return sendFrom(offset, static_cast<qint64>(ALength), ASink);
            });
    }
};

HttpTestServer::HttpTestServer() : state_(std::make_unique<State>())
{
    State* state = state_.get();
    state->server.set_keep_alive_timeout(1);
    state->server.set_pre_routing_handler([state](const httplib::Request& ARequest, httplib::Response&) {
        state->Record(ARequest);
        return httplib::Server::HandlerResponse::Unhandled;
    });
    state->server.Get(".*", [state](const httplib::Request& ARequest, httplib::Response& AResponse) {
        state->Answer(ARequest, AResponse);
    });
    state->port = state->server.bind_to_any_port("127.0.0.1");
    state->thread = std::thread([state] { state->server.listen_after_bind(); });
    // stop() only reaches a server that has begun its loop.
    while (!state->server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

HttpTestServer::~HttpTestServer()
{
    ReleaseWaits();
    state_->server.stop();
    state_->thread.join();
}

int HttpTestServer::Port() const
{
    return state_->port;
}

QString HttpTestServer::Url(const QString& APath) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(state_->port).arg(APath);
}

void HttpTestServer::Route(const QString& APath, const HttpRoute& ARoute)
{
    std::lock_guard lock(state_->mutex);
    state_->routes[APath] = ARoute;
}

QList<RecordedRequest> HttpTestServer::Requests() const
{
    std::lock_guard lock(state_->mutex);
    return state_->requests;
}

void HttpTestServer::ClearRequests()
{
    std::lock_guard lock(state_->mutex);
    state_->requests.clear();
}

int HttpTestServer::CountRequests(const QString& AMethod, const QString& APath) const
{
    std::lock_guard lock(state_->mutex);
    return static_cast<int>(
        std::count_if(state_->requests.begin(), state_->requests.end(), [&](const RecordedRequest& ARequest) {
            return ARequest.Method == AMethod && ARequest.Path == APath;
        }));
}

void HttpTestServer::ReleaseWaits()
{
    {
        std::lock_guard lock(state_->mutex);
        state_->released = true;
    }
    state_->wake.notify_all();
}

int UnusedLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

} // namespace vantor::test
