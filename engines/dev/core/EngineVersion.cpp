#include "dev/core/EngineVersion.h"

#include <cstdint>

// Defined with the library's version note; absent where the core is linked
// into a test program without one.
extern "C" [[gnu::weak]] std::uint32_t VantorVersionNoteWord(int index);

namespace vantor::devengine {

TInfoVersion EngineVersion()
{
    // The version note of the library file, so that the version the engine
    // reports is the one its file carries.
    if (VantorVersionNoteWord != nullptr) {
        const std::uint32_t most = VantorVersionNoteWord(0);
        const std::uint32_t least = VantorVersionNoteWord(1);
        return TInfoVersion{static_cast<std::int16_t>(most >> 16), static_cast<std::int16_t>(most & 0xFFFF),
                            static_cast<std::int16_t>(least >> 16), static_cast<std::int16_t>(least & 0xFFFF)};
    }
    return TInfoVersion{VANTOR_ENGINE_VERSION_MAJOR, VANTOR_ENGINE_VERSION_MINOR, VANTOR_ENGINE_VERSION_PATCH,
                        VANTOR_ENGINE_VERSION_TWEAK};
}

} // namespace vantor::devengine
