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

// Replaces the application palette's highlight for one test.
class HighlightOverride {
  public:
    explicit HighlightOverride(const QColor& color) : saved_(QGuiApplication::palette()) {
        QPalette palette = saved_;
        palette.setColor(QPalette::Highlight, color);
        QGuiApplication::setPalette(palette);
    }
    ~HighlightOverride() { QGuiApplication::setPalette(saved_); }

  private:
    QPalette saved_;
};

TEST_F(ThemeManagerTest, AppearanceReadsOnlyKnownWordsAndNeverRewritesTheStoredValue) {
    EXPECT_EQ(makeManager()->appearance(), AppearanceMode::system);
    EXPECT_FALSE(store.value(ThemeManager::kAppearanceKey)) << "reading wrote a default";

    store.set(ThemeManager::kAppearanceKey, "dark");
    EXPECT_EQ(makeManager()->appearance(), AppearanceMode::dark);
    store.set(ThemeManager::kAppearanceKey, "light");
    EXPECT_EQ(makeManager()->appearance(), AppearanceMode::light);

    for (const nlohmann::json& bad :
         {nlohmann::json("Dark"), nlohmann::json("sepia"), nlohmann::json(""), nlohmann::json(2)}) {
        store.set(ThemeManager::kAppearanceKey, bad);
        auto manager = makeManager();
        EXPECT_EQ(manager->appearance(), AppearanceMode::system) << bad;
        EXPECT_FALSE(manager->forcesColorScheme()) << bad;
        EXPECT_EQ(store.value(ThemeManager::kAppearanceKey), bad);
    }
}

TEST_F(ThemeManagerTest, ModesOfferTheirTitleKeysInPickerOrder) {
    const QVariantList modes = makeManager()->appearanceList();
    ASSERT_EQ(modes.size(), 3);
    const char* ids[] = {"system", "light", "dark"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(modes[i].toMap()["id"].toString(), ids[i]);
        EXPECT_EQ(modes[i].toMap()["titleKey"].toString(), QString("settings.mode.") + ids[i]);
    }
}

TEST_F(ThemeManagerTest, PresetsHaveTheirExactSRGBComponentsInPickerOrder) {
    struct Expected {
        const char* id;
        double red, green, blue;
    };
    const Expected expected[] = {
        {"blue", 0.20, 0.48, 1.00},   {"purple", 0.58, 0.35, 0.95}, {"pink", 0.95, 0.32, 0.55},
        {"orange", 0.98, 0.55, 0.18}, {"green", 0.18, 0.72, 0.42},  {"graphite", 0.45, 0.48, 0.53},
    };
    const auto& presets = ThemeManager::presets();
    const QVariantList forQml = makeManager()->presetList();
    ASSERT_EQ(presets.size(), std::size(expected));
    ASSERT_EQ(forQml.size(), qsizetype(std::size(expected)));
    constexpr double step = 1.0 / 65535;  // QColor keeps 16 bits per component
    for (std::size_t i = 0; i < presets.size(); ++i) {
        const auto& p = presets[i];
        const auto& e = expected[i];
        SCOPED_TRACE(e.id);
        EXPECT_STREQ(p.id, e.id);
        EXPECT_EQ(p.nameKey, std::string("theme.") + e.id);
        EXPECT_EQ(p.red, e.red);
        EXPECT_EQ(p.green, e.green);
        EXPECT_EQ(p.blue, e.blue);

        const QVariantMap entry = forQml[qsizetype(i)].toMap();
        EXPECT_EQ(entry["id"].toString(), e.id);
        EXPECT_EQ(entry["nameKey"].toString(), QString("theme.") + e.id);
        const QColor color = entry["color"].value<QColor>();
        EXPECT_NEAR(color.redF(), e.red, step);
        EXPECT_NEAR(color.greenF(), e.green, step);
        EXPECT_NEAR(color.blueF(), e.blue, step);
        EXPECT_EQ(color.alphaF(), 1.0);
    }
}

TEST_F(ThemeManagerTest, AccentIsBlueByDefaultAndThePresetNamedByTheStoredId) {
    auto manager = makeManager();
    EXPECT_EQ(manager->accentID(), "blue");
    EXPECT_EQ(manager->accent(), ThemeManager::presets()[0].color());
    EXPECT_FALSE(store.value(ThemeManager::kAccentKey));

    store.set(ThemeManager::kAccentKey, "graphite");
    EXPECT_EQ(makeManager()->accent(), ThemeManager::presets()[5].color());
}

TEST_F(ThemeManagerTest, UnknownAccentKeepsItsIdAndFollowsThePaletteHighlight) {
    HighlightOverride highlight(QColor(10, 120, 130));
    store.set(ThemeManager::kAccentKey, "teal");
    auto manager = makeManager();
    EXPECT_EQ(manager->accentID(), "teal");
    EXPECT_EQ(manager->accent(), QColor(10, 120, 130));
    EXPECT_EQ(store.string(ThemeManager::kAccentKey), "teal");

    QSignalSpy accent(manager.get(), &ThemeManager::accentChanged);
    {
        HighlightOverride newTheme(QColor(200, 40, 90));
        EXPECT_EQ(accent.count(), 1);
        EXPECT_EQ(manager->accent(), QColor(200, 40, 90));
    }

    manager->setAccentID("green");
    accent.clear();
    HighlightOverride ignored(QColor(1, 2, 3));
    EXPECT_EQ(accent.count(), 0) << "a preset does not follow the palette";
    EXPECT_EQ(manager->accent(), ThemeManager::presets()[4].color());
}

TEST_F(ThemeManagerTest, ChoicesAreStoredAtOnceNotifiedAndReadByANewInstance) {
    auto manager = makeManager();
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

    auto restarted = makeManager();
    EXPECT_EQ(restarted->appearance(), AppearanceMode::light);
    EXPECT_EQ(restarted->accentID(), "pink");
}

}  // namespace
}  // namespace tornivo::app
