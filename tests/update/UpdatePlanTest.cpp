// What the check marks and fetches, from a manifest and what is installed.
#include "update/UpdatePlan.h"
#include "i18n/uLanguages.h"
#include "update/UpdateHandoff.h"

#include "common/FileHelpers.h"
#include "common/uGlobals.h"
#include "support/Process.h"
#include "testlib/ScopedEnv.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TInstalledVersion Installed()
{
    TInstalledVersion installed;
    installed.Product = StrToInfoVersion("2.1.0.3");
    installed.DbMain = StrToInfoVersion("1.4.0.0");
    installed.DbDevices = StrToInfoVersion("1.2.0.0");
    installed.Catalogues = {{"380", "20240101", "20240101"}, {"250", "20240101", "-1"}, {"826", "20240101", ""}};
    return installed;
}

TUpdatedCatalogueItem Item(const QString& code, const QString& database, const QString& pricelist)
{
    TUpdatedCatalogueItem item;
    item.Code = code;
    item.Database.Version = database;
    item.Pricelist.Version = pricelist;
    return item;
}

TUpdatedData Offer()
{
    TUpdatedData data;
    data.Product.Version = StrToInfoVersion("2.1.0.7");
    data.Product.WebLink = "http://h/p/Setup.Z";
    data.DbMain.Version = StrToInfoVersion("1.4");
    data.DbMain.WebLink = "http://h/d/Data.Z";
    data.DbDevices.Version = StrToInfoVersion("1.2");
    data.DbDevices.WebLink = "http://h/d/Devices.vt4";
    data.Catalogues.WebLinks.Database = "http://h/c/%s/Catalogue.Z";
    data.Catalogues.WebLinks.Pricelist = "http://h/c/%s/Pricelist.Z";
    return data;
}

TEST(UpdatePlan, NothingNewerMarksNothing)
{
    TUpdatedData data = Offer();
    data.Catalogues.Items = {Item("380", "20240101", "20240101"), Item("9998", "20990101", ""),
                             Item("9996", "20990101", "20990101")};
    EXPECT_FALSE(MarkUpdates(data, Installed()));
    for (const auto& item : data.Catalogues.Items)
        EXPECT_FALSE(item.Database.ToUpdate || item.Pricelist.ToUpdate) << item.Code.toStdString();
}

TEST(UpdatePlan, CataloguesAndPricelistsByDateNewOnesWithoutPricelist)
{
    TUpdatedData data = Offer();
    data.Catalogues.Items = {
        Item("380", "20240102", "20231231"), // database newer only
        Item("250", "x", "20240101"),        // offered text no integer; pricelist "-1" installed
        Item("826", "20240101", "20990101"), // no pricelist installed: never fetched
        Item("040", "20240101", "20240101"), // not installed: database only
        Item("040", "20240101", "20240101"), // listed twice: fetched twice
    };
    ASSERT_TRUE(MarkUpdates(data, Installed()));
    const auto& items = data.Catalogues.Items;
    EXPECT_TRUE(items[0].Database.ToUpdate);
    EXPECT_FALSE(items[0].Pricelist.ToUpdate);
    EXPECT_FALSE(items[1].Database.ToUpdate);
    EXPECT_TRUE(items[1].Pricelist.ToUpdate);
    EXPECT_FALSE(items[2].Database.ToUpdate || items[2].Pricelist.ToUpdate);
    EXPECT_TRUE(items[3].Database.ToUpdate);
    EXPECT_FALSE(items[3].Pricelist.ToUpdate);

    const TUpdateDownloads downloads = ListUpdateDownloads(data, "/s/Vantor/");
    EXPECT_FALSE(downloads.ProgramPackage);
    EXPECT_EQ(downloads.Remote, QStringList({"http://h/c/380/Catalogue.Z", "http://h/c/250/Pricelist.Z",
                                             "http://h/c/040/Catalogue.Z", "http://h/c/040/Catalogue.Z"}));
    EXPECT_EQ(downloads.Local,
              QStringList({"/s/Vantor/Catalogues/380/Catalogue.Z", "/s/Vantor/Catalogues/250/Pricelist.Z",
                           "/s/Vantor/Catalogues/040/Catalogue.Z", "/s/Vantor/Catalogues/040/Catalogue.Z"}));
}

TEST(UpdatePlan, DatabasesComeFirstThenCataloguesInManifestOrder)
{
    TUpdatedData data = Offer();
    data.DbMain.Version = StrToInfoVersion("1.5");
    data.DbDevices.Version = StrToInfoVersion("1.2.1");
    data.Catalogues.Items = {Item("380", "20250101", "20250101")};
    ASSERT_TRUE(MarkUpdates(data, Installed()));
    const TUpdateDownloads downloads = ListUpdateDownloads(data, "/s/");
    EXPECT_EQ(downloads.Local, QStringList({"/s/Data/Data.Z", "/s/Data/Devices.vt4", "/s/Catalogues/380/Catalogue.Z",
                                            "/s/Catalogues/380/Pricelist.Z"}));
}

TEST(UpdatePlan, ANewerProgramIsFetchedAlone)
{
    TUpdatedData data = Offer();
    data.Product.Version = StrToInfoVersion("2.2");
    data.DbMain.Version = StrToInfoVersion("9.0");
    data.Catalogues.Items = {Item("380", "20250101", "")};
    ASSERT_TRUE(MarkUpdates(data, Installed()));
    const TUpdateDownloads downloads = ListUpdateDownloads(data, "/s/");
    EXPECT_TRUE(downloads.ProgramPackage);
    EXPECT_EQ(downloads.Remote, QStringList{"http://h/p/Setup.Z"});
    EXPECT_EQ(downloads.Local, QStringList{"/s/Setup.Z"});
}

TEST(UpdatePlan, CodesThatWouldLeaveTheStagingFolderAreNeverFetched)
{
    TUpdatedData data = Offer();
    data.Catalogues.Items = {Item("..", "20990101", ""), Item("../../etc", "20990101", ""),
                             Item("a\\b", "20990101", "")};
    EXPECT_FALSE(MarkUpdates(data, Installed()));
}

TEST(UpdaterCommandLine, FiveArgumentsThatNoCharacterOfAPathCanSplitOrJoin)
{
    test::ScopedEnv cache("XDG_CACHE_HOME", "/home/u/.cache");
    // Blanks and a double quote: a command line split again would mangle both.
    GlobalSetupData.RootPath = "/opt/Vantor \"App\" 2/";
    CataloguesFolder = "/opt/Vantor \"App\" 2/Catalogues/";
    GlobalSetupData.LanguageFile = "/opt/Vantor \"App\" 2/Lang/Languages.xml";
    GlobalSetupData.LanguageId = "REF";
    SetTextLanguage(GlobalSetupData.LanguageId);
    EXPECT_EQ(BuildUpdaterArguments(GetTempWorkFolder(false), {GlobalSetupData.RootPath, GlobalSetupData.LanguageId,
                                                               GlobalSetupData.LanguageFile}),
              QStringList({"/SP=/home/u/.cache/Vantor/Staging/", "/DP=/opt/Vantor \"App\" 2/Data/",
                           "/CP=/opt/Vantor \"App\" 2/Catalogues/", "/LF=/opt/Vantor \"App\" 2/Lang/Languages.xml",
                           "/LI=REF"}));
    GlobalSetupData = TGlobalSetupData();
    CataloguesFolder.clear();
}

} // namespace
} // namespace vantor
