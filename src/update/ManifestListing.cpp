#include "update/ManifestListing.h"

#include "common/IniFile.h"

#include <QTimeZone>

#include <algorithm>

namespace vantor {

namespace {

bool IsLowerHex(const QString& Text)
{
    return std::all_of(Text.begin(), Text.end(),
                       [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'); });
}

bool IsDigits(const QString& Text)
{
    return !Text.isEmpty() && std::all_of(Text.begin(), Text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// "SHA256 SIZE URL", single spaces between the three.
bool ParseEntry(const QString& Value, QString& Url, TListedFile& File)
{
    const qsizetype first = Value.indexOf(u' ');
    const qsizetype second = first < 0 ? -1 : Value.indexOf(u' ', first + 1);
    if (second < 0)
        return false;
    const QString hash = Value.left(first);
    const QString size = Value.mid(first + 1, second - first - 1);
    Url = Value.mid(second + 1);
    // Up to 18 digits always fits a qint64.
    if (hash.size() != 64 || !IsLowerHex(hash) || !IsDigits(size) || size.size() > 18 || Url.isEmpty() ||
        Url.front().isSpace())
        return false;
    File.Sha256 = hash.toLatin1();
    File.Size = size.toLongLong();
    return true;
}

} // namespace

QDateTime ParseIssued(const QString& Text)
{
    // Read as UTC directly: a local reading could fall into a daylight-saving gap.
    if (Text.size() != 14 || !IsDigits(Text))
        return {};
    const QDate date = QDate::fromString(Text.left(8), QStringLiteral("yyyyMMdd"));
    const QTime time = QTime::fromString(Text.mid(8), QStringLiteral("HHmmss"));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, QTimeZone::utc());
}

QString FormatIssued(const QDateTime& Issued)
{
    return Issued.toUTC().toString(QStringLiteral("yyyyMMddHHmmss"));
}

Result<TManifestListing> ReadManifestListing(const IniDocument& Manifest)
{
    TManifestListing listing;
    for (const auto& [key, value] : Manifest.entries(QStringLiteral("FILES"))) {
        QString url;
        TListedFile file;
        if (!ParseEntry(value.trimmed(), url, file))
            return Failure(QStringLiteral("the file list entry \"%1\" is malformed").arg(key));
        const auto known = listing.Files.constFind(url);
        if (known != listing.Files.constEnd() && (known->Sha256 != file.Sha256 || known->Size != file.Size))
            return Failure(QStringLiteral("%1 is listed twice with different contents").arg(url));
        listing.Files.insert(url, file);
    }
    const QString main = QStringLiteral("MAIN");
    const QString expires = Manifest.readString(main, QStringLiteral("Expires")).trimmed();
    listing.Expires = QDate::fromString(expires, QStringLiteral("yyyyMMdd"));
    if (expires.size() != 8 || !IsDigits(expires) || !listing.Expires.isValid())
        return Failure(expires.isEmpty() ? QStringLiteral("it carries no expiry date")
                                         : QStringLiteral("its expiry date \"%1\" is no date").arg(expires));
    // Without them a manifest signed for one channel would install on
    // another, and an old one could be served again until it expires.
    const QString channel = Manifest.readString(main, QStringLiteral("Channel")).trimmed();
    if (!IsDigits(channel) || channel.size() > 9)
        return Failure(channel.isEmpty() ? QStringLiteral("it names no channel")
                                         : QStringLiteral("its channel \"%1\" is no number").arg(channel));
    listing.Channel = channel.toInt();
    const QString issued = Manifest.readString(main, QStringLiteral("Issued")).trimmed();
    listing.Issued = ParseIssued(issued);
    if (issued.size() != 14 || !IsDigits(issued) || !listing.Issued.isValid())
        return Failure(issued.isEmpty() ? QStringLiteral("it carries no issue time")
                                        : QStringLiteral("its issue time \"%1\" is no time").arg(issued));
    return listing;
}

bool IsListingCurrent(const TManifestListing& Listing, const QDate& TodayUtc)
{
    return Listing.Expires.isValid() && TodayUtc <= Listing.Expires;
}

QString FormatListedFile(const QString& Url, const TListedFile& File)
{
    return QStringLiteral("%1 %2 %3").arg(QString::fromLatin1(File.Sha256)).arg(File.Size).arg(Url);
}

} // namespace vantor
