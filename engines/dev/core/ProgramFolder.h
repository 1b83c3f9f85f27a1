// The folder of the running program, where the engine's own databases lie
// ("Data/Data.vt4", "Data/Devices.vt4").
#pragma once

#include <QString>

namespace vantor::devengine {

// The folder of the running executable, with a trailing "/". The host's
// catalogue path is no guide here: catalogues may live anywhere.
QString ProgramFolder();

} // namespace vantor::devengine
