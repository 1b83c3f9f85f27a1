// The signed channel end to end in-process: a manifest signed by a trusted key
// (made with the minisign program) installs; a manifest that does not hold is
// ignored before anything else is fetched; a file that differs from its
// listing is refused and nothing is handed over.
#include "UpdateCheckFixture.h"

#include "testlib/MinisignTool.h"

#include <QCryptographicHash>
#include <QMap>

namespace vantor {
namespace {

class SignedUpdateCheck : public UpdateCheck {
protected:
    static void SetUpTestSuite()
    {
        signer = new test::MinisignKeyPair;
        stranger = new test::MinisignKeyPair;
    }
    static void TearDownTestSuite()
    {
        delete signer;
        delete stranger;
    }
    void SetUp() override
    {
        UpdateCheck::SetUp();
        keys = {minisign::ParsePublicKey(signer->PublicKeyLine()).value()};
        ASSERT_TRUE(QFile::copy(VANTOR_RECORD_ARGUMENTS, GlobalSetupData.RootPath + "Updater"));
    }

    // The [FILES] line for a body served at a path.
    QByteArray Listing(const QString& APath, const QByteArray& ABody) const
    {
        return QCryptographicHash::hash(ABody, QCryptographicHash::Sha256).toHex() + ' ' +
               QByteArray::number(ABody.size()) + ' ' + server.Url(APath).toUtf8();
    }
    // A manifest offering catalogue 380 (and the program when AProgram),
    // listing AListed, signed by AKey for channel AChannel at AIssued; served
    // with its signature. An empty value leaves its key out.
    QByteArray Publish(const QList<QByteArray>& AListed, const test::MinisignKeyPair& AKey = *signer,
                       const QByteArray& AExpires = "20991231", bool AProgram = false, const QByteArray& AChannel = "7",
                       const QByteArray& AIssued = "20261201120000")
    {
        const QByteArray base = server.Url("").toUtf8();
        QByteArray manifest = "[MAIN]\r\n";
        if (!AExpires.isEmpty())
            manifest += "Expires=" + AExpires + "\r\n";
        if (!AChannel.isEmpty())
            manifest += "Channel=" + AChannel + "\r\n";
        if (!AIssued.isEmpty())
            manifest += "Issued=" + AIssued + "\r\n";
        if (AProgram)
            manifest += "ProgramVersion=2.2\r\nProgramLink_NoAdmin=" + base + "/Program/Setup.Z\r\n";
        manifest += "CataloguesLink=" + base +
                    "/Catalogues/%s/Catalogue.Z\r\n"
                    "[CATALOGUES_LIST]\r\n1=380\r\n[380]\r\nCatalogueVersion=20250101\r\n[FILES]\r\n";
        for (qsizetype i = 0; i < AListed.size(); ++i)
            manifest += QByteArray::number(i + 1) + '=' + AListed[i] + "\r\n";
        server.Route(ManifestPath, test::HttpRoute::Ok(manifest));
        server.Route(QString(ManifestPath) + ".minisig", test::HttpRoute::Ok(AKey.Sign(manifest)));
        return manifest;
    }
    QStringList RequestsMade() const
    {
        QStringList made;
        for (const test::RecordedRequest& request : server.Requests())
            made << request.Method + ' ' + request.Path;
        return made;
    }
    bool HandedOver()
    {
        QThread::msleep(300);
        return QFileInfo::exists(folder.path() + "record.txt");
    }

