// The command line and the application agree: on the same home, with the same protected
// folders, each scan gives the same records in the same order, field by field (only the fresh
// ids differ).

#include <gtest/gtest.h>

#include <cstdio>

#include "AppState.h"
#include "QtWait.h"
#include "SampleHome.h"
#include "platform/PathText.h"

namespace tornivo::app {
namespace {

using namespace tornivo::test;

std::string raw(std::string_view value) {
    return std::string(value);
}
class CliMatchesApplicationTest : public ::testing::TestWithParam<LayoutKind> {
  protected:
    SampleHome home{GetParam()};

    // A fresh application on the home, reading the protected folders as it starts.
    std::unique_ptr<AppState> application() const {
        auto state = std::make_unique<AppState>(
            home.layout(), std::make_shared<PreferencesStore>(home.settingsFile()));
        state->setCuePlayer([](SoundCue) {});
        return state;
    }
    // A fresh application that has run `scan` to its end.
    std::unique_ptr<AppState> scanned(void (AppState::*scan)(), bool (AppState::*busy)() const) {
        auto state = application();
        (state.get()->*scan)();
        EXPECT_TRUE(waitUntil([&] { return !(state.get()->*busy)(); }, 60000));
        return state;
    }
    Json cli(const std::string& command) const { return withoutIds(home.json({command})); }

