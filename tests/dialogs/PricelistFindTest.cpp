// The Find entry's rule: six characters as typed make the product code.
#include "dialogs/PricelistFind.h"

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

TEST(PricelistFind, SixCharactersFormTheProductCode)
{
    EXPECT_EQ(PricelistKeyOfEntry("310012"), QString("3 100 12"));
    // Characters after the sixth are ignored.
    EXPECT_EQ(PricelistKeyOfEntry("3100125"), QString("3 100 12"));
    EXPECT_EQ(PricelistKeyOfEntry("310012 and more"), QString("3 100 12"));
}

TEST(PricelistFind, EntryIsTakenAsTyped)
{
    // No upper-casing: a code with a lower-case letter is another code.
    EXPECT_EQ(PricelistKeyOfEntry("310a12"), QString("3 10a 12"));
    EXPECT_NE(PricelistKeyOfEntry("310a12"), QString("3 10A 12"));
    // Blanks are characters like any other; nothing is trimmed.
    EXPECT_EQ(PricelistKeyOfEntry(" 31001"), QString("  310 01"));
    EXPECT_EQ(PricelistKeyOfEntry("3 1001"), QString("3  10 01"));
    // Any character passes through, "%" included.
    EXPECT_EQ(PricelistKeyOfEntry(QString::fromUtf8("Ж%1%2%3")), QString::fromUtf8("Ж %1% 2%"));
}

TEST(PricelistFind, ShortEntryStandsForNoProduct)
{
    EXPECT_FALSE(PricelistKeyOfEntry(QLatin1String(PricelistFindInitialEntry)));
    EXPECT_FALSE(PricelistKeyOfEntry("31001"));
    EXPECT_FALSE(PricelistKeyOfEntry(QString()));
}

TEST(PricelistFind, CaptionLosesOnlyTheFirstAmpersand)
{
    EXPECT_EQ(PricelistFindCaption("&Find..."), "Find...");
    EXPECT_EQ(PricelistFindCaption("&&Find"), "&Find");
    EXPECT_EQ(PricelistFindCaption("Fi&nd & replace"), "Find & replace");
    EXPECT_EQ(PricelistFindCaption("Find"), "Find");
}

} // namespace
} // namespace vantor::test
