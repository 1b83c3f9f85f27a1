#include "update/UpdateKeys.h"

namespace vantor {

const minisign::TrustedKeys& CompiledUpdateKeys()
{
    static const minisign::TrustedKeys keys = [] {
        minisign::TrustedKeys parsed;
        // CMake checked their form at configure time; commas separate them.
        for (const QByteArray& line : QByteArray(VANTOR_UPDATE_PUBLIC_KEYS).split(',')) {
            if (const auto key = minisign::ParsePublicKey(line))
                parsed.append(*key);
        }
        return parsed;
    }();
    return keys;
}

} // namespace vantor
