// Reading hand-made packages: layout, folders, refused paths, damaged data.
#include "support/Result.h"
#include "update/ZlibMultiple.h"

#include "testlib/TempFolder.h"
#include "update/PackageBytes.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

namespace {

// What a listing gives, or the failure's message.
QStringList Listed(const QString& package, QString* failure = nullptr)
{
    QStringList list;
    const auto listed = TZlibMultiple().ListStoredFiles(package, list);
    if (failure != nullptr)
        *failure = listed ? QString() : listed.message();
    return list;
}

Result<void> Unpack(const QString& package, const QString& destination, bool overwrite = true,
                    bool relativePaths = true)
{
    return TZlibMultiple().DecompressFile(package, destination, overwrite, relativePaths);
}

// A package must fail with a message, not be taken.
bool Fails(const Result<void>& AResult)
{
    return !AResult.ok() && !AResult.message().isEmpty();
}

} // namespace

TEST(PackageReader, OneEntryHasTheDocumentedLayout)
{
    TempFolder dir;
    const QByteArray stream = ZlibStream("abc");
    QByteArray bytes = QByteArray::fromHex("0005") + "a.txt" + QByteArray::fromHex("03000000");
    bytes += LittleEndian32(quint32(stream.size())) + stream;
    ASSERT_EQ(bytes, Entry("", "a.txt", "abc"));
    const QString package = dir.write("p/update.Z", bytes);

    EXPECT_EQ(Listed(package), QStringList{"a.txt"});
    ASSERT_TRUE(Unpack(package, dir.path() + "p").ok());
    EXPECT_EQ(dir.read("p/a.txt"), "abc");
}

TEST(PackageReader, AnEmptyPackageListsNothingAndUnpacksNothing)
{
    TempFolder dir;
    const QString package = dir.write("empty.Z", "");
    EXPECT_EQ(Listed(package), QStringList{});
    ASSERT_TRUE(Unpack(package, dir.path() + "out").ok());
    EXPECT_EQ(EverythingBelow(dir.path()), QStringList{"empty.Z"});
}

TEST(PackageReader, FoldersGetTheirSeparatorAndAreCreated)
{
    TempFolder dir;
    const QString package = dir.write("p.Z", Entry("sub", "x", "1") + Entry("a\\b\\", "y", "22") +
                                                 Entry("", "caf\xe9.txt", "3") + Entry("d", "e/f\\g", "4"));
    // Text bytes are Latin-1: 0xE9 is one character.
    EXPECT_EQ(Listed(package), (QStringList{"sub\\x", "a\\b\\y", QString::fromUtf8("caf\u00e9.txt"), "d\\e/f\\g"}));

    ASSERT_TRUE(Unpack(package, dir.path() + "out").ok());
    EXPECT_EQ(dir.read("out/sub/x"), "1");
    EXPECT_EQ(dir.read("out/a/b/y"), "22");
    EXPECT_EQ(dir.read(QString::fromUtf8("out/caf\u00e9.txt")), "3");
    EXPECT_EQ(dir.read("out/d/e/f/g"), "4"); // separators in a name make folders too

    // Without relative paths the files land in the destination itself, while
    // their folders are still made.
    ASSERT_TRUE(Unpack(package, dir.path() + "flat", true, false).ok());
    EXPECT_EQ(EverythingBelow(dir.path() + "flat"), (QStringList{"a/", "a/b/", QString::fromUtf8("caf\u00e9.txt"), "d/",
                                                                 "e/", "e/f/", "e/f/g", "sub/", "x", "y"}));
}

TEST(PackageReader, PathsThatCouldLeaveTheDestinationAreRefusedBeforeWriting)
{
    const QList<std::pair<QByteArray, QByteArray>> paths = {{"..\\..\\", "evil"},
                                                            {"", "/abs"},
                                                            {"\\abs", "x"},
                                                            {"C:\\", "x"},
                                                            {"a\\..\\..\\", "b"},
                                                            {"", ".."},
                                                            {"sub", "../../evil"},
                                                            {"a", "d:x"},
                                                            {"ok/../..", "x"},
                                                            {"", "a\\..\\.."},
                                                            {"", ""},
                                                            {"sub", "x\\"},
                                                            {"", QByteArray("nul\0x", 5)}};
    for (const auto& [directory, name] : paths) {
        SCOPED_TRACE((directory + "|" + name).toStdString());
        TempFolder dir;
        const QString package = dir.write("p.Z", Entry(directory, name, "bad"));
        EXPECT_TRUE(Fails(Unpack(package, dir.path() + "out/inner")));
        EXPECT_EQ(EverythingBelow(dir.path()), QStringList{"p.Z"});
    }
}

TEST(PackageReader, DamagedDataEndsTheOperationAndKeepsWhatWasWritten)
{
    const QByteArray content(100000, 'z');
    const QByteArray good = ZlibStream(content);
    QByteArray corrupt = good;
    corrupt[corrupt.size() / 2] = char(corrupt[corrupt.size() / 2] ^ 0x55);
    corrupt[corrupt.size() - 1] = char(corrupt[corrupt.size() - 1] ^ 0x55); // the checksum at least
    const QByteArray cutShort = good.left(good.size() - 5);
    const QByteArray rawDeflate = good.mid(2, good.size() - 6);
    const QByteArray gzip = QByteArray::fromHex("1f8b08000000000000034b4c4a0600c241243503000000");
    for (const QByteArray& data : {corrupt, cutShort, rawDeflate, gzip}) {
        TempFolder dir;
        const QString package =
            dir.write("p.Z", Entry("", "first", "1") + RawEntry("", "second", 100000, quint32(data.size()), data) +
                                 Entry("", "third", "3"));
        EXPECT_TRUE(Fails(Unpack(package, dir.path() + "out")));
        EXPECT_EQ(dir.read("out/first"), "1");
        EXPECT_TRUE(QFileInfo::exists(dir.path() + "out/second"));
        EXPECT_FALSE(QFileInfo::exists(dir.path() + "out/third"));
    }
}

