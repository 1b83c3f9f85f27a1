// The RTF reader of the licence page: any bytes must parse without crashing,
// hanging or unbounded memory, and the HTML must be producible.
#include "dialogs/RtfReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const vantor::TRtfDocument document = vantor::ReadRtf(input);
    const QString html = vantor::RtfToHtml(document);
    (void)html;
    return 0;
}
