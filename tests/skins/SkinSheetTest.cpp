#include "skins/SkinSheet.h"

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

TEST(SkinSheetTest, TreeRulesAreSharedWithTheClassesNamed)
{
    const QString sheet = "/* trees { } */ QTreeView, QListView { color: red; }\n"
                          "QTreeView::item:selected { color: white; }\n"
                          "QTreeViewer { color: blue; }\n"
                          "QLabel[hint=\"QTreeView\"] { color: green; }\n";
    const QString result = ExtendTreeSelectors(sheet, {"TEngineTreeView", "TOther"});
    EXPECT_TRUE(result.contains("QTreeView,\nQListView,\nTEngineTreeView,\nTOther { color: red; }"));
    EXPECT_TRUE(result.contains("QTreeView::item:selected,\nTEngineTreeView::item:selected,\nTOther::item:selected {"));
    // Only the type itself counts: not a longer name, not a quoted value.
    EXPECT_TRUE(result.contains("\nQTreeViewer { color: blue; }"));
    EXPECT_FALSE(result.contains("TEngineTreeViewer"));
    EXPECT_TRUE(result.contains("\nQLabel[hint=\"QTreeView\"] { color: green; }"));
    EXPECT_FALSE(result.contains("trees"));
}

TEST(SkinSheetTest, WithoutClassNamesTheSheetIsUntouched)
{
    const QString sheet = "/* a comment */ QTreeView { color: red; }";
    EXPECT_EQ(ExtendTreeSelectors(sheet, {}), sheet);
}

TEST(SkinSheetTest, AnUnclosedRuleOrCommentDoesNotLoseTheRest)
{
    EXPECT_TRUE(ExtendTreeSelectors("QTreeView { color: red;", {"T"}).contains("QTreeView,\nT { color: red;"));
    EXPECT_EQ(ExtendTreeSelectors("QLabel { } /* open", {"T"}).trimmed(), "QLabel { }");
}

TEST(SkinSheetTest, RelativePicturesPointIntoTheSkinFolder)
{
    const QString folder = "/opt/vantor/Skins/";
    EXPECT_EQ(ResolveSkinUrls("a { image: url(Maronel/check.png); }", folder),
              "a { image: url(\"/opt/vantor/Skins/Maronel/check.png\"); }");
    EXPECT_EQ(ResolveSkinUrls("a { image: url( 'x y.png' ); b: url(\"z.png\") }", folder),
              "a { image: url(\"/opt/vantor/Skins/x y.png\"); b: url(\"/opt/vantor/Skins/z.png\") }");
    EXPECT_EQ(ResolveSkinUrls("a { image: url(:/res/check.png); b: url(/abs/c.png) }", folder),
              "a { image: url(\":/res/check.png\"); b: url(\"/abs/c.png\") }");
    EXPECT_EQ(ResolveSkinUrls("a { color: red; }", folder), "a { color: red; }");
}

} // namespace
} // namespace vantor::test
