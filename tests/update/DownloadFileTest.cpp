#include "update/DownloadFile.h"
#include "testlib/TempFolder.h"
#include "testlib/http/HttpTestServer.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

class DownloadFileTest : public ::testing::Test {
protected:
    HttpTestServer server;
    TempFolder folder;
};

TEST_F(DownloadFileTest, FetchesIntoTheFileWithTheUpdateHeaders)
{
    server.Route("/VersionControl.txt", HttpRoute::Ok("[MAIN]\nProgramVersion=2.1\n"));
    // An older, longer copy is replaced, not overwritten in part.
    const QString local = folder.write("VersionControl.txt", QByteArray(500, 'x'));

    EXPECT_TRUE(DownloadFile(server.Url("/VersionControl.txt"), local));
    EXPECT_EQ(folder.read("VersionControl.txt"), "[MAIN]\nProgramVersion=2.1\n");
    const QList<RecordedRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0].Method, "GET");
    EXPECT_EQ(requests[0].Header("User-Agent"), "Mozilla/4.0");
    EXPECT_EQ(requests[0].Header("Cache-Control"), "no-cache");
    EXPECT_TRUE(requests[0].HasHeader("Referer"));
}

TEST_F(DownloadFileTest, ErrorStatusLeavesAnEmptyFile)
{
    server.Route("/missing", HttpRoute::WithStatus(404, "not here"));
    const QString local = folder.path() + "manifest.txt";

    EXPECT_FALSE(DownloadFile(server.Url("/missing"), local));
    EXPECT_TRUE(QFileInfo::exists(local));
    EXPECT_EQ(QFileInfo(local).size(), 0);
}

TEST_F(DownloadFileTest, EmptyBodyNoServerOrNoFolderGiveFalse)
{
    server.Route("/empty", HttpRoute::Ok({}));
    EXPECT_FALSE(DownloadFile(server.Url("/empty"), folder.path() + "empty.txt"));
    EXPECT_FALSE(
        DownloadFile(QStringLiteral("http://127.0.0.1:%1/x").arg(UnusedLoopbackPort()), folder.path() + "refused.txt"));
    server.Route("/file", HttpRoute::Ok("content"));
    EXPECT_FALSE(DownloadFile(server.Url("/file"), folder.path() + "no/such/folder/file.txt"));
}

} // namespace
} // namespace vantor::test
