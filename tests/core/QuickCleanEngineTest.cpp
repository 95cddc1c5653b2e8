#include "engines/QuickCleanEngine.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <thread>

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

// Every entry below `folder`, as a path relative to it, in order.
std::vector<std::string> tree(const Path& folder) {
    return mapped(snapshot(folder),
                  [&](const auto& e) { return Path(e.first).lexically_relative(folder).native(); });
}

TEST_P(QuickCleanEngineTest, ListsTopLevelEntriesLargestFirstCachesFirstOnTiesWithOnDiskSizes) {
    writeFile(caches() / "org.example.Small/data", 10);
    writeFile(logs() / "a.log", 8192);
    writeFile(caches() / "z.cache", 8192);
    writeFile(caches() / "org.example.Big/blob", 300000);
    writeFile(caches() / "org.example.Big/.hidden-inside", 70000);
    writeFile(caches() / "loose-file.bin", 150000);
    writeFile(logs() / "session.log", 40000);

    auto items = engine().scan().items;
    ASSERT_EQ(urls(items),
              (std::vector<Path>{caches() / "org.example.Big", caches() / "loose-file.bin",
                                 logs() / "session.log", caches() / "z.cache", logs() / "a.log",
                                 caches() / "org.example.Small"}));
    EXPECT_EQ(items[0].size, FileSystemHelper::directorySize(caches() / "org.example.Big"));
    EXPECT_GE(items[0].size, 370000) << "a hidden file inside an item still counts";
    EXPECT_EQ(items[5].size, allocatedSize(caches() / "org.example.Small/data"));
    EXPECT_EQ(items[2].category, CleanCategory::systemLogs);
    EXPECT_EQ(mapped(items, [](const JunkItem& i) { return i.isSelected && !i.id.isNull(); }),
              std::vector<bool>(6, true));
    EXPECT_NE(items[0].id, engine().scan().items[0].id) << "every scan makes new identities";
}

TEST_P(QuickCleanEngineTest, SkipsHiddenEmptyAndZeroSizedEntriesAndSurvivesLinkLoops) {
    writeFile(caches() / ".hidden-top/big", 100000);
    makeDir(caches() / "empty-folder");
    writeFile(caches() / "zero-length", 0);
    const Path odd = caches() / Path("bad\xff-name");
    writeFile(odd / "f", 20000);
    writeFile(caches() / "real/x", 1000);
    makeSymlink(caches(), caches() / "real/self");
    EXPECT_EQ(urls(engine().scan().items), (std::vector<Path>{odd, caches() / "real"}))
        << "no logs folder, cache items only";
}

// Links inside an item, or as one, go as links: nothing they lead to is reached.
TEST_P(QuickCleanEngineTest,
       CleanRemovesOnlySelectedItemsByTheirBytesLinksAsLinksCountingScanSizes) {
    writeFile(caches() / "keep/data", 20000);
    writeFile(caches() / Path("caf\xe9/data"), 30000);
    const Path outside = writeFile(home / "Documents/thesis/chapter1.tex", 5000).parent_path();
    const Path notes = writeFile(home / "Documents/notes.txt", 100);
    makeSymlink(outside, caches() / Path("caf\xe9/link-to-folder"));
    makeSymlink(notes, caches() / Path("caf\xe9/link-to-file"));
    makeSymlink(outside, caches() / "top-level-link");
    writeFile(caches() / Path("caf\xc3\xa9/data"), 20000);  // the same name spelt in UTF-8
    writeFile(logs() / "old.log", 40000);
    auto items = engine().scan().items;
    for (auto& item : items) item.isSelected = false;
    EXPECT_EQ(engine().clean(items).freed, 0);
    ByteCount expected = 0;
    for (auto& item : items) {
        item.isSelected = item.url.filename() != "keep" && item.url.filename() != "caf\xc3\xa9";
        if (item.isSelected) expected += item.size;
    }
    EXPECT_EQ(engine().clean(items).freed, expected);
    // The root folder itself stays, with what was not selected (and the link with a short target,
    // which takes no block and so is no item); nothing a link led to goes.
    EXPECT_EQ(tree(caches()), (std::vector<std::string>{"caf\xc3\xa9", "caf\xc3\xa9/data", "keep",
                                                        "keep/data", "top-level-link"}));
    EXPECT_EQ(tree(logs()), std::vector<std::string>{});
    EXPECT_EQ(readText(outside / "chapter1.tex"), std::string(5000, 'x'));
    EXPECT_TRUE(test::exists(notes));
}

