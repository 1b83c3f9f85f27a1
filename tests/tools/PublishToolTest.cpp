// vantor-publish run as the maker runs it, on release folders of real
// databases and packages.
#include "testlib/ResultChecks.h"
#include "update/UpdateManifest.h"

#include "catalogue/CatalogueBuilder.h"
#include "catalogue/CatalogueTool.h"
#include "common/IniFile.h"
#include "common/uConstants.h"
#include "testlib/MinisignTool.h"
#include "testlib/TempFolder.h"
#include "update/ManifestListing.h"
#include "update/Minisign.h"

#include <QCryptographicHash>
#include <QProcess>

#include <gtest/gtest.h>

namespace vantor {
namespace {

struct ToolRun {
    int exitCode = -1;
    QString errors;
};

// Releases served outside /Updates/Vantorix/<n>/ name their channel.
ToolRun Publish(const QString& release, const QString& url, QStringList options = {})
{
    if (!url.contains("/Updates/Vantorix/") && !options.contains("--channel"))
        options << "--channel"
                << "0";
    QProcess tool;
    tool.start(VANTOR_PUBLISH, QStringList{release, "--url", url} + options);
    tool.waitForFinished(60000);
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError())};
}

void Pack(const QString& package, const QString& root, const QString& file)
{
    QProcess pack;
    pack.start(VANTOR_PACK, {"create", package, "--root", root, root + file});
    pack.waitForFinished(30000);
    ASSERT_EQ(pack.exitCode(), 0);
}

class PublishTool : public ::testing::Test {
protected:
    void Catalogue(const QString& code, const QString& version, const QString& validity, bool packed)
    {
        const QString dir = packed ? sources.path() + code + "/" : release.path() + "Catalogues/" + code + "/";
        vantor::test::ExpectOk(
            tools::WriteDatabase(dir + "Catalogue.vt4", {}, tools::CatalogueContent(code, version), true));
        if (!validity.isEmpty())
            vantor::test::ExpectOk(
                tools::WriteDatabase(dir + "Pricelist.vt4", QString::fromLatin1(DatabasePassword),
                                     tools::PricelistContent(code, validity, {{"A BCD EF", "UPS", 10.0}}), true));
        if (packed) {
            Pack(release.path() + "Catalogues/" + code + "/Catalogue.Z", dir, "Catalogue.vt4");
            if (!validity.isEmpty())
                Pack(release.path() + "Catalogues/" + code + "/Pricelist.Z", dir, "Pricelist.vt4");
        }
    }
    TUpdatedData Read()
    {
        TUpdatedData data;
        ReadUpdateManifest(release.path() + "VersionControl.txt", data);
        return data;
    }

    test::TempFolder release;
    test::TempFolder sources;
};

TEST_F(PublishTool, VersionsComeFromTheFilesAndLinksFromTheLayout)
{
    vantor::test::ExpectOk(tools::BuildEngineDatabase("Data.vt4", "20250301", sources.path() + "Data.vt4", true));
    Pack(release.path() + "Data/Data.Z", sources.path(), "Data.vt4");
    vantor::test::ExpectOk(
        tools::BuildEngineDatabase("Devices.vt4", "20251231", release.path() + "Data/Devices.vt4", true));
    Catalogue("380", "20250102", "20250103", true);
    Catalogue("250", "20250104", "", true);

    const ToolRun run = Publish(release.path(), "http://h:81/Up%20dates/0");
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const TUpdatedData data = Read();
    EXPECT_FALSE(IsVersionSet(data.Product.Version));
    EXPECT_EQ(data.DbMain.Version, StrToInfoVersion("2025.3.1.0"));
    EXPECT_EQ(data.DbMain.WebLink, "http://h:81/Up%20dates/0/Data/Data.Z");
    EXPECT_EQ(data.DbDevices.Version, StrToInfoVersion("2025.12.31.0"));
    EXPECT_EQ(data.DbDevices.WebLink, "http://h:81/Up%20dates/0/Data/Devices.vt4");
    ASSERT_EQ(data.Catalogues.Items.size(), 2);
    EXPECT_EQ(data.Catalogues.Items[0].Code, "250");
    EXPECT_EQ(data.Catalogues.Items[0].Database.Version, "20250104");
    EXPECT_EQ(data.Catalogues.Items[0].Pricelist.Version, "");
    EXPECT_EQ(data.Catalogues.Items[1].Code, "380");
    EXPECT_EQ(data.Catalogues.Items[1].Pricelist.Version, "20250103");
    EXPECT_EQ(FormatCatalogueUrl(data.Catalogues.WebLinks.Pricelist, "380"),
              "http://h:81/Up%20dates/0/Catalogues/380/Pricelist.Z");
}

