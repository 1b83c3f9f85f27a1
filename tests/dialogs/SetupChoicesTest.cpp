// The setup dialog's lists and the record it stores, without widgets.
#include "dialogs/SetupChoices.h"

#include "i18n/uLanguages.h"

#include <gtest/gtest.h>

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

class SetupStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = AvailableLanguages;
        AvailableLanguages = {{"ENG", "English"}, {"ita", "Italiano"}};
        before.LanguageId = "ENG";
        before.CatalogueCode = "250";
        before.AutoCheckUpdates = true;
        before.AdvancedOptions.HideThreePhaseUps = true;
        before.AdvancedOptions.SortSolutionsByPrice = true;
        before.OemId = 7;
    }
    void TearDown() override { AvailableLanguages = saved; }

    static TSetupChoices Complete()
    {
        TSetupChoices choices;
        choices.CatalogueName = "Italy";
        choices.LanguageName = "Italiano";
        choices.ShowPrices = true;
        choices.ShowAllConfigurations = true;
        choices.UnlimitedBatteryCabs = true;
        choices.ShowTechDataAutonomyLower = true;
        return choices;
    }

    static void ExpectUnchanged(const TGlobalSetupData& settings)
    {
        EXPECT_EQ(settings.LanguageId, "ENG");
        EXPECT_EQ(settings.CatalogueCode, "250");
        EXPECT_TRUE(settings.AutoCheckUpdates);
        EXPECT_FALSE(settings.ShowPrices);
        EXPECT_FALSE(settings.AdvancedOptions.ShowAllConfigurations);
        EXPECT_FALSE(settings.AdvancedOptions.UnlimitedBatteryCabs);
        EXPECT_TRUE(settings.AdvancedOptions.SortSolutionsByPrice);
        EXPECT_FALSE(settings.AdvancedOptions.ShowTechDataAutonomyLower);
    }

    TAvailableLanguages saved;
    TGlobalSetupData before;
};

TEST_F(SetupStoreTest, StoresEveryChoiceAndLeavesTheRestAlone)
{
    TGlobalSetupData settings = before;
    ASSERT_TRUE(StoreSetupChoices(Complete(), settings));
    EXPECT_EQ(settings.LanguageId, "ita"); // as the file writes it
    EXPECT_EQ(settings.CatalogueCode, "380");
    EXPECT_FALSE(settings.AutoCheckUpdates);
    EXPECT_TRUE(settings.ShowPrices);
    EXPECT_TRUE(settings.AdvancedOptions.ShowAllConfigurations);
    EXPECT_TRUE(settings.AdvancedOptions.UnlimitedBatteryCabs);
    EXPECT_FALSE(settings.AdvancedOptions.SortSolutionsByPrice);
    EXPECT_TRUE(settings.AdvancedOptions.ShowTechDataAutonomyLower);
    EXPECT_TRUE(settings.AdvancedOptions.HideThreePhaseUps);
    EXPECT_EQ(settings.OemId, 7);
}

TEST_F(SetupStoreTest, AMissingChoiceStoresNothing)
{
    struct Case {
        std::optional<QString> catalogue;
        std::optional<QString> language;
        unsigned missing;
    };
    const Case cases[] = {
        {std::nullopt, "English", mcCatalogue},
        {"Italy", std::nullopt, mcLanguage},
        {std::nullopt, std::nullopt, mcCatalogue | mcLanguage},
        // Names that no longer lead anywhere: the list changed under the dialog.
        {"Atlantis", "English", mcCatalogue},
        {"Italy", "Klingon", mcLanguage},
    };
    for (const Case& c : cases) {
        TSetupChoices choices = Complete();
        choices.CatalogueName = c.catalogue;
        choices.LanguageName = c.language;
        EXPECT_EQ(MissingChoices(choices), c.missing);
        TGlobalSetupData settings = before;
        EXPECT_FALSE(StoreSetupChoices(choices, settings));
        ExpectUnchanged(settings);
    }
    EXPECT_EQ(MissingChoices(Complete()), mcNone);
}

TEST_F(SetupStoreTest, WithoutLanguagesNoLanguageCanBeStored)
{
    AvailableLanguages.clear();
    TGlobalSetupData settings = before;
    EXPECT_FALSE(StoreSetupChoices(Complete(), settings));
    ExpectUnchanged(settings);
}

} // namespace
} // namespace vantor::test