    static Json withoutIds(Json document) {
        if (document.is_object()) {
            document.erase("id");
            for (auto& [key, value] : document.items()) value = withoutIds(value);
        } else if (document.is_array()) {
            for (auto& element : document) element = withoutIds(element);
        }
        return document;
    }
};

// Dates as the command line writes them: ISO 8601 in UTC, to the second.
Json iso(const std::optional<TimePoint>& t) {
    if (!t) return nullptr;
    const auto secs = std::chrono::floor<std::chrono::seconds>(*t);
    const auto day = std::chrono::floor<std::chrono::days>(secs);
    const std::chrono::year_month_day ymd{day};
    const std::chrono::hh_mm_ss<std::chrono::seconds> time{secs - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", int(ymd.year()),
                  unsigned(ymd.month()), unsigned(ymd.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()));
    return text;
}

Json items(const std::vector<JunkItem>& items) {
    Json list = Json::array();
    for (const auto& i : items)
        list.push_back({{"url", encodePathText(i.url)},
                        {"size", i.size},
                        {"category", raw(rawValue(i.category))},
                        {"isSelected", i.isSelected}});
    return list;
}

TEST_P(CliMatchesApplicationTest, JunkGivesTheApplicationsItemsInItsOrderAndDropsAProtectedOne) {
    const Path caches = home.caches();
    // Equal sizes keep the roots' order and each folder's listing order.
    writeFile(home.layout().junkRoots.at(1).folder / "same-a.log", 128 * 1024);
    writeFile(caches / "same-b", 128 * 1024);

    auto state = scanned(&AppState::runQuickScan, &AppState::isScanning);
    const Json published = items(state->scanResult()->items);
    ASSERT_EQ(published.size(), 5u);
    EXPECT_EQ(cli("junk"), Json({{"items", published}}));

    ASSERT_TRUE(home.protect(caches / "org.example.Editor"));
    state = scanned(&AppState::runQuickScan, &AppState::isScanning);
    const Json protectedOut = items(state->scanResult()->items);
    ASSERT_EQ(protectedOut.size(), 4u);
    Json expectedItems = published;
    expectedItems.erase(0);  // the editor's cache, the largest
    EXPECT_EQ(protectedOut, expectedItems);
    EXPECT_EQ(cli("junk"), Json({{"items", protectedOut}}));
}

TEST_P(CliMatchesApplicationTest, LargeGivesTheApplicationsFilesWithItsDefaults) {
    const Path downloads = *home.layout().downloads, documents = *home.layout().documents;
    for (const Path& file :
         {downloads / "old-1.iso", documents / "keep/old-2.mkv", documents / "new.mkv"})
        allocateFile(file, 524'288'000);
    for (const Path& file : {downloads / "old-1.iso", documents / "keep/old-2.mkv"})
        setTimes(file, SampleHome::longAgo(), SampleHome::longAgo());
    ASSERT_TRUE(home.protect(documents / "keep"));

    auto state = scanned(&AppState::runLargeFileScan, &AppState::isFindingLarge);
    Json published = Json::array();
    for (const auto& f : state->largeFiles())
        published.push_back({{"url", encodePathText(f.url)},
                             {"size", f.size},
                             {"lastAccess", iso(f.lastAccess)},
                             {"isSelected", f.isSelected}});
    ASSERT_EQ(published.size(), 1u);
    EXPECT_EQ(cli("large"), Json({{"files", published}}));
}

TEST_P(CliMatchesApplicationTest, DuplicatesGivesTheApplicationsGroups) {
    const Path pictures = *home.layout().pictures, movies = *home.layout().movies;
    writeFile(pictures / "b1.jpg", 2 * 1'048'576, 'b');
    writeFile(movies / "b2.mov", 2 * 1'048'576, 'b');
    writeFile(movies / "b3.mov", 2 * 1'048'576, 'b');
    writeFile(*home.layout().desktop / "c1", 3 * 1'048'576, 'c');
    writeFile(movies / "keep/c2", 3 * 1'048'576, 'c');
    ASSERT_TRUE(home.protect(movies / "keep"));

    auto state = scanned(&AppState::runDuplicateScan, &AppState::isFindingDuplicates);
    Json published = Json::array();
    for (const auto& g : state->duplicateGroups()) {
        Json files = Json::array();
        for (const auto& f : g.files) files.push_back(encodePathText(f));
        published.push_back({{"hash", g.hash}, {"size", g.size}, {"files", files}});
    }
    ASSERT_EQ(published.size(), 2u) << "the group of c is left with one file: gone";
    EXPECT_EQ(cli("duplicates"), Json({{"groups", published}}));
}

TEST_P(CliMatchesApplicationTest, InstallersGivesTheApplicationsFiles) {
    writeFile(*home.layout().desktop / "editor-setup.iso", 64 * 1024, 'x');
    ASSERT_EQ(home.run({"protect", "add", home.layout().desktop->native()}).status, 0);
    auto state = scanned(&AppState::runInstallerScan, &AppState::isScanningInstallers);
    Json published = Json::array();
    for (const auto& f : state->installerFiles())
        published.push_back({{"url", encodePathText(f.url)},
                             {"size", f.size},
                             {"kind", f.kind},
                             {"matchedApp", f.matchedApp ? Json(*f.matchedApp) : Json()},
                             {"isSelected", f.isSelected}});
    ASSERT_EQ(published.size(), 2u);
    EXPECT_EQ(cli("installers"), Json({{"files", published}}));
}

TEST_P(CliMatchesApplicationTest, XrayGivesTheApplicationsCategories) {
    ASSERT_TRUE(home.protect(home.caches()));
    auto state = scanned(&AppState::runDiskAnalysis, &AppState::isAnalyzing);
    Json published = Json::array();
    for (const auto& c : state->diskCategories()) {
        Json files = Json::array();
        for (const auto& f : c.files) {
            Json advice = nullptr;
            if (f.advice) {
                advice = {{"case", raw(rawValue(f.advice->kind))}};
                if (f.advice->kind == FileAdvice::Case::stale)
                    advice["lastUsed"] = iso(f.advice->lastUsed);
            }
            files.push_back({{"url", encodePathText(f.url)},
                             {"size", f.size},
                             {"lastUsed", iso(f.lastUsed)},
                             {"advice", advice}});
        }
        published.push_back({{"kind", raw(rawValue(c.kind))},
                             {"size", c.size},
                             {"fileCount", c.fileCount},
                             {"files", files}});
    }
    // The settings file the protection wrote is counted too.
    EXPECT_EQ(cli("xray"), Json({{"categories", published}}));
}

TEST_P(CliMatchesApplicationTest, DeveloperGivesTheApplicationsProjectsWithItsStoredWindow) {
    const auto outputs = home.addBuildOutputs();
    // Ten years: the output idle since longAgo() is active, one idle since 2001 is not.
    setTreeTimes(outputs.inactive[1], utc(2001, 5, 6));
    PreferencesStore(home.settingsFile()).set("developerProtectionDays", 3650);
    ASSERT_TRUE(home.protect(outputs.active));

    auto state = scanned(&AppState::runDeveloperScan, &AppState::isScanningDev);
    ASSERT_TRUE(state->developerResult().has_value());
    Json published = Json::array();
    for (const auto& p : state->developerResult()->projects)
        published.push_back({{"name", p.name},
                             {"url", encodePathText(p.url)},
                             {"size", p.size},
                             {"lastActivity", iso(p.lastActivity)},
                             {"isActive", p.isActive},
                             {"isSelected", p.isSelected}});
    ASSERT_EQ(published.size(), 2u);
    EXPECT_EQ(published[0]["url"], encodePathText(outputs.inactive[1]));
    EXPECT_EQ(published[1]["isActive"], true);
    EXPECT_EQ(cli("developer"), Json({{"projects", published}}));
}

TEST_P(CliMatchesApplicationTest, AppsAndInspectGiveTheApplicationsListAndPlan) {
    writeFile(home.layout().dataHome / "Editor/state.db", 8 * 1024);  // found by the name
    ASSERT_TRUE(home.protect(home.caches()));
    auto state = application();
    state->loadInstalledApps();
    ASSERT_TRUE(waitUntil([&] { return !state->installedApps().empty(); }));
    Json apps = Json::array();
    for (const auto& app : state->installedApps())
        apps.push_back({{"name", app.name}, {"url", encodePathText(app.url)}});
    EXPECT_EQ(cli("apps"), Json({{"apps", apps}}));

    state->inspectApp(state->installedApps().front().url);
    ASSERT_TRUE(waitUntil([&] { return state->uninstallTarget().has_value(); }));
    const UninstallTarget& plan = *state->uninstallTarget();
    Json leftovers = Json::array();
    for (const auto& l : plan.leftovers)
        leftovers.push_back({{"url", encodePathText(l.url)},
                             {"size", l.size},
                             {"kind", raw(rawValue(l.kind))},
                             {"matchedByName", l.matchedByName},
                             {"isSelected", l.isSelected}});
    Json files = Json::array();
    for (const auto& f : plan.appFiles)
        files.push_back({{"url", encodePathText(f.url)}, {"size", f.size}});
    ASSERT_EQ(leftovers.size(), 1u) << "the cache is in a protected folder";
    EXPECT_EQ(withoutIds(home.json({"inspect", "Editor"})),
              Json({{"appURL", encodePathText(plan.appURL)},
                    {"appName", plan.appName},
                    {"bundleID", plan.bundleID ? Json(*plan.bundleID) : Json()},
                    {"appSize", plan.appSize},
                    {"leftovers", leftovers},
                    {"removal", raw(rawValue(plan.removal))},
                    {"appFiles", files},
                    {"flatpakID", plan.flatpakID.empty() ? Json() : Json(plan.flatpakID)}}));
}

TEST_P(CliMatchesApplicationTest, TrashGivesTheApplicationsItemsAndTotal) {
    writeFile(home.layout().trashFiles / "one.txt", 12 * 1024);
    writeFile(home.layout().trashFiles / "two/inner", 4 * 1024);
    writeFile(home.layout().trashFiles / "three", 1);
    auto state = application();
    state->loadTrash();
    ASSERT_TRUE(waitUntil([&] { return state->trashItems().size() == 3; }));
    Json items = Json::array();
    for (const Path& item : state->trashItems()) items.push_back(encodePathText(item));
    EXPECT_EQ(cli("trash"), Json({{"items", items}, {"totalBytes", state->trashBytes()}}));
}

TORNIVO_IN_BOTH_LAYOUTS(CliMatchesApplicationTest);

}  // namespace
}  // namespace tornivo::app
