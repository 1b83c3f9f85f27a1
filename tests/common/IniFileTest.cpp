#include "common/IniFile.h"

#include "testlib/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

IniDocument parse(const QByteArray& bytes)
{
    IniDocument ini;
    ini.loadBytes(bytes);
    return ini;
}

TEST(IniDocument, UntouchedFilesSurviveByteForByte)
{
    QList<QByteArray> samples = {
        "",
        "\n\n",
        "\xEF\xBB\xBF[A]\r\nk=v\r\n",
        "; lead\n#hash\n[A]\n  k  =  v  \n\tjunk line\n=novalue\n[B\n[A]\nk=dup\nk=dup2",
        "[A]\r\nx=1\n\r\ny=2\r",
        "x=before any section\n[ Spaced ] trailing\n a = b = c \n",
        "\xEF\xBB\xBF",
    };
    samples.append(QByteArray("[\xFF\xFE]\n\xC3=\x80\x00\n", 10)); // invalid UTF-8 and a NUL
    for (const QByteArray& bytes : samples) {
        EXPECT_EQ(parse(bytes).toBytes(), bytes);
        // Writing a value that is already there changes nothing either.
        IniDocument ini = parse(bytes);
        if (ini.hasKey("A", "k")) {
            ASSERT_TRUE(ini.writeString("A", "k", ini.readString("A", "k")));
            EXPECT_EQ(ini.toBytes(), bytes);
        }
    }
}

TEST(IniDocument, LooksUpWithoutCaseAndFirstOccurrenceWins)
{
    const IniDocument ini = parse("\xEF\xBB\xBF"
                                  "orphan=1\n"
                                  "[Misc]\n; iOemId=9\n  IOEMID =  3  \niOemId=4\nPath= a = b \n"
                                  "[ Other ]\nk=x\n"
                                  "[misc]\niOemId=5\nLate=1\n");
    EXPECT_EQ(ini.readString("MISC", "ioemid"), "3");
    EXPECT_EQ(ini.readString("misc", "path"), "a = b");
    EXPECT_EQ(ini.readString("Other", "K"), "x");
    EXPECT_EQ(ini.readString("Misc", "Late", "none"), "none"); // only the first [Misc] counts
    EXPECT_EQ(ini.readString("", "orphan", "none"), "none");
    EXPECT_EQ(ini.sections(), QStringList({"Misc", "Other"}));
    EXPECT_EQ(ini.keys("misc"), QStringList({"IOEMID", "Path"}));
    EXPECT_EQ(ini.entries("Misc").size(), 3);
    EXPECT_EQ(ini.entries("Misc").at(1), qMakePair(QString("iOemId"), QString("4")));
    EXPECT_TRUE(ini.keys("Absent").isEmpty());
}

TEST(IniDocument, NumbersMustBeDecimalIntegers)
{
    const IniDocument ini = parse("[N]\na= 42 \nb=+7\nc=-3\nd=2147483647\ne=-2147483648\n"
                                  "w=abc\nx=12abc\ny=0x10\nz=\nf=1.5\ng=2147483648\nh=-\ni=99999999999999999999\n");
    EXPECT_EQ(ini.readInteger("N", "a", -1), 42);
    EXPECT_EQ(ini.readInteger("N", "b", -1), 7);
    EXPECT_EQ(ini.readInteger("N", "c", -1), -3);
    EXPECT_EQ(ini.readInteger("N", "d", -1), 2147483647);
    EXPECT_EQ(ini.readInteger("N", "e", -1), -2147483647 - 1);
    for (const char* key : {"w", "x", "y", "z", "f", "g", "h", "i", "missing"})
        EXPECT_EQ(ini.readInteger("N", key, -9), -9) << key;
    EXPECT_TRUE(ini.readBool("N", "c", false));
    EXPECT_TRUE(ini.readBool("N", "w", true));
    EXPECT_FALSE(ini.readBool("N", "w", false));
    EXPECT_FALSE(parse("[N]\nb=0\n").readBool("N", "b", true));
}

TEST(IniDocument, WritingChangesOnlyTheKeysLine)
{
    IniDocument ini = parse("; c\r\n[Misc]\r\n  IOEMID =  3  ; note\r\niOemId=4\r\n\r\n[Other]\r\nk=x");
    ASSERT_TRUE(ini.writeInteger("misc", "iOemId", 0));
    ASSERT_TRUE(ini.writeString("Other", "k", "y"));
    EXPECT_EQ(ini.toBytes(), "; c\r\n[Misc]\r\n  IOEMID =  0\r\niOemId=4\r\n\r\n[Other]\r\nk=y");
}

