// How this build reads update manifests. The keys are compiled in (CMake
// cache variable VANTOR_UPDATE_PUBLIC_KEYS) and nothing at run time can add
// one. A build with keys reads only manifests they signed; without keys it
// reads unsigned manifests only when built with
// VANTOR_ALLOW_UNSIGNED_UPDATES, and refuses every update otherwise. It never
// falls back to the unsigned channel.
#pragma once

#include "update/Minisign.h"

#include <QByteArray>
#include <QString>

namespace vantor {

struct TUpdateChannel {
    enum class TKind { Signed, Unsigned, Refused };
    TKind Kind = TKind::Refused;
    minisign::TrustedKeys Keys; // Signed: the keys to trust
    QString Why;                // Refused: the reason, for standard error
};

// The channel for key lines separated by commas, as the build writes them.
// Keys that do not decode are dropped; with none left the channel is refused.
TUpdateChannel UpdateChannelFor(const QByteArray& KeyLines, bool AllowUnsigned);

// The channel of this build.
const TUpdateChannel& CompiledUpdateChannel();

} // namespace vantor
