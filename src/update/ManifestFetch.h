// Fetching the update manifest for the check: within one deadline and a size
// cap whatever the server does, and, when the build trusts signing keys, only
// a manifest with a good signature by one of them, signed for this channel
// (the OEM id), that has not expired and was issued no earlier than the
// newest one this user accepted from that server (AcceptedManifests.h).
#pragma once

#include "update/ManifestListing.h"
#include "update/Minisign.h"
#include "update/UpdateManifest.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <optional>

namespace vantor {

// Larger manifests and signatures are not read.
inline constexpr std::int64_t MaxManifestBytes = std::int64_t{1024} * 1024;
inline constexpr std::int64_t MaxSignatureBytes = std::int64_t{4} * 1024;

// What a failed fetch's error code says.
enum TManifestFailure : int {
    ManifestUnavailable = 1, // no connection, an error status, nothing or too much sent, too slow, cancelled
    ManifestRefused = 2,     // a signature, channel or date that does not hold
};

struct TFetchedManifest {
    TUpdatedData Data;
    // The files a signed manifest offers; unset on the unsigned channel.
    std::optional<TListedFiles> Listed;
};

// Fetches the manifest (and with Keys its signature) into the staging folder,
// checks and reads it, and deletes the local copies. A failure says what was
// wrong, its code a TManifestFailure. Safe to run on a thread of its own;
// Cancel (set from any thread) makes it end soon as unavailable.
Result<TFetchedManifest> FetchUpdateManifest(const QString& ServerHost, std::int32_t OemId,
                                             const QString& StagingFolder, const minisign::TrustedKeys& Keys,
                                             const std::atomic<bool>* Cancel = nullptr);

} // namespace vantor
