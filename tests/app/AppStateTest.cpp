#include "AppState.h"
#include "LocalizationManager.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "QtWait.h"
#include "TempHome.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

class AppStateTest : public ::testing::Test {
  protected:
    TempHome home;
    std::shared_ptr<PreferencesStore> store =
        std::make_shared<PreferencesStore>(home.layout().settingsFile);
    std::vector<SoundCue> cues;

    std::unique_ptr<AppState> makeState() {
        auto state = std::make_unique<AppState>(home.layout(), store);
        state->setCuePlayer([this](SoundCue cue) { cues.push_back(cue); });
        return state;
    }
    Path caches() const { return home.layout().junkRoots[0].folder; }
};

TEST_F(AppStateTest, StartsWithTheInitialValuesAndTheStoredPreferences) {
    auto state = makeState();
    EXPECT_EQ(state->section(), Section::clean);
    EXPECT_EQ(state->sectionId(), "clean");
    EXPECT_FALSE(state->isScanning());
    EXPECT_FALSE(state->scanResult());
    EXPECT_EQ(state->scanResultView(), nullptr);
    EXPECT_FALSE(state->lastFreedValue().isValid());
    EXPECT_EQ(state->developerProtectionDays(), 10);
    EXPECT_TRUE(state->soundEnabled());
    EXPECT_EQ(state->shredStrength(), ShredStrength::quick);
    EXPECT_TRUE(state->largeFiles().empty());
    EXPECT_EQ(state->largeFilesModel()->count(), 0);
    EXPECT_TRUE(state->runningTuneUp().empty());
    EXPECT_FALSE(state->lastShredOutcomeValue().isValid());
}

TEST_F(AppStateTest, PersistedSettingsFallBackOnlyWhereTheirRulesSay) {
    store->set(AppState::kProtectionDaysKey, 0);
    store->set(AppState::kSoundEnabledKey, "yes");
    EXPECT_EQ(makeState()->developerProtectionDays(), 10);
    EXPECT_TRUE(makeState()->soundEnabled());

    store->set(AppState::kProtectionDaysKey, 30);
    store->set(AppState::kSoundEnabledKey, false);
    EXPECT_EQ(makeState()->developerProtectionDays(), 30);
    EXPECT_FALSE(makeState()->soundEnabled());

    store->set(AppState::kProtectionDaysKey, "30");
    EXPECT_EQ(makeState()->developerProtectionDays(), 10);
}

TEST_F(AppStateTest, SettersPublishAndPersistAtOnce) {
    auto state = makeState();
    QSignalSpy days(state.get(), &AppState::developerProtectionDaysChanged);
    state->setDeveloperProtectionDays(21);
    state->setSoundEnabled(false);
    EXPECT_EQ(days.count(), 1);
    EXPECT_EQ(store->integer(AppState::kProtectionDaysKey), 21);
    EXPECT_EQ(store->boolean(AppState::kSoundEnabledKey), false);
    EXPECT_FALSE(state->developerResult()) << "with no result, only the value is stored";
    auto restarted = makeState();
    EXPECT_EQ(restarted->developerProtectionDays(), 21);
    EXPECT_FALSE(restarted->soundEnabled());
}

TEST_F(AppStateTest, SectionsAreFoundByTheirExactRawValue) {
    auto state = makeState();
    state->setSectionId("Settings");
    EXPECT_EQ(state->section(), Section::clean);
    state->setSectionId("settings");
    EXPECT_EQ(state->section(), Section::settings);
    ASSERT_EQ(tabs().size(), 9u);
    EXPECT_EQ(std::count(tabs().begin(), tabs().end(), Section::settings), 0);
    EXPECT_EQ(state->tabList().first().toMap().value("icon").toString(), "sparkles");
    EXPECT_EQ(icon(Section::shred), "flame.fill");
}

TEST_F(AppStateTest, SuggestionsSpeakTheChosenLanguageAndTheirActionsPickASection) {
    store->set(LocalizationManager::kKey, "en");
    LocalizationManager english(*store);
    auto state = makeState();
    const QVariantList list = state->suggestionList();
    ASSERT_FALSE(list.isEmpty());
    const QVariantMap first = list.first().toMap();
    EXPECT_EQ(first.value("action").toString(), "quickScan");
    EXPECT_EQ(first.value("message").toString(), qtTrId("suggest.healthy"));
    EXPECT_NE(first.value("message").toString(), "suggest.healthy") << "words, not the key";

    state->perform("openXRay");
    EXPECT_EQ(state->section(), Section::xray);
    state->perform("openInstallers");
    EXPECT_EQ(state->section(), Section::installers);
    state->perform("noSuchAction");
    EXPECT_EQ(state->section(), Section::installers);
    state->perform("freeMemory");
    EXPECT_EQ(state->section(), Section::clean);
}

