#include "Fmt.h"

#include <gtest/gtest.h>

#include "LocalizationManager.h"
#include "TempHome.h"
#include "platform/LocaleFormat.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;
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

TEST(FmtTest, NumbersFollowTheChosenLanguageEvenWhenTheSystemDiffers) {
    TempDir dir;
    PreferencesStore store(dir / "settings.json");
    LocalizationManager l10n(store);
    l10n.setSystemLocale(QLocale("en_US"));
    LocalizationManager::setShared(&l10n);
    l10n.setCode("de");
    EXPECT_EQ(Fmt::integer(1234567), "1.234.567");
    EXPECT_EQ(qtTrId("clean.cleanButton").isEmpty(), false);
    l10n.setCode("en");
    EXPECT_EQ(Fmt::integer(1234567), "1,234,567");
    LocalizationManager::setShared(nullptr);
}

}  // namespace
}  // namespace tornivo::app
