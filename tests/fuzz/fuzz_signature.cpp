// Arbitrary bytes as a manifest's signature file and as a public key line:
// the parsers must survive them, and nothing unsigned may verify.
#include "update/Minisign.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// A key whose secret was thrown away: nothing can be signed with it.
constexpr char FixedKey[] = "RWSSzE4+6IrmAR8FnBP0oijwnoMgl1g5oyC0tuj3Xyq/iKTTfAcP3w3g";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)vantor::minisign::ParsePublicKey(bytes);
    (void)vantor::minisign::ParseSignature(bytes);

    static const vantor::minisign::TrustedKeys keys = {*vantor::minisign::ParsePublicKey(FixedKey)};
    const auto result = vantor::minisign::Verify(QByteArrayLiteral("[MAIN]\r\nProgramVersion=9.9\r\n"), bytes, keys);
    if (result.ok())
        std::abort();
    return 0;
}
