// Opening ".vt4" files: plain and protected ones, the password handler, and
// files that are no database or a damaged one.
#include "TestDatabases.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <utility>

using namespace vantor;
using namespace vantor::test;

namespace {

QString NeedsAnotherPassword(const QString& AFile)
{
    return QStringLiteral("Pricelist: \"%1\" is not a database, or needs another password").arg(AFile);
}

} // namespace

TEST(DbConnection, OpensPlainFilesWithoutAPasswordAndProtectedOnesOnlyWithTheirs)
{
    TempFolder folder;
    const QString plain = WritePricelist(folder, "Plain.vt4", {});
    const QString locked = WritePricelist(folder, "Protected.vt4", TestPassword);
    EXPECT_TRUE(TestConnection(plain).connection.Open());
    EXPECT_TRUE(TestConnection(locked, TestPassword).connection.Open());

    const std::pair<QString, QString> wrongKeys[] = {{locked, {}}, {locked, "k3y for the test"}, {plain, TestPassword}};
    for (const auto& [file, password] : wrongKeys) {
        TestConnection wrong(file, password);
        EXPECT_EQ(wrong.connection.Open().message(), NeedsAnotherPassword(file)) << password.toStdString();
        EXPECT_EQ(wrong.asked, 1);
        EXPECT_FALSE(wrong.connection.Connected());
    }
}

TEST(DbConnection, ThePasswordHandlerRetriesWithTheChangedPasswordUntilItDeclines)
{
    TempFolder folder;
    db::DbConnection connection;
    connection.FileName = WritePricelist(folder, "Pricelist.vt4", TestPassword);
    connection.Password = "guess 1";
    QStringList tried;
    connection.OnPassword = [&](db::DbConnection& ASender, bool& AContinue) {
        tried << ASender.Password;
        ASender.Password = tried.size() < 3 ? QStringLiteral("guess %1").arg(tried.size() + 1) : TestPassword;
        AContinue = true;
    };
    ASSERT_TRUE(connection.Open()) << "each retry starts afresh, without the key tried before";
    EXPECT_EQ(tried, (QStringList{"guess 1", "guess 2", "guess 3"}));
    connection.Close();

    connection.OnPassword = nullptr;
    connection.Password = "wrong";
    EXPECT_FALSE(connection.Open()) << "without a handler a wrong password fails";
}

TEST(DbConnection, MissingEmptyForeignAndTruncatedFilesFailAndLeaveItClosed)
{
    TempFolder folder;
    const QString missing = folder.path() + "Missing.vt4";
    EXPECT_EQ(TestConnection(missing).connection.Open().message(),
              QStringLiteral("Pricelist: the database file \"%1\" does not exist").arg(missing));
    EXPECT_FALSE(QFileInfo::exists(missing)) << "opening never creates a file";
    const QString empty = folder.write("Empty.vt4", {});
    EXPECT_EQ(TestConnection(empty).connection.Open().message(),
              QStringLiteral("Pricelist: \"%1\" is not a database").arg(empty));
    const QString foreign = folder.write("Foreign.vt4", QByteArray(8192, 'Z'));
    TestConnection noise(foreign, TestPassword);
    EXPECT_EQ(noise.connection.Open().message(), NeedsAnotherPassword(foreign));
    EXPECT_EQ(noise.asked, 1);

    for (const QString& password : {QString(), TestPassword}) {
        const QString file = WritePricelist(folder, "Pricelist.vt4", password, 400);
        QFile cut(file);
        ASSERT_TRUE(cut.resize(cut.size() / 2));
        TestConnection truncated(file, password);
        EXPECT_EQ(truncated.connection.Open().message(), "Pricelist: cannot read: database disk image is malformed");
        EXPECT_EQ(truncated.asked, 0) << "damage is no wrong password";
        EXPECT_FALSE(truncated.connection.Connected());
        EXPECT_FALSE(truncated.connection.Open()) << "nor does a second attempt pass for open";
    }
}
