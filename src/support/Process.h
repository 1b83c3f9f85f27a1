// Starting programs without waiting for them.
#pragma once

#include <QString>
#include <QStringList>

namespace vantor::platform {

// Splits a command line into the program and its arguments: blanks outside
// double quotes separate, the quotes themselves are removed, a backslash is
// an ordinary character ("/SP=\"/tmp/a b/\"" gives /SP=/tmp/a b/).
[[nodiscard]] QStringList SplitCommandLine(const QString& commandLine);

// Starts the command line as a detached process in a new process group, with
// the caller's environment and current folder, and no inherited descriptors
// beyond the standard three. A program without "/" is looked up on PATH.
// True when the program was started; it is never waited for. Never throws.
[[nodiscard]] bool StartDetached(const QString& commandLine) noexcept;

// The same with the program and its arguments already apart (a path with
// blanks needs no quoting).
[[nodiscard]] bool StartDetachedArguments(const QStringList& arguments) noexcept;

} // namespace vantor::platform
