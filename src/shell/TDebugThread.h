// Starts the optional companion programs beside the main program, once, at
// the first idle moment, without holding up the interface.
#pragma once

#include <QString>
#include <QThread>

namespace vantor {

inline constexpr const char* CompanionPrograms[] = {"Dbg3", "Dbg4"};

class TDebugThread : public QThread {
    Q_OBJECT

public:
    // Starts at once, one priority step above normal, and deletes itself when done.
    explicit TDebugThread(const QString& rootPath);

    // Starts RootPath + FileName when that file exists; failures are dropped.
    static void StartCompanion(const QString& rootPath, const QString& FileName);

protected:
    void run() override;

private:
    QString rootPath_; // a copy: the thread touches nothing shared
};

} // namespace vantor
