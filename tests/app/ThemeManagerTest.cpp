#include "ThemeManager.h"

#include <gtest/gtest.h>

#include "TempHome.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

class ThemeManagerTest : public ::testing::Test {
  protected:
    TempDir dir;
    PreferencesStore store{dir / "settings.json"};

    std::unique_ptr<ThemeManager> makeManager() { return std::make_unique<ThemeManager>(store); }
};

TEST_F(ThemeManagerTest, DefaultsAreWrittenNowhereAndOnlyKnownChoicesAreStored) {
    auto manager = makeManager();
    EXPECT_FALSE(store.value(ThemeManager::kAppearanceKey) || store.value(ThemeManager::kAccentKey))
        << "reading wrote a default";

    manager->setAppearanceId("dark");
    manager->setAccentIdText("pink");
    EXPECT_TRUE(manager->forcesColorScheme());
    EXPECT_TRUE(manager->dark());
    manager->setAppearanceId("sepia");
    EXPECT_EQ(manager->appearance(), AppearanceMode::dark) << "an unknown word changed it";

    manager->setAppearance(AppearanceMode::light);
    EXPECT_EQ(makeManager()->appearance(), AppearanceMode::light) << "after a restart";
    EXPECT_EQ(makeManager()->accentID(), "pink");

    // A stored word other than a known one is read as the system's and left as it is.
    for (const nlohmann::json& bad : {nlohmann::json("Dark"), nlohmann::json(2)}) {
        store.set(ThemeManager::kAppearanceKey, bad);
        auto reread = makeManager();
        EXPECT_EQ(reread->appearance(), AppearanceMode::system) << bad;
        EXPECT_FALSE(reread->forcesColorScheme()) << bad;
        EXPECT_EQ(store.value(ThemeManager::kAppearanceKey), bad);
    }
}

}  // namespace
}  // namespace tornivo::app
