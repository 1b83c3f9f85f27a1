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
//                             URL of every file it links to) and "Expires"
//   VersionControl.txt.minisig  its signature, made by minisign (--sign)
#pragma once

#include "support/Error.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace vantor::publish {

class PublishError : public Error {
public:
    using Error::Error;
};

// The manifest text for ReleaseFolder served at BaseUrl (a trailing "/" is
// added when missing), valid through Expires. Throws PublishError naming the
// file at fault.
QByteArray BuildManifest(const QString& ReleaseFolder, const QString& BaseUrl, const QDate& Expires);

struct PublishOptions {
    QDate Expires;
    // A minisign secret key: the manifest is signed with the minisign program,
    // which asks for the key's password on the terminal if it has one. Empty:
    // unsigned (the maker runs "minisign -S" on the manifest afterwards).
    QString SecretKeyFile;
    QString MinisignProgram = QStringLiteral("minisign");
};

// BuildManifest written to ReleaseFolder/VersionControl.txt, and signed, all
// or nothing. An unsigned manifest removes a signature left from an earlier
// manifest, which could only fail now.
void PublishRelease(const QString& ReleaseFolder, const QString& BaseUrl, const PublishOptions& Options);

} // namespace vantor::publish
