// The selector screens the engine builds inside the host's container.
#include "EngineHarness.h"

#include "catalogue/CatalogueBuilder.h"
#include "catalogue/CatalogueSource.h"
#include "testlib/TempFolder.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

QList<tools::PricelistItem> SampleItems()
{
    return {
        {QStringLiteral("A 600 UK"), QStringLiteral("Line-interactive UPS 600 VA / 360 W, tower"), 124.50},
        {QStringLiteral("A 1K0 UK"), QStringLiteral("Line-interactive UPS 1000 VA / 600 W, tower"), 198.00},
        {QStringLiteral("B 1K0 UK"), QStringLiteral("Online UPS 1000 VA / 900 W, tower"), 524.50},
        {QStringLiteral("L 1K0 UK"), QStringLiteral("Line-interactive UPS 1000 VA / 900 W, rack 2U"), 447.00},
        {QStringLiteral("B 3K0 UK"), QStringLiteral("Online UPS 3000 VA / 2700 W, tower"), 1169.50},
        {QStringLiteral("T 020 UK"), QStringLiteral("Online three-phase UPS 20 kVA / 20 kW"), 7241.00},
        {QStringLiteral("D 072 UK"), QStringLiteral("Battery cabinet 72 V for 2-3 kVA UPS"), 593.50},
        {QStringLiteral("S 24H UK"), QStringLiteral("24/7 service contract (price on request)"), 0.00},
    };
}

class EngineScreens : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(engine.IsLoaded());
        ClearPanelCalls();
        container.resize(1020, 540);
        record.CataloguePath = folder.makeFolder(QStringLiteral("Catalogues/826")) + u'/';
    }

    void WritePricelist(const QList<tools::PricelistItem>& items, const QString& password)
    {
        tools::WriteDatabase(record.CataloguePath + QStringLiteral("Pricelist.vt4"), password,
                             tools::PricelistContent(QStringLiteral("826"), QStringLiteral("20241101"), items), true);
    }

    void Initialize()
    {
        TInfoVersion version{};
        const int32_t result = engine.Initialize(record.Get(), &version, &version, &version);
        ASSERT_TRUE(result == ENGINE_INIT_OK || result == ENGINE_INIT_OK_WITH_NOTICE) << result;
    }

    QWidget* Screen() { return EngineScreen(&container); }

    template <typename T>
    T* Find(const char* name)
    {
        QWidget* screen = Screen();
        return screen == nullptr ? nullptr : screen->findChild<T*>(QString::fromLatin1(name));
    }

    QAbstractItemModel* Products()
    {
        auto* table = Find<QTableView>("ProductTable");
        return table == nullptr ? nullptr : table->model();
    }

    LoadedEngine engine;
    TempFolder folder;
    QWidget container;
    InitRecord record{&container};
};

TEST_F(EngineScreens, EachSelectorShowsItsScreenInTheContainerAndReplacesTheLast)
{
    WritePricelist(SampleItems(), record.Password);
    Initialize();
    const struct {
        TUpsSelectorProc Open;
        const char* Title;
    } selectors[] = {
        {engine.SelectorBase, "Base UPS selector"},
        {engine.SelectorAdvanced, "Advanced UPS selector"},
        {engine.SelectorModular, "Modular UPS selector"},
        {engine.SelectorRuntime, "Runtime calculator"},
    };
    QPointer<QWidget> previous;
    for (const auto& selector : selectors) {
        SCOPED_TRACE(selector.Title);
        selector.Open();
        QWidget* screen = Screen();
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(screen->parentWidget(), &container);
        EXPECT_EQ(screen->geometry(), container.rect());
        EXPECT_EQ(Find<QLabel>("SelectorTitle")->text(), QString::fromUtf8(selector.Title));
        EXPECT_TRUE(previous.isNull()) << "the screen it replaced is gone";
        EXPECT_EQ(PanelCalls().back(), (PanelCall{0, 1}));
        previous = screen;
    }
    EXPECT_EQ(PanelCalls().size(), 4u);
}

