// Statements that fail say why in the engine's words, and a query whose
// reading fails stops there instead of starting over.
#include "support/database/DbStatement.h"
#include "TestDatabases.h"
#include "support/database/DbQuery.h"
#include "support/database/DbTable.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;

TEST(DbStatement, FailuresNameTheCauseInTheEnginesWords)
{
    TempFolder folder;
    TestConnection test(WritePricelist(folder, "Pricelist.vt4", TestPassword), TestPassword);
    db::DbConnection& connection = test.connection;
    EXPECT_EQ(connection.Execute("DELETE FROM Items").message(), "Pricelist: not connected");
    ASSERT_TRUE(connection.Open());

    EXPECT_EQ(db::DbStatement::Prepare(connection, "SELEC Code FROM Info").message(),
              "Pricelist: cannot run \"SELEC Code FROM Info\": near \"SELEC\": syntax error");
    EXPECT_EQ(connection.Execute("UPDATE Nowhere SET Price = 0").message(), "Pricelist: no such table: Nowhere");
    db::DbQuery query(connection);
    query.Sql = "SELECT Code FROM Missing";
    EXPECT_EQ(query.Open().message(), "Pricelist: cannot run \"SELECT Code FROM Missing\": no such table: Missing");
    EXPECT_FALSE(query.Active());

    db::DbTable table(connection);
    table.TableName = "Info\"; DROP TABLE Items; --";
    EXPECT_TRUE(table.Open().message().endsWith("no such table: Info\"; DROP TABLE Items; --"))
        << "a table name is quoted, never run";
    table.TableName = "Info";
    ASSERT_TRUE(table.Open()) << "a failed statement leaves the connection usable";
    EXPECT_EQ(table.FieldAsText("Price").message(), "Info: field \"Price\" not found");
}

TEST(DbQuery, ARowThatCannotBeReadEndsTheQueryWithoutReadingAnyRowTwice)
{
    TempFolder folder;
    for (const QString& password : {QString(), TestPassword}) {
        // The items fill the last pages (of 4096 bytes plain, 1024
        // protected): breaking the last one breaks the scan late.
        const QString file = WritePricelist(folder, "Pricelist.vt4", password, 400);
        QFile pages(file);
        ASSERT_TRUE(pages.open(QIODevice::ReadWrite));
        ASSERT_TRUE(pages.seek(pages.size() - (password.isEmpty() ? 4096 : 1024)));
        ASSERT_EQ(pages.write(QByteArray(8, '\xFF')), 8);
        pages.close();

        TestConnection test(file, password);
        db::DbQuery query(test.connection);
        query.Sql = "SELECT ProductCode FROM Items";
        ASSERT_TRUE(query.Open());
        Result<int> fetched = 0;
        while (fetched && query.CanFetchMore())
            fetched = query.FetchMore(50);
        EXPECT_EQ(fetched.message(), "Pricelist: cannot read: database disk image is malformed");
        const int rows = query.FetchedCount();
        EXPECT_GT(rows, 1);
        EXPECT_LT(rows, 400);
        EXPECT_FALSE(query.CanFetchMore());
        EXPECT_EQ(query.FetchMore(50).message(), fetched.message()) << "the failure stays";
        EXPECT_EQ(query.FindFirst("ProductCode", "A 399 XX").message(), fetched.message());
        EXPECT_EQ(query.FetchedCount(), rows);
        EXPECT_EQ(query.Value(rows - 1, 0), QStringLiteral("A %1 XX").arg(rows - 1, 3, 10, QChar('0')));
    }
}
