// A file that another connection holds locked for writing: reads and writes
// fail with the engine's reason once the busy timeout has passed, and a lock
// released within it is waited for.
#include "TestDatabases.h"
#include "support/database/DbTable.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace vantor;
using namespace vantor::test;

namespace {

class DbLock : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        holder.connection.FileName = file;
        ASSERT_TRUE(holder.connection.Open());
        ASSERT_TRUE(holder.connection.Execute("BEGIN EXCLUSIVE"));
    }

    TempFolder folder;
    QString password = GetParam() ? TestPassword : QString();
    QString file = WritePricelist(folder, "Pricelist.vt4", password);
    TestConnection holder{file, password};
};

} // namespace

TEST_P(DbLock, ReadsAndWritesFailWithTheReasonAfterTheBusyTimeout)
{
    TestConnection reader(file, password);
    reader.connection.ReadOnly = true;
    reader.connection.BusyTimeout = 300;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(reader.connection.Open().message(), "Pricelist: cannot read: database is locked");
    EXPECT_GE(clock.elapsed(), 250) << "the busy timeout is waited out";
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(reader.asked, 0) << "a lock is no wrong password";
    EXPECT_FALSE(reader.connection.Connected());
    EXPECT_FALSE(reader.connection.Open()) << "a failed open does not pass for open later";

    ASSERT_TRUE(holder.connection.Execute("COMMIT"));
    TestConnection writer(file, password);
    writer.connection.BusyTimeout = 0;
    ASSERT_TRUE(writer.connection.Open());
    ASSERT_TRUE(holder.connection.Execute("BEGIN IMMEDIATE"));
    EXPECT_EQ(writer.connection.Execute("BEGIN IMMEDIATE").message(), "Pricelist: database is locked");
}

TEST_P(DbLock, ALockReleasedWithinTheBusyTimeoutIsWaitedFor)
{
    // The holder's connection is this thread's alone until it ends.
    std::thread release([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        EXPECT_TRUE(holder.connection.Execute("COMMIT"));
    });
    TestConnection reader(file, password);
    reader.connection.BusyTimeout = 10000;
    db::DbTable info(reader.connection);
    info.TableName = "Info";
    const Result<void> opened = info.Open();
    release.join();
    ASSERT_TRUE(opened) << opened.message().toStdString();
    EXPECT_EQ(info.FieldAsText("Validity").valueOr({}), "20240201");
}

INSTANTIATE_TEST_SUITE_P(PlainAndProtected, DbLock, ::testing::Bool(), [](const ::testing::TestParamInfo<bool>& AInfo) {
    return AInfo.param ? "Protected" : "Plain";
});
