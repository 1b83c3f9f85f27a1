#include "update/HttpClient.h"
#include "testlib/TempFolder.h"
#include "testlib/http/HttpTestServer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <thread>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace vantor::test {
namespace {

QByteArray Pattern(int ASize)
{
    QByteArray bytes(ASize, '\0');
    for (int i = 0; i < ASize; ++i)
        bytes[i] = static_cast<char>('a' + i % 23);
    return bytes;
}

class HttpClientTest : public ::testing::Test {
protected:
    // An empty file open for writing, as the callers hand it over.
    QFile& Target(const QString& AName = QStringLiteral("target.bin"))
    {
        file.close();
        file.setFileName(folder.path() + AName);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered));
        return file;
    }
    QByteArray Written()
    {
        file.close();
        return folder.read(QFileInfo(file).fileName());
    }

    HttpTestServer server;
    TempFolder folder;
    QFile file;
    HttpClient client;
};

TEST_F(HttpClientTest, HeadReportsTheContentLengthOrMinusOne)
{
    server.Route("/sized", HttpRoute::Ok(Pattern(1234)));
    HttpRoute chunked = HttpRoute::Ok(Pattern(1234));
    chunked.OmitContentLength = true;
    server.Route("/chunked", chunked);
    server.Route("/empty", HttpRoute::Ok({}));

    EXPECT_EQ(client.Head(server.Url("/sized")).valueOr(-2), 1234);
    EXPECT_EQ(client.Head(server.Url("/chunked")).valueOr(-2), -1);
    EXPECT_EQ(client.Head(server.Url("/empty")).valueOr(-2), 0);
    EXPECT_EQ(server.CountRequests("HEAD", "/sized"), 1);
    EXPECT_EQ(server.CountRequests("GET", "/sized"), 0);
}

TEST_F(HttpClientTest, GetWritesTheBodyAndReportsTheRunningCount)
{
    const QByteArray body = Pattern(3 * 1024 * 1024 + 17);
    server.Route("/file", HttpRoute::Ok(body));
    HttpRoute chunked = HttpRoute::Ok(Pattern(5000));
    chunked.OmitContentLength = true;
    server.Route("/chunked", chunked);

    std::vector<std::int64_t> counts;
    client.OnWork = [&](std::int64_t ACount) { counts.push_back(ACount); };
    ASSERT_TRUE(client.Get(server.Url("/file"), Target()).ok());
    EXPECT_EQ(Written(), body);
    ASSERT_GE(counts.size(), 2u); // more than one receive buffer
    EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));
    EXPECT_EQ(counts.back(), body.size());

    // The count starts again with every transfer.
    counts.clear();
    ASSERT_TRUE(client.Get(server.Url("/chunked"), Target("chunked.bin")).ok());
    EXPECT_EQ(Written(), Pattern(5000));
    EXPECT_EQ(counts.back(), 5000);
}

