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
//   VersionControl.txt        written here
#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace vantor::publish {

class PublishError : public std::runtime_error {
public:
    explicit PublishError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The manifest text for ReleaseFolder served at BaseUrl (a trailing "/" is
// added when missing). Throws PublishError naming the file at fault.
QByteArray BuildManifest(const QString& ReleaseFolder, const QString& BaseUrl);

// BuildManifest written to ReleaseFolder/VersionControl.txt all or nothing.
void PublishRelease(const QString& ReleaseFolder, const QString& BaseUrl);

} // namespace vantor::publish
