// vantor-size on the demo installation: the numbers a maker checks, the
// option words, prices only when asked, and mistakes refused.
#include "size/SizeTool.h"

#include <QJsonArray>
#include <QProcess>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

using namespace vantor::size;

QJsonArray Solutions(const QStringList& AExtra)
{
    QString error;
    const auto command = ParseSizeArguments(
        QStringList{VANTOR_BIN_DIR, "--catalogue", "380", "--load", "6000W", "--pf", "0.9", "--autonomy", "15"} +
            AExtra,
        error);
    EXPECT_TRUE(command) << error.toStdString();
    const auto result = command ? RunSizing(*command, error) : std::nullopt;
    EXPECT_TRUE(result) << error.toStdString();
    return result ? result->value("solutions").toArray() : QJsonArray();
}

TEST(SizeTool, SizesTheDemoRangeWithPricesOnlyWhenAskedAndHonoursTheOptionWords)
{
    const QJsonArray plain = Solutions({});
    ASSERT_FALSE(plain.isEmpty());
    const QJsonObject first = plain[0].toObject();
    EXPECT_EQ(first["ups"].toString(), "B 010"); // the smallest that carries 6.7 kVA
    EXPECT_TRUE(first["price"].isNull());
    for (const QJsonValue& solution : plain) {
        EXPECT_GE(solution["minutes"].toDouble(), 15);
        EXPECT_FALSE(solution["below_autonomy"].toBool());
    }
    const QJsonObject priced = Solutions({"--prices"})[0].toObject();
    // B 010 IT at 4150.00 and one D 240 IT cabinet at 1890.00.
    EXPECT_DOUBLE_EQ(priced["price"].toDouble(), 4150 + 1890 * priced["cabinets"][0]["count"].toInt());

    const auto has3Phase = [](const QJsonArray& ASolutions) {
        return std::any_of(ASolutions.begin(), ASolutions.end(),
                           [](const QJsonValue& A) { return A["ups"].toString().startsWith("T "); });
    };
    EXPECT_TRUE(has3Phase(plain));
    EXPECT_FALSE(has3Phase(Solutions({"--option", "HIDE_3PH_UPS"})));
    EXPECT_GT(Solutions({"--option", "SHOW_ALLCFG"}).size(), plain.size());
    // Four hours is beyond some models' cabinets: shown, marked, only when asked.
    const QJsonArray long4h = Solutions({"--autonomy", "240"});
    const QJsonArray short4h = Solutions({"--autonomy", "240", "--option", "SHOW_AUTONOMY_LOWER"});
    ASSERT_GT(short4h.size(), long4h.size());
    EXPECT_TRUE(short4h.last()["below_autonomy"].toBool());
    EXPECT_TRUE(Solutions({"--option", "DEBUG_MODE"})[0].toObject().contains("trace"));
    // N+1: parallel units, each with one unit to spare beyond the load's need.
    for (const QJsonValue& solution : Solutions({"--selector", "advanced", "--redundancy", "1"})) {
        EXPECT_GE(solution["units"].toInt(), 2);
        EXPECT_LE(solution["loading_percent"].toDouble(),
                  100.0 * (solution["units"].toInt() - 1) / solution["units"].toInt() + 1e-6);
    }
    const QJsonArray byPrice = Solutions({"--prices", "--option", "SORT_BY_PRICE"});
    for (qsizetype i = 1; i < byPrice.size(); ++i)
        EXPECT_LE(byPrice[i - 1]["price"].toDouble(), byPrice[i]["price"].toDouble());
}

