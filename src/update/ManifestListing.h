// What a signed manifest adds to the update manifest: the list of files it
// offers ("[FILES]", each value "SHA256 SIZE URL"), and in "[MAIN]" the last
// day it is valid ("Expires", YYYYMMDD, through the end of that day in UTC),
// the OEM channel it was signed for ("Channel") and when it was made
// ("Issued", YYYYMMDDHHMMSS in UTC). Readers that know nothing of them are
// unaffected.
#pragma once

#include "support/Result.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>

namespace vantor {

class IniDocument;

struct TListedFile {
    QByteArray Sha256; // lower-case hex, 64 characters
    qint64 Size = 0;
};

// By URL, exactly as the client fetches it.
using TListedFiles = QHash<QString, TListedFile>;

struct TManifestListing {
    TListedFiles Files;
    QDate Expires;
    int Channel = -1;
    QDateTime Issued; // UTC
};

// Reads "[FILES]", "Expires", "Channel" and "Issued". Fails, saying why, when
// an entry of the list is malformed, one URL is listed with two different
// contents, or one of the three values is missing or malformed.
Result<TManifestListing> ReadManifestListing(const IniDocument& Manifest);

// True through the end of the expiry day in UTC.
[[nodiscard]] bool IsListingCurrent(const TManifestListing& Listing, const QDate& TodayUtc);

// "Issued" as read (invalid for anything but 14 digits of a UTC time) and written.
QDateTime ParseIssued(const QString& Text);
[[nodiscard]] QString FormatIssued(const QDateTime& Issued);

// One value of "[FILES]", as the maker's tools write it.
[[nodiscard]] QString FormatListedFile(const QString& Url, const TListedFile& File);

} // namespace vantor
