// The engine's own version: the project's four-part version.
#pragma once

#include "engine/EngineApi.h"

namespace vantor::devengine {

TInfoVersion EngineVersion();

} // namespace vantor::devengine
