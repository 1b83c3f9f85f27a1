// The setup dialog's lists and the record it stores, without widgets.
#include "dialogs/SetupChoices.h"

#include "i18n/uLanguages.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vantor::test {
namespace {

TInstalledCataloguesArray Installed(const QStringList& codes)
{
    TInstalledCataloguesArray catalogues;
    for (const QString& code : codes)
        catalogues.append(TInstalledCatalogue{code, QStringLiteral("20240101"), QString()});
    return catalogues;
}

TEST(SetupCataloguesTest, OffersOnlyCodesOfTheTableInAlphabeticalOrder)
{
    QStringList names = InstalledCatalogueNames(Installed({"380", "999", "250", "000"}));
    EXPECT_EQ(names, QStringList({"Italy", "France and countries with French standard", "Rest of the World"}));
    SortCatalogueNames(names);
    EXPECT_EQ(names, QStringList({"France and countries with French standard", "Italy", "Rest of the World"}));

    // Codes are compared exactly: no trimming, no leading zeros added.
    EXPECT_TRUE(InstalledCatalogueNames(Installed({"38", " 380", "380 "})).isEmpty());
}

TEST(SetupCataloguesTest, SortingIgnoresLetterCaseAndKeepsAccentedNamesInPlace)
{
    QStringList names{"italy", "Germany", "Åland Islands", "FRANCE", "Bolivia"};
    SortCatalogueNames(names);
    EXPECT_EQ(names, QStringList({"Åland Islands", "Bolivia", "FRANCE", "Germany", "italy"}));
}

TEST(SetupCataloguesTest, NamesAndCodesTurnIntoEachOther)
{
    EXPECT_EQ(GetCatalogueCode("Italy"), "380");
    EXPECT_EQ(GetCatalogueCode("France and countries with French standard"), "250");
    EXPECT_EQ(GetCatalogueCode("italy"), QString());
    EXPECT_EQ(GetCatalogueCode("Italy "), QString());
    EXPECT_EQ(GetCatalogueCode(QString()), QString());

    const QStringList names{"France and countries with French standard", "Italy"};
    EXPECT_EQ(IndexOfCatalogue(names, "380"), 1);
    EXPECT_EQ(IndexOfCatalogue(names, "826"), -1); // in the table, not installed
    EXPECT_EQ(IndexOfCatalogue(names, "999"), -1); // not in the table
    EXPECT_EQ(IndexOfCatalogue(names + QStringList{QString()}, "999"), -1);
}

// The dialog stores what its lists hold; a name that no longer leads to a
// code or a language (the list changed under it) counts as no choice.
TEST(SetupStoreTest, ANameThatLeadsNowhereStoresNothing)
{
    const TAvailableLanguages saved = AvailableLanguages;
    AvailableLanguages = {{"ENG", "English"}, {"ita", "Italiano"}};
    TSetupChoices choices;
    choices.CatalogueName = "Italy";
    choices.LanguageName = "Italiano";
    choices.ShowPrices = true;
    EXPECT_EQ(MissingChoices(choices), mcNone);

    TGlobalSetupData settings;
    settings.LanguageId = "ENG";
    settings.CatalogueCode = "250";
    for (const auto& [catalogue, language, missing] :
         {std::tuple<QString, QString, unsigned>{"Atlantis", "Italiano", mcCatalogue},
          {"Italy", "Klingon", mcLanguage},
          {"italy", "italiano", mcCatalogue | mcLanguage}}) {
        TSetupChoices stale = choices;
        stale.CatalogueName = catalogue;
        stale.LanguageName = language;
        EXPECT_EQ(MissingChoices(stale), missing);
        EXPECT_FALSE(StoreSetupChoices(stale, settings));
        EXPECT_EQ(settings.LanguageId, "ENG");
        EXPECT_EQ(settings.CatalogueCode, "250");
        EXPECT_FALSE(settings.ShowPrices);
    }
    ASSERT_TRUE(StoreSetupChoices(choices, settings));
    EXPECT_EQ(settings.LanguageId, "ita"); // as the file writes it
    EXPECT_EQ(settings.CatalogueCode, "380");
    AvailableLanguages = saved;
}

} // namespace
} // namespace vantor::test
