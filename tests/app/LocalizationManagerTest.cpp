#include "LocalizationManager.h"

#include <gtest/gtest.h>

#include "TempHome.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

class LocalizationManagerTest : public ::testing::Test {
  protected:
    TempDir dir;
    PreferencesStore store{dir / "settings.json"};

    std::unique_ptr<LocalizationManager> make(const QLocale& system = QLocale("en_US")) {
        auto l10n = std::make_unique<LocalizationManager>(store);
        l10n->setSystemLocale(system);
        return l10n;
    }
};

TEST_F(LocalizationManagerTest, AStoredCodeFindsItsTableInAnyCaseAndAnUnknownOneTheSystems) {
    const std::tuple<nlohmann::json, const char*, const char*> cases[] = {
        {"DE", "en_US", "de"},
        {"PT-BR", "de_DE", "pt-br"},
        {"klingon", "de_DE", "de"},
        {42, "de_DE", "de"}};
    for (const auto& [stored, system, table] : cases) {
        store.set(LocalizationManager::kKey, stored);
        auto l10n = make(QLocale(system));
        EXPECT_EQ(l10n->boundTable(), table) << stored;
        EXPECT_NE(l10n->text("clean.cleanButton"), "Clean") << stored;
        EXPECT_EQ(store.value(LocalizationManager::kKey), stored) << "the stored value stays";
    }
}

TEST_F(LocalizationManagerTest,
       TheSystemChoiceFallsBackToEnglishAndAChosenCodeIsStoredAndFollowed) {
    store.set(LocalizationManager::kKey, "system");
    auto l10n = make(QLocale("de_AT"));
    EXPECT_EQ(l10n->boundTable(), "de");
    l10n->setSystemLocale(QLocale("fi_FI"));
    EXPECT_EQ(l10n->text("clean.cleanButton"), "Clean") << "no Finnish table: English";
    l10n->setSystemLocale(QLocale("he_IL"));
    EXPECT_EQ(l10n->layoutDirection(), Qt::RightToLeft) << "the system's language decides";

    l10n->setCode("ar");
    EXPECT_EQ(store.string(LocalizationManager::kKey), "ar");
    EXPECT_EQ(qtTrId("clean.cleanButton"), QString::fromUtf8("تنظيف")) << "C++ lookups follow";
    l10n->setCode("en");
    EXPECT_EQ(l10n->layoutDirection(), Qt::LeftToRight);
}

}  // namespace
}  // namespace tornivo::app
