#include "update/UpdateManifest.h"

#include "testlib/TempFolder.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

TInfoVersion V(int a, int b, int c, int d)
{
    return TInfoVersion{static_cast<std::int16_t>(a), static_cast<std::int16_t>(b), static_cast<std::int16_t>(c),
                        static_cast<std::int16_t>(d)};
}

TEST(InfoVersionText, PartsAreReadInOrderAndBadPartsCountAsZero)
{
    EXPECT_EQ(StrToInfoVersion("2.1"), V(2, 1, 0, 0));
    EXPECT_EQ(StrToInfoVersion("3.0.12.1087"), V(3, 0, 12, 1087));
    EXPECT_EQ(StrToInfoVersion(""), V(0, 0, 0, 0));
    EXPECT_EQ(StrToInfoVersion("2.1.x"), V(2, 1, 0, 0));
    EXPECT_EQ(StrToInfoVersion("1..3"), V(1, 0, 3, 0));
    EXPECT_EQ(StrToInfoVersion("1.2.3.4.5.6"), V(1, 2, 3, 4));
    // Each part keeps its low 16 bits.
    EXPECT_EQ(StrToInfoVersion("65537.40000"), V(1, -25536, 0, 0));
}

TEST(InfoVersionCompare, MajorMinorReleaseDecideAndTheBuildDoesNot)
{
    EXPECT_FALSE(IsNewerVersion(V(2, 1, 0, 3), V(2, 1, 0, 7)));
    EXPECT_TRUE(IsNewerVersion(V(2, 1, 3, 0), StrToInfoVersion("2.2")));
    EXPECT_FALSE(IsNewerVersion(V(3, 0, 0, 0), StrToInfoVersion("2.9.9")));
    EXPECT_TRUE(IsNewerVersion(V(2, 1, 3, 9), V(2, 1, 4, 0)));
    EXPECT_FALSE(IsNewerVersion(V(2, 1, 4, 0), V(2, 1, 4, 0)));
    EXPECT_FALSE(IsNewerVersion(V(0, 0, 0, 0), V(9, 0, 0, 0))) << "nothing installed reported";
    EXPECT_FALSE(IsNewerVersion(V(1, 0, 0, 0), StrToInfoVersion("")));
    EXPECT_TRUE(IsVersionSet(V(0, 0, 0, 1)));
    EXPECT_FALSE(IsVersionSet(V(0, 0, 0, 0)));
    // Signed comparison: a part read back negative is older.
    EXPECT_TRUE(IsNewerVersion(V(-1, 0, 0, 0), V(1, 0, 0, 0)));
}

TEST(CatalogueVersionCompare, DatesAsNumbersWithInvalidTextNeverNewer)
{
    EXPECT_TRUE(IsNewerCatalogueVersion("20240101", "20240102"));
    EXPECT_FALSE(IsNewerCatalogueVersion("20240102", "20240102"));
    EXPECT_FALSE(IsNewerCatalogueVersion("20240101", "2024-01-02"));
    EXPECT_FALSE(IsNewerCatalogueVersion("20240101", ""));
    EXPECT_TRUE(IsNewerCatalogueVersion("-1", "20240101")) << "a pricelist without a valid date";
    EXPECT_FALSE(IsNewerCatalogueVersion("", "20240101")) << "no pricelist installed";
    EXPECT_FALSE(IsNewerCatalogueVersion("20240101", "-1"));
}

