// Finds the running main windows of the current user by their class name and
// asks them to quit: each window listens on a local socket named after its
// class and process in the user's runtime folder.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace vantor::platform {

class WindowChannel : public QObject {
    Q_OBJECT

public:
    explicit WindowChannel(QObject* parent = nullptr);
    ~WindowChannel() override;

    // Starts listening for the window of that class name in this process.
    [[nodiscard]] bool Listen(const QString& className);

    // Asks every window of that class name of the current user to quit;
    // returns how many were asked. Leftovers of ended processes are removed.
    static int RequestQuitAll(const QString& className);
    // How many windows of that class name of the current user listen now.
    static int CountRunning(const QString& className);

signals:
    void QuitRequested();

private:
    QLocalServer* server_ = nullptr;
};

} // namespace vantor::platform
