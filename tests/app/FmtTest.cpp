#include <gtest/gtest.h>

#include "platform/LocaleFormat.h"

namespace tornivo::app {
namespace {

using std::chrono::hours;

TEST(LocaleFormatTest, RelativeDatesUseTheLargestWholeUnitWithFullNames) {
    const TimePoint now = Clock::now();
    EXPECT_EQ(formatRelative(now - hours(2), now, "en"), "2 hours ago");
    EXPECT_EQ(formatRelative(now + hours(72), now, "en"), "in 3 days");
    EXPECT_EQ(formatRelative(now - hours(24 * 400), now, "en"), "1 year ago");
    EXPECT_EQ(formatRelative(now - std::chrono::seconds(59), now, "en"), "59 seconds ago");
    EXPECT_EQ(formatRelative(now, now, "en"), "now");
    EXPECT_EQ(formatRelative(now - hours(2), now, "de"), "vor 2 Stunden");
}

TEST(LocaleFormatTest, DatesAndIntegersFollowTheLocale) {
    const TimePoint march4 = Clock::from_time_t(1709553600);  // 2024-03-04 12:00 UTC
    EXPECT_EQ(formatMediumDate(march4, "en", "UTC"), "Mar 4, 2024");
    EXPECT_EQ(formatMediumDate(march4, "de", "UTC"), "04.03.2024");
    EXPECT_EQ(formatInteger(1234567, "en"), "1,234,567");
    EXPECT_EQ(formatInteger(1234567, "de"), "1.234.567");
    EXPECT_EQ(formatInteger(-42, "fr"), "-42");
}

}  // namespace
}  // namespace tornivo::app
