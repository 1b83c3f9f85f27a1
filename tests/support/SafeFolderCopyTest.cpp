// Installing staged folders all or nothing.
#include "support/SafeFolderCopy.h"
#include "testlib/FolderSnapshot.h"
#include "testlib/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace vantor::test {
namespace {

using platform::CopyFolder;
using platform::TCopyStep;
using platform::TCopyStepHook;
using platform::TFolderCopy;

QString StepName(TCopyStep AStep)
{
    static const char* const Names[] = {"CreateFolder", "WriteFile", "SyncFile", "Backup", "MoveIntoPlace"};
    return Names[static_cast<int>(AStep)];
}

mode_t ModeOf(const QString& APath)
{
    struct stat st {};
    ::lstat(QFile::encodeName(APath).constData(), &st);
    return st.st_mode & 07777;
}

bool HasLeftovers(const QMap<QString, QString>& ASnapshot)
{
    for (const QString& path : ASnapshot.keys()) {
        if (path.contains(".vantor-new-") || path.contains(".vantor-old-"))
            return true;
    }
    return false;
}

// An installation with two databases and one catalogue, and a staging folder
// that replaces a database and a pricelist, adds a database, a catalogue with
// a subfolder and an empty catalogue folder.
class StagedUpdate {
public:
    StagedUpdate()
    {
        root_.write("app/Data/Data.vt4", "old data");
        ::chmod(QFile::encodeName(root_.path() + "app/Data/Data.vt4").constData(), 0640);
        root_.write("app/Data/Devices.vt4", "old devices");
        root_.write("app/Catalogues/250/Catalogue.vt4", "old catalogue 250");
        root_.write("app/Catalogues/250/Pricelist.vt4", "old pricelist 250");

        root_.write("staging/Data/Data.vt4", "new data");
        root_.write("staging/Data/Extra.vt4", "new extra");
        root_.write("staging/Catalogues/250/Pricelist.vt4", "new pricelist 250");
        root_.write("staging/Catalogues/826/Catalogue.vt4", "new catalogue 826");
        root_.write("staging/Catalogues/826/Notes/read.me", "notes");
        root_.makeFolder("staging/Catalogues/900");
    }

    QString Path(const QString& ARelative) const { return root_.path() + ARelative; }
    QByteArray Read(const QString& ARelative) const { return root_.read(ARelative); }
    QMap<QString, QString> Installation() const { return SnapshotTree(Path("app")); }

