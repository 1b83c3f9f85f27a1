// What a signed manifest adds to the update manifest: the list of files it
// offers ("[FILES]", each value "SHA256 SIZE URL") and the last day it is
// valid ("Expires" in "[MAIN]", YYYYMMDD, through the end of that day in UTC).
// Readers that know nothing of them are unaffected.
#pragma once

#include <QByteArray>
#include <QDate>
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
};

// Reads "[FILES]" and "Expires". False, with the reason in Why, when an entry
// of the list is malformed, one URL is listed with two different contents, or
// the date is missing or no date.
bool ReadManifestListing(const IniDocument& Manifest, TManifestListing& Listing, QString& Why);

// True through the end of the expiry day in UTC.
bool IsListingCurrent(const TManifestListing& Listing, const QDate& TodayUtc);

// One value of "[FILES]", as the maker's tools write it.
QString FormatListedFile(const QString& Url, const TListedFile& File);

} // namespace vantor
