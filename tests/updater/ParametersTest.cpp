// The updater's command line, and how the program ends on an unusable one.
#include "UpdaterTestSupport.h"

#include "testlib/TempFolder.h"
#include "updater/uMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <unistd.h>

namespace vantor::test {
namespace {

TEST(ParseParameter, ReadsNamesInAnyCaseAndMakesFoldersEndInASlash)
{
    TPaths paths;
    TGlobalSetupData setup;
    ParseParameter("/sp=/tmp/x", paths, setup);
    ParseParameter("/Dp=/opt/app/Data/", paths, setup);
    ParseParameter("/CP=/opt/app/Catalogues", paths, setup);
    ParseParameter("/lf=/opt/app/Lang/Languages.xml", paths, setup);
    ParseParameter("/li=en", paths, setup);
    EXPECT_EQ(paths.Source, "/tmp/x/");
    EXPECT_EQ(paths.MainData, "/opt/app/Data/");
    EXPECT_EQ(paths.Catalogues, "/opt/app/Catalogues/");
    EXPECT_EQ(setup.LanguageFile, "/opt/app/Lang/Languages.xml");
    EXPECT_EQ(setup.LanguageId, "EN");
}

TEST(ParseParameter, IgnoresWhatItDoesNotKnowAndKeepsTheLaterValue)
{
    TPaths paths;
    TGlobalSetupData setup;
    ParseParameter("/SP=/first", paths, setup);
    ParseParameter("/SP", paths, setup);
    ParseParameter("/SP/second", paths, setup);
    ParseParameter("/XP=/other", paths, setup);
    ParseParameter("SP=/other", paths, setup);
    EXPECT_EQ(paths.Source, "/first/");
    EXPECT_TRUE(paths.MainData.isEmpty() && paths.Catalogues.isEmpty() && setup.LanguageFile.isEmpty());

    ParseParameter("/SP=/a b/c=d", paths, setup); // only the first "=" separates
    EXPECT_EQ(paths.Source, "/a b/c=d/");
    ParseParameter("/LI=fra", paths, setup);
    ParseParameter("/LI=ger", paths, setup);
    EXPECT_EQ(setup.LanguageId, "GER");
}

class UpdaterParameters : public ::testing::Test {
protected:
    QStringList Valid() const
    {
        return {"/SP=" + staging_, "/DP=" + data_, "/CP=" + catalogues_, "/LF=" + languageFile_, "/LI=ENG"};
    }

    static QString Private(const QString& AFolder)
    {
        QFile::setPermissions(AFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return AFolder;
    }

    TempFolder root_;
    QString staging_ = Private(root_.makeFolder("staging"));
    QString data_ = root_.makeFolder("app/Data");
    QString catalogues_ = root_.makeFolder("app/Catalogues");
    QString languageFile_ = WriteUpdaterTranslations(root_.path());
};

TEST_F(UpdaterParameters, AreUsableOnlyWithTheLanguageFileTheLanguageAndAllThreeFolders)
{
    {
        TPaths paths;
        TGlobalSetupData setup;
        EXPECT_TRUE(ReadInputParameters(Valid(), paths, setup));
    }
    const QString missing = root_.path() + "missing";
    const QList<QStringList> unusable = {
        {},
        Valid() << "/LF=" + missing,
        Valid() << "/LF=" + root_.path(), // a folder is no language file
        Valid() << "/LI=",
        Valid() << "/SP=" + missing,
        Valid() << "/DP=" + missing,
        Valid() << "/CP=" + missing,
        Valid() << "/CP=", // not the current folder, nor "/"
    };
    for (const QStringList& parameters : unusable) {
        TPaths paths;
        TGlobalSetupData setup;
        EXPECT_FALSE(ReadInputParameters(parameters, paths, setup)) << parameters.join(' ').toStdString();
    }
}

// Whoever may enter the staging folder decides what is installed.
TEST_F(UpdaterParameters, AStagingFolderThatIsNotTheUsersAloneIsRefused)
{
    const auto usableWith = [this](const QString& AStaging) {
        TPaths paths;
        TGlobalSetupData setup;
        QStringList parameters = Valid();
        parameters[0] = "/SP=" + AStaging;
        return ReadInputParameters(parameters, paths, setup);
    };
    const QString open = root_.makeFolder("open");
    QFile::setPermissions(open, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                    QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
    EXPECT_FALSE(usableWith(open)) << "others may enter it";
    const QString link = root_.path() + "link";
    ASSERT_TRUE(QFile::link(staging_, link));
    EXPECT_FALSE(usableWith(link)) << "a link, even to a private folder";
    if (::geteuid() == 0) {
        const QString foreign = Private(root_.makeFolder("foreign"));
        ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
        EXPECT_FALSE(usableWith(foreign)) << "another user's";
    }
    EXPECT_TRUE(usableWith(staging_));
}

TEST_F(UpdaterParameters, TheProgramEndsAtOnceAndQuietlyOnUnusableOnesAndWaitsOtherwise)
{
    const QList<QStringList> unusable = {
        {},
        Valid() << "/LF=" + root_.path() + "missing.xml",
        Valid() << "/LI=",
        Valid() << "/DP=" + root_.path() + "missing",
        Valid() << "/SP=" + root_.makeFolder("readable"), // others may look in
    };
    for (const QStringList& parameters : unusable) {
        QProcess updater;
        QElapsedTimer clock;
        clock.start();
        updater.start(VANTOR_UPDATER_PROGRAM, parameters);
        ASSERT_TRUE(updater.waitForFinished(5000)) << parameters.join(' ').toStdString();
        EXPECT_LT(clock.elapsed(), 3000); // a usable start would wait for the user
        EXPECT_EQ(updater.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(updater.exitCode(), 1);
        EXPECT_TRUE(updater.readAllStandardError().isEmpty());
    }

    // With usable ones it installs and then waits for the user.
    root_.write("staging/Data/Data.vt4", "new");
    QProcess updater;
    updater.start(VANTOR_UPDATER_PROGRAM, Valid());
    QElapsedTimer clock;
    clock.start();
    while (root_.read("app/Data/Data.vt4") != "new" && clock.elapsed() < 10000)
        updater.waitForFinished(100);
    EXPECT_EQ(root_.read("app/Data/Data.vt4"), "new");
    EXPECT_FALSE(updater.waitForFinished(500));
    EXPECT_EQ(updater.state(), QProcess::Running);
    updater.kill();
    updater.waitForFinished(3000);
}

} // namespace
} // namespace vantor::test
