#include "platform/ByteFormatter.h"

#include <gtest/gtest.h>

namespace tornivo {
namespace {

TEST(ByteFormatterTest, SmallAmountsShowInWholeKilobytesAndNeverAsZero) {
    EXPECT_EQ(formatBytes(0), "0 KB");
    EXPECT_EQ(formatBytes(-5), "0 KB");
    EXPECT_EQ(formatBytes(1), "1 KB");
    EXPECT_EQ(formatBytes(999), "1 KB");
    EXPECT_EQ(formatBytes(1499), "1 KB");
    EXPECT_EQ(formatBytes(1500), "2 KB");
    EXPECT_EQ(formatBytes(950'000), "950 KB");
    EXPECT_EQ(formatBytes(999'499), "999 KB");
}

TEST(ByteFormatterTest, RoundingThatReachesAThousandMovesToTheNextUnit) {
    EXPECT_EQ(formatBytes(999'500), "1 MB");
    EXPECT_EQ(formatBytes(999'960'000), "1 GB");
    EXPECT_EQ(formatBytes(999'999'000'000), "1 TB");
}

TEST(ByteFormatterTest, LargerUnitsKeepTheirFractionDigitsRoundedHalfUp) {
    EXPECT_EQ(formatBytes(1'234'567), "1.2 MB");
    EXPECT_EQ(formatBytes(1'250'000), "1.3 MB");
    EXPECT_EQ(formatBytes(2'000'000), "2 MB");
    EXPECT_EQ(formatBytes(1'234'567'890), "1.23 GB");
    EXPECT_EQ(formatBytes(1'000'000'000'000), "1 TB");
    EXPECT_EQ(formatBytes(5'000'000'000'000'000), "5,000 TB") << "never PB";
    EXPECT_EQ(formatBytes(INT64_MAX), "9,223,372.04 TB");
}

TEST(ByteFormatterTest, TheNumberFollowsTheGivenLocale) {
    EXPECT_EQ(formatBytes(1'234'567, "de"), "1,2 MB");
    EXPECT_EQ(formatBytes(5'000'000'000'000'000, "de"), "5.000 TB");
    EXPECT_EQ(formatBytes(1'234'567, "no-such-locale"), "1.2 MB");
}

}  // namespace
}  // namespace tornivo
