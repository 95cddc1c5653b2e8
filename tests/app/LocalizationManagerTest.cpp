#include "LocalizationManager.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

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
    const std::pair<nlohmann::json, const char*> cases[] = {
        {"de", "en_US"},      {"DE", "en_US"}, {"PT-BR", "de_DE"},
        {"klingon", "de_DE"}, {"", "de_DE"},   {42, "de_DE"}};
    for (const auto& [stored, system] : cases) {
        store.set(LocalizationManager::kKey, stored);
        auto l10n = make(QLocale(system));
        EXPECT_EQ(l10n->boundTable(), "de") << stored;
        EXPECT_EQ(l10n->text("clean.cleanButton"), "Bereinigen") << stored;
        EXPECT_EQ(store.value(LocalizationManager::kKey), stored) << "the stored value stays";
    }
}

TEST_F(LocalizationManagerTest, AChosenTableShowsTheKeyWhereTheSystemChoiceFallsBackToEnglish) {
    store.set(LocalizationManager::kKey, "de");
    EXPECT_EQ(make()->text("xray.advice.huge"), "xray.advice.huge") << "German lacks this key";
    store.set(LocalizationManager::kKey, "system");
    auto l10n = make(QLocale("de_AT"));
    EXPECT_EQ(l10n->code(), "system");
    EXPECT_EQ(l10n->boundTable(), "de");
    EXPECT_EQ(l10n->locale().name(), "de_AT");
    EXPECT_NE(l10n->text("xray.advice.huge"), "xray.advice.huge") << "English fills the gaps";

    l10n->setSystemLocale(QLocale("ja_JP"));
    EXPECT_EQ(l10n->text("clean.cleanButton"), "Clean") << "no Japanese table yet: English";
    EXPECT_EQ(l10n->layoutDirection(), Qt::LeftToRight);

    l10n->setSystemLocale(QLocale("he_IL"));
    EXPECT_EQ(l10n->effectiveLanguage(), "he");
    EXPECT_EQ(l10n->layoutDirection(), Qt::RightToLeft) << "the system's language decides";
}

TEST_F(LocalizationManagerTest, SwitchingLanguageStoresItAndTurnsTheDirection) {
    auto l10n = make();
    QSignalSpy changed(l10n.get(), &LocalizationManager::codeChanged);
    l10n->setCode("ar");
    EXPECT_EQ(store.string(LocalizationManager::kKey), "ar");
    EXPECT_EQ(l10n->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(l10n->locale().language(), QLocale::Arabic);
    EXPECT_EQ(qtTrId("clean.cleanButton"), QString::fromUtf8("تنظيف")) << "C++ lookups follow";

    l10n->setCode("he");  // no Hebrew table: English texts, but right to left all the same
    EXPECT_EQ(l10n->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(l10n->text("clean.cleanButton"), "Clean");

    l10n->setCode("en");
    EXPECT_EQ(l10n->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(changed.count(), 3);
}

}  // namespace
}  // namespace tornivo::app
