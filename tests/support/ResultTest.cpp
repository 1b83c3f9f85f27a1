// The result type: a value or the error that says why, passed on intact.
#include "support/Result.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

Result<int> Parse(const QString& AText)
{
    bool number = false;
    const int value = AText.toInt(&number);
    if (!number)
        return Failure(QStringLiteral("\"%1\" is no number").arg(AText));
    return value;
}

Result<void> Check(const QString& AText)
{
    const auto parsed = Parse(AText);
    if (!parsed)
        return parsed.error();
    if (*parsed < 0)
        return Failure(QStringLiteral("%1 is negative").arg(*parsed));
    return Ok();
}

TEST(Result, CarriesTheValueOrTheMessageThroughEveryLevel)
{
    EXPECT_EQ(*Parse("42"), 42);
    EXPECT_EQ(Parse("x").message(), "\"x\" is no number");
    EXPECT_EQ(Parse("x").valueOr(7), 7);
    EXPECT_TRUE(Check("3").ok());
    EXPECT_EQ(Check("-3").message(), "-3 is negative");
    EXPECT_EQ(Check("Ä").message(), "\"Ä\" is no number") << "the text survives as QString";
}

} // namespace
} // namespace vantor
