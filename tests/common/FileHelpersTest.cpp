#include "common/FileHelpers.h"
#include "testlib/ElfBuilder.h"
#include "testlib/ScopedEnv.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace vantor;
using namespace vantor::test;

TEST(GetFileVersion, PartsAbove32767ReadBackNegative)
{
    TempFolder dir;
    const QString file =
        dir.write("Updater", BuildElfWithNote(true, false, {"Vantor", 1, VersionDesc(false, 3, 32768, 65535, 7)}));
    TInfoVersion version;
    ASSERT_TRUE(GetFileVersion(file, version));
    EXPECT_EQ(version.wMajor, 3);
    EXPECT_EQ(version.wMinor, -32768);
    EXPECT_EQ(version.wRelease, -1);
    EXPECT_EQ(version.wBuild, 7);
}

TEST(GetFileVersion, AFileWithoutVersionGivesFalseAndZeros)
{
    TempFolder dir;
    TInfoVersion version{1, 2, 3, 4};
    EXPECT_FALSE(GetFileVersion(dir.write("readme.txt", "text"), version));
    EXPECT_EQ(version, TInfoVersion{});
    version = {1, 2, 3, 4};
    EXPECT_FALSE(GetFileVersion(dir.path() + "missing", version));
    EXPECT_EQ(version, TInfoVersion{});
}

TEST(ListFiles, WithPathJoinsExactlyOneSlashAndSkipsFolders)
{
    TempFolder dir;
    dir.write("Catalogues/a.vt4", "a");
    dir.write("Catalogues/.hidden", "h");
    dir.makeFolder("Catalogues/380");
    dir.makeFolder("Catalogues/.secret");

    QStringList files{"stale entry"};
    const QString folder = dir.path() + "Catalogues";
    ListFiles(folder, true, files);
    files.sort();
    EXPECT_EQ(files, (QStringList{folder + "/.hidden", folder + "/a.vt4"}));

    QStringList folders;
    ListSubfolders(folder + "/", true, folders);
    EXPECT_EQ(folders, QStringList{folder + "/380"});
    ListSubfolders(folder, false, folders);
    EXPECT_EQ(folders, QStringList{"380"});

    ListSubfolders(dir.path() + "missing", false, folders);
    EXPECT_TRUE(folders.isEmpty());
}

TEST(StagingFolder, LivesInTheUsersCacheFolderAndIsDeletedWithItsContent)
{
    TempFolder cache;
    ScopedEnv scoped("XDG_CACHE_HOME", cache.path().chopped(1)); // without the trailing slash
    EXPECT_EQ(GetTempWorkFolder(false), cache.path() + "Vantor/Staging/");
    EXPECT_FALSE(QFile::exists(cache.path() + "Vantor/Staging"));
    EXPECT_FALSE(IsTempWorkFolderUsable());

    (void)GetTempWorkFolder(true);
    const QFile::Permissions others =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_FALSE(QFileInfo(cache.path() + "Vantor/Staging").permissions() & others) << "nobody else may enter it";
    EXPECT_TRUE(IsTempWorkFolderUsable());
    cache.write("Vantor/Staging/Catalogues/380/Catalogue.vt4", "db");
    DeleteTempWorkFolder();
    EXPECT_FALSE(QFile::exists(cache.path() + "Vantor/Staging"));
}

TEST(StagingFolder, OneThatOthersMayEnterOrALinkIsNeverUsedNorDeletedThrough)
{
    TempFolder cache;
    ScopedEnv scoped("XDG_CACHE_HOME", cache.path());
    const QString staging = cache.path() + "Vantor/Staging";
    cache.write("Vantor/Staging/Data/Data.vt4", "planted");
    QFile::setPermissions(staging, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                       QFile::WriteOther | QFile::ExeOther);
    EXPECT_FALSE(IsTempWorkFolderUsable());
    DeleteTempWorkFolder();
    EXPECT_EQ(cache.read("Vantor/Staging/Data/Data.vt4"), "planted");

    ASSERT_TRUE(QDir(staging).removeRecursively());
    TempFolder elsewhere;
    elsewhere.write("keep.txt", "kept");
    ASSERT_TRUE(QFile::link(elsewhere.path(), staging));
    (void)GetTempWorkFolder(true);
    EXPECT_FALSE(IsTempWorkFolderUsable()) << "a link, even to a private folder";
    DeleteTempWorkFolder();
    EXPECT_EQ(elsewhere.read("keep.txt"), "kept");
    EXPECT_TRUE(QFileInfo(staging).isSymLink());

    if (::geteuid() == 0) { // another user's folder, private as it may be
        ASSERT_TRUE(QFile::remove(staging));
        (void)GetTempWorkFolder(true);
        cache.write("Vantor/Staging/Data/Data.vt4", "planted");
        ASSERT_EQ(::chown(QFile::encodeName(staging).constData(), 65534, 65534), 0);
        EXPECT_FALSE(IsTempWorkFolderUsable());
        DeleteTempWorkFolder();
        EXPECT_EQ(cache.read("Vantor/Staging/Data/Data.vt4"), "planted");
    }
}

TEST(StartProgram, PassesParametersOrNoneAtAll)
{
    TempFolder dir;
    const QString out = dir.path() + "args.txt";
    const QString script =
        dir.write("show-args.sh", QStringLiteral("#!/bin/sh\necho \"$#:$*\" > '%1'\n").arg(out).toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    auto runAndRead = [&](const QString& parameters) {
        QFile::remove(out);
        EXPECT_TRUE(StartProgram(script, parameters));
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 5000) {
            QFile file(out);
            if (file.open(QIODevice::ReadOnly)) {
                const QByteArray content = file.readAll();
                if (content.endsWith('\n'))
                    return content.trimmed();
            }
            QThread::msleep(20);
        }
        return QByteArray("timed out");
    };
    EXPECT_EQ(runAndRead(""), "0:");
    EXPECT_EQ(runAndRead("\"/SP=/tmp/a b/\" /LI=ENG"), "2:/SP=/tmp/a b/ /LI=ENG");
    EXPECT_FALSE(StartProgram(dir.path() + "missing-program", ""));

    // A program folder with blanks needs no quotes: the path is one argument.
    const QString spaced = dir.makeFolder("Vantor App") + "/show-args.sh";
    ASSERT_TRUE(QFile::copy(script, spaced));
    QFile::remove(out);
    ASSERT_TRUE(StartProgram(spaced, "/LI=ENG"));
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo(out).size() && timer.elapsed() < 5000)
        QThread::msleep(20);
    QThread::msleep(50);
    EXPECT_EQ(dir.read("args.txt").trimmed(), "1:/LI=ENG");
}

TEST(FileSizeOf, ReportsMissingAsMinusOne)
{
    TempFolder dir;
    EXPECT_EQ(FileSizeOf(dir.path() + "missing"), -1);
    EXPECT_EQ(FileSizeOf(dir.write("five", "12345")), 5);
}
