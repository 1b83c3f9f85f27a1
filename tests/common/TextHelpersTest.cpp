#include "common/TextHelpers.h"

#include <QDate>
#include <QLocale>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

TEST(CompactDate, ValidDateUsesTheShortDateFormat)
{
    const QString expected = QLocale::system().toString(QDate(2012, 2, 29), QLocale::ShortFormat);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(FormatCompactDate(QStringLiteral("20120229")), expected);
    // Anything after the day is ignored.
    EXPECT_EQ(FormatCompactDate(QStringLiteral("2012022912")), expected);
    EXPECT_TRUE(IsValidCompactDate(QStringLiteral("20120229")));
}

TEST(CompactDate, InvalidOrIncompleteTextsGiveNothing)
{
    for (const char* text :
         {"20130229", "2012", "abcdefgh", "", "20121301", "20120100", "00000101", "2012 229", "-0120101"}) {
        EXPECT_TRUE(FormatCompactDate(QString::fromLatin1(text)).isEmpty()) << text;
        EXPECT_FALSE(IsValidCompactDate(QString::fromLatin1(text))) << text;
    }
}

TEST(CompactDate, BoundaryYearsAndLeapRules)
{
    EXPECT_TRUE(IsValidCompactDate(QStringLiteral("00010101")));
    EXPECT_TRUE(IsValidCompactDate(QStringLiteral("99991231")));
    EXPECT_TRUE(IsValidCompactDate(QStringLiteral("20000229")));
    EXPECT_FALSE(IsValidCompactDate(QStringLiteral("19000229")));
}

TEST(JoinStrings, SeparatesWithCommaAndBlank)
{
    EXPECT_EQ(JoinStrings({"A", "B", "C"}), QStringLiteral("A, B, C"));
    EXPECT_EQ(JoinStrings({"A"}), QStringLiteral("A"));
    EXPECT_EQ(JoinStrings({}), QString());
}

TEST(IsDefinedValue, MinusOneAlwaysAndMinusTwoOnRequest)
{
    EXPECT_FALSE(IsDefinedValue(-1, false));
    EXPECT_FALSE(IsDefinedValue(-1, true));
    EXPECT_TRUE(IsDefinedValue(-2, false));
    EXPECT_FALSE(IsDefinedValue(-2, true));
    EXPECT_TRUE(IsDefinedValue(0, false));
    EXPECT_TRUE(IsDefinedValue(0, true));
    EXPECT_FALSE(IsDefinedValue(-1.0f, false));
    EXPECT_FALSE(IsDefinedValue(-2.0f, true));
    EXPECT_TRUE(IsDefinedValue(-1.5f, true));
}

TEST(ExpandLineBreaks, EveryMarkBecomesCrLf)
{
    EXPECT_EQ(ExpandLineBreaks(QStringLiteral("a@b@@c@")), QStringLiteral("a\r\nb\r\n\r\nc\r\n"));
    EXPECT_EQ(ExpandLineBreaks(QStringLiteral("plain")), QStringLiteral("plain"));
}

TEST(GetUrlCaption, SchemeInAnyCaseIsDroppedAndPathCutAfterFirstSlash)
{
    EXPECT_EQ(GetUrlCaption(QStringLiteral("http://www.Example.com/products/ups")), QStringLiteral("www.example.com/"));
    EXPECT_EQ(GetUrlCaption(QStringLiteral("HtTp://www.example.com/a")), QStringLiteral("www.example.com/"));
    EXPECT_EQ(GetUrlCaption(QStringLiteral("HTTP://host")), QStringLiteral("host"));
}

TEST(GetUrlCaption, AddressWithoutSchemeOrSlashIsOnlyLowered)
{
    EXPECT_EQ(GetUrlCaption(QStringLiteral("WWW.Example.COM")), QStringLiteral("www.example.com"));
    EXPECT_EQ(GetUrlCaption(QStringLiteral("www.example.com/x/y")), QStringLiteral("www.example.com/"));
    // Only the plain scheme is recognised; a secure address keeps "https:/".
    EXPECT_EQ(GetUrlCaption(QStringLiteral("https://www.example.com/x")), QStringLiteral("https:/"));
    EXPECT_EQ(GetUrlCaption(QString()), QString());
}

} // namespace
} // namespace vantor::test
