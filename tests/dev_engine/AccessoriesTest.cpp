// Accessories, catalogue terms and pricelist lookups on the demo data, built
// by the maker's tool as the demo installation is.
#include "dev/core/Accessories.h"
#include "catalogue/CatalogueTool.h"
#include "common/uConstants.h"
#include "dev/core/CatalogueTerms.h"
#include "dev/core/EngineProducts.h"
#include "dev/core/EngineSettings.h"
#include "dev/core/Pricelist.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace vantor::devengine {
namespace {

const QString Password = QString::fromLatin1(DatabasePassword);

class DemoTerms : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new test::TempFolder;
        vantor::test::ExpectOk(tools::BuildEngineDatabase("Data.vt4", "20241101", folder->path() + "Data/Data.vt4",
                                                          false, VANTOR_SOURCE_DIR "/demo/engine-data"));
        const auto sources = test::ValueOf(tools::ReadCatalogueSources(
            {VANTOR_SOURCE_DIR "/demo/catalogues/380", VANTOR_SOURCE_DIR "/demo/catalogues/250"}));
        (void)test::ValueOf(tools::BuildCatalogues(sources, folder->path() + "Catalogues", false));
    }
    static void TearDownTestSuite() { delete folder; }

    static QString CataloguePath(const char* ACode) { return folder->path() + "Catalogues/" + ACode + "/"; }

    // The product codes offered for ASystemVA of the model.
    QStringList Offered(const char* AModel, double ASystemVA, const Pricelist& APricelist) const
    {
        const UpsModel* model = products->Data.Model(QString::fromLatin1(AModel));
        EXPECT_NE(model, nullptr) << AModel;
        if (model == nullptr)
            return {};
        Solution solution;
        solution.Ups = model->Code;
        solution.SystemVA = ASystemVA;
        QStringList codes;
        for (const AccessoryOffer& offer :
             SuitableAccessories(*model, solution, products->Commercial.Accessories, APricelist))
            codes.append(offer.Item.ProductCode);
        return codes;
    }

    static inline test::TempFolder* folder = nullptr;
    std::shared_ptr<const EngineProducts> products = ReadEngineProducts(folder->path() + "Data/", Password);
    Pricelist italy = ReadPricelist(CataloguePath("380"), Password);
};

