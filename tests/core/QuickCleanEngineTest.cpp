#include "engines/QuickCleanEngine.h"

#include <gtest/gtest.h>

#include "CoreChecks.h"
#include "platform/FileSystemHelper.h"

namespace tornivo {
namespace {

using namespace test;

class QuickCleanEngineTest : public ::testing::TestWithParam<LayoutKind> {
  protected:
    TempHome home{GetParam()};
    Path caches() const { return home.layout().junkRoots[0].folder; }
    Path logs() const { return home.layout().junkRoots[1].folder; }
    QuickCleanEngine engine() const { return QuickCleanEngine(home.layout()); }
};

std::vector<Path> urls(const std::vector<JunkItem>& items) {
    return mapped(items, [](const JunkItem& i) { return i.url; });
}

TEST_P(QuickCleanEngineTest, ListsTopLevelEntriesLargestFirstCachesFirstOnTiesWithOnDiskSizes) {
    writeFile(caches() / "org.example.Small/data", 10);
    writeFile(logs() / "a.log", 8192);
    writeFile(caches() / "z.cache", 8192);
    writeFile(caches() / "org.example.Big/blob", 300000);
    writeFile(caches() / "org.example.Big/.hidden-inside", 70000);
    writeFile(caches() / "loose-file.bin", 150000);
    writeFile(logs() / "session.log", 40000);

    auto items = engine().scan();
    ASSERT_EQ(urls(items),
              (std::vector<Path>{caches() / "org.example.Big", caches() / "loose-file.bin",
                                 logs() / "session.log", caches() / "z.cache", logs() / "a.log",
                                 caches() / "org.example.Small"}));
    EXPECT_EQ(items[0].size, FileSystemHelper::directorySize(caches() / "org.example.Big"));
    EXPECT_GE(items[0].size, 370000) << "a hidden file inside an item still counts";
    EXPECT_EQ(items[5].size, allocatedSize(caches() / "org.example.Small/data"));
    EXPECT_EQ(items[2].category, CleanCategory::systemLogs);
    for (const auto& item : items) {
        EXPECT_TRUE(item.isSelected);
        EXPECT_FALSE(item.id.isNull());
    }
    EXPECT_NE(items[0].id, engine().scan()[0].id) << "every scan makes new identities";
}

TEST_P(QuickCleanEngineTest, SkipsHiddenEmptyAndZeroSizedEntriesAndSurvivesLinkLoops) {
    writeFile(caches() / ".hidden-top/big", 100000);
    makeDir(caches() / "empty-folder");
    writeFile(caches() / "zero-length", 0);
    const Path odd = caches() / Path("bad\xff-name");
    writeFile(odd / "f", 20000);
    writeFile(caches() / "real/x", 1000);
    makeSymlink(caches(), caches() / "real/self");
    EXPECT_EQ(urls(engine().scan()), (std::vector<Path>{odd, caches() / "real"}))
        << "no logs folder, cache items only";
}

TEST_P(QuickCleanEngineTest, CleanRemovesOnlySelectedItemsAndCountsTheirScanSizes) {
    writeFile(caches() / "keep/data", 20000);
    writeFile(caches() / "drop/data", 30000);
    writeFile(logs() / "old.log", 40000);
    auto items = engine().scan();
    for (auto& item : items) item.isSelected = false;
    EXPECT_EQ(engine().clean(items), 0);
    EXPECT_TRUE(test::exists(caches() / "drop/data")) << "nothing selected, nothing removed";
    ByteCount expected = 0;
    for (auto& item : items) {
        item.isSelected = item.url.filename() != "keep";
        if (item.isSelected) expected += item.size;
    }
    EXPECT_EQ(engine().clean(items), expected);
    EXPECT_TRUE(test::exists(caches() / "keep/data"));
    EXPECT_FALSE(test::exists(caches() / "drop"));
    EXPECT_FALSE(test::exists(logs() / "old.log"));
    EXPECT_TRUE(test::exists(caches())) << "the root folder itself stays";
}

TEST_P(QuickCleanEngineTest, ItemThatCannotBeRemovedFreesNothingAndTheOthersStillGo) {
    writeFile(caches() / "one/data", 20000);
    writeFile(caches() / "stuck/inner/data", 30000);
    writeFile(caches() / "three/data", 40000);
    auto items = engine().scan();
    ByteCount expected = 0;
    for (const auto& item : items)
        if (item.url.filename() != "stuck") expected += item.size;
    setMode(caches() / "stuck/inner", 0555);
    TORNIVO_SKIP_UNLESS_PERMISSIONS_APPLY();
    EXPECT_EQ(engine().clean(items), expected);
    EXPECT_TRUE(test::exists(caches() / "stuck/inner/data"));
    EXPECT_FALSE(test::exists(caches() / "one"));
    EXPECT_FALSE(test::exists(caches() / "three"));
}

TEST_P(QuickCleanEngineTest, CleanNeverReachesOutsideTheItemsWhateverLinksTheyHold) {
    Path outside = home / "Documents/thesis";
    writeFile(outside / "chapter1.tex", 5000);
    writeFile(home / "Documents/notes.txt", 100);
    writeFile(caches() / "app/blob", 20000);
    makeSymlink(outside, caches() / "app/link-to-folder");
    makeSymlink(home / "Documents/notes.txt", caches() / "app/link-to-file");
    makeSymlink(outside, caches() / "top-level-link");
    engine().clean(engine().scan());
    EXPECT_FALSE(test::exists(caches() / "app"));
    EXPECT_EQ(readText(outside / "chapter1.tex"), std::string(5000, 'x'));
    EXPECT_TRUE(test::exists(home / "Documents/notes.txt"));
}

TEST_P(QuickCleanEngineTest, CleanRefusesItemsThatAreNotDirectEntriesOfAJunkRoot) {
    writeFile(home / "Documents/precious", 20000);
    writeFile(caches() / "app/nested", 20000);
    const std::vector<JunkItem> forged = {
        {Uuid::random(), home / "Documents", 1, CleanCategory::appCache, true},
        {Uuid::random(), caches() / "app/nested", 1, CleanCategory::appCache, true},
        {Uuid::random(), caches() / "app/..", 1, CleanCategory::appCache, true},
        {Uuid::random(), caches(), 1, CleanCategory::appCache, true},
    };
    EXPECT_EQ(engine().clean(forged), 0);
    EXPECT_TRUE(test::exists(home / "Documents/precious"));
    EXPECT_TRUE(test::exists(caches() / "app/nested"));
}

TEST_P(QuickCleanEngineTest, NonUtf8ItemIsRemovedExactly) {
    Path odd = caches() / Path("caf\xe9");
    Path twin = caches() / Path("caf\xc3\xa9");  // the same name spelt in valid UTF-8
    writeFile(odd / "data", 20000);
    writeFile(twin / "data", 20000);
    auto items = engine().scan();
    for (auto& item : items) item.isSelected = item.url == odd;
    EXPECT_GT(engine().clean(items), 0);
    EXPECT_FALSE(test::exists(odd));
    EXPECT_TRUE(test::exists(twin / "data"));
}

TEST(JunkSplitTest, OnlyAnExactNameOfARunningApplicationBlocksAnItem) {
    auto item = [](const char* name, bool selected = true) {
        return JunkItem{Uuid::random(), Path("/h/.cache") / name, 10, CleanCategory::appCache,
                        selected};
    };
    const RunningApps::Map running{{"com.example.editor", "Editor"},
                                   {"org.beta.app", "beta"},
                                   {"org.alpha.app", "Alpha"},
                                   {"thunderbird", "Thunderbird"}};
    auto split =
        splitByRunningApps({item("com.example.Editor"), item("com.example.editor.agent"),
                            item("Editor"), item("org.beta.app"), item("ORG.ALPHA.APP"),
                            item("org.alpha.app"), item("thunderbird", false), item("plain")},
                           running);
    std::vector<std::string> cleaned;
    for (const auto& i : split.toClean) cleaned.push_back(i.url.filename());
    EXPECT_EQ(cleaned, (std::vector<std::string>{"com.example.editor.agent", "Editor", "plain"}));
    EXPECT_EQ(split.skippedApps, (std::vector<std::string>{"Alpha", "Editor", "beta"}))
        << "each name once, in code-point order; unselected items name nothing";
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, QuickCleanEngineTest,
                         ::testing::Values(LayoutKind::freedesktop, LayoutKind::macos),
                         [](const auto& info) { return std::string(rawValue(info.param)); });

}  // namespace
}  // namespace tornivo
