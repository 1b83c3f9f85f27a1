// The inventory of installed catalogues on real catalogue folders.
#include "data/InstalledVersion.h"
#include "catalogue/CatalogueBuilder.h"
#include "common/FileHelpers.h"
#include "common/uConstants.h"
#include "data/DataModule.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <gtest/gtest.h>

using namespace vantor;
using namespace vantor::test;
using tools::CatalogueContent;
using tools::PricelistContent;
using tools::WriteDatabase;

namespace {

class InstalledCatalogues : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.Database.Pricelist.sPassword = QLatin1String(DatabasePassword);
        GlobalSetupData = settings;
    }
    void TearDown() override { GlobalSetupData = TGlobalSetupData{}; }

    void AddCatalogue(const QString& code, const QString& version)
    {
        vantor::test::ExpectOk(
            WriteDatabase(folder.path() + code + "/Catalogue.vt4", {}, CatalogueContent(code, version), true));
    }
    void AddPricelist(const QString& code, const QString& validity)
    {
        vantor::test::ExpectOk(WriteDatabase(folder.path() + code + "/Pricelist.vt4", QLatin1String(DatabasePassword),
                                             PricelistContent(code, validity, {{"A 1K0 XX", "UPS", 100}}), true));
    }
    bool Load() { return LoadInstalledCatalogues(dm, folder.path(), settings, installed); }

    TempFolder folder;
    TDM dm;
    TGlobalSetupData settings;
    TInstalledVersion installed;
};

} // namespace

TEST_F(InstalledCatalogues, ListsValidCataloguesInFileSystemOrderWithTheirVersions)
{
    AddCatalogue("380", "20240115");
    AddCatalogue("250", "20231120");
    AddCatalogue("826", "20240301");
    AddPricelist("380", "20240201");
    AddPricelist("826", "2024-12-31");
    folder.makeFolder("999");               // no Catalogue.vt4
    folder.write("700/Pricelist.vt4", "x"); // a pricelist alone is no catalogue
    AddCatalogue(".hidden", "20240101");    // hidden folders are never listed

    ASSERT_TRUE(Load());
    QStringList order;
    ListSubfolders(folder.path(), false, order);
    order.removeAll("999");
    order.removeAll("700");
    QStringList codes;
    for (const auto& c : installed.Catalogues)
        codes.append(c.Code);
    EXPECT_EQ(codes, order);

    const auto at = [&](const char* code) {
        return installed.Catalogues[FindIndexOfInstalledCatalogue(installed, code)];
    };
    EXPECT_EQ(at("380").Database, "20240115");
    EXPECT_EQ(at("380").Pricelist, "20240201");
    EXPECT_EQ(at("250").Pricelist, "");
    EXPECT_EQ(at("826").Pricelist, "-1");
}

TEST_F(InstalledCatalogues, SelectedPricelistIsValidOnlyWhenThatCatalogueIsInstalledWithOne)
{
    AddCatalogue("380", "20240115");
    AddPricelist("380", "20240201");
    AddCatalogue("250", "20231120");
    AddPricelist("250", "20240201");

    settings.CatalogueCode = "380";
    ASSERT_TRUE(Load());
    EXPECT_TRUE(settings.Database.Pricelist.IsValid);

    TInstalledVersion again;
    settings.CatalogueCode = "826"; // not installed, though others have pricelists
    settings.Database.Pricelist.IsValid = true;
    ASSERT_TRUE(LoadInstalledCatalogues(dm, folder.path(), settings, again));
    EXPECT_FALSE(settings.Database.Pricelist.IsValid);
}

TEST_F(InstalledCatalogues, NoValidCatalogueGivesFalse)
{
    EXPECT_FALSE(Load()) << "no folders";
    folder.makeFolder("380");
    folder.write("250/Catalogue.vt4", "not a database at all, only some text");
    EXPECT_FALSE(Load());
    EXPECT_TRUE(installed.Catalogues.isEmpty());
}

TEST(FindIndexOfInstalledCatalogue, MatchesCodesExactly)
{
    TInstalledVersion installed;
    EXPECT_EQ(FindIndexOfInstalledCatalogue(installed, "380"), -1);
    installed.Catalogues = {{"250", "1", ""}, {"380", "2", ""}, {"380", "3", ""}};
    EXPECT_EQ(FindIndexOfInstalledCatalogue(installed, "380"), 1);
    EXPECT_EQ(FindIndexOfInstalledCatalogue(installed, "0380"), -1);
    EXPECT_EQ(FindIndexOfInstalledCatalogue(installed, "380 "), -1);
}
