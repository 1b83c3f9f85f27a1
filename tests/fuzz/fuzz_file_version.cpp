// Fuzz target: the version-note reader on arbitrary file contents.
#include "support/FileVersion.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)vantor::platform::ParseFileVersion(bytes);
    return 0;
}
