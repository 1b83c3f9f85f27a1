#include "shell/SetupFile.h"

#include "testlib/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

class SetupFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.makeFolder("Cat/33");
        data.SetupFile = folder.path() + "Vantor.ini";
    }
    // A usable file whose [Misc] section is given by the test.
    QString fileWithMisc(const QByteArray& misc) const
    {
        return folder.write("Vantor.ini",
                            "[Catalogue]\nsCode=33\nsPath=" + folder.path().toUtf8() + "Cat\n[Misc]\n" + misc);
    }
    bool read() { return ReadSetupFile(data); }

    TempFolder folder;
    TGlobalSetupData data;
};

TEST_F(SetupFileTest, ReadsEveryKeyOfAUsableFile)
{
    folder.write("Vantor.ini",
                 "\xEF\xBB\xBF; settings\r\n[UPDATES]\r\nbautocheck = 0\r\n[Language]\r\niLangId= de-ch \r\n"
                 "[Catalogue]\r\nsCode=33\r\nsPath=" +
                     folder.path().toUtf8() +
                     "Cat/\r\n"
                     "[Misc]\r\niOemId=3\r\nbDebugMode=2\r\nbShowPrices=0\r\n");
    EXPECT_TRUE(read());
    EXPECT_FALSE(data.AutoCheckUpdates);
    EXPECT_EQ(data.LanguageId, "DE-CH");
    EXPECT_EQ(data.CatalogueCode, "33");
    EXPECT_EQ(data.CataloguePath, folder.path() + "Cat/33/");
    EXPECT_EQ(data.OemId, 3);
    EXPECT_TRUE(data.DebugMode);
    EXPECT_FALSE(data.ShowPrices);
}

TEST_F(SetupFileTest, MissingKeysAndWordsWhereNumbersBelongGiveTheDefaults)
{
    fileWithMisc("iOemId=0\nbShowPrices=yes\nbDebugMode=on\n[Updates]\nbAutoCheck=off\n");
    EXPECT_TRUE(read());
    EXPECT_TRUE(data.AutoCheckUpdates);
    EXPECT_EQ(data.LanguageId, "REF");
    EXPECT_FALSE(data.DebugMode);
    EXPECT_TRUE(data.ShowPrices);

    fileWithMisc("iOemId=three\n");
    EXPECT_FALSE(read());
    EXPECT_EQ(data.OemId, -1);
}

TEST_F(SetupFileTest, OnlyAllowedOemIdsPassButValuesAreKept)
{
    EXPECT_FALSE(IsAllowedOemId(-1));
    fileWithMisc("iOemId=1\nbDebugMode=1\n");
    EXPECT_FALSE(read());
    EXPECT_EQ(data.OemId, 1);
    EXPECT_TRUE(data.DebugMode); // stored although the file failed
    EXPECT_EQ(data.CataloguePath, folder.path() + "Cat/33/");
    fileWithMisc("iOemId=0\n");
    EXPECT_TRUE(read());
}

TEST_F(SetupFileTest, CataloguePathIsBuiltFromPathAndCode)
{
    folder.makeFolder("-1/33");
    const QByteArray misc = "[Misc]\niOemId=0\n";
    folder.write("Vantor.ini", "[Catalogue]\nsCode=33\n" + misc);
    EXPECT_FALSE(read());
    EXPECT_EQ(data.CataloguePath, "-1/33/"); // relative to the current folder, not to the file's

    folder.write("Vantor.ini", "[Catalogue]\nsPath=" + folder.path().toUtf8() + "Cat\n" + misc);
    EXPECT_FALSE(read());
    EXPECT_EQ(data.CataloguePath, folder.path() + "Cat/-1/");

    for (const char* ending : {"", "/"}) {
        folder.write("Vantor.ini", "[Catalogue]\nsCode=33" + QByteArray(ending) + "\nsPath=" + folder.path().toUtf8() +
                                       "Cat" + ending + "\n" + misc);
        EXPECT_TRUE(read());
        EXPECT_EQ(data.CataloguePath, folder.path() + "Cat/33/");
    }

    // A relative path starts at the current folder.
    const QString previous = QDir::currentPath();
    folder.write("Vantor.ini", "[Catalogue]\nsCode=33\nsPath=Cat\n" + misc);
    EXPECT_FALSE(read());
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    const bool fromHere = read();
    QDir::setCurrent(previous);
    EXPECT_TRUE(fromHere);
    EXPECT_EQ(data.CataloguePath, "Cat/33/");
}

