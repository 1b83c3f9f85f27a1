// Builds minimal ELF files with one note section, to test the version reader
// on every class and byte order without a cross toolchain.
#pragma once

#include <QByteArray>

#include <cstdint>

namespace vantor::test {

struct ElfNote {
    QByteArray owner; // without the terminating zero
    std::uint32_t type = 1;
    QByteArray desc;
};

QByteArray BuildElfWithNote(bool is64, bool bigEndian, const ElfNote& note);

// The desc of a version note: two 32-bit words in the given byte order.
QByteArray VersionDesc(bool bigEndian, std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                       std::uint16_t build);

} // namespace vantor::test
