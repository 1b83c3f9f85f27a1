#include "update/UpdateKeys.h"

namespace vantor {

TUpdateChannel UpdateChannelFor(const QByteArray& KeyLines, bool AllowUnsigned)
{
    TUpdateChannel channel;
    if (KeyLines.trimmed().isEmpty()) {
        if (AllowUnsigned)
            channel.Kind = TUpdateChannel::TKind::Unsigned;
        else
            channel.Why = QStringLiteral("this build trusts no update signing key");
        return channel;
    }
    for (const QByteArray& line : KeyLines.split(',')) {
        if (const auto key = minisign::ParsePublicKey(line))
            channel.Keys.append(*key);
    }
    if (channel.Keys.isEmpty()) {
        // A key the build was meant to trust: never read unsigned manifests instead.
        channel.Why = QStringLiteral("none of the update signing keys this build names can be used");
        return channel;
    }
    channel.Kind = TUpdateChannel::TKind::Signed;
    return channel;
}

const TUpdateChannel& CompiledUpdateChannel()
{
    static const TUpdateChannel channel =
        UpdateChannelFor(QByteArray(VANTOR_UPDATE_PUBLIC_KEYS), VANTOR_ALLOW_UNSIGNED_UPDATES != 0);
    return channel;
}

} // namespace vantor
