#include <gtest/gtest.h>

#include "Fmt.h"
#include "LocalizationManager.h"
#include "TempHome.h"

namespace tornivo::app {
namespace {

TEST(FmtTest, PercentagesRoundHalvesAwayFromZeroInTheChosenLanguage) {
    test::TempDir dir;
    PreferencesStore store(dir / "settings.json");
    LocalizationManager l10n(store);
    LocalizationManager::setShared(&l10n);
    const std::tuple<const char*, double, QString> cases[] = {
        {"en", 0.125, "13%"},
        {"en", -0.005, "-1%"},
        {"en", std::nan(""), "0%"},
        {"ar", 0.5, QString::fromUtf8("٥٠٪؜")}};
    for (const auto& [code, fraction, text] : cases) {
        l10n.setCode(code);
        EXPECT_EQ(Fmt::percent(fraction), text) << code << " " << fraction;
    }
    LocalizationManager::setShared(nullptr);
}

TEST(FmtTest, TheHomeIsWrittenAsATildeOnlyAsWholeLeadingComponents) {
    const std::tuple<Path, Path, QString> cases[] = {
        {"/home/al/.local/share/xorg", "/home/al/", "~/.local/share/xorg"},
        {"/home/al", "/home/al", "~"},
        {"/home/alice/.cache", "/home/al", "/home/alice/.cache"},
        {"/var/cache", "/", "/var/cache"},
        {"/home/al/caf\xe9", "/home/al", QString::fromUtf8("~/caf\uFFFD")}};
    for (const auto& [path, home, text] : cases)
        EXPECT_EQ(Fmt::homeRelativePath(path, home), text) << path << " in " << home;
}

}  // namespace
}  // namespace tornivo::app
