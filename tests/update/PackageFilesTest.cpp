// The operations the update hand-off uses on downloaded packages.
#include "update/PackageFiles.h"
#include "update/ZlibMultiple.h"

#include "testlib/TempFolder.h"
#include "update/PackageBytes.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

TEST(PackageFiles, IsPackageFileLooksAtTheExtensionOfTheFileName)
{
    for (const char* path : {"DATA.Z", "data.z", "/staging/Vantor/data.z", "Cat.2024.Z", "a.b/c.Z"})
        EXPECT_TRUE(IsPackageFile(path)) << path;
    for (const char* path : {"data.zip", "data", "Z", "/staging/folder.Z/data", "data.Z.bak", "data.Zz", ""})
        EXPECT_FALSE(IsPackageFile(path)) << path;
}

TEST(PackageFiles, ListPackageFilesReplacesTheListAndPassesFailuresOn)
{
    TempFolder dir;
    const QString package = dir.write("p.Z", Entry("Data", "Data.vt4", "d") + Entry("", "Setup.exe", "s"));
    QStringList list{"left over"};
    ASSERT_TRUE(ListPackageFiles(package, list));
    EXPECT_EQ(list, (QStringList{"Data\\Data.vt4", "Setup.exe"}));
    EXPECT_FALSE(ListPackageFiles(dir.path() + "missing.Z", list));
}

TEST(PackageFiles, UnpackPackageWritesBesideThePackageAndDeletesIt)
{
    TempFolder dir;
    dir.write("staging/Data/Data.vt4", "old");
    const QString package = dir.write("staging/Data.Z", Entry("Data\\", "Data.vt4", "new") + Entry("", "a.txt", "abc"));
    EXPECT_TRUE(UnpackPackage(package));
    EXPECT_EQ(EverythingBelow(dir.path() + "staging"), (QStringList{"Data/", "Data/Data.vt4", "a.txt"}));
    EXPECT_EQ(dir.read("staging/Data/Data.vt4"), "new");
}

TEST(PackageFiles, AFailedUnpackIsFalseKeepsEarlierFilesAndStillDeletesThePackage)
{
    TempFolder dir;
    const QByteArray corrupt = QByteArray::fromHex("789c0000ffff");
    const QString package =
        dir.write("staging/p.Z", Entry("", "first", "1") + RawEntry("", "second", 5, quint32(corrupt.size()), corrupt));
    EXPECT_FALSE(UnpackPackage(package));
    EXPECT_FALSE(QFileInfo::exists(package));
    EXPECT_EQ(dir.read("staging/first"), "1");

    const QString refused = dir.write("staging/r.Z", Entry("..", "escaped", "x"));
    EXPECT_FALSE(UnpackPackage(refused));
    EXPECT_FALSE(QFileInfo::exists(refused));
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "escaped"));

    EXPECT_FALSE(UnpackPackage(dir.path() + "staging/missing.Z"));
}
