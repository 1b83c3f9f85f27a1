// The maker's tool: a run writes every file or none, in-process and as the
// real program.
#include "catalogue/CatalogueTool.h"
#include "common/uConstants.h"
#include "support/database/DbConnection.h"
#include "support/database/DbTable.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::tools;
using vantor::test::TempFolder;

namespace {

const char* Settings380 = "[Catalogue]\nCode=380\nVersion=20241015\n[Pricelist]\nValidity=20241101\n";
const char* Items = "ProductCode,Description,Price\nA 1K0 IT,\"UPS 1000 VA, tower\",420.50\n";

// Every file below a folder, relative to it.
QStringList FilesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

CatalogueSource Source(const QString& code, bool pricelist)
{
    CatalogueSource source;
    source.Code = code;
    source.Version = "20241015";
    source.HasPricelist = pricelist;
    source.PricelistKey = "Rimbel_Ostavar";
    source.PricelistCode = code;
    source.Validity = "20241101";
    source.Items = {{"A 1K0 IT", "UPS", 420.5}};
    return source;
}

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun RunTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(VANTOR_CATALOGUE_TOOL), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

TEST(BuildCatalogues, AFailedRunRemovesWhatItWroteAndTheFoldersItMade)
{
    TempFolder dir;
    const QString output = dir.path() + "out/Catalogues";
    // The pricelist of 250 cannot be written (a folder stands in its way)
    // after the catalogues of 380 and 250 were.
    dir.makeFolder("out/Catalogues/250/Pricelist.vt4");
    EXPECT_FALSE(BuildCatalogues({Source("380", true), Source("250", true)}, output, true));
    EXPECT_EQ(FilesBelow(dir.path() + "out"), QStringList{});
    EXPECT_FALSE(QFileInfo::exists(output + "/380"));
    EXPECT_TRUE(QFileInfo(output + "/250/Pricelist.vt4").isDir()); // not ours to remove

    // Without overwrite, one existing file stops the run before any writing.
    dir.write("out/Catalogues/826/Catalogue.vt4", "old");
    EXPECT_FALSE(BuildCatalogues({Source("380", true), Source("826", false)}, output, false));
    EXPECT_EQ(FilesBelow(dir.path() + "out"), QStringList{"Catalogues/826/Catalogue.vt4"});

    EXPECT_EQ(
        vantor::test::ValueOf(BuildCatalogues({Source("380", true), Source("000", false)}, output, false)),
        (QStringList{output + "/380/Catalogue.vt4", output + "/380/Pricelist.vt4", output + "/000/Catalogue.vt4"}));
}

TEST(ReadCatalogueSources, TwoFoldersWithOneCodeAreRefused)
{
    TempFolder dir;
    dir.write("a/catalogue.ini", "[Catalogue]\nCode=380\nVersion=20241015\n");
    dir.write("b/catalogue.ini", "[Catalogue]\nCode=380\nVersion=20241016\n");
    EXPECT_FALSE(ReadCatalogueSources({dir.path() + "a", dir.path() + "b"}));
}

TEST(CatalogueTool, HelpNamesBothModes)
{
    const ToolRun run = RunTool({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* word : {"--source", "--output", "--force", "--engine-database", "--version", "catalogue.ini"})
        EXPECT_TRUE(run.out.contains(QLatin1String(word))) << word;
}

TEST(CatalogueTool, BuildsACatalogueAndAnEngineDatabase)
{
    TempFolder dir;
    dir.write("src/380/catalogue.ini", Settings380);
    dir.write("src/380/items.csv", Items);
    dir.write("src/000/catalogue.ini", "[Catalogue]\nCode=000\nVersion=20240901\n");
    const QString output = dir.path() + "bin/Catalogues";
    ToolRun run = RunTool({"--source", dir.path() + "src/380", "--source", dir.path() + "src/000", "--output", output});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(FilesBelow(output), (QStringList{"000/Catalogue.vt4", "380/Catalogue.vt4", "380/Pricelist.vt4"}));

    db::DbConnection connection;
    connection.FileName = output + "/380/Pricelist.vt4";
    connection.Password = QString::fromLatin1(DatabasePassword);
    db::DbTable info(connection);
    info.TableName = "Info";
    ASSERT_TRUE(info.Open());
    EXPECT_EQ(info.FieldAsText("Validity").valueOr("failed"), "20241101");
    connection.Close();

    run = RunTool(
        {"--engine-database", "Data.vt4", "--version", "20241101", "--output", dir.path() + "bin/Data/Data.vt4"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo(dir.path() + "bin/Data/Data.vt4").isFile());

    // An existing output needs --force.
    const QByteArray before = dir.read("bin/Catalogues/380/Catalogue.vt4");
    run = RunTool({"--source", dir.path() + "src/380", "--output", output});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("--force")) << run.err.toStdString();
    EXPECT_EQ(dir.read("bin/Catalogues/380/Catalogue.vt4"), before);
    run = RunTool({"--source", dir.path() + "src/380", "--output", output, "--force"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
}

TEST(CatalogueTool, BadInputIsReportedWithFileAndLineAndWritesNothing)
{
    TempFolder dir;
    dir.write("src/380/catalogue.ini", Settings380);
    dir.write("src/380/items.csv", QByteArray(Items) + "B 060 FR,Cabinet,12,50\n");
    dir.write("src/250/catalogue.ini", "[Catalogue]\nCode=250\nVersion=20241015\n");
    const QString output = dir.path() + "bin/Catalogues";
    // The good source comes first: it must not be written either.
    ToolRun run = RunTool({"--source", dir.path() + "src/250", "--source", dir.path() + "src/380", "--output", output});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(dir.path() + "src/380/items.csv:3:")) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "bin"));

    const QList<QStringList> usage = {
        {"--output", output},
        {"--source", dir.path() + "src/250"},
        {"--engine-database", "Data.vt4", "--output", dir.path() + "bin/Data.vt4"},
        {"--source", dir.path() + "src/250", "--output", output, "extra"},
        {"--bogus"},
    };
    for (const QStringList& arguments : usage) {
        run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    run = RunTool({"--engine-database", "Other.vt4", "--version", "20241101", "--output", dir.path() + "bin/Data.vt4"});
    EXPECT_EQ(run.exitCode, 1);
    run =
        RunTool({"--engine-database", "Data.vt4", "--version", "2024-11-01", "--output", dir.path() + "bin/Data.vt4"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "bin"));
}
