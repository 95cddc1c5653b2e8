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

TEST_F(LocalizationManagerTest, AChosenLanguageBindsItsOwnTableWithoutFallingBack) {
    store.set(LocalizationManager::kKey, "de");
    auto l10n = make();
    EXPECT_EQ(l10n->boundTable(), "de");
    EXPECT_EQ(l10n->text("clean.cleanButton"), "Bereinigen");
    EXPECT_EQ(l10n->text("no.such.key"), "no.such.key");
    // A key the German table lacks shows as the key, not in English.
    EXPECT_EQ(l10n->text("xray.advice.huge"), "xray.advice.huge");
}

TEST_F(LocalizationManagerTest, ACodeInTheWrongCaseFindsTheTableByItsLowerCaseName) {
    store.set(LocalizationManager::kKey, "DE");
    auto l10n = make();
    EXPECT_EQ(l10n->code(), "DE");
    EXPECT_EQ(l10n->boundTable(), "de");
}

TEST_F(LocalizationManagerTest, AnUnknownCodeFallsBackToTheSystemsChoiceAndStaysStored) {
    for (const char* code : {"PT-BR", "klingon", ""}) {
        store.set(LocalizationManager::kKey, code);
        auto l10n = make(QLocale("de_DE"));
        EXPECT_EQ(l10n->boundTable(), "de") << code;
        EXPECT_EQ(l10n->text("clean.cleanButton"), "Bereinigen") << code;
        EXPECT_EQ(store.string(LocalizationManager::kKey), code);
    }
    store.set(LocalizationManager::kKey, 42);
    EXPECT_EQ(make()->code(), "system") << "a stored value that is not a string";
}

TEST_F(LocalizationManagerTest, TheSystemChoiceFollowsTheSystemsLanguagesWithEnglishBeneath) {
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
    EXPECT_EQ(l10n->text("clean.cleanButton"), QString::fromUtf8("تنظيف"));
    EXPECT_EQ(qtTrId("clean.cleanButton"), QString::fromUtf8("تنظيف")) << "C++ lookups follow";

    l10n->setCode("he");  // no Hebrew table: English texts, but right to left all the same
    EXPECT_EQ(l10n->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(l10n->text("clean.cleanButton"), "Clean");

    l10n->setCode("en");
    EXPECT_EQ(l10n->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(l10n->text("clean.cleanButton"), "Clean");
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(LocalizationManagerTest, TheTableListsTwentyLanguagesWithTheirOwnNames) {
    const auto& table = LocalizationManager::table();
    EXPECT_EQ(table.front().code, std::string("en"));
    EXPECT_EQ(table[6].code, std::string("pt-BR"));
    EXPECT_EQ(table[18].nativeName, std::string("العربية"));
    EXPECT_EQ(table.back().code, std::string("he"));
}

}  // namespace
}  // namespace tornivo::app
