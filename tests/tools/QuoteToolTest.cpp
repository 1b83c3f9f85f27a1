// vantor-quote run as a process on the demo installation: a saved project's
// quote as JSON, PDF, spreadsheet and CSV, and its exit status for data it
// cannot use and for a wrong command line.
#include "common/uConstants.h"
#include "dev/core/ProductDataFile.h"
#include "dev/core/ProjectFile.h"
#include "dev/core/ProjectQuote.h"
#include "dev/core/SelectorRequest.h"
#include "testlib/TempFolder.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

using namespace vantor::devengine;

struct ToolRun {
    int Exit = -1;
    QByteArray Out;
    QByteArray Err;
};

ToolRun RunQuoteTool(const QStringList& AArguments, const QString& AConfig)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", AConfig);
    process.setProcessEnvironment(environment);
    process.start(VANTOR_QUOTE_TOOL, AArguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

class QuoteToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProductData data;
        QString problem;
        ASSERT_TRUE(
            LoadProductData(VANTOR_BIN_DIR "/Data/Data.vt4", QString::fromLatin1(DatabasePassword), data, problem))
            << problem.toStdString();
        SelectorInputs inputs;
        inputs.Load = 6000;
        inputs.AutonomyMinutes = 15;
        EngineSettings settings;
        const QList<Solution> solutions = FindSolutions(data, RequestFor(SelectorKind::Base, inputs, settings));
        ASSERT_FALSE(solutions.isEmpty());
        Pricelist pricelist = ReadPricelist(VANTOR_BIN_DIR "/Catalogues/380/", QString::fromLatin1(DatabasePassword));
        ASSERT_TRUE(pricelist.Readable) << pricelist.Problem.toStdString();
        project.Name = "Rossi data centre";
        project.Catalogue = "380";
        project.DiscountPercent = 5;
        project.Terms.QuoteNumber = "Q-2026-0042";
        ProjectSystem system =
            ProjectSystemFor("Server room", SelectorKind::Base, inputs, solutions[0], PricesByModel(pricelist), data);
        system.Lines = {{true, "N SNM IT", "Network card", 1, 285.0, 0}};
        project.Systems = {system};
        project.Lines = {{true, "S ST1 IT", "Commissioning", 1, 180.0, 0}};
        file = folder.path() + "Rossi.vantor";
        ASSERT_TRUE(SaveProjectFile(file, project, EngineTexts("ENG")));
    }

    TempFolder folder;
    Project project;
    QString file;
};

TEST_F(QuoteToolTest, WritesEveryExportAndPrintsTheTotals)
{
    const QString pdf = folder.path() + "quote.pdf", xlsx = folder.path() + "quote.xlsx",
                  csv = folder.path() + "quote.csv";
    const ToolRun run = RunQuoteTool({VANTOR_BIN_DIR, file, "--json", "--pdf", pdf, "--xlsx", xlsx, "--csv", csv},
                                     folder.path() + "config");
    ASSERT_EQ(run.Exit, 0) << run.Err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.Out).object();
    EXPECT_EQ(json["currency"].toString(), "EUR");
    EXPECT_EQ(json["quote_number"].toString(), "Q-2026-0042");
    EXPECT_DOUBLE_EQ(json["vat_percent"].toDouble(), 22);
    double subtotal = 0;
    for (const QJsonValue& group : json["groups"].toArray())
        for (const QJsonValue& line : group["lines"].toArray())
            subtotal += line["amount"].toDouble();
    EXPECT_NEAR(json["subtotal"].toDouble(), subtotal, 1e-9);
    const double net = json["net"].toDouble();
    EXPECT_NEAR(net, subtotal - std::round(subtotal * 5) / 100, 0.0051);
    EXPECT_NEAR(json["gross"].toDouble(), net + std::round(net * 22) / 100, 1e-6);
    for (const QString& written : {pdf, xlsx, csv})
        EXPECT_GT(QFile(written).size(), 0) << written.toStdString();
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"Server room", "Q-2026-0042", "N SNM IT", "EUR"})
        EXPECT_TRUE(page.contains(expected)) << expected;
}

TEST_F(QuoteToolTest, BadDataExitsWithOneAndAWrongCommandLineWithTwo)
{
    const QString config = folder.path() + "config";
    QFile damaged(folder.path() + "damaged.vantor");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("{\"schema\": 1, \"systems\": [");
    damaged.close();
    const QString pdf = folder.path() + "none.pdf";
    for (const QStringList& arguments : {QStringList{VANTOR_BIN_DIR, damaged.fileName(), "--pdf", pdf},
                                         QStringList{folder.path() + "missing", file, "--json"},
                                         QStringList{VANTOR_BIN_DIR, folder.path() + "missing.vantor", "--json"}}) {
        const ToolRun run = RunQuoteTool(arguments, config);
        EXPECT_EQ(run.Exit, 1) << arguments.join(' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(pdf));
    for (const QStringList& arguments :
         {QStringList{}, QStringList{VANTOR_BIN_DIR, file}, QStringList{VANTOR_BIN_DIR, file, "--pdf"},
          QStringList{VANTOR_BIN_DIR, file, "--json", "--bogus"}, QStringList{VANTOR_BIN_DIR, "--json"}})
        EXPECT_EQ(RunQuoteTool(arguments, config).Exit, 2) << arguments.join(' ').toStdString();
}

} // namespace
} // namespace vantor::test
