// vantor-serve, the folder server the demo and the whole-program tests run.
#include "testlib/TempFolder.h"
#include "update/HttpClient.h"

#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

// Fetches APath from ABase into a fresh file and returns its content.
QByteArray Fetch(HttpClient& AClient, const QString& ABase, const QString& APath, const TempFolder& AFolder)
{
    QFile file(AFolder.path() + "fetched");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    if (!AClient.Get(ABase + APath, file))
        return "failed";
    file.close();
    return AFolder.read("fetched");
}

void ExpectServesTheFolder(const QString& ABase, const TempFolder& AOut)
{
    HttpClient client;
    EXPECT_EQ(client.Head(ABase + "/Data/Data.Z").valueOr(-2), 6);
    EXPECT_EQ(Fetch(client, ABase, "/Data/Data.Z", AOut), "packed");
    EXPECT_EQ(Fetch(client, ABase, "/VersionControl.txt", AOut), "[MAIN]\n");
    EXPECT_FALSE(client.Head(ABase + "/missing.txt").ok());
    EXPECT_FALSE(client.Head(ABase + "/Data").ok());
    // libcurl would tidy a literal "..", so it goes percent-encoded.
    EXPECT_FALSE(client.Head(ABase + "/Data/%2E%2E/%2E%2E/outside.txt").ok());
}

class FolderServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root.write("outside.txt", "secret");
        root.write("served/Data/Data.Z", "packed");
        root.write("served/VersionControl.txt", "[MAIN]\n");
    }

    TempFolder root;
    TempFolder out;
};

TEST_F(FolderServerTest, VantorServeServesTheFolderAndLogsUntilTerminated)
{
    const QString portFile = out.path() + "port";
    QProcess serve;
    serve.start(QStringLiteral(VANTOR_SERVE), {root.path() + "served", "--port", "0", "--port-file", portFile});
    ASSERT_TRUE(serve.waitForStarted());
    QByteArray port;
    for (int i = 0; i < 300 && port.isEmpty(); ++i) {
        QThread::msleep(10);
        port = out.read("port").trimmed();
    }
    ASSERT_FALSE(port.isEmpty());
    const QString base = "http://127.0.0.1:" + QString::fromLatin1(port);

    ExpectServesTheFolder(base, out);

    serve.terminate();
    ASSERT_TRUE(serve.waitForFinished(5000));
    EXPECT_EQ(serve.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(serve.exitCode(), 0);
    EXPECT_TRUE(serve.readAllStandardOutput().contains("on http://127.0.0.1:" + port + "/"));
    const QByteArray log = serve.readAllStandardError();
    EXPECT_TRUE(log.contains("HEAD /Data/Data.Z 200\n")) << log.toStdString();
    EXPECT_TRUE(log.contains("GET /VersionControl.txt 200\n"));
    EXPECT_TRUE(log.contains("HEAD /missing.txt 404\n"));
}

TEST_F(FolderServerTest, VantorServeRefusesAMissingFolder)
{
    EXPECT_NE(QProcess::execute(QStringLiteral(VANTOR_SERVE), {root.path() + "nothing"}), 0);
    EXPECT_NE(QProcess::execute(QStringLiteral(VANTOR_SERVE), {}), 0);
}

} // namespace
} // namespace vantor::test
