#include "support/WindowChannel.h"

#include "support/NamedObject.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace vantor::platform {

namespace {

constexpr QByteArrayView QuitRequest = "quit\n";
constexpr int ConnectTimeoutMs = 1000;

// The runtime folder of the user, as for the named objects; empty when the
// user has no private one (never the current folder, nor "/").
QString SocketFolder()
{
    const QString probe = NamedObject::PathFor(QStringLiteral("x"));
    return probe.isEmpty() ? QString() : probe.chopped(1);
}

QString SocketPrefix(const QString& className)
{
    return className + QStringLiteral(".window.");
}

// Calls visit with every socket of that class; stale ones are removed.
template <typename Visit>
int ForEachWindow(const QString& className, Visit visit)
{
    if (SocketFolder().isEmpty())
        return 0;
    const QDir folder(SocketFolder());
    const QStringList names = folder.entryList({SocketPrefix(className) + '*'}, QDir::System | QDir::Files);
    int reached = 0;
    for (const QString& name : names) {
        const QString path = folder.filePath(name);
        QLocalSocket socket;
        socket.connectToServer(path);
        if (!socket.waitForConnected(ConnectTimeoutMs)) {
            if (socket.error() == QLocalSocket::ConnectionRefusedError ||
                socket.error() == QLocalSocket::ServerNotFoundError)
                QFile::remove(path); // its process has ended
            continue;
        }
        visit(socket);
        socket.disconnectFromServer();
        ++reached;
    }
    return reached;
}

} // namespace

WindowChannel::WindowChannel(QObject* parent) : QObject(parent)
{}

WindowChannel::~WindowChannel()
{
    if (server_ != nullptr)
        server_->close(); // also removes the socket file
}

bool WindowChannel::Listen(const QString& className)
{
    if (server_ != nullptr)
        return true;
    if (SocketFolder().isEmpty())
        return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString path = SocketFolder() + SocketPrefix(className) + QString::number(::getpid());
    QLocalServer::removeServer(path); // a leftover of an ended process with our number
    if (!server_->listen(path)) {
        delete server_;
        server_ = nullptr;
        return false;
    }
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("quit"))
                    emit QuitRequested();
            });
        }
    });
    return true;
}

int WindowChannel::RequestQuitAll(const QString& className)
{
    return ForEachWindow(className, [](QLocalSocket& socket) {
        socket.write(QuitRequest.data(), QuitRequest.size());
        socket.waitForBytesWritten(ConnectTimeoutMs);
    });
}

int WindowChannel::CountRunning(const QString& className)
{
    return ForEachWindow(className, [](QLocalSocket&) {});
}

} // namespace vantor::platform
