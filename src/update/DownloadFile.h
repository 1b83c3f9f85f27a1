// A silent fetch of one URL into one file, as the update check does for the
// manifest.
#pragma once

#include <QString>

namespace vantor {

// True when the file was written and is not empty. Connection failures,
// error statuses and file errors give false without a message; the local
// file is left as it is.
bool DownloadFile(const QString& Url, const QString& FileName);

} // namespace vantor
