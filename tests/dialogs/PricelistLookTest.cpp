// The pricelist page under the shipped skins, inside a page control of the
// about dialog's size: the grid wears the skin's colours and shows its rows.
// With VANTOR_SCREENSHOT_DIR set, the pictures are written there.
#include "catalogue/CatalogueBuilder.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "data/DataModule.h"
#include "dialogs/PricelistModel.h"
#include "dialogs/PricelistPage.h"
#include "i18n/uLanguages.h"
#include "skins/VantorComponents.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

QList<tools::PricelistItem> ShowcaseItems()
{
    const char* const series[] = {"Line-interactive UPS", "Online UPS tower", "Online UPS rack 2U", "Modular UPS frame",
                                  "Battery cabinet",      "Network card",     "Bypass switch"};
    QList<tools::PricelistItem> items;
    for (int i = 0; i < 60; ++i) {
        const QString code =
            QStringLiteral("3 %1 %2").arg(100 + i / 6, 3, 10, QChar('0')).arg(10 + i % 6 * 2, 2, 10, QChar('0'));
        const double kva = 1 + i % 6 * 2;
        const double price = (i % 5 == 4) ? 0 : 240 + i * 37.5 + (i % 3) * 0.25;
        items.append({code, QStringLiteral("%1 %2 kVA").arg(QString::fromLatin1(series[i % 7])).arg(kva), price});
    }
    return items;
}

class PricelistLook : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        GlobalSetupData = TGlobalSetupData{};
        GlobalSetupData.Database.Pricelist.sPassword = QLatin1String(DatabasePassword);
        GlobalSetupData.Database.Pricelist.IsValid = true;
        GlobalSetupData.DebugMode = true;
        GlobalSetupData.CatalogueCode = "380";
        GlobalSetupData.LanguageId = "ENG";
        SetTextLanguage(GlobalSetupData.LanguageId);
        CataloguesFolder = folder.path();
        ASSERT_TRUE(LoadTranslations(VANTOR_SOURCE_DIR "/demo/Lang/Languages.xml"));
        vantor::test::ExpectOk(tools::WriteDatabase(folder.path() + "380/Pricelist.vt4",
                                                    QLatin1String(DatabasePassword),
                                                    tools::PricelistContent("380", "20241231", ShowcaseItems()), true));
        skins.SetSkinFolder(QStringLiteral(VANTOR_SOURCE_DIR "/demo/Skins/"));
        skins.SetSkinName(QString::fromLatin1(GetParam()));
        skins.SetActive(true);
    }
    void TearDown() override
    {
        skins.SetActive(false);
        dm.ClosePricelistDatabase();
        UnloadTranslations();
        GlobalSetupData = TGlobalSetupData{};
        CataloguesFolder.clear();
    }

    TempFolder folder;
    TDM dm;
    TSkinManager skins;
};

TEST_P(PricelistLook, GridWearsTheSkinAndShowsRows)
{
    ASSERT_TRUE(skins.Active());
    QWidget form;
    SetSkinSection(&form, QStringLiteral("FORM"));
    form.setFixedSize(519, 265);
    auto* pages = new QTabWidget(&form);
    SetSkinSection(pages, QStringLiteral("PAGECONTROL"));
    pages->setGeometry(4, 6, 511, 253);
    for (const char* id : {"IDS_CONTAINER_03", "IDS_CONTAINER_08"})
        pages->addTab(new QWidget, GetText(QLatin1String(id)));
    auto* page = new TPricelistPage(dm);
    SetSkinSection(page, QStringLiteral("TABSHEET"));
    page->LoadCaptions();
    ASSERT_TRUE(page->Open());
    pages->addTab(page, page->PageCaption());
    pages->addTab(new QWidget, GetText(QStringLiteral("IDS_CONTAINER_24")));
    pages->setCurrentWidget(page);
    form.show();
    QApplication::processEvents();
    page->GridPricelistTitleClick(PricelistModel::ColProductCode);
    ASSERT_TRUE(page->FindProduct("310412"));
    QApplication::processEvents();

    QTableView* grid = page->GridPricelist();
    EXPECT_GT(page->Model()->rowCount(), 20);
    // The three columns fill the grid without a horizontal scroll bar.
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
    EXPECT_EQ(grid->horizontalHeader()->length(), grid->viewport()->width());

    const QImage image = form.grab().toImage();
    ASSERT_FALSE(image.isNull());
    // Background of an unselected row, right of the text, is the skin's grid colour.
    const QPoint probe = grid->viewport()->mapTo(&form, QPoint(grid->viewport()->width() - 3, 3));
    const QColor background = image.pixelColor(probe * image.devicePixelRatio());
    const QColor expected = grid->palette().color(QPalette::Base);
    EXPECT_LE(std::abs(background.lightness() - expected.lightness()), 12) << GetParam();

    const QByteArray target = qgetenv("VANTOR_SCREENSHOT_DIR");
    if (!target.isEmpty()) {
        const QString file =
            QDir(QString::fromLocal8Bit(target))
                .filePath(QStringLiteral("pricelist-%1.png").arg(QString::fromLatin1(GetParam()).toLower()));
        EXPECT_TRUE(image.save(file));
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedSkins, PricelistLook, ::testing::Values("Maronel", "Kelvra"));

} // namespace
} // namespace vantor::test