TEST(UrlHelpers, FileNamesAndTemplates)
{
    EXPECT_EQ(FileNameFromUrl("http://h/a/b/Data.Z"), "Data.Z");
    EXPECT_EQ(FileNameFromUrl("plain"), "plain");
    EXPECT_EQ(FileNameFromUrl("http://h/dir/"), "");
    EXPECT_EQ(FormatCatalogueUrl("http://h/cat/%s/Cat%s.Z", "380"), "http://h/cat/380/Cat380.Z");
    EXPECT_EQ(FormatCatalogueUrl("http://h/a%%20b/%s.Z", "250"), "http://h/a%20b/250.Z");
    EXPECT_EQ(UpdateManifestUrl("127.0.0.1:8470", 12), "http://127.0.0.1:8470/Updates/Vantorix/12/VersionControl.txt");
    // The server may name its scheme.
    EXPECT_EQ(UpdateManifestUrl("https://h:8443", 0, "VersionControl.txt.minisig"),
              "https://h:8443/Updates/Vantorix/0/VersionControl.txt.minisig");
    EXPECT_EQ(UpdateManifestUrl("HTTP://h/", 3), "HTTP://h/Updates/Vantorix/3/VersionControl.txt");
}

TEST(UpdateManifest, ReadsMainValuesAndTheCatalogueListInFileOrder)
{
    test::TempFolder folder;
    const QString file = folder.write("VersionControl.txt", "[main]\r\n"
                                                            "programversion = 2.2.0.1 \r\n"
                                                            "ProgramLink_NoAdmin=http://h/p/Setup.Z\r\n"
                                                            "DatabaseVersion=1.4\r\n"
                                                            "DatabaseLink=http://h/d/Data.vt4\r\n"
                                                            "DevicesVersion=\r\n"
                                                            "CataloguesLink=http://h/c/%s/Catalogue.Z\r\n"
                                                            "PricelistsLink=http://h/c/%s/Pricelist.Z\r\n"
                                                            "[CATALOGUES_LIST]\r\n"
                                                            "a=380\r\n"
                                                            "b=   \r\n"
                                                            "zz= 250\r\n"
                                                            "a=380\r\n"
                                                            "[380]\r\n"
                                                            "CatalogueVersion=20250101\r\n"
                                                            "PricelistVersion= 20250102\r\n"
                                                            "[250]\r\n"
                                                            "CatalogueVersion=x\r\n");
    TUpdatedData data;
    data.Product.ToUpdate = true; // every read starts afresh
    ReadUpdateManifest(file, data);
    EXPECT_EQ(data.Product.Version, V(2, 2, 0, 1));
    EXPECT_EQ(data.Product.WebLink, "http://h/p/Setup.Z");
    EXPECT_FALSE(data.Product.ToUpdate);
    EXPECT_EQ(data.DbMain.Version, V(1, 4, 0, 0));
    EXPECT_FALSE(IsVersionSet(data.DbDevices.Version));
    EXPECT_EQ(data.DbDevices.WebLink, "");
    EXPECT_EQ(data.Catalogues.WebLinks.Pricelist, "http://h/c/%s/Pricelist.Z");
    ASSERT_EQ(data.Catalogues.Items.size(), 3);
    EXPECT_EQ(data.Catalogues.Items[0].Code, "380");
    EXPECT_EQ(data.Catalogues.Items[0].Pricelist.Version, "20250102");
    EXPECT_EQ(data.Catalogues.Items[1].Code, "250");
    EXPECT_EQ(data.Catalogues.Items[1].Database.Version, "x");
    EXPECT_EQ(data.Catalogues.Items[1].Pricelist.Version, "");
    EXPECT_EQ(data.Catalogues.Items[2].Code, "380");
}

TEST(UpdateManifest, MissingFileOrSectionsGiveNothingNewer)
{
    test::TempFolder folder;
    TUpdatedData data;
    ReadUpdateManifest(folder.path() + "absent.txt", data);
    EXPECT_FALSE(IsVersionSet(data.Product.Version));
    EXPECT_TRUE(data.Catalogues.Items.isEmpty());

    ReadUpdateManifest(folder.write("m.txt", "[CATALOGUES_LIST]\n1=826\n"), data);
    EXPECT_FALSE(IsVersionSet(data.DbMain.Version));
    ASSERT_EQ(data.Catalogues.Items.size(), 1);
    EXPECT_EQ(data.Catalogues.Items[0].Code, "826");
}

} // namespace
} // namespace vantor