TEST_F(EngineScreens, BackRemovesTheScreenAndBringsTheWelcomePanelBack)
{
    WritePricelist(SampleItems(), record.Password);
    Initialize();
    engine.SelectorBase();
    QPointer<QWidget> screen = Screen();
    ASSERT_FALSE(screen.isNull());

    Find<QPushButton>("BackButton")->click();
    EXPECT_EQ(Screen(), nullptr);
    EXPECT_TRUE(container.findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(PanelCalls(), (std::vector<PanelCall>{{0, 1}, {1, 0}}));
    ProcessDeferredDeletes();
    EXPECT_TRUE(screen.isNull());

    // And the selector opens again.
    engine.SelectorBase();
    EXPECT_NE(Screen(), nullptr);
    EXPECT_EQ(PanelCalls().back(), (PanelCall{0, 1}));
}

TEST_F(EngineScreens, TheScreenFollowsTheContainersSize)
{
    WritePricelist(SampleItems(), record.Password);
    Initialize();
    engine.SelectorAdvanced();
    ASSERT_NE(Screen(), nullptr);
    // Resized while hidden (the host shows its container only when asked),
    // then shown, then resized by the user.
    container.resize(1100, 600);
    container.show();
    EXPECT_EQ(Screen()->geometry(), QRect(0, 0, 1100, 600));
    container.resize(1200, 700);
    EXPECT_EQ(Screen()->geometry(), QRect(0, 0, 1200, 700));
}

TEST_F(EngineScreens, ListsTheItemsPricedAboveZeroWithPricesOnlyWhenShown)
{
    WritePricelist(SampleItems(), record.Password);
    Initialize();
    engine.SelectorBase();
    QAbstractItemModel* products = Products();
    ASSERT_NE(products, nullptr);
    EXPECT_EQ(products->rowCount(), 7) << "the item on request (price 0) is left out";
    ASSERT_EQ(products->columnCount(), 3);
    EXPECT_EQ(products->index(0, 0).data().toString(), QStringLiteral("A 1K0 UK")) << "ordered by code";
    EXPECT_EQ(products->index(0, 2).data().toString(), QStringLiteral("198.00"));
    EXPECT_EQ(Find<QLabel>("SettingPrices")->text(), QStringLiteral("shown"));

    engine.Uninitialize();
    record.ShowPrices = false;
    Initialize();
    engine.SelectorBase();
    products = Products();
    ASSERT_NE(products, nullptr);
    EXPECT_EQ(products->columnCount(), 2) << "code and description only";
    EXPECT_EQ(Find<QLabel>("SettingPrices")->text(), QStringLiteral("hidden"));
    for (const QLabel* label : Screen()->findChildren<QLabel*>())
        EXPECT_FALSE(label->text().contains(QStringLiteral("447"))) << label->text().toStdString();
}

TEST_F(EngineScreens, ThreePhaseProductsCanBeHidden)
{
    WritePricelist(SampleItems(), record.Password);
    record.Options = QStringLiteral("HIDE_3PH_UPS");
    Initialize();
    engine.SelectorBase();
    ASSERT_NE(Products(), nullptr);
    EXPECT_EQ(Products()->rowCount(), 6);
    EXPECT_TRUE(Products()->match(Products()->index(0, 0), Qt::DisplayRole, QStringLiteral("T 020 UK")).isEmpty());
}

TEST_F(EngineScreens, APricelistThatCannotBeReadIsShownOnTheScreen)
{
    Initialize();
    engine.SelectorBase();
    ASSERT_NE(Find<QLabel>("PricelistProblem"), nullptr);
    EXPECT_TRUE(Find<QLabel>("PricelistProblem")->text().contains(QStringLiteral("no pricelist")));
    EXPECT_EQ(Find<QTableView>("ProductTable"), nullptr);
    EXPECT_NE(Find<QPushButton>("BackButton"), nullptr);
    EXPECT_EQ(PanelCalls().back(), (PanelCall{0, 1}));

    WritePricelist(SampleItems(), QStringLiteral("another password"));
    engine.SelectorRuntime();
    ASSERT_NE(Find<QLabel>("PricelistProblem"), nullptr);
    EXPECT_TRUE(Find<QLabel>("PricelistProblem")->text().contains(QStringLiteral("cannot be read")));

    QFile::remove(record.CataloguePath + QStringLiteral("Pricelist.vt4"));
    tools::WriteDatabase(record.CataloguePath + QStringLiteral("Pricelist.vt4"), record.Password,
                         tools::CatalogueContent(QStringLiteral("826"), QStringLiteral("20241101")), true);
    engine.SelectorModular();
    ASSERT_NE(Find<QLabel>("PricelistProblem"), nullptr) << "a file without an Items table";
}

TEST_F(EngineScreens, TheBaseSelectorSuggestsTheSmallestProductsThatCarryTheLoad)
{
    WritePricelist(SampleItems(), record.Password);
    Initialize();
    engine.SelectorBase();
    Find<QDoubleSpinBox>("LoadInput")->setValue(800);
    Find<QDoubleSpinBox>("PowerFactorInput")->setValue(0.9);

    // 800 W at 0.9 needs 889 VA / 800 W: the 1000 VA / 900 W units, the
    // cheaper first, then the 3000 VA one.
    const QString result = Find<QLabel>("SizingResult")->text();
    EXPECT_TRUE(result.contains(QStringLiteral("889 VA / 800 W"))) << result.toStdString();
    QAbstractItemModel* products = Products();
    QStringList ranked(4);
    for (int row = 0; row < products->rowCount(); ++row) {
        const int rank = products->index(row, 0).data(Qt::UserRole + 2).toInt();
        if (rank > 0 && rank < 4)
            ranked[rank] = products->index(row, 0).data().toString();
    }
    const QStringList expected = {QStringLiteral("L 1K0 UK"), QStringLiteral("B 1K0 UK"), QStringLiteral("B 3K0 UK")};
    EXPECT_EQ(ranked.mid(1), expected);

    // Narrowed to the suggestions, the list shows them best first.
    Find<QPushButton>("SuggestedOnly")->click();
    QStringList shown;
    for (int row = 0; row < products->rowCount(); ++row)
        shown.append(products->index(row, 0).data().toString());
    EXPECT_EQ(shown, expected);
    // A larger load changes the suggestions and the narrowed list with them.
    Find<QDoubleSpinBox>("LoadInput")->setValue(3000);
    ASSERT_EQ(products->rowCount(), 1);
    EXPECT_EQ(products->index(0, 0).data().toString(), QStringLiteral("T 020 UK"));
}

TEST_F(EngineScreens, SelectorsWithoutAContainerDoNothing)
{
    WritePricelist(SampleItems(), record.Password);
    record.Container = nullptr;
    Initialize();
    engine.SelectorBase();
    EXPECT_TRUE(PanelCalls().empty());
    EXPECT_TRUE(container.findChildren<QWidget*>().isEmpty());
}

TEST_F(EngineScreens, UnloadingRightAfterBackLeavesNothingBehind)
{
    WritePricelist(SampleItems(), record.Password);
    Initialize();
    engine.SelectorModular();
    QPointer<QWidget> left = Screen();
    Find<QPushButton>("BackButton")->click();
    engine.SelectorRuntime();
    QPointer<QWidget> shown = Screen();
    // The host uninitialises and unloads before its event loop runs again:
    // nothing of the engine may be left to run after that.
    engine.Unload();
    EXPECT_TRUE(left.isNull());
    EXPECT_TRUE(shown.isNull());
    EXPECT_TRUE(container.findChildren<QWidget*>().isEmpty());
    ProcessDeferredDeletes();
    QApplication::processEvents();
    container.resize(800, 500);
}

} // namespace
} // namespace vantor::test
