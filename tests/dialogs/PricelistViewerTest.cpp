// The pricelist page over real pricelist files: lazy rows, columns, sort
// marks, Find, and when the page is opened and shown.
#include "catalogue/CatalogueBuilder.h"
#include "common/uConstants.h"
#include "common/uGlobals.h"
#include "data/DataModule.h"
#include "dialogs/PricelistModel.h"
#include "dialogs/PricelistPage.h"
#include "dialogs/dlgAbout.h"
#include "i18n/uLanguages.h"
#include "testlib/RecordingPresenter.h"
#include "testlib/ResultChecks.h"
#include "testlib/TempFolder.h"

#include <QAction>
#include <QHeaderView>
#include <QLocale>
#include <QTableView>

#include <gtest/gtest.h>

#include <memory>

namespace vantor::test {
namespace {

using tools::PricelistItem;

constexpr int FillerItems = 700;

// 700 codes "2 ddd dd" that sort before the interesting ones, then
// "3 100 12" at row 700 and "3 10A 12" at row 701. Unpriced items must not
// show. Written in reverse so the order comes from the query.
QList<PricelistItem> Items()
{
    QList<PricelistItem> items;
    items.append({"3 10A 12", "Upper-case sibling", 99});
    items.append({"3 100 12", "Online UPS 10 kVA", 1234.5});
    items.append({"3 100 13", "Not for sale", 0});
    items.append({"3 100 14", "Credit note", -20});
    for (int i = FillerItems - 1; i >= 0; --i)
        items.append({QStringLiteral("2 %1 %2").arg(i / 100, 3, 10, QChar('0')).arg(i % 100, 2, 10, QChar('0')),
                      QStringLiteral("Filler %1").arg(i), 100.0 + i});
    return items;
}
constexpr int PricedItems = FillerItems + 2;

class PricelistViewer : public ::testing::Test {
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
        QLocale::setDefault(QLocale::c());
    }
    void TearDown() override
    {
        dm.ClosePricelistDatabase();
        UnloadTranslations();
        GlobalSetupData = TGlobalSetupData{};
        CataloguesFolder.clear();
        QLocale::setDefault(QLocale::system());
    }

    void WritePricelist(const QList<PricelistItem>& items)
    {
        vantor::test::ExpectOk(tools::WriteDatabase(folder.path() + "380/Pricelist.vt4",
                                                    QLatin1String(DatabasePassword),
                                                    tools::PricelistContent("380", "20241231", items), true));
    }

    // A page over the standard items, opened, with its captions.
    std::unique_ptr<TPricelistPage> OpenPage()
    {
        WritePricelist(Items());
        auto page = std::make_unique<TPricelistPage>(dm);
        page->LoadCaptions();
        EXPECT_TRUE(page->Open());
        return page;
    }

    static void FetchAll(PricelistModel& model)
    {
        while (model.canFetchMore({}))
            model.fetchMore({});
    }

    static QString Cell(const PricelistModel& model, int row, int column)
    {
        return model.data(model.index(row, column)).toString();
    }

    int SelectedRow(const TPricelistPage& page) const
    {
        const QModelIndexList rows = page.GridPricelist()->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() : -1;
    }

    TempFolder folder;
    TDM dm;
    RecordingPresenter presenter;
};

TEST_F(PricelistViewer, RowsArriveInChunksUpToThePricedItems)
{
    auto page = OpenPage();
    PricelistModel& model = *page->Model();
    // Opening reads one row; each fetch at most one chunk more, straight from the query.
    EXPECT_EQ(model.rowCount(), 1);
    ASSERT_TRUE(model.canFetchMore({}));
    model.fetchMore({});
    EXPECT_EQ(model.rowCount(), 1 + PricelistModel::FetchChunk);
    EXPECT_EQ(dm.SqlPricelist.FetchedCount(), model.rowCount());

    FetchAll(model);
    EXPECT_EQ(model.rowCount(), PricedItems);
    EXPECT_FALSE(model.canFetchMore({}));
    EXPECT_EQ(Cell(model, 0, 0), "2 000 00");
    EXPECT_EQ(Cell(model, 699, 0), "2 006 99");
    EXPECT_EQ(Cell(model, 700, 0), "3 100 12");
    EXPECT_EQ(Cell(model, 700, 1), "Online UPS 10 kVA");
    EXPECT_EQ(Cell(model, 701, 0), "3 10A 12");
    for (int row = 0; row < model.rowCount(); ++row)
        ASSERT_GT(model.data(model.index(row, 2)).toString().toDouble(), 0) << "row " << row;
}

TEST_F(PricelistViewer, ColumnsTitlesAndAlignments)
{
    auto page = OpenPage();
    PricelistModel& model = *page->Model();
    ASSERT_EQ(model.columnCount(), 3);
    const QStringList titles{"Product code", "Description", "Price"};
    const Qt::Alignment alignments[] = {Qt::AlignHCenter | Qt::AlignVCenter, Qt::AlignLeft | Qt::AlignVCenter,
                                        Qt::AlignRight | Qt::AlignVCenter};
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString(), titles[column]);
        EXPECT_EQ(model.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                  alignments[column]);
        EXPECT_EQ(model.data(model.index(0, column), Qt::TextAlignmentRole).value<Qt::Alignment>(), alignments[column]);
        EXPECT_FALSE(model.flags(model.index(0, column)) & Qt::ItemIsEditable);
    }
    const QHeaderView* header = page->GridPricelist()->horizontalHeader();
    EXPECT_EQ(header->sectionSize(0), 72);
    EXPECT_EQ(header->sectionSize(1), 330);
    EXPECT_EQ(header->sectionSize(2), 70);
    EXPECT_TRUE(header->font().bold());
    EXPECT_EQ(page->GridPricelist()->font().pixelSize(), 11);
    EXPECT_FALSE(page->GridPricelist()->verticalHeader()->isVisible());
    EXPECT_EQ(page->PageCaption(), "Pricelist");
    EXPECT_EQ(page->FindAction()->text(), "&Find...");
}

