// A loopback HTTP server for the update tests: routes with a chosen
// behaviour and a record of every request.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>

namespace vantor::test {

// What the server does for one path (HEAD and GET alike; HEAD sends no body).
struct HttpRoute {
    QByteArray Body;
    int Status = 200;
    QList<QPair<QByteArray, QByteArray>> Headers;
    // Sends the body chunked, without a Content-Length.
    bool OmitContentLength = false;
    // Announces this many bytes more than it sends, then closes the connection.
    qint64 MissingBytes = 0;
    // Accepts the request and says nothing for this long before answering.
    int StallSeconds = 0;
    // After this many body bytes, sends nothing for PauseSeconds.
    qint64 PauseAfterBytes = -1;
    int PauseSeconds = 0;
    // The Content-Length a HEAD request reports instead of the body's.
    qint64 HeadLength = -1;
    // Sends the body one byte at a time, this long apart.
    int TrickleMilliseconds = 0;
    // Sends the body over and over without a Content-Length until the client
    // goes away.
    bool Endless = false;

    static HttpRoute Ok(const QByteArray& ABody)
    {
        HttpRoute route;
        route.Body = ABody;
        return route;
    }
    static HttpRoute WithStatus(int AStatus, const QByteArray& ABody = {})
    {
        HttpRoute route;
        route.Status = AStatus;
        route.Body = ABody;
        return route;
    }
};

struct RecordedRequest {
    QString Method;
    QString Path;
    QList<QPair<QString, QString>> Headers;

    bool HasHeader(const QString& AName) const;
    // Value of the first header of that name (any case); empty when absent.
    QString Header(const QString& AName) const;
};

class HttpTestServer {
public:
    HttpTestServer();
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    int Port() const;
    // "http://127.0.0.1:<port>" + APath.
    QString Url(const QString& APath) const;

    void Route(const QString& APath, const HttpRoute& ARoute);

    QList<RecordedRequest> Requests() const;
    void ClearRequests();
    int CountRequests(const QString& AMethod, const QString& APath) const;

    // Ends every running stall and pause at once.
    void ReleaseWaits();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// A port on 127.0.0.1 that nothing listens on (bound, then released).
int UnusedLoopbackPort();

} // namespace vantor::test
