// The version that the build writes into every program file of the
// installation: an ELF note owned by "Vantor", type 1, holding two 32-bit
// words (major<<16|minor, release<<16|build), in the file's byte order.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace vantor::platform {

struct FileVersionWords {
    std::uint32_t mostSignificant = 0;  // major << 16 | minor
    std::uint32_t leastSignificant = 0; // release << 16 | build
};

// Reads the version note of a file; nothing when the file is unreadable, is
// no ELF file, or carries no version note.
[[nodiscard]] std::optional<FileVersionWords> ReadFileVersion(const QString& fileName);

// The same on a file's bytes in memory.
[[nodiscard]] std::optional<FileVersionWords> ParseFileVersion(const QByteArray& bytes);

} // namespace vantor::platform