TEST(SizeTool, RedundancyHoldsWithAUnitOutAndTheInstallationDataComeAlong)
{
    const QJsonObject single = Solutions({})[0].toObject();
    for (const char* field : {"minutes_new", "end_voltage", "recharge_hours", "heat_watts", "heat_btu_per_hour",
                              "weight_kg", "floor_area_m2", "output_current_a", "input_current_a", "breaker_a"})
        EXPECT_GT(single[field].toDouble(), 0) << field;
    EXPECT_TRUE(single["minutes_redundancy_out"].isNull());
    EXPECT_EQ(single["chemistry"].toString(), "VRLA");
    EXPECT_GT(single["minutes_new"].toDouble(), single["minutes"].toDouble());

    const QJsonArray redundant = Solutions({"--load", "15000W", "--selector", "advanced", "--redundancy", "1"});
    ASSERT_FALSE(redundant.isEmpty());
    for (const QJsonValue& solution : redundant) {
        EXPECT_GE(solution["minutes_redundancy_out"].toDouble(), 15) << solution["ups"].toString().toStdString();
        EXPECT_LT(solution["minutes_redundancy_out"].toDouble(), solution["minutes"].toDouble());
    }
    // The advanced screen's loading limit is 90 %, and may be set lower.
    for (const QJsonValue& solution : Solutions({"--selector", "advanced", "--loading-limit", "50"}))
        EXPECT_LE(solution["loading_percent"].toDouble(), 50 + 1e-6);
    const QJsonArray chosen = Solutions({"--end-voltage", "1.65"});
    ASSERT_FALSE(chosen.isEmpty());
    EXPECT_DOUBLE_EQ(chosen[0]["end_voltage"].toDouble(), 1.65);
}

TEST(SizeTool, NothingThatFitsExitsWithTheScreensReason)
{
    const auto run = [](const QStringList& AExtra) {
        QProcess tool;
        tool.start(VANTOR_SIZE_TOOL, QStringList{VANTOR_BIN_DIR, "--catalogue", "380"} + AExtra);
        EXPECT_TRUE(tool.waitForFinished());
        EXPECT_TRUE(tool.readAllStandardOutput().isEmpty()) << "no list that looks like an answer";
        return std::pair{tool.exitCode(), QString::fromUtf8(tool.readAllStandardError())};
    };
    const auto [huge, hugeWhy] = run({"--load", "5000000W"});
    EXPECT_EQ(huge, ExitBadData);
    EXPECT_TRUE(hugeWhy.contains("No UPS in the product data carries this load")) << hugeWhy.toStdString();
    const auto [longer, longerWhy] = run({"--load", "6000W", "--autonomy", "600"});
    EXPECT_EQ(longer, ExitBadData);
    EXPECT_TRUE(longerWhy.contains("at most 480 minutes")) << longerWhy.toStdString();
    // Beyond what the screen's load field takes is a wrong command line.
    EXPECT_EQ(run({"--load", "20000000W"}).first, ExitUsage);
    EXPECT_EQ(run({"--load", "6000W", "--redundancy", "1"}).first, ExitUsage) << "the base selector has none";
}

TEST(SizeTool, NonsenseIsRefusedAndUnusableDataSaysWhat)
{
    QString error;
    for (const QStringList& wrong : {QStringList{"--load", "-6000W"},
                                     {"--load", "6000"},
                                     {"--pf", "1.2"},
                                     {"--pf", "0"},
                                     {"--autonomy", "2000"},
                                     {"--autonomy", "-1"},
                                     {"--option", "MAKE_IT_CHEAP"},
                                     {"--selector", "huge"}}) {
        QStringList arguments{VANTOR_BIN_DIR, "--catalogue", "380", "--load", "6000W", "--autonomy", "15"};
        arguments << wrong;
        EXPECT_FALSE(ParseSizeArguments(arguments, error)) << wrong.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    QProcess tool;
    tool.start(VANTOR_SIZE_TOOL, {"/nowhere", "--catalogue", "380", "--load", "6kW", "--autonomy", "15"});
    ASSERT_TRUE(tool.waitForFinished());
    EXPECT_EQ(tool.exitCode(), ExitUsage);
    tool.start(VANTOR_SIZE_TOOL, {"/nowhere", "--catalogue", "380", "--load", "6000W", "--autonomy", "15"});
    ASSERT_TRUE(tool.waitForFinished());
    EXPECT_EQ(tool.exitCode(), ExitBadData);
    EXPECT_TRUE(tool.readAllStandardError().contains("Data.vt4"));
}

} // namespace
} // namespace vantor::test
