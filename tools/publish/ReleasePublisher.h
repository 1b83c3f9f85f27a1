// Writes the update manifest of a release folder, reading every version from
// the files themselves.
//
// A release folder is served as http://<host>/Updates/Vantorix/<OEM id>/:
//   Program/<name>.Z          program package; the installer is its first
//                             entry, the version that of the "Vantor" file in it
//   Data/                     "Data.vt4" and "Devices.vt4", each plain or in a
//                             package of its own; version from its "Info" table
//   Catalogues/<code>/        "Catalogue.vt4" and "Pricelist.vt4", plain or
//                             packaged, under the same file names in every
//                             catalogue folder
//   VersionControl.txt        written here, with "[FILES]" (size, SHA-256 and
//                             URL of every file it links to), "Expires",
//                             "Channel" and "Issued"
//   VersionControl.txt.minisig  its signature, made by minisign (--sign)
#pragma once

#include "support/Result.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

namespace vantor::publish {

// What binds a manifest to its channel and its time: valid through Expires,
// for the installations of OEM id Channel, made at Issued (UTC).
struct ManifestStamp {
    QDate Expires;
    int Channel = -1;
    QDateTime Issued = QDateTime::currentDateTimeUtc();
};

// The channel a release URL names: the number in ".../Updates/Vantorix/<n>/";
// -1 when it names none.
int ChannelOfUrl(const QString& BaseUrl);

// The manifest text for ReleaseFolder served at BaseUrl (a trailing "/" is
// added when missing). A failure names the file at fault.
[[nodiscard]] Result<QByteArray> BuildManifest(const QString& ReleaseFolder, const QString& BaseUrl,
                                               const ManifestStamp& Stamp);

struct PublishOptions {
    ManifestStamp Stamp;
    // A minisign secret key: the manifest is signed with the minisign program,
    // which asks for the key's password on the terminal if it has one. Empty:
    // unsigned (the maker runs "minisign -S" on the manifest afterwards).
    QString SecretKeyFile;
    QString MinisignProgram = QStringLiteral("minisign");
};

// BuildManifest written to ReleaseFolder/VersionControl.txt, and signed, all
// or nothing. An unsigned manifest removes a signature left from an earlier
// manifest, which could only fail now.
[[nodiscard]] Result<void> PublishRelease(const QString& ReleaseFolder, const QString& BaseUrl,
                                          const PublishOptions& Options);

} // namespace vantor::publish
