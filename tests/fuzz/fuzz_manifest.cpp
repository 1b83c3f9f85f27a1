// Arbitrary bytes as an update manifest: reading it, its file list and
// planning must survive them, and nothing planned may lead out of the staging
// folder.
#include "common/IniFile.h"
#include "update/ManifestListing.h"
#include "update/UpdateManifest.h"
#include "update/UpdatePlan.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    const QString file = folder.path() + QStringLiteral("/VersionControl.txt");
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    vantor::TUpdatedData manifest;
    vantor::ReadUpdateManifest(file, manifest);

    vantor::IniDocument ini;
    ini.loadBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (const auto listing = vantor::ReadManifestListing(ini)) {
        check(listing->Expires.isValid() && listing->Issued.isValid() && listing->Channel >= 0);
        for (const vantor::TListedFile& listed : std::as_const(listing->Files))
            check(listed.Sha256.size() == 64 && listed.Size >= 0);
    } else {
        check(!listing.message().isEmpty());
    }

    vantor::TInstalledVersion installed;
    installed.Product = vantor::StrToInfoVersion(QStringLiteral("1.0.0.0"));
    installed.DbMain = installed.Product;
    installed.DbDevices = installed.Product;
    installed.Catalogues = {{QStringLiteral("380"), QStringLiteral("20240101"), QStringLiteral("-1")}};
    (void)vantor::MarkUpdates(manifest, installed);

    const QString staging = QStringLiteral("/staging/Vantor/");
    const vantor::TUpdateDownloads downloads = vantor::ListUpdateDownloads(manifest, staging);
    check(downloads.Remote.size() == downloads.Local.size());
    for (const QString& local : downloads.Local) {
        const QString folderPart = local.left(local.lastIndexOf(QLatin1Char('/')) + 1);
        check(QDir::cleanPath(folderPart + QStringLiteral("x")).startsWith(staging));
    }
    return 0;
}