TEST_F(SetupFileTest, MissingOrUnreadableFileChangesNothing)
{
    data.LanguageId = "XX";
    data.OemId = 7;
    EXPECT_FALSE(read());
    folder.makeFolder("Vantor.ini");
    EXPECT_FALSE(read());
    EXPECT_EQ(data.LanguageId, "XX");
    EXPECT_EQ(data.OemId, 7);
}

TEST_F(SetupFileTest, WritingChangesOnlyTheFiveKeys)
{
    const QByteArray original = "; keep me\r\n[updates]\r\n  BAUTOCHECK = 1   \r\n\r\n[Language]\r\niLangId=deu\r\n"
                                "[Catalogue]\r\nsPath=  /opt/cat  \r\nsCode=33\r\n; code above\r\n"
                                "[Misc]\r\nbDebugMode=1\r\niOemId=3\r\n[Extra]\r\nx = y\r\n";
    folder.write("Vantor.ini", original);
    read();
    EXPECT_EQ(data.LanguageId, "DEU");
    data.AutoCheckUpdates = false;
    data.CatalogueCode = "44";
    data.ShowPrices = false;
    ASSERT_TRUE(WriteSetupFile(data));
    EXPECT_EQ(folder.read("Vantor.ini"),
              "; keep me\r\n[updates]\r\n  BAUTOCHECK = 0\r\n\r\n[Language]\r\niLangId=DEU\r\n"
              "[Catalogue]\r\nsPath=  /opt/cat  \r\nsCode=44\r\n; code above\r\n"
              "[Misc]\r\nbDebugMode=1\r\niOemId=3\r\nbShowPrices=0\r\n[Extra]\r\nx = y\r\n");

    // Written twice with the same values, the file stays the same.
    const QByteArray once = folder.read("Vantor.ini");
    ASSERT_TRUE(WriteSetupFile(data));
    EXPECT_EQ(folder.read("Vantor.ini"), once);
}

TEST_F(SetupFileTest, WritingCreatesAMissingFileThatReadsBack)
{
    data.AutoCheckUpdates = true;
    data.LanguageId = "ENG";
    data.CatalogueCode = "33";
    data.OemId = 0;
    data.ShowPrices = true;
    ASSERT_TRUE(WriteSetupFile(data));
    EXPECT_EQ(
        folder.read("Vantor.ini"),
        "[Updates]\nbAutoCheck=1\n[Language]\niLangId=ENG\n[Catalogue]\nsCode=33\n[Misc]\niOemId=0\nbShowPrices=1\n");
    TGlobalSetupData back;
    back.SetupFile = data.SetupFile;
    (void)ReadSetupFile(back);
    EXPECT_EQ(back.LanguageId, "ENG");
    EXPECT_EQ(back.CatalogueCode, "33");
    EXPECT_EQ(back.OemId, 0);
    EXPECT_TRUE(back.AutoCheckUpdates && back.ShowPrices);
}

TEST_F(SetupFileTest, ReadOnlyFileIsNotWritten)
{
    const QByteArray original = "[Misc]\niOemId=3\n";
    const QString path = folder.write("Vantor.ini", original);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    data.OemId = 0;
    EXPECT_FALSE(WriteSetupFile(data));
    EXPECT_EQ(folder.read("Vantor.ini"), original);
}

} // namespace
} // namespace vantor::test
