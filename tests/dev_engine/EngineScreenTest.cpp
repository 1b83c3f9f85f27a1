// The selector screens the engine builds inside the host's container.
#include "EngineHarness.h"
#include "testlib/ResultChecks.h"

#include "catalogue/CatalogueBuilder.h"
#include "catalogue/CatalogueSource.h"
#include "testlib/TempFolder.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

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
        vantor::test::ExpectOk(tools::WriteDatabase(
            record.CataloguePath + QStringLiteral("Pricelist.vt4"), password,
            tools::PricelistContent(QStringLiteral("826"), QStringLiteral("20241101"), items), true));
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

TEST_F(EngineScreens, WithoutProductDataTheScreensSayWhatIsMissing)
{
    // The test program's folder has no Data/ (the sizing screens are tested
    // in a scratch copy with the demo's databases).
    WritePricelist(SampleItems(), record.Password);
    Initialize();
    for (TUpsSelectorProc open : {engine.SelectorBase, engine.SelectorRuntime}) {
        open();
        const auto* summary = Find<QLabel>(open == engine.SelectorBase ? "SolutionSummary" : "RuntimeResult");
        ASSERT_NE(summary, nullptr);
        EXPECT_TRUE(summary->text().startsWith(QStringLiteral("The product data cannot be used: ")))
            << summary->text().toStdString();
        EXPECT_TRUE(summary->text().contains(QStringLiteral("Data.vt4 is missing"))) << summary->text().toStdString();
        EXPECT_FALSE(Find<QPushButton>("QuoteButton")->isEnabled());
        EXPECT_FALSE(Find<QWidget>("RequirementForm")->isEnabled());
        EXPECT_NE(Find<QPushButton>("BackButton"), nullptr);
    }
    EXPECT_EQ(Find<QLabel>("SettingPrices")->text(), QStringLiteral("shown"));
    EXPECT_TRUE(Find<QLabel>("FooterNote")->text().isEmpty()) << "the pricelist is readable";

    // A pricelist the password does not open: the footer says why prices are missing.
    WritePricelist(SampleItems(), QStringLiteral("another password"));
    engine.SelectorBase();
    EXPECT_TRUE(Find<QLabel>("FooterNote")->text().startsWith(QStringLiteral("No prices can be shown: ")))
        << Find<QLabel>("FooterNote")->text().toStdString();
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
