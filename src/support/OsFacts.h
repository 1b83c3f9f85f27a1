// Facts about the operating system for the about dialog: the distribution's
// name, a build number and a service-pack number, and the physical memory.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace vantor::platform {

struct OsFacts {
    QString productName; // e.g. "Debian GNU/Linux 12 (bookworm)"
    int build = 0;
    int servicePack = 0; // Linux has none; always 0
};

// The distribution's name from the text of an os-release file: PRETTY_NAME
// when present, else NAME followed by a blank and VERSION_ID (when known),
// else "Linux". Values may be quoted with single or double quotes; in double
// quotes a backslash escapes the next character.
[[nodiscard]] QString ProductNameFromOsRelease(const QByteArray& osRelease);

// The build of a kernel release text: the first number that follows the
// "major.minor.patch" part, e.g. 18 from "6.1.0-18-amd64" or 91 from
// "5.15.0-91-generic"; 0 when the release carries none ("6.8.12").
[[nodiscard]] int BuildFromKernelRelease(const QString& release);

// The running kernel's release (uname), empty when it cannot be read.
[[nodiscard]] QString KernelRelease();

// Name from osReleasePath (the system's "/etc/os-release", falling back to
// "/usr/lib/os-release", when empty), build from the running kernel.
OsFacts ReadOsFacts(const QString& osReleasePath = QString());

// Total physical memory in bytes, 0 when the system does not tell.
std::uint64_t TotalPhysicalMemory();

} // namespace vantor::platform