TEST_F(AppStateTest, ShredStrengthTakesOnlyKnownPassCounts) {
    auto state = makeState();
    state->setShredStrengthPasses(2);
    EXPECT_EQ(state->shredStrength(), ShredStrength::quick);
    state->setShredStrengthPasses(7);
    EXPECT_EQ(state->shredStrength(), ShredStrength::paranoid);
}

TEST_F(AppStateTest, QuickScanPublishesUnprotectedItemsLargestFirstWithItsCues) {
    writeFile(caches() / "org.example.Big/blob", 300000);
    writeFile(caches() / "org.example.Small/blob", 20000);
    writeFile(caches() / "private/keep", 900000);
    auto state = makeState();
    state->exclusions()->add(caches() / "private");
    TimePoint fixed = Clock::now() - std::chrono::hours(5);
    state->setClock([fixed] { return fixed; });

    QSignalSpy scanning(state.get(), &AppState::isScanningChanged);
    state->runQuickScan();
    EXPECT_TRUE(state->isScanning());
    ASSERT_TRUE(waitUntil([&] { return !state->isScanning(); }));
    EXPECT_EQ(scanning.count(), 2);

    ASSERT_TRUE(state->scanResult());
    const auto& items = state->scanResult()->items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].url, caches() / "org.example.Big");
    EXPECT_EQ(items[1].url, caches() / "org.example.Small");
    EXPECT_EQ(state->scanResult()->date, fixed);
    ASSERT_NE(state->scanResultView(), nullptr);
    EXPECT_EQ(state->scanResultView()->items()->count(), 2);
    EXPECT_EQ(state->scanResultView()->items()->get(0, "name").toString(), "org.example.Big");
    EXPECT_EQ(state->scanResultView()->sizeFor("appCache"), items[0].size + items[1].size);
    EXPECT_EQ(cues, (std::vector<SoundCue>{SoundCue::scanStart, SoundCue::scanDone}));
}

TEST_F(AppStateTest, ScanWithEverythingProtectedPublishesAnEmptyResultWithoutTheFoundCue) {
    writeFile(caches() / "a/blob", 30000);
    auto state = makeState();
    state->exclusions()->add(caches());
    state->runQuickScan();
    ASSERT_TRUE(waitUntil([&] { return !state->isScanning(); }));
    ASSERT_TRUE(state->scanResult());
    EXPECT_TRUE(state->scanResult()->items.empty());
    EXPECT_EQ(cues, std::vector<SoundCue>{SoundCue::scanStart});
}

TEST_F(AppStateTest, ACorruptPreferencesFileGivesDefaultsAndIsKeptAsideOnTheNextWrite) {
    writeText(store->file(), "{\"developerProtectionDays\": 30, \"protectedFol");
    auto state = makeState();
    EXPECT_EQ(state->developerProtectionDays(), 10);
    EXPECT_TRUE(state->exclusions()->folders().empty());
    state->exclusions()->add(home / "Photos");
    EXPECT_EQ(makeState()->exclusions()->folders(), std::vector<Path>{home / "Photos"});
    bool keptAside = false;
    for (const auto& e : std::filesystem::directory_iterator(store->file().parent_path()))
        keptAside |= e.path().filename().native().starts_with("settings.json.corrupt-");
    EXPECT_TRUE(keptAside);
}

TEST(AppStateWithoutHome, AMissingHomeScansToAnEmptyResult) {
    TempDir dir;
    Layout layout = Layout::freedesktop(dir / "no-such-home", {});
    AppState state(layout, std::make_shared<PreferencesStore>(layout.settingsFile));
    state.runQuickScan();
    ASSERT_TRUE(waitUntil([&] { return !state.isScanning(); }));
    ASSERT_TRUE(state.scanResult());
    EXPECT_TRUE(state.scanResult()->items.empty());
}

TEST_F(AppStateTest, ProtectedFoldersAddedFromTheFolderPickerKeepTheirBytes) {
    auto state = makeState();
    Path odd = home / Path("Fotos \xe9t\xe9");
    QUrl url = QUrl::fromEncoded("file://" + QByteArray(odd.c_str()).toPercentEncoding("/"));
    state->exclusions()->addFolders({url});
    ASSERT_EQ(state->exclusions()->folders(), std::vector<Path>{odd});
    EXPECT_TRUE(makeState()->exclusions()->isProtected(odd / "x.jpg")) << "survives a restart";
    auto* model = state->exclusions()->foldersModel();
    ASSERT_EQ(model->count(), 1);
    state->exclusions()->removeFolder(model->get(0, "id").toString());
    EXPECT_TRUE(state->exclusions()->folders().empty());
}

}  // namespace
}  // namespace tornivo::app