TEST_F(DemoTerms, AccessoriesSuitBySeriesPhasesAndSystemRating)
{
    ASSERT_TRUE(products->DataProblem.isEmpty()) << products->DataProblem.toStdString();
    ASSERT_TRUE(products->CommercialProblem.isEmpty()) << products->CommercialProblem.toStdString();
    const QStringList card{"N ENV IT", "N REL IT", "N SNM IT"};
    const QStringList cardsThreePhase{"N ENV IT", "N MOD IT", "N REL IT", "N SNM IT"};
    struct Case {
        const char* model;
        double systemVA;
        QStringList expected;
    } cases[] = {
        // Line-interactive: no network card; warranty extensions up to 3 kVA.
        {"A 600", 600, {"S PM1 IT", "S ST1 IT", "W EX3 IT", "W EX5 IT"}},
        // Rack models take rails and a PDU, by kind then code.
        {"R 2K0", 2000, card + QStringList{"K PDU IT", "K RL1 IT", "S PM1 IT", "S ST1 IT", "W EX3 IT", "W EX5 IT"}},
        {"B 6K0", 6000, card + QStringList{"S PM1 IT", "S ST1 IT"}},
        // Both ends of a range belong to it; the phases tell ST1 from ST3.
        {"B 010", 10000, card + QStringList{"S PM1 IT", "S ST1 IT"}},
        {"T 010", 10000, cardsThreePhase + QStringList{"S 24H IT", "S PM1 IT", "S ST3 IT"}},
        {"T 200", 200000, cardsThreePhase + QStringList{"S 24H IT", "S ST3 IT"}},
        // A parallel system is sized by all its units together.
        {"T 120", 240000, cardsThreePhase + QStringList{"S 24H IT"}},
        {"B 010", 30000, card + QStringList{"S PM1 IT"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Offered(c.model, c.systemVA, italy), c.expected) << c.model << " " << c.systemVA;

    // The 24-hour contract is listed at 0: offered on request, never priced 0.
    const UpsModel* t040 = products->Data.Model("T 040");
    ASSERT_NE(t040, nullptr);
    Solution solution;
    solution.SystemVA = 40000;
    const auto offers = SuitableAccessories(*t040, solution, products->Commercial.Accessories, italy);
    const auto contract = std::find_if(offers.begin(), offers.end(),
                                       [](const AccessoryOffer& A) { return A.Item.ProductCode == "S 24H IT"; });
    ASSERT_NE(contract, offers.end());
    EXPECT_TRUE(contract->Item.OnRequest);
    EXPECT_EQ(contract->Kind, AccessoryKind::Service);
    EXPECT_FALSE(PricesByModel(italy).Prices.contains("S 24H"));

    // What the catalogue's pricelist does not list is not offered.
    Pricelist withoutCards = italy;
    withoutCards.Items.removeIf([](const PriceItem& A) { return A.ProductCode.startsWith("N "); });
    EXPECT_EQ(Offered("B 6K0", 6000, withoutCards), (QStringList{"S PM1 IT", "S ST1 IT"}));
    EXPECT_TRUE(Offered("B 6K0", 6000, ReadPricelist(CataloguePath("000"), Password)).isEmpty());
}

TEST_F(DemoTerms, CataloguesHaveTheirCountrysVatAndCurrency)
{
    const auto terms = [this](const char* ACode) { return TermsForCatalogue(*products, ACode); };
    EXPECT_EQ(terms("380").Country, "IT");
    EXPECT_EQ(terms("380").VatPercent, 22);
    EXPECT_EQ(terms("380").CurrencyCode, "EUR");
    EXPECT_EQ(terms("380").CurrencySymbol, "€");
    EXPECT_EQ(terms("380").CurrencyDecimals, 2);
    EXPECT_EQ(terms("250").CurrencyCode, "EUR");
    EXPECT_EQ(terms("250").VatPercent, 20);
    EXPECT_EQ(terms("826").Country, "GB");
    EXPECT_EQ(terms("826").CurrencyCode, "GBP");
    EXPECT_EQ(terms("826").CurrencySymbol, "£");
    EXPECT_EQ(terms("826").CurrencyDecimals, 2);
    // The rest of the world and a catalogue the data does not name: no
    // country, no currency, no VAT.
    for (const char* code : {"000", "999", ""}) {
        EXPECT_TRUE(terms(code).Country.isEmpty()) << code;
        EXPECT_TRUE(terms(code).CurrencyCode.isEmpty()) << code;
        EXPECT_EQ(terms(code).VatPercent, 0) << code;
    }

    // Decimals come from the currency, not from a fixed 2.
    EXPECT_EQ(CurrencyOfCountry("JP").CurrencyCode, "JPY");
    EXPECT_EQ(CurrencyOfCountry("JP").CurrencyDecimals, 0);
    EXPECT_EQ(CurrencyOfCountry("KW").CurrencyDecimals, 3);
    EXPECT_TRUE(CurrencyOfCountry("QQ").CurrencyCode.isEmpty());

    EngineSettings settings;
    settings.CataloguePath = CataloguePath("380");
    EXPECT_EQ(settings.CatalogueCode(), "380");
    settings.CataloguePath.clear();
    EXPECT_TRUE(settings.CatalogueCode().isEmpty());
}

TEST_F(DemoTerms, ThePricelistReadsItsValidityAndIsSearchedWithoutCaseOrAccents)
{
    EXPECT_EQ(italy.Validity, "20241101");
    // Stored as the maker wrote it, even when it is no YYYYMMDD date.
    EXPECT_EQ(ReadPricelist(CataloguePath("250"), Password).Validity, "2024-12-31");

    const auto codes = [this](const char* AText) {
        QStringList found;
        for (const PriceItem& item : SearchPricelist(italy, QString::fromUtf8(AText)))
            found.append(item.ProductCode);
        return found;
    };
    EXPECT_EQ(codes("snm"), QStringList{"N SNM IT"});
    EXPECT_EQ(codes("GARANZIA"), (QStringList{"W EX3 IT", "W EX5 IT"}));
    EXPECT_EQ(codes("profondita"), QStringList{"K RL1 IT"});   // "profondità"
    EXPECT_EQ(codes("relé"), QStringList{"N REL IT"});         // "relè"
    EXPECT_EQ(codes("su richiesta"), QStringList{"S 24H IT"}); // on request, found all the same
    EXPECT_TRUE(codes("no such thing").isEmpty());
    EXPECT_EQ(codes("  ").size(), italy.Items.size() + italy.OnRequest.size());
}

TEST(CommercialData, ProductDataOfAnOlderFormatProposesNothingAndIsNoProblem)
{
    test::TempFolder folder;
    const QString source = folder.makeFolder("source");
    for (const char* name : {"models.csv", "blocks.csv", "cabinets.csv", "discharge.csv"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(VANTOR_SOURCE_DIR "/demo/engine-data/") + name, source + "/" + name));
    vantor::test::ExpectOk(
        tools::BuildEngineDatabase("Data.vt4", "20241101", folder.path() + "Data/Data.vt4", false, source));
    const auto products = ReadEngineProducts(folder.path() + "Data/", Password);
    EXPECT_TRUE(products->DataProblem.isEmpty()) << products->DataProblem.toStdString();
    EXPECT_TRUE(products->CommercialProblem.isEmpty()) << products->CommercialProblem.toStdString();
    EXPECT_TRUE(products->Commercial.Accessories.isEmpty());
    EXPECT_TRUE(TermsForCatalogue(*products, "380").CurrencyCode.isEmpty());
}

} // namespace
} // namespace vantor::devengine