TEST_F(PricelistViewer, PricesFollowTheLocaleWithoutGrouping)
{
    auto page = OpenPage();
    PricelistModel& model = *page->Model();
    FetchAll(model);
    EXPECT_EQ(Cell(model, 0, 2), "100");
    EXPECT_EQ(Cell(model, 700, 2), "1234.5");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    model.Reload();
    EXPECT_EQ(Cell(model, 700, 2), "1234,5");
}

TEST_F(PricelistViewer, TitleClicksToggleMarksWithoutReordering)
{
    auto page = OpenPage();
    PricelistModel& model = *page->Model();
    model.fetchMore({});
    const int fetched = model.rowCount();
    QHeaderView* header = page->GridPricelist()->horizontalHeader();

    EXPECT_EQ(model.SortMark(1), PricelistSortMark::None);
    emit header->sectionClicked(1);
    EXPECT_EQ(model.SortMark(1), PricelistSortMark::Ascending);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QString::fromUtf8("Description ▴"));
    emit header->sectionClicked(1);
    EXPECT_EQ(model.SortMark(1), PricelistSortMark::Descending);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QString::fromUtf8("Description ▾"));
    emit header->sectionClicked(1);
    EXPECT_EQ(model.SortMark(1), PricelistSortMark::Ascending);
    // Each column keeps its own mark; a right-aligned title has it in front.
    emit header->sectionClicked(2);
    EXPECT_EQ(model.SortMark(1), PricelistSortMark::Ascending);
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QString::fromUtf8("▴ Price"));
    EXPECT_EQ(model.SortMark(0), PricelistSortMark::None);

    // Same rows, same order, nothing read again.
    EXPECT_EQ(model.rowCount(), fetched);
    EXPECT_EQ(Cell(model, 0, 0), "2 000 00");
    EXPECT_EQ(Cell(model, 1, 0), "2 000 01");
    // The Find prompt keeps using the bare title.
    EXPECT_EQ(model.Title(2), "Price");
}

TEST_F(PricelistViewer, FindReadsFurtherAndSelectsTheRow)
{
    auto page = OpenPage();
    EXPECT_TRUE(page->FindProduct("310012"));
    EXPECT_EQ(SelectedRow(*page), 700);
    EXPECT_EQ(page->GridPricelist()->currentIndex().row(), 700);
    EXPECT_GE(page->Model()->rowCount(), 701);
    EXPECT_EQ(page->Model()->rowCount(), dm.SqlPricelist.FetchedCount());
    EXPECT_EQ(dm.SqlPricelist.CurrentRow(), 700);

    // Only six characters count; case counts.
    EXPECT_TRUE(page->FindProduct("310A12xyz"));
    EXPECT_EQ(SelectedRow(*page), 701);
    EXPECT_TRUE(page->FindProduct("3100125"));
    EXPECT_EQ(SelectedRow(*page), 700);
    EXPECT_TRUE(presenter.shown.isEmpty());
}

TEST_F(PricelistViewer, FindWarnsAndKeepsTheRowWhenNothingMatches)
{
    auto page = OpenPage();
    ASSERT_TRUE(page->FindProduct("200001"));
    ASSERT_EQ(SelectedRow(*page), 1);

    const QStringList misses{"310a12", "3100135", "310", "", "%1%2"};
    // A miss is known without reading the rest of the pricelist.
    const int fetched = dm.SqlPricelist.FetchedCount();
    ASSERT_LT(fetched, PricedItems);
    for (const QString& entry : misses) {
        presenter.shown.clear();
        EXPECT_FALSE(page->FindProduct(entry));
        ASSERT_EQ(presenter.shown.size(), 1) << entry.toStdString();
        EXPECT_EQ(presenter.shown[0].Text, "\"" + entry + "\" not found");
        EXPECT_EQ(presenter.shown[0].Title, "Warning");
        EXPECT_EQ(presenter.shown[0].Kind, TMsgDlgType::mtWarning);
        EXPECT_EQ(SelectedRow(*page), 1);
        EXPECT_EQ(dm.SqlPricelist.FetchedCount(), fetched);
    }
}