TEST_F(PublishTool, TheProgramVersionIsThatOfTheProgramInThePackage)
{
    // Any program file of the build carries the project's version note.
    ASSERT_TRUE(QFile::copy(VANTOR_BIN_DIR "/Updater", sources.path() + "Vantor"));
    sources.write("install", "#!/bin/sh\n");
    QProcess pack;
    pack.start(VANTOR_PACK, {"create", release.path() + "Program/Setup.Z", "--root", sources.path(),
                             sources.path() + "install", sources.path() + "Vantor"});
    pack.waitForFinished(60000);
    ASSERT_EQ(pack.exitCode(), 0);

    const ToolRun run = Publish(release.path(), "http://h/u/");
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const TUpdatedData data = Read();
    EXPECT_EQ(data.Product.Version, StrToInfoVersion(QStringLiteral("%1.%2.%3.%4")
                                                         .arg(VANTOR_VERSION_MAJOR)
                                                         .arg(VANTOR_VERSION_MINOR)
                                                         .arg(VANTOR_VERSION_PATCH)
                                                         .arg(VANTOR_VERSION_TWEAK)));
    EXPECT_EQ(data.Product.WebLink, "http://h/u/Program/Setup.Z");
}

TEST_F(PublishTool, ListsEveryLinkedFileWithItsSizeAndHashAndSignsWithMinisign)
{
    vantor::test::ExpectOk(
        tools::BuildEngineDatabase("Devices.vt4", "20251231", release.path() + "Data/Devices.vt4", true));
    Catalogue("380", "20250102", "20250103", true);
    const test::MinisignKeyPair key;

    ToolRun run = Publish(release.path(), "http://h/u/", {"--expires", "20301231", "--sign", key.SecretKeyFile()});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    QFile file(release.path() + "VersionControl.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray manifest = file.readAll();
    IniDocument ini;
    ini.loadBytes(manifest);
    TManifestListing listing;
    QString why;
    const auto read = ReadManifestListing(ini);
    ASSERT_TRUE(read.ok()) << read.message().toStdString();
    listing = *read;
    EXPECT_EQ(listing.Expires, QDate(2030, 12, 31));
    const QStringList served = {"Data/Devices.vt4", "Catalogues/380/Catalogue.Z", "Catalogues/380/Pricelist.Z"};
    EXPECT_EQ(listing.Files.size(), served.size());
    for (const QString& path : served) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray content = release.read(path);
        const TListedFile listed = listing.Files.value("http://h/u/" + path);
        EXPECT_EQ(listed.Size, content.size());
        EXPECT_EQ(listed.Sha256, QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
    }
    // The tool's signature, by the key given, over the manifest as written.
    const QByteArray signature = release.read("VersionControl.txt.minisig");
    EXPECT_TRUE(minisign::Verify(manifest, signature, {*minisign::ParsePublicKey(key.PublicKeyLine())}).ok());
    EXPECT_TRUE(
        test::RunMinisign({"-V", "-q", "-P", key.PublicKeyLine(), "-m", release.path() + "VersionControl.txt"}));

    // Published again without signing: the old signature would only fail, so it goes.
    run = Publish(release.path(), "http://h/u/");
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(release.path() + "VersionControl.txt.minisig"));
    ini.loadFile(release.path() + "VersionControl.txt");
    const auto again = ReadManifestListing(ini);
    ASSERT_TRUE(again.ok());
    listing = *again;
    EXPECT_EQ(listing.Expires, QDate::currentDate().addDays(30));
}