TEST(PackageReader, AnEntryMayNotInflatePastItsRecordedSize)
{
    // 10 MB of zeros pack into about 10 KB: a small entry could fill a disk.
    const QByteArray bomb = ZlibStream(QByteArray(10 * 1024 * 1024, '\0'));
    TempFolder dir;
    const QString package = dir.write("p.Z", RawEntry("", "small", 1000, quint32(bomb.size()), bomb));
    EXPECT_TRUE(Fails(Unpack(package, dir.path() + "out")));
    EXPECT_LE(QFileInfo(dir.path() + "out/small").size(), 1000);

    // Exactly the recorded size is fine.
    const QString exact =
        dir.write("q.Z", RawEntry("", "exact", 3, quint32(ZlibStream("abc").size()), ZlibStream("abc")));
    ASSERT_TRUE(Unpack(exact, dir.path() + "out").ok());
    EXPECT_EQ(dir.read("out/exact"), "abc");
}

TEST(PackageReader, BytesAfterTheEndOfAStreamAreIgnored)
{
    TempFolder dir;
    const QByteArray data = ZlibStream("abc") + "trailing";
    const QString package = dir.write("p.Z", RawEntry("", "a", 3, quint32(data.size()), data) + Entry("", "b", "b"));
    ASSERT_TRUE(Unpack(package, dir.path()).ok());
    EXPECT_EQ(dir.read("a"), "abc");
    EXPECT_EQ(dir.read("b"), "b");
}

TEST(PackageReader, AnEntryCutShortIsListedButNothingIsWrittenForIt)
{
    TempFolder dir;
    const QByteArray stream = ZlibStream("truncated");
    const QString package =
        dir.write("p.Z", Entry("", "whole", "w") + RawEntry("cut", "part", 9, quint32(stream.size()), stream.left(4)));
    EXPECT_EQ(Listed(package), (QStringList{"whole", "cut\\part"}));
    EXPECT_TRUE(Fails(Unpack(package, dir.path() + "out")));
    EXPECT_EQ(EverythingBelow(dir.path() + "out"), QStringList{"whole"});

    // A header cut short cannot be listed at all.
    const QString broken = dir.write("h.Z", Entry("", "whole", "w") + QByteArray::fromHex("0461"));
    QString failure;
    Listed(broken, &failure);
    EXPECT_FALSE(failure.isEmpty());
    Listed(dir.path() + "missing.Z", &failure);
    EXPECT_FALSE(failure.isEmpty());
}

TEST(PackageReader, OverwriteDecidesAboutExistingFiles)
{
    TempFolder dir;
    const QString package = dir.write("p.Z", Entry("", "a", "new a") + Entry("", "b", "new b"));
    dir.write("out/a", "old a");
    ASSERT_TRUE(Unpack(package, dir.path() + "out", false).ok());
    EXPECT_EQ(dir.read("out/a"), "old a");
    EXPECT_EQ(dir.read("out/b"), "new b"); // the skipped entry's data was passed over correctly
    ASSERT_TRUE(Unpack(package, dir.path() + "out", true).ok());
    EXPECT_EQ(dir.read("out/a"), "new a");
}

TEST(PackageReader, AnEmptyStreamMakesAnEmptyFile)
{
    TempFolder dir;
    const QString package = dir.write("p.Z", RawEntry("", "empty", 0, 8, EmptyZlibStream()));
    ASSERT_TRUE(Unpack(package, dir.path()).ok());
    EXPECT_TRUE(QFileInfo(dir.path() + "empty").isFile());
    EXPECT_EQ(QFileInfo(dir.path() + "empty").size(), 0);
}

TEST(PackageReader, EventsReportAndMayVetoEachFile)
{
    TempFolder dir;
    QByteArray big(700 * 1024, '\0');
    for (qsizetype i = 0; i < big.size(); ++i)
        big[i] = char(i * 7 % 251);
    const QString package = dir.write("p.Z", Entry("", "skip", "s") + Entry("d", "big", big));

    TZlibMultiple reader;
    QStringList asked;
    QList<std::pair<qint64, qint64>> progress;
    QStringList done;
    int completed = 0;
    reader.OnDecompressingFile = [&](const QString& target, qint64 size) {
        asked << QFileInfo(target).fileName() + "=" + QString::number(size);
        return !target.endsWith("skip");
    };
    reader.OnProgress = [&](qint64 bytes, qint64 total) { progress.append({bytes, total}); };
    reader.OnDecompressedFile = [&](const QString& target, qint64 bytes) {
        done << QDir(dir.path()).relativeFilePath(target) + "=" + QString::number(bytes);
    };
    reader.OnCompletedAction = [&] { ++completed; };
    ASSERT_TRUE(reader.DecompressFile(package, dir.path(), true, true).ok());

    EXPECT_EQ(asked, (QStringList{"skip=1", "big=716800"}));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "skip"));
    EXPECT_EQ(done, QStringList{"d/big=716800"});
    EXPECT_EQ(dir.read("d/big"), big);
    ASSERT_GE(progress.size(), 3); // streamed in chunks
    EXPECT_EQ(progress.back(), (std::pair<qint64, qint64>{716800, 716800}));
    EXPECT_EQ(completed, 1);
}