    static test::MinisignKeyPair* signer;
    static test::MinisignKeyPair* stranger;
    const QString cataloguePath = "/Catalogues/380/Catalogue.Z";
};

test::MinisignKeyPair* SignedUpdateCheck::signer = nullptr;
test::MinisignKeyPair* SignedUpdateCheck::stranger = nullptr;

TEST_F(SignedUpdateCheck, AReleaseSignedWithTheTrustedKeyInstalls)
{
    const QByteArray package = PackageOf("Catalogue.vt4", "signed catalogue");
    server.Route(cataloguePath, test::HttpRoute::Ok(package));
    Publish({Listing(cataloguePath, package)});
    presenter.answers = {mrYes};
    Check();
    ASSERT_EQ(presenter.shown.size(), 1);
    EXPECT_EQ(folder.read("Vantor/Staging/Catalogues/380/Catalogue.vt4"), "signed catalogue");
    EXPECT_FALSE(WaitForRecord().isEmpty());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(SignedUpdateCheck, AManifestThatDoesNotHoldEndsSilentlyWithNothingElseFetched)
{
    const QByteArray package = PackageOf("Catalogue.vt4", "catalogue");
    server.Route(cataloguePath, test::HttpRoute::Ok(package));
    const QByteArray listed = Listing(cataloguePath, package);
    const QString signaturePath = QString(ManifestPath) + ".minisig";

    const QList<QPair<const char*, std::function<void()>>> cases = {
        {"signed with a key that is not trusted", [&] { Publish({listed}, *stranger); }},
        {"a byte changed after signing",
         [&] {
             QByteArray manifest = Publish({listed});
             manifest.replace("CatalogueVersion=20250101", "CatalogueVersion=20250102");
             server.Route(ManifestPath, test::HttpRoute::Ok(manifest));
         }},
        {"no signature",
         [&] {
             Publish({listed});
             server.Route(signaturePath, test::HttpRoute::WithStatus(404));
         }},
        {"a signature that is no signature",
         [&] {
             Publish({listed});
             server.Route(signaturePath, test::HttpRoute::Ok("untrusted comment: x\nnot base64\n"));
         }},
        {"expired",
         [&] { Publish({listed}, *signer, QDate::currentDate().addDays(-2).toString("yyyyMMdd").toUtf8()); }},
        {"without an expiry date", [&] { Publish({listed}, *signer, {}); }},
        {"signed for another channel", [&] { Publish({listed}, *signer, "20991231", false, "1"); }},
        {"naming no channel", [&] { Publish({listed}, *signer, "20991231", false, {}); }},
        {"without an issue time", [&] { Publish({listed}, *signer, "20991231", false, "7", {}); }},
    };
    for (const auto& [name, serve] : cases) {
        SCOPED_TRACE(name);
        server.ClearRequests();
        serve();
        Check();
        EXPECT_TRUE(presenter.shown.isEmpty());
        EXPECT_EQ(RequestsMade(), QStringList({"GET " + QString(ManifestPath), "GET " + signaturePath}));
        EXPECT_TRUE(StagedFiles().isEmpty());
        EXPECT_TRUE(window.isVisible());
    }
}

// An attacker on the way may serve an old signed manifest again, to hold
// back a release or bring back a withdrawn one.
TEST_F(SignedUpdateCheck, AManifestIssuedBeforeOneAcceptedAlreadyIsIgnored)
{
    const QByteArray package = PackageOf("Catalogue.vt4", "catalogue");
    server.Route(cataloguePath, test::HttpRoute::Ok(package));
    const QByteArray listed = Listing(cataloguePath, package);
    const auto asked = [this, &listed](const QByteArray& AIssued) {
        presenter.shown.clear();
        presenter.answers = {mrNo};
        Publish({listed}, *signer, "20991231", false, "7", AIssued);
        Check();
        return presenter.shown.size() == 1;
    };
    EXPECT_TRUE(asked("20261201120000"));
    EXPECT_TRUE(asked("20261201120000")) << "the same manifest again";
    EXPECT_TRUE(asked("20261202080000")) << "a newer one, though it offers nothing newer than the first";
    EXPECT_FALSE(asked("20261201120000")) << "the first again, after the newer one";
    EXPECT_FALSE(asked("20261202075959"));

    // Remembered per server: another server's manifests start afresh.
    presenter.shown.clear();
    presenter.answers = {mrNo};
    Check(QStringLiteral("localhost:%1").arg(server.Port()));
    EXPECT_EQ(presenter.shown.size(), 1);
}

TEST_F(SignedUpdateCheck, AFileThatDiffersFromItsListingIsRefusedAndNothingIsHandedOver)
{
    const QByteArray package = PackageOf("Catalogue.vt4", "catalogue of this release");
    const QByteArray older = PackageOf("Catalogue.vt4", "catalogue of an older release");
    QByteArray changed = package;
    changed[changed.size() - 3] = static_cast<char>(changed[changed.size() - 3] ^ 0x20);
    QByteArray otherPath = Listing(cataloguePath, package);
    otherPath.replace("380", "250");

    const QList<QPair<const char*, std::function<void()>>> cases = {
        {"a byte of the package changed on the server",
         [&] {
             server.Route(cataloguePath, test::HttpRoute::Ok(changed));
             Publish({Listing(cataloguePath, package)});
         }},
        {"listed with another size",
         [&] {
             server.Route(cataloguePath, test::HttpRoute::Ok(package));
             Publish({Listing(cataloguePath, package + "x")});
         }},
        {"a file of an older release",
         [&] {
             server.Route(cataloguePath, test::HttpRoute::Ok(older));
             Publish({Listing(cataloguePath, package)});
         }},
        {"its URL not listed",
         [&] {
             server.Route(cataloguePath, test::HttpRoute::Ok(package));
             Publish({otherPath});
         }},
    };
    for (const auto& [name, serve] : cases) {
        SCOPED_TRACE(name);
        presenter.shown.clear();
        presenter.answers = {mrYes};
        serve();
        Check();
        ASSERT_EQ(presenter.shown.size(), 2);
        EXPECT_EQ(presenter.shown[1].Text, GetText("IDS_CONTAINER_21"));
        EXPECT_FALSE(StagedFiles().contains("Vantor/Staging/Catalogues/380/Catalogue.vt4"));
        EXPECT_FALSE(StagedFiles().contains("Vantor/Staging/Catalogues/380/Catalogue.Z"));
        EXPECT_FALSE(HandedOver());
        EXPECT_TRUE(window.isVisible());
    }
}

TEST_F(SignedUpdateCheck, AChangedProgramPackageIsNeverRun)
{
    ASSERT_TRUE(QFile::remove(GlobalSetupData.RootPath + "Updater"));
    QFile recorder(VANTOR_RECORD_ARGUMENTS);
    ASSERT_TRUE(recorder.open(QIODevice::ReadOnly));
    const QByteArray installer = PackageOf("setup", recorder.readAll());
    QByteArray changed = installer;
    changed[changed.size() / 2] = static_cast<char>(changed[changed.size() / 2] ^ 0x01);
    server.Route("/Program/Setup.Z", test::HttpRoute::Ok(changed));
    Publish({Listing("/Program/Setup.Z", installer)}, *signer, "20991231", true);
    presenter.answers = {mrYes};
    Check();
    ASSERT_EQ(presenter.shown.size(), 2);
    EXPECT_EQ(presenter.shown[1].Text, GetText("IDS_CONTAINER_21"));
    EXPECT_FALSE(HandedOver());
    EXPECT_FALSE(QFileInfo::exists(folder.path() + "Vantor/Staging/setup"));
}

} // namespace
} // namespace vantor