TEST_P(QuickCleanEngineTest, ItemThatCannotBeRemovedFreesNothingAndTheOthersStillGo) {
    writeFile(caches() / "one/data", 20000);
    writeFile(caches() / "stuck/inner/data", 30000);
    writeFile(caches() / "three/data", 40000);
    auto items = engine().scan().items;
    ByteCount expected = 0;
    for (const auto& item : items)
        if (item.url.filename() != "stuck") expected += item.size;
    setMode(caches() / "stuck/inner", 0555);
    TORNIVO_SKIP_UNLESS_PERMISSIONS_APPLY();
    EXPECT_EQ(engine().clean(items).freed, expected);
    EXPECT_EQ(tree(caches()),
              (std::vector<std::string>{"stuck", "stuck/inner", "stuck/inner/data"}));
}

TEST_P(QuickCleanEngineTest, AnEntryReplacedSinceTheScanStaysAndALinkGoesAsALink) {
    writeFile(caches() / "app/data", 20000);
    const Path target = writeText(home / "Documents/kept-by-a-link.txt", "mine");
    // A long target takes a block of its own, so the link is listed like any item.
    const Path link =
        makeSymlink(home / "Documents" / std::string(100, 'x') / ".." / "kept-by-a-link.txt",
                    caches() / "link");
    const auto items = engine().scan().items;
    ASSERT_EQ(urls(items).size(), 2u) << "the link is listed";
    std::filesystem::remove_all(caches() / "app");
    writeFile(caches() / "app/data", 20000);  // another folder of the same name

    const RemovalOutcome outcome = engine().clean(items);
    EXPECT_EQ(outcome.done, 1);
    EXPECT_EQ(outcome.left, (std::vector<LeftItem>{{caches() / "app", LeftReason::changed}}));
    EXPECT_TRUE(test::exists(caches() / "app/data"));
    EXPECT_FALSE(test::exists(link));
    EXPECT_EQ(readText(target), "mine");
}

TEST_P(QuickCleanEngineTest, CleanRefusesItemsThatAreNotDirectEntriesOfAJunkRoot) {
    writeFile(home / "Documents/precious", 20000);
    writeFile(caches() / "app/nested", 20000);
    std::vector<JunkItem> forged;
    for (const Path& url :
         {home / "Documents", caches() / "app/nested", caches() / "app/..", caches()})
        forged.push_back({Uuid::random(), url, 1, CleanCategory::appCache, true, {}});
    EXPECT_EQ(engine().clean(forged).freed, 0);
    EXPECT_TRUE(test::exists(home / "Documents/precious"));
    EXPECT_TRUE(test::exists(caches() / "app/nested"));
}

