// Making sure the main program has ended before its files are replaced.
#pragma once

#include <QString>

#include <chrono>

namespace vantor {

// How long a main program may take to close before the caller gives up.
inline constexpr std::chrono::milliseconds CloseMainProgramLimit{30000};

// Asks every running main window of this user with that class name to quit
// and waits, polling every 100 ms, until none is left: true then. A program
// that hangs is waited for no longer than ALimit: false, and its files must
// not be replaced. Events keep flowing meanwhile so that the caller's window
// stays painted.
[[nodiscard]] bool CloseMainProgram(const QString& AClassName,
                                    std::chrono::milliseconds ALimit = CloseMainProgramLimit);

// Waits that long while events keep flowing.
void PauseProcessingEvents(int AMilliseconds);

} // namespace vantor
