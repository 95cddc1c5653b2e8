#include <gtest/gtest.h>

#include "Fmt.h"
#include "LocalizationManager.h"
#include "TempHome.h"
#include "platform/LocaleFormat.h"

namespace tornivo::app {
namespace {

using std::chrono::hours;

TEST(LocaleFormatTest, RelativeDatesUseTheLargestWholeUnitAndDatesAndIntegersFollowTheLocale) {
    const TimePoint now = Clock::now();
    EXPECT_EQ(formatRelative(now - hours(2), now, "en"), "2 hours ago");
    EXPECT_EQ(formatRelative(now + hours(72), now, "en"), "in 3 days");
    EXPECT_EQ(formatRelative(now - hours(24 * 400), now, "en"), "1 year ago");
    EXPECT_EQ(formatRelative(now - std::chrono::seconds(59), now, "en"), "59 seconds ago");
    EXPECT_EQ(formatRelative(now, now, "en"), "now");
    EXPECT_EQ(formatRelative(now - hours(2), now, "de"), "vor 2 Stunden");

    const TimePoint march4 = Clock::from_time_t(1709553600);  // 2024-03-04 12:00 UTC
    EXPECT_EQ(formatMediumDate(march4, "en", "UTC"), "Mar 4, 2024");
    EXPECT_EQ(formatMediumDate(march4, "de", "UTC"), "04.03.2024");
    EXPECT_EQ(formatInteger(1234567, "en"), "1,234,567");
    EXPECT_EQ(formatInteger(1234567, "de"), "1.234.567");
    EXPECT_EQ(formatInteger(-42, "fr"), "-42");
}

TEST(FmtTest, PercentagesRoundHalvesAwayFromZeroInTheChosenLanguage) {
    test::TempDir dir;
    PreferencesStore store(dir / "settings.json");
    LocalizationManager l10n(store);
    LocalizationManager::setShared(&l10n);
    const std::tuple<const char*, double, QString> cases[] = {
        {"en", 1.2, "120%"},
        {"en", 0.125, "13%"},
        {"en", 0.7, "70%"},
        {"en", -0.005, "-1%"},
        {"en", std::nan(""), "0%"},
        {"de", 0.85, QString::fromUtf8("85\u00A0%")},
        {"ar", 0.5, QString::fromUtf8("٥٠٪؜")}};
    for (const auto& [code, fraction, text] : cases) {
        l10n.setCode(code);
        EXPECT_EQ(Fmt::percent(fraction), text) << code << " " << fraction;
    }
    LocalizationManager::setShared(nullptr);
}

TEST(FmtTest, TheHomeIsWrittenAsATildeOnlyAsWholeLeadingComponents) {
    const std::tuple<Path, Path, QString> cases[] = {
        {"/home/al/.cache", "/home/al", "~/.cache"},
        {"/home/al/.local/share/xorg", "/home/al/", "~/.local/share/xorg"},
        {"/home/al", "/home/al", "~"},
        {"/home/alice/.cache", "/home/al", "/home/alice/.cache"},
        {"/srv/home/al/.cache", "/home/al", "/srv/home/al/.cache"},
        {"/var/cache", "/", "/var/cache"},
        {"/home/al/caf\xe9", "/home/al", QString::fromUtf8("~/caf\uFFFD")}};
    for (const auto& [path, home, text] : cases)
        EXPECT_EQ(Fmt::homeRelativePath(path, home), text) << path << " in " << home;
}

}  // namespace
}  // namespace tornivo::app
