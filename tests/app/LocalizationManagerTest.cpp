#include "LocalizationManager.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "Fmt.h"
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
        {"de", "en_US", "de"},      {"DE", "en_US", "de"}, {"PT-BR", "de_DE", "pt-br"},
        {"klingon", "de_DE", "de"}, {"", "de_DE", "de"},   {42, "de_DE", "de"}};
    for (const auto& [stored, system, table] : cases) {
        store.set(LocalizationManager::kKey, stored);
        auto l10n = make(QLocale(system));
        EXPECT_EQ(l10n->boundTable(), table) << stored;
        EXPECT_NE(l10n->text("clean.cleanButton"), "Clean") << stored;
        EXPECT_EQ(store.value(LocalizationManager::kKey), stored) << "the stored value stays";
    }
}

TEST_F(LocalizationManagerTest, AChosenTableShowsTheKeyWhereTheSystemChoiceFallsBackToEnglish) {
    store.set(LocalizationManager::kKey, "de");
    EXPECT_EQ(make()->text("no.such.key"), "no.such.key");
    store.set(LocalizationManager::kKey, "system");
    auto l10n = make(QLocale("de_AT"));
    EXPECT_EQ(l10n->code(), "system");
    EXPECT_EQ(l10n->boundTable(), "de");
    EXPECT_EQ(l10n->locale().name(), "de_AT");

    l10n->setSystemLocale(QLocale("fi_FI"));
    EXPECT_EQ(l10n->text("clean.cleanButton"), "Clean") << "no Finnish table: English";
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

    l10n->setCode("he");
    EXPECT_EQ(l10n->layoutDirection(), Qt::RightToLeft);

    l10n->setCode("en");
    EXPECT_EQ(l10n->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(changed.count(), 3);
}

// A code with no table of its own keeps the system's texts, so only the digits of the count
// change: they are the chosen language's, as Fmt writes them, not the system's.
TEST_F(LocalizationManagerTest, ACountInsideATextTakesTheDigitsOfTheChosenLanguage) {
    auto l10n = make();
    LocalizationManager::setShared(l10n.get());
    const std::pair<const char*, QString> cases[] = {
        {"de-DE", "1.234 files"},
        {"ar-EG", QString::fromUtf8("١٬٢٣٤ files")},
        {"en-US", "1,234 files"},
    };
    for (const auto& [code, expected] : cases) {
        l10n->setCode(code);
        EXPECT_EQ(qtTrId("xray.fileCount", 1234), expected) << code;
        EXPECT_TRUE(expected.startsWith(Fmt::integer(1234))) << code;
    }
    EXPECT_EQ(qtTrId("xray.fileCount", 1), "1 file");
    LocalizationManager::setShared(nullptr);
}

}  // namespace
}  // namespace tornivo::app
