// SHA-256 of files, for checking downloads against the signed manifest.
#pragma once

#include "update/ManifestListing.h"

#include <QByteArray>
#include <QString>

namespace vantor {

// Lower-case hex SHA-256 of the file's content; empty when it cannot be read.
QByteArray Sha256OfFile(const QString& FileName);

// True when the file has exactly the listed size and SHA-256; otherwise
// false with the reason in Why.
bool MatchesListedFile(const QString& FileName, const TListedFile& Listed, QString& Why);

} // namespace vantor
