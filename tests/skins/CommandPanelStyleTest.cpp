#include "skins/CommandPanelStyle.h"
#include "skins/SkinManager.h"

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

struct StyleRow {
    TUsageType usage;
    bool okLeftOfCancel;
    bool okBold;
    bool labelsUseSkinColor;
    QColor labelColor;
    const char* skin;
};

const StyleRow Rows[] = {
    {TUsageType::utMaronel, true, false, true, Qt::black, "Maronel"},
    {TUsageType::utKelvra, true, false, true, Qt::black, "Kelvra"},
    {TUsageType::utPorvik, false, true, false, Qt::white, "Porvik"},
    {TUsageType::utSandel, false, true, false, Qt::white, "Sandel"},
    {TUsageType::utQuillon, false, true, true, Qt::black, "Quillon"},
    {TUsageType::utGeneric, true, false, true, Qt::black, "Default"},
    {TUsageType::utWebMaronel, true, false, true, Qt::black, "Maronel"},
};

TEST(CommandPanelStyleTest, EveryVariantHasItsRowAndSkin)
{
    for (const StyleRow& row : Rows) {
        SCOPED_TRACE(row.skin);
        SetCommandPanelStyle(row.usage);
        EXPECT_EQ(CommandPanelStyle.PanelHeight, 43);
        EXPECT_EQ(CommandPanelStyle.ButtonHeight, 30);
        EXPECT_EQ(CommandPanelStyle.OkLeftOfCancel, row.okLeftOfCancel);
        EXPECT_EQ(CommandPanelStyle.OkFontStyle, row.okBold ? TFontStyle::fsBold : TFontStyle::fsRegular);
        EXPECT_EQ(CommandPanelStyle.LabelsUseSkinColor, row.labelsUseSkinColor);
        EXPECT_EQ(CommandPanelStyle.LabelColor, row.labelColor);
        EXPECT_EQ(GetSkinName(row.usage), QString::fromLatin1(row.skin));
    }
}

TEST(CommandPanelStyleTest, ValuesOutsideTheTableCountAsMaronel)
{
    const auto unknown = static_cast<TUsageType>(42);
    SetCommandPanelStyle(TUsageType::utPorvik);
    SetCommandPanelStyle(unknown);
    EXPECT_TRUE(CommandPanelStyle.OkLeftOfCancel);
    EXPECT_EQ(CommandPanelStyle.OkFontStyle, TFontStyle::fsRegular);
    EXPECT_EQ(CommandPanelStyle.PanelHeight, 43);
    EXPECT_EQ(GetSkinName(unknown), "Maronel");
    EXPECT_TRUE(SingleButtonIsCancel(unknown));
}

TEST(CommandPanelStyleTest, ButtonTops)
{
    EXPECT_EQ(InitialButtonTop(44, 30), 8);
    EXPECT_EQ(InitialButtonTop(43, 30), 7);
    // A half pixel goes up to the next whole number.
    EXPECT_EQ(ArrangedButtonTop(43, 30), 9);
    EXPECT_EQ(ArrangedButtonTop(44, 30), 9);
    EXPECT_EQ(ArrangedButtonTop(42, 30), 8);
    EXPECT_EQ(ArrangedButtonTop(30, 30), 2);
    // A button taller than the panel: ceil(-1.5) is -1.
    EXPECT_EQ(ArrangedButtonTop(27, 30), 1);
    EXPECT_EQ(ArrangedButtonTop(26, 30), 0);
}

TEST(CommandPanelStyleTest, OrderButtonsKeepsThePositionsAndSwapsTabsOnlyForOkRight)
{
    const TButtonOrder okLeft = OrderButtons(333, 248, true);
    EXPECT_EQ(okLeft.OkLeft, 248);
    EXPECT_EQ(okLeft.CancelLeft, 333);
    EXPECT_FALSE(okLeft.SwapTabOrder);

    const TButtonOrder okRight = OrderButtons(248, 333, false);
    EXPECT_EQ(okRight.OkLeft, 333);
    EXPECT_EQ(okRight.CancelLeft, 248);
    EXPECT_TRUE(okRight.SwapTabOrder);

    // Already on the right: positions stay, tabs are still exchanged.
    const TButtonOrder again = OrderButtons(333, 248, false);
    EXPECT_EQ(again.OkLeft, 333);
    EXPECT_EQ(again.CancelLeft, 248);
    EXPECT_TRUE(again.SwapTabOrder);
}

TEST(CommandPanelStyleTest, SingleButtonIsOkOnlyForPorvikAndSandel)
{
    EXPECT_FALSE(SingleButtonIsCancel(TUsageType::utPorvik));
    EXPECT_FALSE(SingleButtonIsCancel(TUsageType::utSandel));
    for (TUsageType usage : {TUsageType::utMaronel, TUsageType::utKelvra, TUsageType::utQuillon, TUsageType::utGeneric,
                             TUsageType::utWebMaronel})
        EXPECT_TRUE(SingleButtonIsCancel(usage));
}

} // namespace
} // namespace vantor::test
