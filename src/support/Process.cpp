#include "support/Process.h"

#include <QFile>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <system_error>
#include <thread>
#include <vector>

extern char** environ;

namespace vantor::platform {

QStringList SplitCommandLine(const QString& commandLine)
{
    QStringList parts;
    QString current;
    bool inQuotes = false;
    bool hasPart = false;
    for (const QChar c : commandLine) {
        if (c == '"') {
            inQuotes = !inQuotes;
            hasPart = true; // "" is an empty argument
        } else if (!inQuotes && (c == ' ' || c == '\t')) {
            if (hasPart) {
                parts.append(current);
                current.clear();
                hasPart = false;
            }
        } else {
            current.append(c);
            hasPart = true;
        }
    }
    if (hasPart)
        parts.append(current);
    return parts;
}

bool StartDetached(const QString& commandLine) noexcept
{
    try {
        return StartDetachedArguments(SplitCommandLine(commandLine));
    } catch (...) {
        // noexcept: splitting can run out of memory; then nothing started.
        return false;
    }
}

namespace {

// Starts the program without waiting for it; false when it did not start.
bool Spawn(const QStringList& parts);

} // namespace

bool StartDetachedArguments(const QStringList& parts) noexcept
{
    try {
        return Spawn(parts);
    } catch (...) {
        // Out of memory before the program started: it did not start.
        return false;
    }
}

namespace {

bool Spawn(const QStringList& parts)
{
    if (parts.isEmpty() || parts.first().isEmpty())
        return false;

    std::vector<QByteArray> encoded;
    encoded.reserve(parts.size());
    for (const QString& part : parts)
        encoded.push_back(QFile::encodeName(part));
    std::vector<char*> argv;
    argv.reserve(encoded.size() + 1);
    for (QByteArray& bytes : encoded)
        argv.push_back(bytes.data());
    argv.push_back(nullptr);

    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&attr, 0);
    sigset_t noSignals;
    sigemptyset(&noSignals);
    posix_spawnattr_setsigmask(&attr, &noSignals);
    sigset_t defaultSignals;
    sigfillset(&defaultSignals);
    posix_spawnattr_setsigdefault(&attr, &defaultSignals);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Descriptors the caller left open without close-on-exec stay ours.
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);

    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (rc != 0)
        return false;

    // Nobody waits for the program, but its exit status must still be
    // collected so that no zombie stays behind while the caller runs on.
    try {
        std::thread([pid] {
            int status = 0;
            ::waitpid(pid, &status, 0);
        }).detach();
    } catch (const std::system_error&) {
        // No thread to be had: the program runs all the same, and its exit
        // status waits for this process to end.
    }
    return true;
}

} // namespace

} // namespace vantor::platform