TEST_F(PricelistViewer, FindCommandPromptsWithTheTitleAndStartsAt310)
{
    auto page = OpenPage();
    QStringList asked;
    QString answer = "310012";
    bool accept = true;
    page->SetTextPrompt([&](QWidget*, const QString& caption, const QString& prompt, QString& value) {
        asked << caption << prompt << value;
        value = answer;
        return accept;
    });
    page->FindAction()->setText("&&Find &now");
    page->FindAction()->trigger();
    EXPECT_EQ(asked, QStringList({"&Find &now", "Product code:", "310"}));
    EXPECT_EQ(SelectedRow(*page), 700);

    // Cancelled: nothing happens, even with a code that would not be found.
    asked.clear();
    answer = "999999";
    accept = false;
    page->mnuPricelistFindClick();
    EXPECT_EQ(asked.value(2), "310"); // the last entry is not kept
    EXPECT_TRUE(presenter.shown.isEmpty());
    EXPECT_EQ(SelectedRow(*page), 700);
}

TEST_F(PricelistViewer, OutsideDebugModeNothingIsOpened)
{
    WritePricelist(Items());
    GlobalSetupData.DebugMode = false;
    TPricelistPage page(dm);
    EXPECT_FALSE(page.Open());
    EXPECT_FALSE(dm.DbPricelist.Connected());
    EXPECT_EQ(page.Model()->rowCount(), 0);
    EXPECT_FALSE(page.Model()->canFetchMore({}));
    // Find on the empty grid reports not found rather than failing.
    EXPECT_FALSE(page.FindProduct("310012"));
    EXPECT_EQ(presenter.shown.size(), 1);
}

TEST_F(PricelistViewer, EmptyOrMissingPricelistGivesAnEmptyGrid)
{
    WritePricelist({{"3 100 12", "Free", 0}});
    TPricelistPage page(dm);
    EXPECT_FALSE(page.Open());
    EXPECT_EQ(page.Model()->rowCount(), 0);
    EXPECT_FALSE(dm.DbPricelist.Connected());
    EXPECT_TRUE(ShouldShowPricelistPage(GlobalSetupData));

    GlobalSetupData.CatalogueCode = "999";
    TPricelistPage missing(dm);
    EXPECT_FALSE(missing.Open());
    EXPECT_EQ(missing.Model()->rowCount(), 0);
}

TEST_F(PricelistViewer, AnUnreadablePricelistLeavesThePageEmptyAndTheAboutDialogOpens)
{
    tools::DatabaseContent noItems = tools::PricelistContent("380", "20241231", {});
    noItems.HasItems = false;
    vantor::test::ExpectOk(
        tools::WriteDatabase(folder.path() + "380/Pricelist.vt4", QLatin1String(DatabasePassword), noItems, true));
    TPricelistPage page(dm);
    EXPECT_FALSE(page.Open());
    EXPECT_FALSE(dm.DbPricelist.Connected());
    EXPECT_EQ(page.Model()->rowCount(), 0);
    EXPECT_FALSE(page.Model()->canFetchMore({}));

    // The whole dialog, with its pricelist page, as the user opens it.
    TDM* const savedDm = DM;
    DM = &dm;
    {
        TFrmAbout dialog(nullptr, [](TOemData&, bool) { return false; });
        auto* grid = dialog.findChild<QTableView*>("GridPricelist");
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->model()->rowCount(), 0);
        EXPECT_FALSE(dm.DbPricelist.Connected());
    }
    DM = savedDm;
    EXPECT_TRUE(presenter.shown.isEmpty());
}

TEST_F(PricelistViewer, ClosingEmptiesTheGrid)
{
    auto page = OpenPage();
    page->Model()->fetchMore({});
    page->ClosePricelist();
    EXPECT_FALSE(dm.DbPricelist.Connected());
    EXPECT_EQ(page->Model()->rowCount(), 0);
    EXPECT_FALSE(page->Model()->canFetchMore({}));
}

TEST(PricelistPageRule, ShownOnlyInDebugModeWithValidPricelistAndThreePhaseShown)
{
    for (int mask = 0; mask < 8; ++mask) {
        TGlobalSetupData setup;
        setup.DebugMode = mask & 1;
        setup.Database.Pricelist.IsValid = mask & 2;
        setup.AdvancedOptions.HideThreePhaseUps = mask & 4;
        EXPECT_EQ(ShouldShowPricelistPage(setup), mask == 3) << mask;
        // The query runs whatever the three-phase option says.
        EXPECT_EQ(ShouldOpenPricelist(setup), (mask & 3) == 3) << mask;
    }
}

} // namespace
} // namespace vantor::test
