// The signed manifest's file list and expiry date.
#include "update/ManifestListing.h"
#include "common/IniFile.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace vantor {
namespace {

const QByteArray Hash(64, 'a');

bool Read(const QByteArray& AText, TManifestListing& AListing, QString& AWhy)
{
    IniDocument ini;
    ini.loadBytes(AText);
    const auto read = ReadManifestListing(ini);
    AListing = read.valueOr({});
    AWhy = read ? QString() : read.message();
    return read.ok();
}

TEST(ManifestListing, ReadsEveryEntryByUrlAndTheExpiryDate)
{
    const QByteArray text =
        "[MAIN]\r\nExpires = 20301231 \r\nChannel=3\r\nIssued=20301230235959\r\n[FILES]\r\n"
        "one=" +
        Hash +
        " 123 http://host/Updates/Vantorix/0/Data/Data.Z\r\n"
        "x = 0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef 0 http://host/a%20b\r\n"
        "again=" +
        Hash + " 123 http://host/Updates/Vantorix/0/Data/Data.Z\r\n";
    TManifestListing listing;
    QString why;
    ASSERT_TRUE(Read(text, listing, why)) << why.toStdString();
    EXPECT_EQ(listing.Expires, QDate(2030, 12, 31));
    EXPECT_EQ(listing.Channel, 3);
    EXPECT_EQ(listing.Issued, QDateTime(QDate(2030, 12, 30), QTime(23, 59, 59), QTimeZone::utc()));
    EXPECT_EQ(FormatIssued(listing.Issued), "20301230235959");
    ASSERT_EQ(listing.Files.size(), 2);
    EXPECT_EQ(listing.Files.value("http://host/Updates/Vantorix/0/Data/Data.Z").Size, 123);
    EXPECT_EQ(listing.Files.value("http://host/Updates/Vantorix/0/Data/Data.Z").Sha256, Hash);
    EXPECT_EQ(listing.Files.value("http://host/a%20b").Size, 0);
    EXPECT_EQ(FormatListedFile("http://h/x", {Hash, 9}), QString(Hash + " 9 http://h/x"));
}

TEST(ManifestListing, MalformedEntriesConflictsAndDatesSpoilTheWholeListing)
{
    const QByteArray expires = "[MAIN]\r\nExpires=20301231\r\nChannel=0\r\nIssued=20261210120000\r\n";
    const QList<QPair<const char*, QByteArray>> cases = {
        {"upper-case hash", expires + "[FILES]\r\n1=" + Hash.toUpper() + " 1 http://h/a\r\n"},
        {"short hash", expires + "[FILES]\r\n1=" + Hash.left(63) + " 1 http://h/a\r\n"},
        {"two blanks", expires + "[FILES]\r\n1=" + Hash + "  1 http://h/a\r\n"},
        {"negative size", expires + "[FILES]\r\n1=" + Hash + " -1 http://h/a\r\n"},
        {"size too large", expires + "[FILES]\r\n1=" + Hash + " 1234567890123456789 http://h/a\r\n"},
        {"no URL", expires + "[FILES]\r\n1=" + Hash + " 1\r\n"},
        {"one URL, two contents",
         expires + "[FILES]\r\n1=" + Hash + " 1 http://h/a\r\n2=" + Hash + " 2 http://h/a\r\n"},
        {"no expiry date", "[FILES]\r\n1=" + Hash + " 1 http://h/a\r\n"},
        {"expiry date is no date", "[MAIN]\r\nExpires=20300231\r\n"},
        {"expiry date with a sign", "[MAIN]\r\nExpires=+2030123\r\n"},
        {"no channel", "[MAIN]\r\nExpires=20301231\r\nIssued=20261210120000\r\n"},
        {"channel is no number", "[MAIN]\r\nExpires=20301231\r\nChannel=-1\r\nIssued=20261210120000\r\n"},
        {"no issue time", "[MAIN]\r\nExpires=20301231\r\nChannel=0\r\n"},
        {"issue time is no time", "[MAIN]\r\nExpires=20301231\r\nChannel=0\r\nIssued=20261210246000\r\n"},
    };
    for (const auto& [name, text] : cases) {
        SCOPED_TRACE(name);
        TManifestListing listing;
        QString why;
        EXPECT_FALSE(Read(text, listing, why));
        EXPECT_FALSE(why.isEmpty());
    }
}

TEST(ManifestListing, ValidThroughTheExpiryDay)
{
    TManifestListing listing;
    listing.Expires = QDate(2030, 6, 15);
    EXPECT_TRUE(IsListingCurrent(listing, QDate(2030, 6, 14)));
    EXPECT_TRUE(IsListingCurrent(listing, QDate(2030, 6, 15)));
    EXPECT_FALSE(IsListingCurrent(listing, QDate(2030, 6, 16)));
    EXPECT_FALSE(IsListingCurrent(TManifestListing(), QDate(2030, 6, 14)));
}

} // namespace
} // namespace vantor