TEST(IniDocument, MissingKeyGoesAfterTheLastKeyOfItsSection)
{
    IniDocument ini = parse("[A]\na=1\n; about a\nb=2\n\n; about B\n[B]\n; nothing yet\n\n[A]\nz=9\n");
    ASSERT_TRUE(ini.writeString("a", "c", "3"));
    ASSERT_TRUE(ini.writeBool("B", "d", true));
    EXPECT_EQ(ini.toBytes(), "[A]\na=1\n; about a\nb=2\nc=3\n\n; about B\n[B]\nd=1\n; nothing yet\n\n[A]\nz=9\n");
    EXPECT_EQ(ini.readString("A", "c"), "3");
}

TEST(IniDocument, MissingSectionIsAppendedInTheFilesStyle)
{
    IniDocument noFinalBreak = parse("[A]\r\na=1\r\nb=2");
    ASSERT_TRUE(noFinalBreak.writeString("New", "k", "v"));
    EXPECT_EQ(noFinalBreak.toBytes(), "[A]\r\na=1\r\nb=2\r\n[New]\r\nk=v");

    IniDocument empty = parse("\xEF\xBB\xBF");
    ASSERT_TRUE(empty.writeString("S", "k", "v"));
    EXPECT_EQ(empty.toBytes(), "\xEF\xBB\xBF[S]\nk=v\n");

    IniDocument mixed = parse("[A]\r\nx=1\n; lf\n");
    ASSERT_TRUE(mixed.writeString("A", "y", "2"));
    EXPECT_EQ(mixed.toBytes(), "[A]\r\nx=1\ny=2\n; lf\n");
}

TEST(IniDocument, RefusesWritesThatWouldBreakTheStructure)
{
    const QByteArray bytes = "[A]\na=1\n";
    IniDocument ini = parse(bytes);
    EXPECT_FALSE(ini.writeString("A", "a", "1\n[B]"));
    EXPECT_FALSE(ini.writeString("A", "b=c", "1"));
    EXPECT_FALSE(ini.writeString("A", "", "1"));
    EXPECT_FALSE(ini.writeString("A", ";b", "1"));
    EXPECT_FALSE(ini.writeString("A", " b", "1"));
    EXPECT_FALSE(ini.writeString("A]x", "b", "1"));
    EXPECT_FALSE(ini.writeString("A\r", "b", "1"));
    EXPECT_EQ(ini.toBytes(), bytes);
}

class IniSaveFile : public ::testing::Test {
protected:
    QStringList entries() const
    {
        return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    // Owner, group and others; the "user" flags depend on who runs the test.
    static QFileDevice::Permissions modeBits(const QString& path)
    {
        return QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    }
    TempFolder folder;
};

TEST_F(IniSaveFile, ReplacesTheFileAndKeepsItsPermissions)
{
    const QString path = folder.write("Vantor.ini", "[A]\na=1\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    IniDocument ini;
    ASSERT_TRUE(ini.loadFile(path));
    ini.writeString("A", "a", "2");
    ASSERT_TRUE(ini.saveFile(path));
    EXPECT_EQ(folder.read("Vantor.ini"), "[A]\na=2\n");
    EXPECT_EQ(modeBits(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    EXPECT_EQ(entries(), QStringList{"Vantor.ini"}); // no temporary file left

    EXPECT_TRUE(ini.saveFile(folder.path() + "Fresh.ini"));
    EXPECT_EQ(folder.read("Fresh.ini"), "[A]\na=2\n");
}

TEST_F(IniSaveFile, WritesThroughASymbolicLink)
{
    const QString target = folder.write("real/Vantor.ini", "[A]\na=1\n");
    const QString link = folder.path() + "Vantor.ini";
    ASSERT_TRUE(QFile::link(target, link));
    IniDocument ini = parse("[A]\na=3\n");
    ASSERT_TRUE(ini.saveFile(link));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(folder.read("real/Vantor.ini"), "[A]\na=3\n");
}

TEST_F(IniSaveFile, ReadOnlyFileOrFolderFailsAndStaysAsItWas)
{
    const QString path = folder.write("Vantor.ini", "[A]\na=1\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    IniDocument ini = parse("[A]\na=2\n");
    EXPECT_FALSE(ini.saveFile(path));
    EXPECT_EQ(folder.read("Vantor.ini"), "[A]\na=1\n");

    const QString locked = folder.makeFolder("locked");
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(ini.saveFile(locked + "/Vantor.ini"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(QDir(locked).isEmpty());

    EXPECT_FALSE(ini.saveFile(folder.makeFolder("dir")));
    EXPECT_FALSE(ini.saveFile(folder.path() + "missing/Vantor.ini"));
    EXPECT_EQ(entries(), QStringList({"Vantor.ini", "dir", "locked"}));
}

} // namespace
} // namespace vantor::test
