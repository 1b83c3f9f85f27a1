// accessories.csv and catalogues.csv of the engine's data: faults named by
// file and line, and the tables the engine reads.
#include "catalogue/CatalogueTool.h"
#include "common/uConstants.h"
#include "support/database/DbConnection.h"
#include "support/database/DbQuery.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace vantor;
using vantor::test::TempFolder;

namespace {

const QString DemoData = QStringLiteral(VANTOR_SOURCE_DIR "/demo/engine-data/");

// The query's rows, fields joined by "|".
QStringList Query(const QString& AFile, const QString& ASql)
{
    db::DbConnection connection;
    connection.FileName = AFile;
    connection.Password = QString::fromLatin1(DatabasePassword);
    connection.ReadOnly = true;
    db::DbQuery query(connection);
    query.Sql = ASql;
    EXPECT_TRUE(query.Open()) << ASql.toStdString();
    while (query.CanFetchMore() && query.FetchMore(100).valueOr(0) > 0) {
    }
    QStringList rows;
    for (int row = 0; row < query.FetchedCount(); ++row) {
        QStringList fields;
        for (int field = 0; field < query.FieldCount(); ++field)
            fields.append(query.Value(row, field));
        rows.append(fields.join('|'));
    }
    connection.Close();
    return rows;
}

TEST(TermsSource, TheDemoSourcesWriteTheAccessoriesAndCataloguesTables)
{
    TempFolder folder;
    const QString file = folder.path() + "Data.vt4";
    test::ExpectOk(tools::BuildEngineDatabase("Data.vt4", "20241101", file, false, DemoData));
    // Open bounds stay empty, any phases read 0.
    EXPECT_EQ(Query(file, "SELECT Item, Kind, Models, Phases, MinKVA, MaxKVA FROM Accessories "
                          "WHERE Item IN ('S ST3', 'N SNM') ORDER BY Item, Models"),
              (QStringList{"N SNM|communication|B *;R *;C *;T *;E *;F *|0||", "S ST3|service|C *|0|15.0|200.0",
                           "S ST3|service|T *;F *|3|10.0|200.0"}));
    EXPECT_EQ(Query(file, "SELECT Catalogue, Country, VatPercent FROM Catalogues ORDER BY Catalogue"),
              (QStringList{"000||0.0", "250|FR|20.0", "380|IT|22.0", "826|GB|20.0"}));
}

TEST(TermsSource, FaultsAreNamedByFileAndLineAndNothingIsWritten)
{
    struct Fault {
        const char* file;
        const char* find;
        const char* replace;
        int line;
        const char* says;
    } faults[] = {
        {"accessories.csv", "K RL1,mounting", "K RL1,rack", 6, "Kind \"rack\""},
        {"accessories.csv", "K RL1,mounting,L *;R *,,,", "K RL1,mounting,L *;R *,,5,3", 6,
         "MinKVA 5 is above MaxKVA 3"},
        {"accessories.csv", "K RL1,mounting,L *;R *,,,", "K RL1,mounting,L *;R *,,,-1", 6, "MaxKVA \"-1\""},
        {"accessories.csv", "K RL1,mounting,L *;R *", "K RL1,mounting,L *;r *", 6, "pattern \"r *\""},
        {"accessories.csv", "K RL1,mounting,L *;R *", "K RL1,mounting,L *;;R *", 6, "pattern \"\""},
        {"accessories.csv", "K RL1,mounting,L *;R *", "K RL1,mounting,L *;Q *", 6, "\"Q *\" matches no model"},
        {"accessories.csv", "K RL1,mounting,L *;R *,", "K RL1,mounting,L *;R *,2", 6, "Phases \"2\""},
        {"accessories.csv", "K RL1,mounting", "K RL1 IT,mounting", 6, "without its suffix"},
        {"accessories.csv", "S ST3,service,C *", "S ST3,warranty,C *", 10, "is service on an earlier line"},
        {"catalogues.csv", "250,FR,20", "250,XX,20", 3, "Country \"XX\""},
        {"catalogues.csv", "250,FR,20", "380,FR,20", 3, "\"380\" is given twice"},
        {"catalogues.csv", "250,FR,20", "25,FR,20", 3, "three-digit"},
        {"catalogues.csv", "250,FR,20", "250,FR,120", 3, "VatPercent \"120\""},
    };
    TempFolder folder;
    int index = 0;
    for (const Fault& fault : faults) {
        const QString source = folder.makeFolder(QString::number(++index));
        for (const QString& name : QDir(DemoData).entryList({"*.csv"})) {
            QFile original(DemoData + name);
            ASSERT_TRUE(original.open(QIODevice::ReadOnly));
            QByteArray bytes = original.readAll();
            if (name == QLatin1String(fault.file)) {
                ASSERT_TRUE(bytes.contains(fault.find)) << fault.find;
                bytes.replace(fault.find, fault.replace);
            }
            QFile copy(source + "/" + name);
            ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
            copy.write(bytes);
        }
        const auto error = test::SourceFaultOf(
            tools::BuildEngineDatabase("Data.vt4", "20241101", source + "/Data.vt4", false, source));
        if (!error) {
            ADD_FAILURE() << "accepted: " << fault.replace;
        } else {
            EXPECT_TRUE(error->File.endsWith(fault.file)) << error->Message.toStdString();
            EXPECT_EQ(error->Line, fault.line) << error->Message.toStdString();
            EXPECT_TRUE(error->Text.contains(fault.says)) << error->Message.toStdString();
        }
        EXPECT_FALSE(QFile::exists(source + "/Data.vt4"));
    }
}

} // namespace
