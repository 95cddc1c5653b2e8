#include "platform/Exclusions.h"

#include <sys/mount.h>

#include "CoreChecks.h"
#include "platform/PreferencesStore.h"

namespace tornivo {
namespace {

using namespace test;

class ExclusionsTest : public ::testing::Test {
  protected:
    TempDir dir;
    PreferencesStore store{dir / "settings.json"};
};

TEST_F(ExclusionsTest, AProtectedFolderProtectsItselfWhatLiesBelowAndWhatHoldsItAndComesOnce) {
    Exclusions ex(store);
    EXPECT_FALSE(ex.isProtected("/Users/a/Work")) << "an empty list protects nothing";
    EXPECT_TRUE(ex.add("/Users/a/Work"));
    for (const char* yes : {"/Users/a/Work", "/Users/a/Work/x/y.txt", "/Users/a/Work/",
                            "/Users/a/Other/../Work/./z", "/Users/a", "/"})
        EXPECT_TRUE(ex.isProtected(yes)) << yes;
    for (const char* no :
         {"/Users/a/Workshop/z", "/Users/a/Work/../Other/f", "/Users/a/work/f", "/Users/b"})
        EXPECT_FALSE(ex.isProtected(no)) << no;
    EXPECT_TRUE(ex.covers("/Users/a/Work/x"));
    EXPECT_FALSE(ex.covers("/Users/a")) << "holding a protected folder is not lying in one";

    // An equal folder is not added again, nor written.
    ex.add("/home/a/Caf\xc3\xa9");  // precomposed é
    store.set("marker", 1);
    const auto before = readText(store.file());
    for (const char* same : {"/Users/a/Work/", "/Users/a/./Work", "/home/a/Cafe\xcc\x81/"})
        EXPECT_FALSE(ex.add(same)) << same;
    EXPECT_TRUE(ex.isProtected("/home/a/Cafe\xcc\x81/menu.txt")) << "canonically equivalent";
    EXPECT_EQ(readText(store.file()), before);
    EXPECT_EQ(ex.folders(), (std::vector<Path>{"/Users/a/Work", "/home/a/Caf\xc3\xa9"}));
    ex.add("/");
    EXPECT_TRUE(ex.isProtected("/home/a/.cache/x")) << "the root folder protects everything";
}

TEST_F(ExclusionsTest, AFolderReachedOrProtectedThroughALinkIsStillProtected) {
    const Path real = test::makeDir(dir / "real-home/Documents/keep");
    const Path linkedHome = test::makeSymlink(dir / "real-home", dir / "home");
    const Path linkToKeep = test::makeSymlink(real, dir / "real-home/shortcut");
    Exclusions byLink(store);
    byLink.add(linkToKeep);
    EXPECT_TRUE(byLink.isProtected(real / "a.txt")) << "protected as a link, reached directly";
    EXPECT_TRUE(byLink.isProtected(dir / "real-home/Documents")) << "it holds the folder";

    // Protected as it is, reached through a linked home, and through spellings the kernel
    // resolves otherwise than the text reads: ".." after a link leaves its target, and a bind
    // mount shows the same folders elsewhere. A link is removed as a link, not its target.
    PreferencesStore second(dir / "second.json");
    Exclusions byPath(second);
    byPath.add(real);
    const Path hop = test::makeSymlink(dir / "real-home/Documents", dir / "hop");
    for (const Path& p : {linkedHome / "Documents/keep/a.txt", linkedHome / "Documents",
                          hop / "../Documents/keep/a.txt", hop / "../Documents"})
        EXPECT_TRUE(byPath.isProtected(p)) << p;
    for (const Path& p : {linkedHome / "Music", linkToKeep})
        EXPECT_FALSE(byPath.isProtected(p)) << p;
    const Path alias = test::makeDir(dir / "alias");
    TORNIVO_EXPECT_IN_MOUNT_NAMESPACE([&](std::string& report) {
        if (!mountOrSay((dir / "real-home").c_str(), alias, nullptr, MS_BIND, nullptr, report))
            return kSkipExit;
        for (const Path& p : {alias / "Documents/keep/a.txt", alias / "Documents"})
            if (!byPath.isProtected(p)) report += p.native() + " is not protected\n";
        if (byPath.isProtected(alias / "Music")) report += "Music is protected\n";
        return report.empty() ? 0 : 1;
    });
}

TEST_F(ExclusionsTest, FoldersSurviveARestartInOrderAndRemovalWritesEvenWhenNothingMatched) {
    {
        Exclusions ex(store);
        for (const char* folder : {"/b", "/a/", "/odd/\xff\\name"}) ex.add(folder);
    }
    EXPECT_EQ(store.stringList(Exclusions::kKey),
              (std::vector<std::string>{"/b", "/a", "/odd/\\xff\\\\name"}));
    Exclusions restarted(store);
    EXPECT_EQ(restarted.folders(), (std::vector<Path>{"/b", "/a", Path("/odd/\xff\\name")}));
    EXPECT_TRUE(restarted.isProtected(Path("/odd/\xff\\name/file")));
    EXPECT_FALSE(restarted.isProtected(Path("/odd/\xfe\\name/file")));

    restarted.remove("/b/");
    store.remove(Exclusions::kKey);
    restarted.remove("/never-listed");
    EXPECT_EQ(store.stringList(Exclusions::kKey),
              (std::vector<std::string>{"/a", "/odd/\\xff\\\\name"}));
}

TEST_F(ExclusionsTest, AListThatCannotBeReadWhollyKeepsItsGoodEntriesAndRefusesToBeWritten) {
    // Each value as stored under the key; a null one stands for a file cut short.
    const std::pair<nlohmann::json, std::string> cases[] = {
        {"/not/a/list", "holds a \"protectedFolders\" that is not a list"},
        {nlohmann::json::array({"/ok", 5, "/fine"}),
         "holds an entry of \"protectedFolders\" that is not an absolute path (entry 2)"},
        {nlohmann::json::array({"/ok", "relative", "/fine"}),
         "holds an entry of \"protectedFolders\" that is not an absolute path (entry 2)"},
        {nullptr, "is not valid JSON"},
    };
    for (const auto& [value, what] : cases) {
        SCOPED_TRACE(what);
        std::filesystem::remove(store.file());
        if (value.is_null()) writeText(store.file(), "{\"protectedFolders\": [\"/ok\"");
        if (!value.is_null()) store.set(Exclusions::kKey, value);
        const std::string before = test::readText(store.file());
        Exclusions ex(store);
        EXPECT_EQ(ex.problem(), (ProtectionProblem{store.file(), what}));
        EXPECT_FALSE(ex.add("/new"));
        EXPECT_FALSE(ex.remove("/ok"));
        EXPECT_EQ(test::readText(store.file()), before) << "what could not be read stays";
        if (what.find("entry 2") != std::string::npos) {
            EXPECT_EQ(ex.folders(), (std::vector<Path>{"/ok", "/fine"}))
                << "no valid entry is dropped for an invalid neighbour";
        }
    }
}

}  // namespace
}  // namespace tornivo