    bool Run(const TCopyStepHook& AHook = {}) const
    {
        TFolderCopy copy;
        copy.SetStepHook(AHook);
        copy.Add(Path("staging/Data"), Path("app/Data"));
        copy.Add(Path("staging/Catalogues/"), Path("app/Catalogues/"));
        return copy.Run();
    }

private:
    TempFolder root_;
};

TEST(CopyFolder, InstallsTheWholeTreeReplacingFilesAndCreatingFolders)
{
    const StagedUpdate update;
    const mode_t defaultMode = ModeOf(update.Path("app/Data/Devices.vt4"));
    ASSERT_TRUE(update.Run());

    EXPECT_EQ(update.Read("app/Data/Data.vt4"), "new data");
    EXPECT_EQ(update.Read("app/Data/Extra.vt4"), "new extra");
    EXPECT_EQ(update.Read("app/Data/Devices.vt4"), "old devices");
    EXPECT_EQ(update.Read("app/Catalogues/250/Catalogue.vt4"), "old catalogue 250");
    EXPECT_EQ(update.Read("app/Catalogues/250/Pricelist.vt4"), "new pricelist 250");
    EXPECT_EQ(update.Read("app/Catalogues/826/Catalogue.vt4"), "new catalogue 826");
    EXPECT_EQ(update.Read("app/Catalogues/826/Notes/read.me"), "notes");
    EXPECT_TRUE(QFileInfo(update.Path("app/Catalogues/900")).isDir());

    // A replaced file keeps its permissions; a new one gets the usual ones.
    EXPECT_EQ(ModeOf(update.Path("app/Data/Data.vt4")), 0640u);
    EXPECT_EQ(ModeOf(update.Path("app/Data/Extra.vt4")), defaultMode);
    EXPECT_FALSE(HasLeftovers(update.Installation()));
    // The staging folder is left as it was.
    EXPECT_EQ(update.Read("staging/Data/Data.vt4"), "new data");
}

TEST(CopyFolder, MissingOrEmptyStagedFoldersAreNothingToInstall)
{
    TempFolder root;
    root.write("app/Data/Data.vt4", "old");
    root.makeFolder("staging/Data");
    root.write("staging/Catalogues/250/Catalogue.vt4", "new");
    EXPECT_TRUE(CopyFolder(root.path() + "staging/Data/", root.path() + "app/Data/"));
    EXPECT_TRUE(CopyFolder(root.path() + "staging/Missing/", root.path() + "app/Data/"));
    EXPECT_EQ(root.read("app/Data/Data.vt4"), "old");

    // No staged databases: the catalogues are installed all the same.
    QDir(root.path() + "staging/Data").removeRecursively();
    TFolderCopy copy;
    copy.Add(root.path() + "staging/Data/", root.path() + "app/Data/");
    copy.Add(root.path() + "staging/Catalogues/", root.path() + "app/Catalogues/");
    EXPECT_TRUE(copy.Run());
    EXPECT_EQ(root.read("app/Catalogues/250/Catalogue.vt4"), "new");
}

TEST(CopyFolder, NeverFollowsLinksOrCopiesSpecialFiles)
{
    TempFolder root;
    const QString secret = root.write("secret/key", "secret");
    root.write("staging/Data/Data.vt4", "new");
    QFile::link(secret, root.path() + "staging/Data/Linked.vt4");
    QFile::link(root.path() + "secret", root.path() + "staging/Data/LinkedFolder");
    ASSERT_EQ(::mkfifo(QFile::encodeName(root.path() + "staging/Data/pipe").constData(), 0600), 0);
    root.makeFolder("app/Data");
    // A staged folder that is itself a link is not installed either.
    QFile::link(root.path() + "secret", root.path() + "staging/Catalogues");

    TFolderCopy copy;
    copy.Add(root.path() + "staging/Data/", root.path() + "app/Data/");
    copy.Add(root.path() + "staging/Catalogues/", root.path() + "app/Catalogues/");
    ASSERT_TRUE(copy.Run());
    EXPECT_EQ(SnapshotTree(root.path() + "app").keys(), QStringList({"Data", "Data/Data.vt4"}));
}

TEST(CopyFolder, WritesEverythingBeforeReplacingAnythingDatabasesFirst)
{
    const StagedUpdate update;
    QStringList steps;
    ASSERT_TRUE(update.Run([&](TCopyStep AStep, const QString& APath) {
        steps << StepName(AStep) + ' ' + QDir(update.Path("app")).relativeFilePath(APath);
        return true;
    }));
    const QStringList expected = {
        "WriteFile Data/Data.vt4",
        "SyncFile Data/Data.vt4",
        "WriteFile Data/Extra.vt4",
        "SyncFile Data/Extra.vt4",
        "WriteFile Catalogues/250/Pricelist.vt4",
        "SyncFile Catalogues/250/Pricelist.vt4",
        "CreateFolder Catalogues/826",
        "WriteFile Catalogues/826/Catalogue.vt4",
        "SyncFile Catalogues/826/Catalogue.vt4",
        "CreateFolder Catalogues/826/Notes",
        "WriteFile Catalogues/826/Notes/read.me",
        "SyncFile Catalogues/826/Notes/read.me",
        "CreateFolder Catalogues/900",
        "Backup Data/Data.vt4",
        "MoveIntoPlace Data/Data.vt4",
        "MoveIntoPlace Data/Extra.vt4",
        "Backup Catalogues/250/Pricelist.vt4",
        "MoveIntoPlace Catalogues/250/Pricelist.vt4",
        "MoveIntoPlace Catalogues/826/Catalogue.vt4",
        "MoveIntoPlace Catalogues/826/Notes/read.me",
    };
    EXPECT_EQ(steps, expected);
}

TEST(CopyFolder, AFailureAtAnyStepLeavesTheInstallationExactlyAsItWas)
{
    int stepCount = 0;
    {
        const StagedUpdate update;
        ASSERT_TRUE(update.Run([&](TCopyStep, const QString&) { return ++stepCount > 0; }));
    }
    ASSERT_GT(stepCount, 10);
    for (int failing = 0; failing < stepCount; ++failing) {
        const StagedUpdate update;
        const QMap<QString, QString> before = update.Installation();
        int step = 0;
        QString failedAt;
        EXPECT_FALSE(update.Run([&](TCopyStep AStep, const QString& APath) {
            if (step++ != failing)
                return true;
            failedAt = StepName(AStep) + ' ' + APath;
            return false;
        }));
        const QMap<QString, QString> after = update.Installation();
        EXPECT_EQ(after, before) << "failed at " << failedAt.toStdString();
        EXPECT_FALSE(HasLeftovers(after)) << "failed at " << failedAt.toStdString();
    }
}

TEST(CopyFolder, ADatabaseThatCannotBeInstalledKeepsTheCataloguesOutToo)
{
    const StagedUpdate update;
    // A folder stands where the staged database belongs.
    QFile::remove(update.Path("app/Data/Data.vt4"));
    QDir().mkpath(update.Path("app/Data/Data.vt4/inside"));
    const QMap<QString, QString> before = update.Installation();
    EXPECT_FALSE(update.Run());
    EXPECT_EQ(update.Installation(), before);
    EXPECT_EQ(update.Read("app/Catalogues/250/Pricelist.vt4"), "old pricelist 250");
}

TEST(CopyFolder, AReadOnlyDestinationFolderFailsWithoutAChange)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root; the injected failures cover this";
    const StagedUpdate update;
    const QByteArray folder = QFile::encodeName(update.Path("app/Catalogues/250"));
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    const QMap<QString, QString> before = update.Installation();
    EXPECT_FALSE(update.Run());
    EXPECT_EQ(update.Installation(), before);
    ::chmod(folder.constData(), 0755);
}

} // namespace
} // namespace vantor::test