// Junk items made inside the caches folder open as `dirfd`, whatever its name leads to now.
void plantItems(int dirfd) {
    const std::string data(4096, 'j');
    for (int i = 0; i < 5; ++i) {
        const std::string name = "item" + std::to_string(i);
        ::mkdirat(dirfd, name.c_str(), 0755);
        const int item = ::openat(dirfd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        const int file = ::openat(item, "f", O_WRONLY | O_CREAT | O_NOFOLLOW, 0644);
        if (file >= 0 && ::write(file, data.data(), data.size()) < 0) ADD_FAILURE();
        ::close(file);
        ::close(item);
    }
}

// A clean run again and again while another process keeps swapping the caches folder for a link
// to `outside` and back: whatever the timing, nothing outside is touched. Each scan happens with
// the folder in place (the swapper waits meanwhile); the swapping goes on during each clean. The
// swapper runs in a child process, after `asUser` (so it can run as another user). `outside` is
// root's, mode 0700: another user can only point a link at it.
void raceTheClean(const Layout& layout, const std::function<void()>& asUser) {
    const TempDir outside;
    for (int i = 0; i < 5; ++i)
        writeText(outside / ("item" + std::to_string(i)) / "f", "canary " + std::to_string(i));
    const auto before = snapshot(outside.path());
    const Path caches = layout.junkRoots[0].folder;
    const Path aside = caches.native() + ".real";
    makeDir(caches);
    const int real = ::open(caches.c_str(), O_RDONLY | O_DIRECTORY);
    struct Shared {
        std::atomic<int> swapping{0}, paused{0}, stop{0};
    };
    void* memory =
        ::mmap(nullptr, sizeof(Shared), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    auto* shared = new (memory) Shared;
    const pid_t swapper = ::fork();
    if (swapper == 0) {
        asUser();
        while (!shared->stop) {
            shared->paused = !shared->swapping;
            if (shared->paused) continue;
            if (::rename(caches.c_str(), aside.c_str()) == 0) {
                ::symlink(outside.path().c_str(), caches.c_str());
                ::unlink(caches.c_str());
                ::rename(aside.c_str(), caches.c_str());
            }
        }
        ::_exit(0);
    }
    const QuickCleanEngine engine(layout);
    const auto deadline = Clock::now() + std::chrono::seconds(3);
    int cleaned = 0;
    for (int round = 0; round < 300 && Clock::now() < deadline; ++round) {
        shared->swapping = 0;
        while (!shared->paused) std::this_thread::yield();
        plantItems(real);
        const JunkScan scan = engine.scan();
        shared->paused = 0;
        shared->swapping = 1;
        cleaned += engine.clean(scan.items).done > 0;
    }
    shared->stop = 1;
    ::waitpid(swapper, nullptr, 0);
    ::munmap(memory, sizeof(Shared));
    ::close(real);
    EXPECT_GT(cleaned, 0) << "the race never let a clean through: it proves nothing";
    EXPECT_EQ(snapshot(outside.path()), before);
}

TEST_P(QuickCleanEngineTest, ACachesFolderSwappedForALinkMidCleanLeadsNowhere) {
    raceTheClean(home.layout(), [] {});
}

TEST_P(QuickCleanEngineTest, AnOwnerOfTheHomeCannotTurnACleanByRootAgainstRootsFiles) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the clean as another user's victim";
    constexpr uid_t kAttacker = 65534;
    ::chmod(home.home().parent_path().c_str(), 0755);
    makeDir(caches());
    writeText(home / "Documents/x", "");
    for (const auto& e : std::filesystem::recursive_directory_iterator(home.home()))
        ::lchown(e.path().c_str(), kAttacker, kAttacker);
    ::lchown(home.home().c_str(), kAttacker, kAttacker);
    raceTheClean(home.layout(), [] {
        if (::setgid(kAttacker) != 0 || ::setuid(kAttacker) != 0) ::_exit(1);
    });
}

TEST(QuickCleanRootsTest, AJunkFolderThatIsNotSafeToEmptyIsNeitherListedNorCleaned) {
    struct Case {
        std::function<Path(const Path& home)> cache;  // what XDG_CACHE_HOME names
        RootRefusal reason;
        std::string other;
    };
    std::vector<Case> cases = {
        {[](const Path& h) { return h; }, RootRefusal::home, ""},
        {[](const Path&) { return Path("/"); }, RootRefusal::fileSystemRoot, ""},
        {[](const Path& h) { return h.parent_path(); }, RootRefusal::holdsHome, ""},
        {[](const Path& h) { return h / "Documents"; }, RootRefusal::layoutFolder, "Documents"},
        {[](const Path& h) { return h / ".local"; }, RootRefusal::holdsLayoutFolder, "data"},
        {[](const Path& h) { return makeSymlink(h, h / "c"); }, RootRefusal::home, ""},
    };
    if (::geteuid() == 0)  // another user's folder
        cases.push_back({[](const Path& h) {
                             const Path theirs = makeDir(h.parent_path() / "theirs");
                             ::chown(theirs.c_str(), 65534, 65534);
                             return theirs;
                         },
                         RootRefusal::notOwned, ""});
    for (const Case& c : cases) {
        TempDir base;
        const Path home = base / "home";
        for (const char* kept :
             {"Documents/thesis.tex", ".local/share/Trash/files/old", ".config/app.conf"})
            writeText(home / kept, "keep");
        const Path named = c.cache(home);
        const Layout layout = Layout::freedesktop(home, {{"XDG_CACHE_HOME", named.native()}});
        SCOPED_TRACE(named);
        const auto before = snapshot(home);
        const JunkScan scan = QuickCleanEngine(layout).scan();
        EXPECT_TRUE(scan.items.empty());
        EXPECT_EQ(scan.report.refused, (std::vector<RootProblem>{{named, c.reason, c.other}}));
        EXPECT_EQ(snapshot(home), before);
    }
}

TEST(QuickCleanRootsTest, ACachesFolderLinkedToAnotherDiskIsStillCleaned) {
    TempHome home;
    TempDir disk;
    writeFile(disk / "cache/app/data", 20000);
    makeSymlink(disk / "cache", home / ".cache");
    const QuickCleanEngine engine(home.layout());
    const JunkScan scan = engine.scan();
    ASSERT_EQ(urls(scan.items), (std::vector<Path>{home / ".cache/app"}));
    EXPECT_TRUE(scan.report.refused.empty());
    EXPECT_GT(engine.clean(scan.items).freed, 0);
    EXPECT_FALSE(test::exists(disk / "cache/app"));
}

TEST(QuickCleanRootsTest, ASandboxCacheIsOneNamedItemCheckedAsAJunkFolderAndEmptied) {
    TempHome home;
    const Path apps = home / ".var/app";
    writeFile(apps / "org.gimp.GIMP/cache/fontconfig/cache-7", 30000);
    writeText(apps / "org.gimp.GIMP/config/gimprc", "keep");
    writeText(home / ".local/share/applications/org.gimp.GIMP.desktop",
              "[Desktop Entry]\nType=Application\nName=GNU Image Manipulation Program\n"
              "Exec=sh\n");
    writeFile(apps / "org.example.Unnamed/cache/blob", 10000);
    makeDir(apps / "org.example.Empty/cache");
    makeDir(apps / "org.example.NoCache/data");
    writeFile(home / ".cache/shared/blob", 5000);
    // The application writes its own folder: a link there to the user's work is never followed.
    writeFile(home / "Projects/thesis.tex", 40000);
    makeSymlink(home / "Projects", apps / "org.example.Linked/cache");

    const QuickCleanEngine engine(home.layout());
    const JunkScan scan = engine.scan();
    ASSERT_EQ(urls(scan.items),
              (std::vector<Path>{apps / "org.gimp.GIMP/cache", apps / "org.example.Unnamed/cache",
                                 home / ".cache/shared"}));
    EXPECT_EQ(scan.items[0].app, "org.gimp.GIMP");
    EXPECT_EQ(scan.items[0].appName, "GNU Image Manipulation Program");
    EXPECT_EQ(scan.items[1].appName, "org.example.Unnamed") << "no entry: the ID is the name";
    EXPECT_EQ(scan.items[0].size, FileSystemHelper::directorySize(apps / "org.gimp.GIMP/cache"));
    EXPECT_EQ(scan.report.refused, (std::vector<RootProblem>{{apps / "org.example.Linked/cache",
                                                              RootRefusal::unreadable, ""}}));

    JunkItem unticked = scan.items[0];
    unticked.isSelected = false;
    EXPECT_EQ(engine.clean({unticked}).done, 0) << "an unticked cache stays";
    // Emptied, not removed: the application finds its folder where it left it.
    writeFile(apps / "org.example.Unnamed/cache/new-since", 100);
    const RemovalOutcome outcome = engine.clean({scan.items[0], scan.items[1]});
    EXPECT_EQ(outcome.freed, scan.items[0].size);
    EXPECT_EQ(mapped(outcome.left, [](const LeftItem& l) { return l.url; }),
              std::vector<Path>{apps / "org.example.Unnamed/cache"})
        << "a cache that changed since the scan stays";
    EXPECT_TRUE(test::exists(apps / "org.gimp.GIMP/cache"));
    EXPECT_FALSE(test::exists(apps / "org.gimp.GIMP/cache/fontconfig"));
    EXPECT_EQ(readText(apps / "org.gimp.GIMP/config/gimprc"), "keep");
    // An item pointing elsewhere than its application's own cache folder is never acted on.
    JunkItem forged = scan.items[1];
    forged.app = "org.example.Linked";
    forged.url = apps / "org.example.Linked/cache";
    EXPECT_EQ(engine.clean({forged}).done, 0);
    EXPECT_TRUE(test::exists(home / ".cache/shared/blob"));
    EXPECT_TRUE(test::exists(home / "Projects/thesis.tex"));
}

TEST(JunkSplitTest, OnlyAnExactNameOfARunningApplicationBlocksAnItem) {
    // A sandbox cache goes by its application's ID, whatever its folder is called.
    auto item = [](const std::string& name, bool selected = true, bool sandbox = false) {
        const std::string app = sandbox ? name : "";
        const Path url = sandbox ? "/h/.var/app/" + name + "/cache" : "/h/.cache/" + name;
        return JunkItem{Uuid::random(), url, 10, CleanCategory::appCache, selected, {}, app, app};
    };
    const RunningApps::Map running{{"com.example.editor", "Editor"},
                                   {"org.beta.app", "beta"},
                                   {"org.alpha.app", "Alpha"},
                                   {"thunderbird", "Thunderbird"},
                                   {"org.flat.running", "Flat"}};
    auto split = splitByRunningApps(
        {item("com.example.Editor"), item("com.example.editor.agent"), item("Editor"),
         item("org.beta.app"), item("ORG.ALPHA.APP"), item("org.alpha.app"),
         item("thunderbird", false), item("plain"), item("org.Flat.Running", true, true),
         item("org.flat.Idle", true, true)},
        running);
    EXPECT_EQ(urls(split.toClean),
              (std::vector<Path>{"/h/.cache/com.example.editor.agent", "/h/.cache/Editor",
                                 "/h/.cache/plain", "/h/.var/app/org.flat.Idle/cache"}));
    EXPECT_EQ(split.skippedApps, (std::vector<std::string>{"Alpha", "Editor", "Flat", "beta"}))
        << "each name once, in code-point order; unselected items name nothing";
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, QuickCleanEngineTest,
                         ::testing::Values(LayoutKind::freedesktop, LayoutKind::macos),
                         [](const auto& info) { return std::string(rawValue(info.param)); });

}  // namespace
}  // namespace tornivo
