#include "update/DownloadProgress.h"

#include <gtest/gtest.h>

#include <climits>

namespace vantor::test {
namespace {

TEST(DownloadProgressTest, KilobyteCounterTruncatesTowardZero)
{
    const QString format = QStringLiteral("Downloaded %s KB of %s KB");
    EXPECT_EQ(FormatDownloadProgress(format, 1000000, 3500000), "Downloaded 976 KB of 3417 KB");
    EXPECT_EQ(FormatDownloadProgress(format, 1023, 1024), "Downloaded 0 KB of 1 KB");
    EXPECT_EQ(FormatDownloadProgress(format, 0, 5LL * 1024 * 1024 * 1024), "Downloaded 0 KB of 5242880 KB");
    EXPECT_EQ(KilobytesOf(-1023), 0);
    // Translations may put the numbers anywhere and write a percent sign doubled.
    EXPECT_EQ(FormatDownloadProgress(QStringLiteral("%s / %s KB (100%%) %s"), 2048, 4096), "2 / 4 KB (100%) %s");
}

TEST(DownloadProgressTest, BarScaleKeepsLargeTotalsInRange)
{
    const ProgressScale small(3500000);
    EXPECT_EQ(small.Maximum(), 3500000);
    EXPECT_EQ(small.Position(1000000), 1000000);
    EXPECT_EQ(small.Position(4000000), 3500000); // a longer body than announced
    EXPECT_EQ(small.Position(-5), 0);

    const std::int64_t total = 6LL * 1024 * 1024 * 1024 + 12345;
    const ProgressScale large(total);
    EXPECT_GT(large.Maximum(), INT_MAX / 2);
    EXPECT_LE(large.Maximum(), INT_MAX);
    EXPECT_EQ(large.Position(total), large.Maximum());
    EXPECT_NEAR(large.Position(total / 3), large.Maximum() / 3, 1);

    EXPECT_EQ(ProgressScale(INT_MAX).Maximum(), INT_MAX);
    EXPECT_EQ(ProgressScale(0).Maximum(), 0);
}

} // namespace
} // namespace vantor::test
