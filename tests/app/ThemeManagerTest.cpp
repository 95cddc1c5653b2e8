#include "ThemeManager.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>
#include <QSignalSpy>

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

// Sets one colour of the application palette while it lives.
class PaletteOverride {
  public:
    PaletteOverride(QPalette::ColorRole role, const QColor& color) {
        QPalette palette = saved_;
        palette.setColor(role, color);
        QGuiApplication::setPalette(palette);
    }
    ~PaletteOverride() { QGuiApplication::setPalette(saved_); }

  private:
    QPalette saved_ = QGuiApplication::palette();
};

TEST_F(ThemeManagerTest, UnknownAccentKeepsItsIdAndFollowsThePaletteHighlight) {
    PaletteOverride highlight(QPalette::Highlight, QColor(10, 120, 130));
    store.set(ThemeManager::kAccentKey, "teal");
    auto manager = makeManager();
    EXPECT_EQ(manager->accentID(), "teal");
    EXPECT_EQ(manager->accent(), QColor(10, 120, 130));
    EXPECT_EQ(store.string(ThemeManager::kAccentKey), "teal");

    QSignalSpy accent(manager.get(), &ThemeManager::accentChanged);
    {
        PaletteOverride newTheme(QPalette::Highlight, QColor(200, 40, 90));
        EXPECT_EQ(accent.count(), 1);
        EXPECT_EQ(manager->accent(), QColor(200, 40, 90));
    }

    manager->setAccentID("green");
    accent.clear();
    PaletteOverride ignored(QPalette::Highlight, QColor(1, 2, 3));
    EXPECT_EQ(accent.count(), 0) << "a preset does not follow the palette";
    EXPECT_EQ(manager->accent(), ThemeManager::presets()[4].color());
}

TEST_F(ThemeManagerTest, DefaultsAreWrittenNowhereAndOnlyKnownChoicesAreStoredAndNotified) {
    auto manager = makeManager();
    EXPECT_EQ(manager->appearance(), AppearanceMode::system);
    EXPECT_EQ(manager->accentID(), "blue");
    EXPECT_EQ(manager->accent(), ThemeManager::presets()[0].color());
    EXPECT_FALSE(store.value(ThemeManager::kAppearanceKey) || store.value(ThemeManager::kAccentKey))
        << "reading wrote a default";
    QSignalSpy appearance(manager.get(), &ThemeManager::appearanceChanged);
    QSignalSpy accentID(manager.get(), &ThemeManager::accentIDChanged);
    QSignalSpy accent(manager.get(), &ThemeManager::accentChanged);

    manager->setAppearanceId("dark");
    manager->setAccentIdText("pink");
    EXPECT_EQ(appearance.count(), 1);
    EXPECT_EQ(accentID.count(), 1);
    EXPECT_EQ(accent.count(), 1);
    EXPECT_TRUE(manager->forcesColorScheme());
    EXPECT_TRUE(manager->dark());
    EXPECT_EQ(manager->accent(), ThemeManager::presets()[2].color());
    EXPECT_EQ(store.string(ThemeManager::kAppearanceKey), "dark");
    EXPECT_EQ(store.string(ThemeManager::kAccentKey), "pink");

    manager->setAppearanceId("sepia");
    manager->setAccentIdText("pink");
    EXPECT_EQ(appearance.count(), 1) << "unknown word or same value changed something";
    EXPECT_EQ(accentID.count(), 1);

    manager->setAppearance(AppearanceMode::light);
    EXPECT_TRUE(manager->forcesColorScheme());
    EXPECT_FALSE(manager->dark());

    EXPECT_EQ(makeManager()->appearance(), AppearanceMode::light) << "after a restart";
    EXPECT_EQ(makeManager()->accentID(), "pink");

    // A stored word other than a known one is read as the system's and left as it is.
    for (const nlohmann::json& bad :
         {nlohmann::json("Dark"), nlohmann::json("sepia"), nlohmann::json(""), nlohmann::json(2)}) {
        store.set(ThemeManager::kAppearanceKey, bad);
        auto reread = makeManager();
        EXPECT_EQ(reread->appearance(), AppearanceMode::system) << bad;
        EXPECT_FALSE(reread->forcesColorScheme()) << bad;
        EXPECT_EQ(store.value(ThemeManager::kAppearanceKey), bad);
    }
}

// "system" follows the desktop's preference, from the settings portal or else the palette;
// a forced appearance ignores both.
TEST_F(ThemeManagerTest, SystemAppearanceFollowsThePortalElseThePaletteAndForcedOnesNeither) {
    PaletteOverride light(QPalette::Window, QColor(240, 240, 240));
    auto manager = makeManager();
    QSignalSpy dark(manager.get(), &ThemeManager::darkChanged);
    EXPECT_FALSE(manager->dark());

    manager->setPortalColorScheme(1);  // prefer dark
    EXPECT_TRUE(manager->dark());
    manager->setPortalColorScheme(2);  // prefer light
    EXPECT_FALSE(manager->dark());
    EXPECT_EQ(dark.count(), 2);

    manager->setPortalColorScheme(0);  // no preference: the palette decides
    PaletteOverride night(QPalette::Window, QColor(30, 30, 34));
    EXPECT_TRUE(manager->dark());
    EXPECT_EQ(dark.count(), 3);

    manager->setAppearance(AppearanceMode::light);
    manager->setPortalColorScheme(1);
    EXPECT_FALSE(manager->dark()) << "forced light stays light";
    EXPECT_EQ(dark.count(), 4);
}

}  // namespace
}  // namespace tornivo::app
