// Making sure the main program has ended before its files are replaced.
#pragma once

#include <QString>

namespace vantor {

// Asks every running main window of this user with that class name to quit
// and waits, polling every 100 ms, until none is left. There is no upper
// limit: files in use must not be replaced. Events keep flowing meanwhile so
// that the caller's window stays painted.
void CloseMainProgram(const QString& AClassName);

// Waits that long while events keep flowing.
void PauseProcessingEvents(int AMilliseconds);

} // namespace vantor
