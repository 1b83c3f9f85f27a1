// The system's font configuration, which the first text a window shows needs
// and which takes some milliseconds to read. Reading it ahead, on another
// thread, lets it arrive while the program does other start-up work.
#pragma once

namespace vantor::platform {

// Reads the font configuration if it has not been read yet. Safe on any
// thread; whoever asks later finds it ready.
void LoadFontConfiguration();

} // namespace vantor::platform