TEST_F(PublishTool, BindsTheManifestToItsChannelAndItsTime)
{
    Catalogue("380", "20250102", "20250103", false);
    const auto stamp = [this] {
        IniDocument ini;
        ini.loadFile(release.path() + "VersionControl.txt");
        TManifestListing listing;
        QString why;
        const auto read = ReadManifestListing(ini);
        EXPECT_TRUE(read.ok()) << (read ? std::string() : read.message().toStdString());
        if (read)
            listing = *read;
        return listing;
    };
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    ASSERT_EQ(Publish(release.path(), "https://h/Updates/Vantorix/3/").exitCode, 0);
    TManifestListing listing = stamp();
    EXPECT_EQ(listing.Channel, 3) << "from the URL";
    EXPECT_GE(listing.Issued, before);
    EXPECT_LE(listing.Issued, QDateTime::currentDateTimeUtc().addSecs(1));

    ASSERT_EQ(Publish(release.path(), "https://h/Updates/Vantorix/3/", {"--channel", "0"}).exitCode, 0);
    EXPECT_EQ(stamp().Channel, 0) << "--channel wins";

    const QByteArray published = release.read("VersionControl.txt");
    const ToolRun nameless = Publish(release.path(), "https://h/updates/", {"--channel", "x"});
    EXPECT_EQ(nameless.exitCode, 2);
    QProcess tool; // no channel anywhere
    tool.start(VANTOR_PUBLISH, QStringList{release.path(), "--url", "https://h/updates/"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 2);
    EXPECT_TRUE(tool.readAllStandardError().contains("names no channel"));
    EXPECT_EQ(release.read("VersionControl.txt"), published);
}

TEST_F(PublishTool, AFailedSignatureOrAWrongDateChangesNothing)
{
    Catalogue("380", "20250102", "20250103", false);
    ASSERT_EQ(Publish(release.path(), "http://h/").exitCode, 0);
    const QByteArray before = release.read("VersionControl.txt");
    const QString notAKey = release.write("not-a-key", "untrusted comment: x\nnothing\n");

    const ToolRun run = Publish(release.path(), "http://h/other/", {"--sign", notAKey});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("could not sign")) << run.errors.toStdString();
    EXPECT_EQ(Publish(release.path(), "http://h/other/", {"--expires", "20300231"}).exitCode, 2);
    EXPECT_EQ(release.read("VersionControl.txt"), before);
    // No scratch folder, no stray signature.
    EXPECT_EQ(QDir(release.path())
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name | QDir::IgnoreCase),
              QStringList({"Catalogues", "not-a-key", "VersionControl.txt"}));
}

TEST_F(PublishTool, FaultsNameTheFileAndWriteNothing)
{
    Catalogue("380", "20250102", "20250103", false);
    Catalogue("250", "20250104", "20250105", true); // packed, so another file name
    ToolRun run = Publish(release.path(), "http://h/");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("every catalogue folder must use the file name")) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(release.path() + "VersionControl.txt"));

    // A pricelist without its catalogue.
    test::TempFolder pricelistOnly;
    vantor::test::ExpectOk(tools::WriteDatabase(
        pricelistOnly.path() + "Catalogues/380/Pricelist.vt4", QString::fromLatin1(DatabasePassword),
        tools::PricelistContent("380", "20250103", {{"A BCD EF", "UPS", 10.0}}), true));
    run = Publish(pricelistOnly.path(), "http://h/");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("Catalogues/380/: holds a pricelist but no catalogue")) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(pricelistOnly.path() + "VersionControl.txt"));

    test::TempFolder broken;
    broken.write("Data/Data.vt4", "not a database");
    run = Publish(broken.path(), "http://h/");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("Data/Data.vt4")) << run.errors.toStdString();

    broken.write("Program/Setup.Z", "");
    EXPECT_EQ(Publish(broken.path(), "http://h/").exitCode, 1);
    EXPECT_EQ(Publish(broken.path() + "missing", "http://h/").exitCode, 1);
}

} // namespace
} // namespace vantor
