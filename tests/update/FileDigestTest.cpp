// Hashing a file while it is written, against Qt's own SHA-256.
#include "update/FileDigest.h"
#include "testlib/TempFolder.h"

#include <QCryptographicHash>
#include <QFile>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

QByteArray Reference(const QByteArray& AContent)
{
    return QCryptographicHash::hash(AContent, QCryptographicHash::Sha256).toHex();
}

TEST(FileDigest, TheTrailingHasherSeesEveryByteTheWriterReports)
{
    TempFolder folder;
    QByteArray content;
    for (int i = 0; i < 3'000'000; ++i)
        content.append(static_cast<char>(i * 7 % 251));
    QFile file(folder.path() + "growing");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    TrailingFileHasher hasher(file.fileName());
    // Pieces of odd sizes, some reported late, as a transfer delivers them.
    qint64 written = 0;
    for (const qint64 piece : {1, 4095, 700000, 1048576, 3, 1200000}) {
        ASSERT_EQ(file.write(content.constData() + written, piece), piece);
        written += piece;
        if (piece != 3)
            hasher.Written(written);
    }
    file.write(content.constData() + written, content.size() - written);
    EXPECT_EQ(hasher.Finish(content.size()), Reference(content));
    EXPECT_EQ(Sha256OfFile(file.fileName()), Reference(content));
}

TEST(FileDigest, AFileShorterThanReportedOrMissingHasNoDigest)
{
    TempFolder folder;
    const QString path = folder.write("short", "abc");
    {
        TrailingFileHasher hasher(path);
        hasher.Written(3);
        EXPECT_TRUE(hasher.Finish(10).isEmpty());
    }
    {
        TrailingFileHasher hasher(folder.path() + "missing");
        EXPECT_TRUE(hasher.Finish(3).isEmpty());
    }
    // Abandoned while waiting for bytes that never come: ends without a hang.
    {
        TrailingFileHasher hasher(path);
    }
    EXPECT_EQ(Sha256OfFile(path), Reference("abc"));
    EXPECT_TRUE(Sha256OfFile(folder.path() + "missing").isEmpty());
}

} // namespace
} // namespace vantor::test
