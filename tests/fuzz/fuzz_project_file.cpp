// Arbitrary bytes as a project file: reading must survive them, and a
// project that reads must write bytes that read again to the same bytes
// (what saving an opened project relies on).
#include "dev/core/ProjectFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace vantor::devengine;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const EngineTexts texts(QStringLiteral("ENG"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto project = ReadProject(bytes, texts);
    if (!project) {
        check(!project.message().isEmpty());
        return 0;
    }
    const QByteArray written = WriteProject(*project);
    const auto again = ReadProject(written, texts);
    check(again.ok());
    check(WriteProject(*again) == written);
    return 0;
}
