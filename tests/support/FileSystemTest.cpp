#include "support/FileSystem.h"
#include "testlib/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vantor;
using vantor::test::TempFolder;

namespace {

bool Exists(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

} // namespace

TEST(FileSystem, ListEntriesSeparatesFilesFromFoldersAndHidesOnlyHiddenFolders)
{
    TempFolder dir;
    dir.write("a.txt", "a");
    dir.write(".hidden-file", "h");
    dir.makeFolder("sub");
    dir.makeFolder(".hidden-folder");
    ASSERT_EQ(::symlink(QFile::encodeName(dir.path() + "sub").constData(),
                        QFile::encodeName(dir.path() + "link-to-sub").constData()),
              0);

    QStringList files = platform::ListEntries(dir.path(), platform::EntryKind::Files);
    files.sort();
    EXPECT_EQ(files, (QStringList{".hidden-file", "a.txt"}));

    QStringList folders = platform::ListEntries(dir.path(), platform::EntryKind::Folders);
    folders.sort();
    EXPECT_EQ(folders, (QStringList{"link-to-sub", "sub"}));

    EXPECT_TRUE(platform::ListEntries(dir.path() + "missing", platform::EntryKind::Files).isEmpty());
}

TEST(FileSystem, FileSizeCoversMissingEmptyFolderAndHugeSparseFiles)
{
    TempFolder dir;
    EXPECT_EQ(platform::FileSize(dir.path() + "missing"), -1);
    EXPECT_EQ(platform::FileSize(dir.write("empty", "")), 0);
    EXPECT_EQ(platform::FileSize(dir.makeFolder("folder")), 0);

    const QString huge = dir.write("huge", "");
    const std::int64_t size = (std::int64_t{5} << 30) + 7; // past 4 GiB
    ASSERT_EQ(::truncate(QFile::encodeName(huge).constData(), size), 0);
    EXPECT_EQ(platform::FileSize(huge), size);
}

TEST(FileSystem, DeleteFolderTreeRemovesLinksWithoutFollowingThem)
{
    TempFolder outside;
    const QString precious = outside.write("keep/precious.txt", "keep me");

    TempFolder dir;
    const QString staging = dir.makeFolder("staging");
    dir.write("staging/nested/file.bin", "data");
    ASSERT_EQ(::symlink(QFile::encodeName(outside.path() + "keep").constData(),
                        QFile::encodeName(staging + "/escape").constData()),
              0);

    EXPECT_TRUE(platform::DeleteFolderTree(staging));
    EXPECT_FALSE(Exists(staging));
    EXPECT_TRUE(QFile::exists(precious));
    EXPECT_EQ(outside.read("keep/precious.txt"), "keep me");

    // Nothing there is nothing to do.
    EXPECT_TRUE(platform::DeleteFolderTree(staging));
}

TEST(FileSystem, AFolderThatIsALinkIsNeitherUsedNorDeletedThrough)
{
    TempFolder outside;
    outside.write("victim.txt", "victim");
    TempFolder dir;
    const QString link = dir.path() + "Vantor";
    ASSERT_EQ(::symlink(QFile::encodeName(outside.path()).constData(), QFile::encodeName(link).constData()), 0);

    EXPECT_FALSE(platform::IsOwnFolder(link));
    EXPECT_FALSE(platform::CreatePrivateFolder(link));
    EXPECT_FALSE(platform::DeleteFolderTree(link + "/"));
    EXPECT_TRUE(Exists(link));
    EXPECT_EQ(outside.read("victim.txt"), "victim");
}

TEST(FileSystem, CreatePrivateFolderMakesParentsAndIsPrivate)
{
    TempFolder dir;
    const QString folder = dir.path() + "a/b/Vantor/";
    ASSERT_TRUE(platform::CreatePrivateFolder(folder));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_TRUE(platform::IsOwnFolder(folder));
    // Existing and ours: still fine.
    EXPECT_TRUE(platform::CreatePrivateFolder(folder));
}

TEST(FileSystem, TempFolderFollowsTmpdirWithTrailingSlash)
{
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/var/tmp");
    EXPECT_EQ(platform::SystemTempFolder(), "/var/tmp/");
    qunsetenv("TMPDIR");
    EXPECT_EQ(platform::SystemTempFolder(), "/tmp/");
    if (!saved.isEmpty())
        qputenv("TMPDIR", saved);
}

TEST(FileSystem, ProgramFolderIsTheTestProgramsFolder)
{
    const QString folder = platform::ProgramFolder();
    EXPECT_TRUE(folder.endsWith('/'));
    EXPECT_TRUE(QFile::exists(folder + "test_support"));
}
