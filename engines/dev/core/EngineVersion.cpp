#include "dev/core/EngineVersion.h"

namespace vantor::devengine {

TInfoVersion EngineVersion()
{
    return TInfoVersion{VANTOR_ENGINE_VERSION_MAJOR, VANTOR_ENGINE_VERSION_MINOR, VANTOR_ENGINE_VERSION_PATCH,
                        VANTOR_ENGINE_VERSION_TWEAK};
}

} // namespace vantor::devengine
