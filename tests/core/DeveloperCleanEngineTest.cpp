#include "engines/DeveloperCleanEngine.h"

#include <git2.h>

#include <algorithm>

#include "CoreChecks.h"
#include "platform/FileStatus.h"
#include "platform/FileSystemHelper.h"

namespace tornivo {
namespace {

namespace fs = std::filesystem;
using namespace test;
using namespace std::chrono_literals;

const TimePoint kNow = Clock::from_time_t(1'717'243'200);  // 1 June 2024, 12:00 UTC
const TimePoint kLongAgo = kNow - 24h * 200;
const TimePoint kYesterday = kNow - 24h;

// An output folder holding a file of `bytes`, last touched at `when`.
Path output(const Path& folder, std::size_t bytes = 8192, TimePoint when = kLongAgo) {
    writeFile(folder / "artifact.bin", bytes);
    setTreeTimes(folder, when);
    return folder;
}

// A project: its marker file, and an output folder below it holding `bytes`, long untouched.
Path project(const Path& folder, const char* marker, const Path& out, std::size_t bytes = 8192) {
    writeText(folder / marker, "marker");
    return output(folder / out, bytes);
}

std::vector<std::string> names(const DeveloperScanResult& result) {
    return mapped(result.projects, [](const DeveloperProject& p) { return p.name; });
}

// A selected record naming `folder` with the identity of `whose`, and of the folder that holds it.
DeveloperProject recordFor(const Path& folder, const Path& whose) {
    const FileIdentity identity = identityOf(whose);
    if (!identity.known()) throw std::runtime_error("no status for " + whose.string());
    return {Uuid::random(), "forged", folder,   4096, DeveloperCleanEngine::latestActivity(whose),
            false,          true,     identity, {}};
}

// --- Display names ----------------------------------------------------------------------------

TEST(DeveloperProjectNameTest, CutsOnlyAGeneratedSuffixOfTwentyOrMoreLettersOrDigitsOfAnyScript) {
    std::string e19, digits20;
    for (int i = 0; i < 19; ++i) e19 += "\xc3\xa9";       // é: two bytes, one letter
    for (int i = 0; i < 20; ++i) digits20 += "\xd9\xa3";  // Arabic-Indic three
    const std::pair<std::string, std::string> cases[] = {
        {"MyApp-abcdefghijklmnopqrstuvwxyzab", "MyApp"},
        {"my-app-0123456789abcdefghij", "my-app"},
        {"MyApp-abcdefghijklmnopqrs", "MyApp-abcdefghijklmnopqrs"},  // 19 letters
        {"MyApp-abcdefghij_klmnopqrstuvw", "MyApp-abcdefghij_klmnopqrstuvw"},
        {"tool-version2", "tool-version2"},
        {"NoDashAtAllButVeryLongIndeed", "NoDashAtAllButVeryLongIndeed"},
        {"-abcdefghijklmnopqrstuvwxyz", "-abcdefghijklmnopqrstuvwxyz"},  // would leave no name
        {"App-" + e19, "App-" + e19},  // 38 bytes, but only 19 letters
        {"App-" + e19 + "\xc3\xa9", "App"},
        {"App-" + digits20, "App"},
        {"App-abcdefghijklmnopqrs\xff", "App-abcdefghijklmnopqrs\xff"},
    };
    for (const auto& [folder, name] : cases)
        EXPECT_EQ(DeveloperCleanEngine::projectName(folder), name) << folder;
}

// --- Projects as the screen lists them --------------------------------------------------------

TEST(DeveloperGroupsTest, EachProjectShowsOncePerSideAndItsTickCoversOnlyItsIdleOutputs) {
    auto out = [](const char* project, const char* place, ByteCount size, bool active) {
        const Path folder(project);
        return DeveloperProject{Uuid::random(), "", folder / place, size, {}, active,
                                !active,        {}, folder};
    };
    DeveloperScanResult result{{out("/h/a", "target", 50, false), out("/h/b", "build", 40, false),
                                out("/h/a", "node_modules", 30, false),
                                out("/h/a", "build", 20, true)}};
    // An output that is a project of its own (the IDE's folders) keeps its record's name.
    result.projects.push_back(
        {Uuid::random(), "Legacy", "/h/DD/Legacy-x", 10, {}, false, true, {}, {}});
    result.projects[2].lastActivity = kYesterday;

    auto groups = result.groups();
    using Row = std::tuple<std::string, bool, ByteCount>;  // name, in use, size
    ASSERT_EQ(mapped(groups, [](const auto& g) { return Row(g.name(), g.isActive, g.size()); }),
              (std::vector<Row>{
                  {"a", false, 80}, {"b", false, 40}, {"Legacy", false, 10}, {"a", true, 20}}));
    EXPECT_EQ(groups[0].outputs, (std::vector{result.projects[0], result.projects[2]}));
    EXPECT_EQ(groups[0].lastActivity(), kYesterday);

    result.toggleGroup("/h/a");  // all ticked: all go
    EXPECT_EQ(mapped(result.projects, [](const auto& p) { return p.isSelected; }),
              (std::vector<bool>{false, true, false, false, true}));
    result.projects[2].isSelected = true;  // some ticked: all come
    EXPECT_EQ(result.groups()[0].selectedCount(), 1u);
    result.toggleGroup("/h/a");
    EXPECT_EQ(result.groups()[0].selectedSize(), 80);
    EXPECT_FALSE(result.projects[3].isSelected) << "an output in use is never ticked";
}

// --- Activity and the protection window -------------------------------------------------------

TEST(DeveloperActivityTest, TheFolderAndItsDirectChildrenCountNothingDeeper) {
    TempDir dir;
    const Path folder = dir / "out";
    writeFile(folder / ".hidden", 1);
    writeFile(folder / "sub/deep", 1);
    setTreeTimes(folder, kLongAgo);
    EXPECT_EQ(DeveloperCleanEngine::latestActivity(folder), kLongAgo);
    setTimes(folder / "sub/deep", kNow, kNow);
    EXPECT_EQ(DeveloperCleanEngine::latestActivity(folder), kLongAgo) << "two levels down";
    setTimes(folder / ".hidden", kYesterday, kYesterday);
    EXPECT_EQ(DeveloperCleanEngine::latestActivity(folder), kYesterday);
    EXPECT_EQ(DeveloperCleanEngine::latestActivity(folder / ".hidden"), kYesterday) << "a file";
    EXPECT_EQ(DeveloperCleanEngine::latestActivity(dir / "missing"), TimePoint{});
}

class DerivedDataTest : public ::testing::Test {
  protected:
    TempHome home{LayoutKind::macos};
    Path derived() const { return home.layout().buildOutputFolders.at(0); }
    DeveloperScanResult scan(int days) const {
        return DeveloperCleanEngine(home.layout(), 2).scan(days, kNow);
    }
};

TEST_F(DerivedDataTest, AChangeExactlyAtTheCutOffIsInactiveAndOneJustAfterIsActive) {
    output(derived() / "AtCutOff", 8192, kNow - 24h * 3);
    output(derived() / "JustAfter", 4096, kNow - 24h * 3 + 1ns);
    output(derived() / "OldWithFreshChild", 2048);
    writeFile(derived() / "OldWithFreshChild/new.o", 2048);
    setTimes(derived() / "OldWithFreshChild/new.o", kYesterday, kYesterday);
    setTimes(derived() / "OldWithFreshChild", kLongAgo, kLongAgo);
    auto result = scan(3);
    ASSERT_EQ(names(result),
              (std::vector<std::string>{"AtCutOff", "OldWithFreshChild", "JustAfter"}));
    // Active and ticked: a child modified yesterday keeps its folder active.
    EXPECT_EQ(
        mapped(result.projects, [](const auto& p) { return std::pair(p.isActive, p.isSelected); }),
        (std::vector<std::pair<bool, bool>>{{false, true}, {true, false}, {true, false}}));
    EXPECT_EQ(result.projects[1].lastActivity, kYesterday);

    // A window below zero is no window: what changes after now is still active.
    output(derived() / "Future", 1024, kNow + 24h);
    for (const auto& p : scan(-30).projects) EXPECT_EQ(p.isActive, p.name == "Future") << p.name;
}

TEST_F(DerivedDataTest, ListsEachChildMeasuredInactiveFirstAndCleansOnlySelectedInactiveOnes) {
    EXPECT_TRUE(scan(10).projects.empty()) << "no DerivedData folder yet";
    const Path big = output(derived() / "Big-abcdefghijklmnopqrstuvwxyzab", 65536);
    const Path small = output(derived() / "Small", 8192);
    const Path active = output(derived() / "Active", 200000, kYesterday);
    writeFile(derived() / "loose.xcarchive", 20000);
    setTimes(derived() / "loose.xcarchive", kLongAgo, kLongAgo);
    output(derived() / ".hidden", 100000);
    makeDir(derived() / "empty");
    writeFile(derived() / "zero-bytes");
    makeSymlink(home.home(), derived() / "link-to-home");
    const DeveloperScanResult result = scan(10);
    ASSERT_EQ(names(result),
              (std::vector<std::string>{"Big", "loose.xcarchive", "Small", "Active"}));
    EXPECT_EQ(result.projects[0].url, big);
    EXPECT_EQ(result.projects[0].size, FileSystemHelper::directorySize(big));
    EXPECT_EQ(result.projects[1].size, allocatedSize(derived() / "loose.xcarchive"));
    EXPECT_EQ(result.projects[2].size, FileSystemHelper::directorySize(small));
    EXPECT_EQ(result.projects[3].url, active);
    for (const auto& p : result.projects) EXPECT_FALSE(p.id.isNull());

    auto projects = result.projects;
    for (auto& p : projects) p.isSelected = p.url != small;  // the active one too: it stays
    fs::remove(derived() / "loose.xcarchive");               // gone since: counts nothing
    EXPECT_EQ(DeveloperCleanEngine(home.layout()).clean(projects).freed, projects[0].size);
    EXPECT_FALSE(test::exists(big));
    EXPECT_TRUE(test::exists(small / "artifact.bin"));
    EXPECT_TRUE(test::exists(active / "artifact.bin"));
}

// --- Projects found by walking the home -------------------------------------------------------

class ProjectWalkTest : public ::testing::Test {
  protected:
    TempHome home;
    DeveloperScanResult scan(unsigned threads = 4) const {
        return DeveloperCleanEngine(home.layout(), threads).scan(10, kNow);
    }
    ByteCount clean(const std::vector<DeveloperProject>& projects) const {
        return DeveloperCleanEngine(home.layout()).clean(projects).freed;
    }
    Path outside() const { return home.home().parent_path() / "outside"; }
};

// The project's folder has a name that is not UTF-8: kept byte for byte.
TEST_F(ProjectWalkTest, AMarkerBesideItsOutputMakesOneProjectNamedByteForByteAndOnlyTheOutputGoes) {
    for (const auto& [marker, out] : {std::pair{"Cargo.toml", "target"},
                                      {"pom.xml", "target"},
                                      {"package.json", "node_modules"},
                                      {"CMakeLists.txt", "build"},
                                      {"CMakeLists.txt", "cmake-build-debug"},
                                      {"build.gradle", "build"},
                                      {"build.gradle.kts", ".gradle"},
                                      {"pyproject.toml", "__pycache__"},
                                      {"setup.py", ".tox"},
                                      {"Package.swift", ".build"},
                                      {"pubspec.yaml", ".dart_tool"},
                                      {"pubspec.yaml", "build"}}) {
        SCOPED_TRACE(std::string(marker) + " " + out);
        fs::remove_all(home / "code");
        const bool cmake = std::string_view(marker) == "CMakeLists.txt";
        const Path site = home / "code" / Path("caf\xe9-\xff");
        writeText(site / marker, "marker");
        const Path folder = output(site / out);
        writeText(home / "code/lonely-marker" / marker, "marker");
        output(home / "code/lonely-output" / out);
        // The home is no project, whatever lies in it (Gradle's own ~/.gradle, a ~/build).
        project(home.home(), marker, out);
        if (cmake) {
            // A build folder without a CMakeCache.txt; one built in place (sources, whatever its
            // name).
            project(home / "code/no-cache", marker, out);
            writeText(home / "code/in-place" / marker, "marker");
            writeText(home / "code/in-place" / out / "CMakeLists.txt", "sources");
            for (const Path& build : {folder, home / "code/lonely-output" / out, home / out,
                                      home / "code/in-place" / out})
                writeText(build / "CMakeCache.txt", "cache");
        }
        setTreeTimes(folder, kLongAgo);

        const auto result = scan();
        ASSERT_EQ(names(result),
                  std::vector<std::string>{std::string("caf\xe9-\xff (") + out + ")"});
        const DeveloperProject& p = result.projects[0];
        EXPECT_EQ(p.url.native(), folder.native());
        EXPECT_EQ(p.size, FileSystemHelper::directorySize(folder));
        EXPECT_EQ(clean(result.projects), p.size) << "ticked, so it goes";
        EXPECT_FALSE(test::exists(folder));
        EXPECT_EQ(readText(site / marker), "marker") << "sources stay";
    }
}

TEST_F(ProjectWalkTest, NestedProjectsAreFoundNamedByTheirPlaceButNothingInsideAnOutputIs) {
    // Python caches below a project are named by their place in it; loose scripts have none.
    project(home / "code/tool", "pyproject.toml", "tool/sub/__pycache__");
    output(home / "code/tool/venv/lib/python3.11/site-packages/dep/__pycache__");
    output(home / "scripts/__pycache__");
    project(home / "mono", "package.json", "node_modules", 65536);
    project(home / "mono/node_modules/dep", "package.json", "node_modules");
    project(home / "mono/packages/web", "package.json", "node_modules", 16384);
    project(home / "rust", "Cargo.toml", "target", 32768);
    project(home / "rust/target/package/crate", "Cargo.toml", "target");
    // A node_modules without its package.json is no output, and its packages are not projects.
    output(home / "node_modules/left-pad/node_modules");
    writeText(home / "node_modules/left-pad/package.json", "{}");
    // Hidden folders are not entered.
    project(home / ".local/share/app", "package.json", "node_modules");
    setTreeTimes(home / "mono/node_modules", kLongAgo);
    setTreeTimes(home / "rust/target", kLongAgo);
    const auto result = scan();
    EXPECT_EQ(names(result),
              (std::vector<std::string>{"mono (node_modules)", "rust (target)",
                                        "web (node_modules)", "tool (tool/sub/__pycache__)"}));
    // Each output belongs to the folder with its marker, however deep below it it lies.
    EXPECT_EQ(mapped(result.projects, [](const DeveloperProject& p) { return p.project; }),
              (std::vector<Path>{home / "mono", home / "rust", home / "mono/packages/web",
                                 home / "code/tool"}));
}

TEST_F(ProjectWalkTest, TheOrderOfEqualSizesIsTheSameWhateverTheThreadCount) {
    for (int i = 0; i < 40; ++i) {
        const Path folder = home / ("group" + std::to_string(i % 5)) / ("p" + std::to_string(i));
        project(folder, "package.json", "node_modules", 4096);
        for (int k = 0; k < 20; ++k) makeDir(folder / "src" / ("dir" + std::to_string(k)));
    }
    const auto single = names(scan(1));
    ASSERT_EQ(single.size(), 40u);
    for (unsigned threads : {2u, 8u, 16u}) EXPECT_EQ(names(scan(threads)), single) << threads;
}

// --- Outputs under version control ------------------------------------------------------------

class TrackedOutputTest : public ProjectWalkTest {
  protected:
    TrackedOutputTest() { git_libgit2_init(); }
    ~TrackedOutputTest() override { git_libgit2_shutdown(); }

    // Makes `repository` a git work tree whose index tracks the given files (made if missing).
    void track(const Path& repository, std::initializer_list<const char*> files) {
        git_repository* repo = nullptr;
        git_index* index = nullptr;
        ASSERT_EQ(git_repository_init(&repo, repository.c_str(), 0), 0);
        ASSERT_EQ(git_repository_index(&index, repo), 0);
        for (const char* file : files) {
            if (!test::exists(repository / file)) writeText(repository / file, "tracked");
            EXPECT_EQ(git_index_add_bypath(index, file), 0) << file;
        }
        EXPECT_EQ(git_index_write(index), 0);
        git_index_free(index);
        git_repository_free(repo);
    }
};

TEST_F(TrackedOutputTest,
       AnOutputFolderGitTracksIsNoArtifactButAnIgnoredOneIsEvenFromAboveTheHome) {
    const Path code = home / "code";
    for (const char* p : {"vendored", "ignored", "prefix"})
        project(code / p, "package.json", "node_modules");
    writeText(code / "vendored/node_modules/left-pad/index.js", "module.exports = 1;");
    track(code, {"vendored/package.json", "vendored/node_modules/left-pad/index.js",
                 "ignored/package.json", "prefix/node_modules.txt"});
    // A work tree whose .git is a file is checked in the index it points to.
    const Path tree = home / "wt";
    project(tree, "Cargo.toml", "target");
    track(tree, {"Cargo.toml", "target/keep"});
    fs::rename(tree / ".git", home / "gitdirs-wt");
    writeText(tree / ".git", "gitdir: ../gitdirs-wt\n");
    // An index that cannot be read leaves the output alone; no index tracks nothing.
    project(home / "broken", "Cargo.toml", "target");
    writeText(home / "broken/.git/index", "not an index at all");
    project(home / "fresh", "Cargo.toml", "target");
    makeDir(home / "fresh/.git");
    // A worktree whose git directory is gone tells nothing: its output stays.
    project(home / "orphan", "Cargo.toml", "target");
    writeText(home / "orphan/.git", "gitdir: ../gone\n");
    // A repository above the home still tracks its folders.
    project(home / "tool", "Cargo.toml", "target");
    project(home / "loose", "Cargo.toml", "target");
    track(home.home().parent_path(), {"home/tool/Cargo.toml", "home/tool/target/keep"});
    auto found = names(scan());
    std::sort(found.begin(), found.end());  // equal sizes: the listing's order
    EXPECT_EQ(found, (std::vector<std::string>{"fresh (target)", "ignored (node_modules)",
                                               "loose (target)", "prefix (node_modules)"}));
}

// --- Safety ------------------------------------------------------------------------------------

TEST_F(ProjectWalkTest, ALinkNamedLikeAnOutputIsNeitherFollowedNorDeleted) {
    writeText(outside() / "precious.txt", "keep me");
    writeText(home / "code/site/package.json", "{}");
    makeSymlink(outside(), home / "code/site/node_modules");
    makeSymlink(outside(), home / "code/linked-project");
    project(outside(), "package.json", "node_modules");
    EXPECT_TRUE(scan().projects.empty());
    // A record naming the link, with the identity of what it points to.
    EXPECT_EQ(
        clean({recordFor(home / "code/site/node_modules", outside()),
               recordFor(home / "code/linked-project/node_modules", outside() / "node_modules")}),
        0);
    EXPECT_EQ(readText(outside() / "precious.txt"), "keep me");
    EXPECT_TRUE(test::exists(outside() / "node_modules/artifact.bin"));
    EXPECT_TRUE(test::exists(home / "code/site/node_modules"));
}

TEST_F(ProjectWalkTest, AnOutputReplacedBetweenScanAndCleanIsNotTouched) {
    const Path site = home / "code/site";
    project(site, "package.json", "node_modules");
    writeText(outside() / "precious.txt", "keep me");
    const auto result = scan();
    ASSERT_EQ(result.projects.size(), 1u);

    // Rebuilt since: the folder's own entry unchanged, a file directly in it newer.
    writeText(site / "node_modules/artifact.bin", "rebuilt");
    EXPECT_EQ(clean(result.projects), 0);
    setTreeTimes(site / "node_modules", kLongAgo);

    // Swapped for a link to a folder outside the home.
    fs::rename(site / "node_modules", site / "moved");
    makeSymlink(outside(), site / "node_modules");
    EXPECT_EQ(clean(result.projects), 0);
    EXPECT_EQ(readText(outside() / "precious.txt"), "keep me");
    EXPECT_TRUE(test::exists(site / "moved/artifact.bin"));

    // Swapped for another folder.
    fs::remove(site / "node_modules");
    writeText(site / "node_modules/new.txt", "fresh install");
    EXPECT_EQ(clean(result.projects), 0);
    EXPECT_TRUE(test::exists(site / "node_modules/new.txt"));

    // The very folder, but reached through a project folder that is now a link.
    fs::remove_all(site / "node_modules");
    fs::rename(site / "moved", site / "node_modules");
    fs::rename(site, home / "code/real-site");
    makeSymlink(home / "code/real-site", site);
    EXPECT_EQ(clean(result.projects), 0);
    EXPECT_TRUE(test::exists(home / "code/real-site/node_modules/artifact.bin"));
}

TEST_F(ProjectWalkTest, ARecordThatNoScanCouldHaveMadeDeletesNothing) {
    const Path site = home / "code/site";
    writeText(site / "src/index.js", "source");
    const Path folder = project(site, "package.json", "node_modules");
    output(outside() / "node_modules");
    auto unknown = recordFor(folder, folder);
    unknown.identity = {};
    EXPECT_EQ(clean({unknown}), 0) << "identity unknown";
    EXPECT_EQ(clean({recordFor(site / "src", site / "src")}), 0) << "not an output";
    EXPECT_EQ(clean({recordFor(site / "node_modules/../src", site / "src")}), 0);
    EXPECT_EQ(clean({recordFor(outside() / "node_modules", outside() / "node_modules")}), 0)
        << "outside the home";
    EXPECT_EQ(clean({recordFor(home / ".hidden/node_modules", folder)}), 0);
    writeText(home / "package.json", "the home is no project");
    EXPECT_EQ(clean({recordFor(output(home / "node_modules"), home / "node_modules")}), 0);
    Layout linked = home.layout();  // a home whose path is a link
    linked.home = linked.buildOutputFolders[0] = home.home().parent_path() / "linked-home";
    makeSymlink(home.home(), linked.home);
    EXPECT_EQ(DeveloperCleanEngine(linked)
                  .clean({recordFor(linked.home / "node_modules", home / "node_modules")})
                  .freed,
              0);
    for (const Path& kept : {home / "node_modules/artifact.bin", site / "src/index.js",
                             folder / "artifact.bin", outside() / "node_modules/artifact.bin"})
        EXPECT_TRUE(test::exists(kept)) << kept;
    EXPECT_EQ(clean({recordFor(folder, folder)}), 4096) << "the genuine record still works";
}

TEST_F(ProjectWalkTest, OtherMountsAreNeitherWalkedMeasuredNorEmptied) {
    const Path site = home / "code/site";
    const Path folder = project(site, "package.json", "node_modules", 8192);
    makeDir(folder / "mnt");
    writeText(home / "code/mounted/package.json", "{}");
    makeDir(home / "code/mounted/node_modules");
    makeDir(home / "share");
    TORNIVO_EXPECT_IN_MOUNT_NAMESPACE([&](std::string& report) {
        for (const Path& at : {folder / "mnt", home / "code/mounted/node_modules", home / "share"})
            if (!mountOrSay("tmpfs", at, "tmpfs", 0, "size=4m", report)) return kSkipExit;
        writeFile(folder / "mnt/big", 1 << 20);
        writeFile(home / "code/mounted/node_modules/big", 1 << 20);
        project(home / "share/app", "package.json", "node_modules");
        setTreeTimes(folder, kLongAgo);
        auto result = scan();
        if (names(result) != std::vector<std::string>{"site (node_modules)"}) {
            for (const auto& n : names(result)) report += "found " + n + "\n";
            return 1;
        }
        if (result.projects[0].size >= (1 << 20)) report += "the mount was measured\n";
        clean(result.projects);
        if (!test::exists(folder / "mnt/big")) report += "a file on another mount was deleted\n";
        if (test::exists(folder / "artifact.bin")) report += "the output itself was kept\n";
        return report.empty() ? 0 : 1;
    });
}

}  // namespace
}  // namespace tornivo