TEST_F(HttpClientTest, StatusesOtherThanSuccessThrowAndWriteNothing)
{
    server.Route("/missing", HttpRoute::WithStatus(404, "no such file"));
    server.Route("/broken", HttpRoute::WithStatus(500, "server error"));
    HttpRoute moved = HttpRoute::WithStatus(302, "moved");
    moved.Headers.append(qMakePair(QByteArray("Location"), QByteArray("/file")));
    server.Route("/moved", moved);
    server.Route("/file", HttpRoute::Ok("content"));

    for (const char* path : {"/missing", "/broken", "/moved"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(client.Head(server.Url(path)).ok());
        EXPECT_FALSE(client.Get(server.Url(path), Target()).ok());
        EXPECT_TRUE(Written().isEmpty());
    }
    // The redirect was not followed.
    EXPECT_EQ(server.CountRequests("GET", "/file"), 0);
    EXPECT_EQ(server.CountRequests("HEAD", "/file"), 0);
}

TEST_F(HttpClientTest, ConnectionRefusedThrows)
{
    const QString url = QStringLiteral("http://127.0.0.1:%1/file").arg(UnusedLoopbackPort());
    EXPECT_FALSE(client.Head(url).ok());
    EXPECT_FALSE(client.Get(url, Target()).ok());
}

TEST_F(HttpClientTest, FileWriteErrorThrows)
{
    server.Route("/file", HttpRoute::Ok("content"));
    const QString path = folder.write("readonly.bin", {});
    QFile readOnly(path);
    ASSERT_TRUE(readOnly.open(QIODevice::ReadOnly));
    EXPECT_FALSE(client.Get(server.Url("/file"), readOnly).ok());
}

TEST_F(HttpClientTest, StalledServerTimesOut)
{
    client.StallTimeout = 1;
    HttpRoute silent = HttpRoute::Ok("late");
    silent.StallSeconds = 20;
    server.Route("/silent", silent);
    HttpRoute halfway = HttpRoute::Ok(Pattern(10000));
    halfway.PauseAfterBytes = 100;
    halfway.PauseSeconds = 20;
    server.Route("/halfway", halfway);

    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(client.Head(server.Url("/silent")).ok());
    EXPECT_FALSE(client.Get(server.Url("/halfway"), Target()).ok());
    EXPECT_LT(timer.elapsed(), 6000);
    server.ReleaseWaits();
}

TEST_F(HttpClientTest, BodiesCutShortOrOverTheLimitFailWithNothingBeyondTheLimitWritten)
{
    HttpRoute shorter = HttpRoute::Ok(Pattern(2000));
    shorter.MissingBytes = 500;
    server.Route("/shorter", shorter);
    server.Route("/file", HttpRoute::Ok(Pattern(3000)));
    HttpRoute chunked = HttpRoute::Ok(Pattern(300000));
    chunked.OmitContentLength = true;
    server.Route("/chunked", chunked);

    EXPECT_EQ(client.Head(server.Url("/shorter")).valueOr(-2), 2500);
    EXPECT_FALSE(client.Get(server.Url("/shorter"), Target()).ok());

    // Announced longer: refused before a byte is written.
    EXPECT_FALSE(client.Get(server.Url("/file"), Target(), 2999).ok());
    EXPECT_TRUE(Written().isEmpty());
    // Sent longer without an announcement: cut at the limit.
    EXPECT_FALSE(client.Get(server.Url("/chunked"), Target(), 100000).ok());
    EXPECT_LE(Written().size(), 100000);

    EXPECT_TRUE(client.Get(server.Url("/file"), Target(), 3000).ok());
    EXPECT_EQ(Written(), Pattern(3000));
}

TEST_F(HttpClientTest, ADeadlineEndsATrickleTheStallTimeOutNeverCatches)
{
    client.StallTimeout = 2;
    HttpRoute trickle = HttpRoute::Ok(Pattern(1000));
    trickle.TrickleMilliseconds = 500;
    server.Route("/trickle", trickle);

    client.Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(client.Get(server.Url("/trickle"), Target()).ok());
    EXPECT_GE(timer.elapsed(), 2500);
    EXPECT_LT(timer.elapsed(), 6000);
    // Once it has passed, nothing more is sent at all. (On a busy machine
    // the trickle can pause long enough for the stall time-out to end the
    // transfer a moment before the deadline.)
    std::this_thread::sleep_until(*client.Deadline + std::chrono::milliseconds(50));
    EXPECT_FALSE(client.Head(server.Url("/trickle")).ok());
    EXPECT_EQ(server.CountRequests("HEAD", "/trickle"), 0);
    server.ReleaseWaits();
}

TEST_F(HttpClientTest, HttpsChecksTheServersCertificate)
{
    // A real TLS server with a certificate no authority signed.
    const QString cert = folder.path() + "cert.pem";
    const QString key = folder.path() + "key.pem";
    QProcess make;
    make.start("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1",
                           "-keyout", key, "-out", cert});
    ASSERT_TRUE(make.waitForFinished(60000) && make.exitCode() == 0);
    const int port = UnusedLoopbackPort();
    QProcess tlsServer;
    tlsServer.start("openssl",
                    {"s_server", "-www", "-quiet", "-accept", QString::number(port), "-cert", cert, "-key", key});
    ASSERT_TRUE(tlsServer.waitForStarted());
    const QString url = QStringLiteral("https://127.0.0.1:%1/").arg(port);
    std::string reason;
    QElapsedTimer timer;
    timer.start();
    // Until the tlsServer listens the connection is refused; then the handshake fails.
    while (timer.elapsed() < 10000) {
        const auto fetched = client.Get(url, Target());
        if (fetched) {
            reason = "fetched";
            break;
        }
        reason = fetched.message().toStdString();
        if (reason.find("certificate") != std::string::npos)
            break;
        QThread::msleep(50);
    }
    tlsServer.kill();
    tlsServer.waitForFinished();
    EXPECT_NE(reason.find("certificate"), std::string::npos) << reason;
    EXPECT_TRUE(Written().isEmpty());
}

TEST_F(HttpClientTest, DisconnectFromTheProgressEventEndsGetNormally)
{
    HttpRoute route = HttpRoute::Ok(Pattern(200000));
    route.PauseAfterBytes = 1000;
    route.PauseSeconds = 20;
    server.Route("/file", route);
    server.Route("/next", HttpRoute::Ok("next"));

    int events = 0;
    client.OnWork = [&](std::int64_t) {
        ++events;
        client.Disconnect();
    };
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(client.Get(server.Url("/file"), Target()).ok());
    EXPECT_LT(timer.elapsed(), 5000);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(Written(), Pattern(1000));

    // The client stays usable.
    client.OnWork = nullptr;
    ASSERT_TRUE(client.Get(server.Url("/next"), Target("next.bin")).ok());
    EXPECT_EQ(Written(), "next");
}

} // namespace
} // namespace vantor::test
