// A silent fetch of one URL into one file, as the update check does for the
// manifest and its signature.
#pragma once

#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>

namespace vantor {

struct TDownloadLimits {
    // Bodies announced or sent longer than this fail (negative: no limit).
    std::int64_t MaxBytes = -1;
    // The request fails once this moment has passed.
    std::optional<std::chrono::steady_clock::time_point> Deadline;
    // The request fails soon after this flag turns true (from any thread).
    const std::atomic<bool>* Cancel = nullptr;
};

// True when the file was written and is not empty. Connection failures,
// error statuses, bodies cut short or over the limit, a cancelled request and
// file errors give false without a message; the local file is left as it is.
[[nodiscard]] bool DownloadFile(const QString& Url, const QString& FileName, const TDownloadLimits& Limits = {});

} // namespace vantor
