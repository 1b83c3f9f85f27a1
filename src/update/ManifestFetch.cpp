#include "update/ManifestFetch.h"

#include "common/IniFile.h"
#include "update/AcceptedManifests.h"
#include "update/DownloadFile.h"
#include "update/HttpClient.h"

#include <QDateTime>
#include <QFile>

#include <cstdio>

namespace vantor {

namespace {

// Reads a downloaded file of at most MaxBytes and removes it.
QByteArray TakeFile(const QString& FileName, std::int64_t MaxBytes)
{
    QFile file(FileName);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(MaxBytes + 1);
    file.close();
    QFile::remove(FileName);
    return bytes.size() > MaxBytes ? QByteArray() : bytes;
}

} // namespace

Result<TFetchedManifest> FetchUpdateManifest(const QString& ServerHost, std::int32_t OemId,
                                             const QString& StagingFolder, const minisign::TrustedKeys& Keys,
                                             const std::atomic<bool>* Cancel)
{
    const auto unavailable = [](const QString& AWhy) { return Failure(AWhy, ManifestUnavailable); };
    const auto refused = [](const QString& AWhy) { return Failure(AWhy, ManifestRefused); };
    TFetchedManifest manifest;
    // One deadline for the manifest and its signature together.
    TDownloadLimits limits;
    limits.Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(DefaultHttpTimeouts().ManifestDeadline);
    limits.MaxBytes = MaxManifestBytes;
    limits.Cancel = Cancel;

    const QString manifestFile = StagingFolder + QLatin1String(ManifestFileName);
    const QString manifestUrl = UpdateManifestUrl(ServerHost, OemId);
    const bool fetched = DownloadFile(manifestUrl, manifestFile, limits);
    const QByteArray manifestBytes = TakeFile(manifestFile, MaxManifestBytes);
    if (!fetched || manifestBytes.isEmpty())
        return unavailable(QStringLiteral("%1 could not be fetched").arg(manifestUrl));

    IniDocument ini;
    ini.loadBytes(manifestBytes);
    if (!Keys.isEmpty()) {
        const QString signatureFile = StagingFolder + QLatin1String(ManifestSignatureFileName);
        const QString signatureUrl = UpdateManifestUrl(ServerHost, OemId, QLatin1String(ManifestSignatureFileName));
        limits.MaxBytes = MaxSignatureBytes;
        const bool signatureFetched = DownloadFile(signatureUrl, signatureFile, limits);
        const QByteArray signature = TakeFile(signatureFile, MaxSignatureBytes);
        if (!signatureFetched || signature.isEmpty()) {
            const QString why = QStringLiteral("%1 could not be fetched").arg(signatureUrl);
            // Given up on by the user: as silent as a server that never answered.
            return Cancel != nullptr && Cancel->load() ? unavailable(why) : refused(why);
        }
        const auto verified = minisign::Verify(manifestBytes, signature, Keys);
        if (!verified)
            return refused(QStringLiteral("the manifest's signature does not hold: %1").arg(verified.message()));
        // Without a date an attacker could serve an old signed manifest for ever.
        const auto read = ReadManifestListing(ini);
        if (!read)
            return refused(QStringLiteral("the signed manifest is not usable: %1").arg(read.message()));
        const TManifestListing& listing = *read;
        if (listing.Channel != OemId)
            return refused(
                QStringLiteral("the signed manifest is for channel %1, not %2").arg(listing.Channel).arg(OemId));
        if (!IsListingCurrent(listing, QDateTime::currentDateTimeUtc().date()))
            return refused(
                QStringLiteral("the signed manifest expired on %1").arg(listing.Expires.toString(Qt::ISODate)));
        const TAcceptedManifests accepted(AcceptedManifestsFile());
        const QDateTime newest = accepted.Newest(ServerHost, OemId);
        if (newest.isValid() && listing.Issued < newest)
            return refused(QStringLiteral("the signed manifest was issued %1, before the one accepted already (%2)")
                               .arg(listing.Issued.toString(Qt::ISODate), newest.toString(Qt::ISODate)));
        if (!accepted.Remember(ServerHost, OemId, listing.Issued))
            std::fprintf(stderr, "Vantor: cannot record the update manifest's issue time in %s\n",
                         qPrintable(AcceptedManifestsFile()));
        manifest.Listed = listing.Files;
    }
    ReadUpdateManifest(ini, manifest.Data);
    return manifest;
}

} // namespace vantor
