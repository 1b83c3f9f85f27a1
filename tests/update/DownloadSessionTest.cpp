// The download loop without its window: sizes, bodies that end early or run
// long, stalls, and on the signed channel every file held to its listing.
#include "update/DownloadSession.h"
#include "testlib/TempFolder.h"
#include "testlib/http/HttpTestServer.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

QByteArray Pattern(int ASize, char AFirst)
{
    QByteArray bytes(ASize, '\0');
    for (int i = 0; i < ASize; ++i)
        bytes[i] = static_cast<char>(AFirst + i % 19);
    return bytes;
}

TListedFile Listing(const QByteArray& AContent)
{
    return {QCryptographicHash::hash(AContent, QCryptographicHash::Sha256).toHex(), AContent.size()};
}

class DownloadSessionTest : public ::testing::Test {
protected:
    int Run(TDownloadSession& ASession)
    {
        ASession.DownloadAll();
        return ASession.ExitValue();
    }
    QStringList Local(const QStringList& ANames) const
    {
        QStringList paths;
        for (const QString& name : ANames)
            paths << folder.path() + name;
        return paths;
    }
    bool Exists(const QString& AName) const { return QFileInfo::exists(folder.path() + AName); }

    HttpTestServer server;
    TempFolder folder;
};

TEST_F(DownloadSessionTest, ABodyShorterThanTheSizeQuerySaidCountsWhenItsOwnLengthArrived)
{
    HttpRoute shorter = HttpRoute::Ok(Pattern(1000000, 'a'));
    shorter.HeadLength = 3500000;
    server.Route("/shorter", shorter);

    TDownloadSession session({server.Url("/shorter")}, Local({"shorter"}));
    EXPECT_EQ(Run(session), TDownloadSession::ExitSuccess);
    EXPECT_EQ(session.TotalWorkCount(), 3500000);
    EXPECT_EQ(session.DoneWorkCount(), 1000000);
    EXPECT_EQ(folder.read("shorter"), Pattern(1000000, 'a'));
}

TEST_F(DownloadSessionTest, ABodyCutShortOfItsOwnLengthOrLongerThanAnnouncedFailsAndLeavesNoFile)
{
    HttpRoute cut = HttpRoute::Ok(Pattern(300000, 'a'));
    cut.MissingBytes = 600000;
    server.Route("/cut", cut);
    HttpRoute longer = HttpRoute::Ok(Pattern(5000, 'b'));
    longer.HeadLength = 4000;
    server.Route("/longer", longer);
    server.Route("/after", HttpRoute::Ok("after"));

    for (const char* path : {"/cut", "/longer"}) {
        SCOPED_TRACE(path);
        TDownloadSession session({server.Url(path), server.Url("/after")}, Local({"file", "after"}));
        EXPECT_EQ(Run(session), TDownloadSession::ExitFailed);
        EXPECT_FALSE(Exists("file"));
        EXPECT_EQ(server.CountRequests("GET", "/after"), 0);
    }
}

TEST_F(DownloadSessionTest, TotalsBeyondTwoGibibytesAreSummedInSixtyFourBits)
{
    HttpRoute huge = HttpRoute::Ok(Pattern(100, 'a'));
    huge.HeadLength = 3LL * 1024 * 1024 * 1024;
    server.Route("/huge1", huge);
    server.Route("/huge2", huge);

    TDownloadSession session({server.Url("/huge1"), server.Url("/huge2")}, Local({"huge1", "huge2"}));
    std::int64_t reported = 0;
    session.OnTotal = [&](std::int64_t ATotal) { reported = ATotal; };
    EXPECT_EQ(Run(session), TDownloadSession::ExitSuccess);
    EXPECT_EQ(reported, 6LL * 1024 * 1024 * 1024);
}

TEST_F(DownloadSessionTest, AStalledTransferDeletesItsFileAndStops)
{
    server.Route("/1", HttpRoute::Ok("first"));
    HttpRoute stalling = HttpRoute::Ok(Pattern(5000, 'k'));
    stalling.PauseAfterBytes = 10;
    stalling.PauseSeconds = 20;
    server.Route("/2", stalling);
    server.Route("/3", HttpRoute::Ok("third"));

    TDownloadSession session({server.Url("/1"), server.Url("/2"), server.Url("/3")}, Local({"1", "2", "3"}));
    session.Client().StallTimeout = 1;
    EXPECT_EQ(Run(session), TDownloadSession::ExitFailed);
    server.ReleaseWaits();
    EXPECT_EQ(folder.read("1"), "first");
    EXPECT_FALSE(Exists("2"));
    EXPECT_EQ(server.CountRequests("GET", "/3"), 0);
}

TEST_F(DownloadSessionTest, SignedFilesThatDifferFromTheirListingAreRefusedAndDeleted)
{
    const QByteArray content = Pattern(50000, 'c');
    QByteArray changed = content;
    changed[25000] = 'X';
    HttpRoute sameSizeOtherBytes = HttpRoute::Ok(changed);
    HttpRoute otherSize = HttpRoute::Ok(content + "!");
    HttpRoute longerThanAnnounced = HttpRoute::Ok(content + Pattern(90000, 'z'));
    longerThanAnnounced.HeadLength = content.size();
    HttpRoute shorterWithTheListedHead = HttpRoute::Ok(content.left(40000));
    shorterWithTheListedHead.HeadLength = content.size();

    const QList<QPair<const char*, HttpRoute>> cases = {{"same size, other bytes", sameSizeOtherBytes},
                                                        {"announces another size", otherSize},
                                                        {"sends more than listed", longerThanAnnounced},
                                                        {"sends less than listed", shorterWithTheListedHead}};
    for (const auto& [name, route] : cases) {
        SCOPED_TRACE(name);
        const QString path = QStringLiteral("/%1").arg(name).replace(' ', '_').replace(',', '_');
        server.Route(path, route);
        TDownloadSession session({server.Url(path)}, Local({"file"}),
                                 TListedFiles{{server.Url(path), Listing(content)}});
        EXPECT_EQ(Run(session), TDownloadSession::ExitFailed);
        EXPECT_FALSE(Exists("file"));
    }
    // A size that differs is caught by the size query, before any GET.
    EXPECT_EQ(server.CountRequests("GET", "/announces_another_size"), 0);
}

} // namespace
} // namespace vantor::test
