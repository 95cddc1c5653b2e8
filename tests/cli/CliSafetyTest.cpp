// What the command line promises about removal and mistakes: a usage error gets status 2, one
// line naming what was wrong and touches nothing; nothing is removed or moved without --clean or
// --keep-first; protected folders and running applications' junk stay; progress only ever goes
// to a terminal.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <map>

#include "CliHome.h"
#include "SystemFixtures.h"
#include "platform/PathText.h"

namespace tornivo::test {
namespace {

using namespace ::testing;

class CliSafetyTest : public ::testing::TestWithParam<LayoutKind> {
  protected:
    CliHome home{GetParam(), true};
    Path downloads() const { return *home.layout().downloads; }
    Path documents() const { return *home.layout().documents; }
};

// A usage error; the message names the command of args[0], or none when `general`.
struct Mistake {
    std::vector<std::string> args;
    std::string text;
    bool general = false;

    std::string message() const {
        const std::string command = general ? "" : " " + args[0];
        return "tornivo-cli" + command + ": " + text + " (see 'tornivo-cli" + command +
               " --help')\n";
    }
};

// Neither a usage error nor a removal while the protected folders cannot be read touches a thing.
TEST_P(CliSafetyTest, UsageErrorsExitWith2AndOneLineAndUnreadableProtectionsRemoveNothing) {
    const std::vector<Mistake> mistakes = {
        {{"junk", "--clean", "--force"}, "unknown option '--force'"},
        {{"junk", "--clean", "now"}, "unexpected argument 'now'"},
        {{"junk", "--clean=yes"}, "--clean takes no value"},
        {{"large", "--min-size", "-5"},
         "--min-size '-5' is negative: give a whole number of bytes, 0 or more"},
        {{"large", "--min-size", "99999999999999999999"},
         "--min-size '99999999999999999999' is too large: give a whole number of bytes, 0 or more"},
        {{"large", "--older-than-months"}, "--older-than-months needs a value"},
        {{"large", "--older-than-months", "2147483648"},
         "--older-than-months '2147483648' is too large: give a whole number of months, 0 or more"},
        {{"duplicates", "--keep-first", "--min-size", "0"},
         "--min-size '0' is too small: give a whole number of bytes, 1 or more (empty files are "
         "never duplicates)"},
        {{"duplicates", "--keep-first", "Documents", "Nowhere"}, "ROOT 'Nowhere' is not a folder"},
        {{"duplicates", "--keep-first", ""}, "ROOT is empty"},
        {{"frobnicate"}, "unknown command 'frobnicate'", true},
        {{"--frobnicate", "junk"}, "unknown option '--frobnicate'", true},
        {{"--layout", "windows", "junk"},
         "--layout 'windows' is not a layout: give macos or freedesktop",
         true},
        {{}, "no command given", true},
        {{"protect"}, "give list, add PATH... or remove PATH..."},
        {{"protect", "add"}, "add needs at least one PATH"},
        {{"protect", "add", "Downloads", "Nowhere"}, "PATH 'Nowhere' is not a folder"},
        {{"protect", "remove", "Downloads"}, "PATH 'Downloads' is not protected"},
        {{"protect", "list", "Downloads"}, "list takes no argument: 'Downloads'"},
        {{"junk", "--evil=\x1b[2J"}, "unknown option '--evil'"},
        {{"\x1b]0;x\a"}, "unknown command '\\x1b]0;x\\x07'", true},
        {{"developer", "--clean", "--days", "100001"},
         "--days '100001' is too large: give a whole number of days, 0 to 100000"},
        {{"developer", "--clean", "all"}, "unexpected argument 'all'"},
        {{"apps", "Editor"}, "unexpected argument 'Editor'"},
        {{"inspect"}, "give APP: the name or the path of an application"},
        {{"inspect", ""}, "APP is empty"},
        {{"inspect", "Editor", "Viewer"}, "unexpected argument 'Viewer'"},
        {{"trash", "--all"}, "unknown option '--all'"},
        {{"trash", "restore"}, "restore needs --last: only the last move can be put back"},
        {{"trash", "--last"}, "--last goes with restore"},
        {{"shred"}, "--yes is needed: what shred erases cannot be brought back"},
        {{"shred", "--passes", "2", "--yes"},
         "--passes '2' is not a pass count on offer: give 1, 3 or 7"},
        {{"shred", "--yes", "--passes=8"}, "--passes '8' is too large: give 1, 3 or 7"},
        {{"shred", "--yes", "--passes", "0"}, "--passes '0' is too small: give 1, 3 or 7"},
        {{"shred", "--yes", "--passes", "three"},
         "--passes 'three' is not a whole number: give 1, 3 or 7"},
        {{"shred", "--yes=no"}, "--yes takes no value"},
        {{"shred", "--yes", "now"}, "unexpected argument 'now'"},
    };
    // Something for the removing commands to remove.
    home.addBuildOutputs();
    writeFile(home.layout().trashFiles / "kept.txt", 4096);
    auto before = snapshot(home.home());
    for (const auto& mistake : mistakes) {
        std::vector<std::string> args = mistake.args;
        EXPECT_EQ(home.run(args), (CliResult{2, "", mistake.message()}));
        args.insert(args.begin(), "--json");
        EXPECT_EQ(home.run(args), (CliResult{2, "", mistake.message()}));
    }
    EXPECT_EQ(snapshot(home.home()), before);
    EXPECT_FALSE(test::exists(home.settingsFile()));

    writeText(home.settingsFile(), "{\"protectedFolders\": [\"/ok\", 5]}");
    before = snapshot(home.home());
    const std::string because =
        "the protected folders cannot be read: " + home.settingsFile().native() +
        " holds an entry of \"protectedFolders\" that is not an absolute "
        "path (entry 2) (mend or remove that file";
    for (const std::vector<std::string>& removal : {std::vector<std::string>{"junk", "--clean"},
                                                    {"developer", "--clean"},
                                                    {"duplicates", "--keep-first"},
                                                    {"shred", "--yes"}})
        EXPECT_EQ(home.run(removal), (CliResult{1, "",
                                                "tornivo-cli " + removal[0] +
                                                    ": nothing removed: " + because + ")\n"}));
    EXPECT_EQ(home.run({"protect", "add", documents().native()}),
              (CliResult{1, "", "tornivo-cli protect: " + because + " first)\n"}));
    EXPECT_EQ(snapshot(home.home()), before);
    EXPECT_EQ(home.run({"junk"}).status, 0) << "looking still works";
}

TEST_P(CliSafetyTest, JunkCleanRemovesAllButProtectedItemsAndThoseOfRunningApplications) {
    // Named after this program, which is running while it cleans.
    writeFile(home.caches() / "Tornivo-CLI/state", 64 * 1024);
    ASSERT_TRUE(home.protect(home.caches() / "org.example.Editor"));
    const Json listed = home.json({"junk"});
    ByteCount expectedFreed = 0;
    for (const auto& item : listed["items"])
        if (decodePathText(item["url"].get<std::string>()).filename() != "Tornivo-CLI")
            expectedFreed += item["size"].get<ByteCount>();

    const Json cleaned = home.json({"junk", "--clean"});
    EXPECT_EQ(cleaned, Json({{"freed", expectedFreed},
                             {"skippedRunningApps", {"tornivo-cli"}},
                             {"left", Json::array()}}));
    EXPECT_TRUE(test::exists(home.caches() / "org.example.Editor/cache.db"));
    // What went is gone and what ran is still there: a second clean frees nothing and names it.
    EXPECT_EQ(home.run({"junk", "--clean"}),
              (CliResult{0, "Freed 0 KB.\nLeft alone while they run: tornivo-cli\n"}));
}

TEST_P(CliSafetyTest, KeepFirstTrashesOnlyLaterUnprotectedCopiesAndFailsWhenNoneCanGo) {
    // Documents protected: its copy stays, and a group of one unprotected file is no group.
    ASSERT_EQ(home.run({"protect", "add", "Documents"}).status, 0);
    EXPECT_EQ(home.run({"duplicates", "--keep-first"}),
              (CliResult{0,
                         "No duplicates found.\nKept the first file of each group; moved 0 "
                         "files to the Trash.\n"}));
    ASSERT_EQ(home.run({"protect", "remove", "Documents"}).status, 0);

    // A file where the Trash folder would be: nothing can be moved there, nothing is deleted
    // (both copies are still found a group below).
    writeText(home.layout().trash, "not a folder");
    const CliResult failed = home.run({"--json", "duplicates", "--keep-first"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(Json::parse(failed.out)["trashed"], 0);
    EXPECT_EQ(failed.err, "tornivo-cli duplicates: no copy could be moved to the Trash\n");
    std::filesystem::remove(home.layout().trash);

    const Json result = home.json({"duplicates", "--keep-first"});
    EXPECT_EQ(result["trashed"], 1);
    ASSERT_EQ(result["groups"].size(), 1u);
    EXPECT_TRUE(test::exists(downloads() / "copy-b.bin")) << "found first: Downloads comes first";
    EXPECT_EQ(readText(home.trashFiles() / "copy-a.bin"), std::string(17 * 64 * 1024, 'd'));
    EXPECT_EQ(home.json({"duplicates"})["groups"].size(), 0u) << "the later copy is gone";
}

TEST_P(CliSafetyTest, ProgressGoesToATerminalOnlyAndNeverIntoTheOutput) {
    home.addBuildOutputs();
    for (const char* command : {"xray", "duplicates", "large", "developer"}) {
        const CliResult piped = home.run({"--json", command});
        const CliResult shown = home.run({"--json", command}, true);
        EXPECT_EQ(piped.err, "") << command;
        EXPECT_EQ(shown.status, 0) << command;
        EXPECT_EQ(home.masked(Json::parse(shown.out)), home.masked(Json::parse(piped.out)))
            << command;
        // Drawn in place and erased at the end.
        EXPECT_THAT(shown.err,
                    AllOf(StartsWith("\r\x1b[K"), EndsWith("\r\x1b[K"), HasSubstr(" s  ")))
            << command;
    }
    EXPECT_EQ(home.run({"junk"}, true).err, "") << "a quick command draws nothing";
}

TEST_P(CliSafetyTest, DeveloperCleanDeletesUnprotectedIdleOutputsOnlyNeverSources) {
    const auto outputs = home.addBuildOutputs();
    const Json listed = home.json({"developer"})["projects"];
    ASSERT_EQ(listed.size(), 3u);
    ASSERT_EQ(decodePathText(listed[1]["url"].get<std::string>()), outputs.inactive[1]);
    std::map<std::string, std::string> sources;
    for (const Path& source : outputs.sources) sources[source.native()] = readText(source);
    ASSERT_TRUE(home.protect(outputs.inactive[0]));

    // Ten thousand days reach back past every output: all are active, none goes.
    const Json nothing = {{"freed", 0}, {"left", Json::array()}};
    EXPECT_EQ(home.json({"developer", "--clean", "--days", "10000"}), nothing);
    EXPECT_TRUE(test::exists(outputs.inactive[1]));

    EXPECT_EQ(home.json({"developer", "--clean"}),
              Json({{"freed", listed[1]["size"]}, {"left", Json::array()}}));
    // Each clean frees exactly the one output it may remove: the protected one stayed, the one
    // deleted is gone, and at the end nothing idle is left.
    ASSERT_EQ(home.run({"protect", "remove", outputs.inactive[0].native()}).status, 0);
    EXPECT_EQ(home.json({"developer", "--clean"}),
              Json({{"freed", listed[0]["size"]}, {"left", Json::array()}}));

    EXPECT_TRUE(test::exists(outputs.active /
                             (GetParam() == LayoutKind::macos ? "Index/data" : "lib/index.js")));
    for (const auto& [source, text] : sources) EXPECT_EQ(readText(source), text) << source;
    EXPECT_EQ(readText(home.caches() / "org.example.Editor/cache.db").size(), 11u * 1'048'576);

    // Nothing idle is left: nothing to delete is no failure.
    EXPECT_EQ(home.run({"developer", "--clean"}), (CliResult{0, "Freed 0 KB.\n"}));
}

TEST_P(CliSafetyTest, ShredErasesEveryItemOfTheTrashTheEnvironmentNamesAndNothingElse) {
    // The Trash of the data folder XDG_DATA_HOME names (macos keeps its own, ~/.Trash).
    const Path data = home.home() / "data";
    home.setVariable("XDG_DATA_HOME", data.native());
    const bool macos = GetParam() == LayoutKind::macos;
    const Path trash = macos ? home.home() / ".Trash" : data / "Trash/files";
    const Path elsewhere = macos ? home.home() / ".local/share/Trash/files/other.txt"
                                 : home.home() / ".Trash/other.txt";
    writeFile(trash / "secret.txt", 12 * 1024, 's');
    writeFile(trash / "folder/inner.bin", 8 * 1024, 'i');
    writeText(trash / ".hidden", "h");
    writeFile(elsewhere, 4096, 'o');
    // The restore record of a freedesktop Trash; nothing of the macos one.
    writeText(data / "Trash/info/secret.txt.trashinfo", "[Trash Info]\n");

    const Json outcome = home.json({"shred", "--passes", "3", "--yes"});
    // Every byte each file takes on disk: the one-byte file takes a block.
    EXPECT_EQ(outcome,
              Json({{"count", 3}, {"bytes", (12 + 8 + 4) * 1024}, {"left", Json::array()}}));
    EXPECT_EQ(test::exists(data / "Trash/info/secret.txt.trashinfo"), macos)
        << "the restore record goes with its item";
    EXPECT_EQ(readText(elsewhere), std::string(4096, 'o'));
    EXPECT_EQ(readText(downloads() / "copy-b.bin").size(), 17u * 64 * 1024);

    // The table tells what was erased (of a Trash emptied above), then that nothing is left.
    writeFile(trash / "a.txt", 8 * 1024, 'a');
    writeFile(trash / "b.txt", 4 * 1024, 'b');
    EXPECT_EQ(home.run({"shred", "--yes"}),
              (CliResult{0, "Erased 2 items of 2, 12 KB overwritten once.\n"}));
    writeFile(trash / "c.txt", 4 * 1024, 'c');
    EXPECT_EQ(home.run({"shred", "--yes", "--passes=7"}),
              (CliResult{0, "Erased 1 item of 1, 4 KB overwritten 7 times.\n"}));
    EXPECT_EQ(home.run({"shred", "--yes"}), (CliResult{0, "The Trash is empty.\n"}));
}

TEST_P(CliSafetyTest, AnItemHoldingAProtectedFolderStaysWhateverRemovesIt) {
    const auto outputs = home.addBuildOutputs();
    const Path cache = home.caches() / "org.example.Editor";
    writeText(cache / "keep/notes.txt", "mine");
    writeText(outputs.inactive[1] / "keep/notes.txt", "mine");
    const Path trashed = writeText(home.layout().trashFiles / "album/keep/photo.jpg", "mine");
    for (const Path& kept : {cache / "keep", outputs.inactive[1] / "keep", trashed.parent_path()})
        ASSERT_TRUE(home.protect(kept)) << kept;

    EXPECT_EQ(home.run({"junk", "--clean"}).status, 0);
    EXPECT_EQ(readText(cache / "keep/notes.txt"), "mine");
    EXPECT_FALSE(test::exists(home.caches() / "thumbnails.db"));
    EXPECT_EQ(home.run({"developer", "--clean"}).status, 0);
    EXPECT_EQ(readText(outputs.inactive[1] / "keep/notes.txt"), "mine");
    EXPECT_FALSE(test::exists(outputs.inactive[0]));
    EXPECT_TRUE(home.json({"trash"})["items"].empty()) << "a protected item is not listed";
    EXPECT_EQ(home.run({"shred", "--yes"}).status, 0);
    EXPECT_EQ(readText(trashed), "mine");
}

TEST_P(CliSafetyTest, AJunkFolderThatIsTheHomeIsRefusedWithAReason) {
    if (GetParam() == LayoutKind::macos) GTEST_SKIP() << "macos junk folders are fixed";
    home.setVariable("XDG_CACHE_HOME", home.home().native());
    auto before = snapshot(home.home());
    const Path log = home.layout().junkRoots.at(1).folder / "Xorg.0.log";
    before.erase(log.native());  // the logs folder is checked on its own, and it is fine
    for (const auto& args : {std::vector<std::string>{"junk"}, {"junk", "--clean"}}) {
        const CliResult refused = home.run(args);
        EXPECT_EQ(refused.status, 1) << args.size();
        EXPECT_EQ(refused.err, "tornivo-cli junk: left alone: " + home.home().native() +
                                   " is the home folder\n");
    }
    EXPECT_FALSE(test::exists(log));
    EXPECT_EQ(snapshot(home.home()), before);
}

TEST_P(CliSafetyTest, ShredSaysWhatItCouldNotEraseAndFails) {
    writeFile(home.layout().trashFiles / "stuck/data", 4096);
    writeFile(home.layout().trashFiles / "plain", 4096);
    const Path mountPoint = makeDir(home.layout().trashFiles / "stuck/mnt");
    const ChildOutcome outcome = inMountNamespace([&](std::string& report) {
        // A folder with a mount in it cannot go as a whole.
        if (!mountOrSay("tmpfs", mountPoint, "tmpfs", 0, "size=1m", report)) return kSkipExit;
        const CliResult shred = home.run({"shred", "--yes"});
        if (shred == CliResult{1, "Erased 1 item of 2, 8 KB overwritten once.\n",
                               "tornivo-cli shred: left " + mountPoint.parent_path().native() +
                                   ": on another file system\ntornivo-cli shred: 1 item could "
                                   "not be erased and stayed in the Trash\n"})
            return 0;
        report += ::testing::PrintToString(shred);
        return 1;
    });
    if (outcome.skipped) GTEST_SKIP() << outcome.report;
    EXPECT_TRUE(outcome.passed) << outcome.report;
}

TORNIVO_IN_BOTH_LAYOUTS(CliSafetyTest);

// Ctrl-C and SIGTERM stop the work at its next mark: the command says what it did, touches
// nothing more and ends at once with 128 + the signal, never killed by it.
TEST(CliSignalTest, ASignalStopsTheWorkAtOnceWith128PlusItsNumber) {
    CliHome home(LayoutKind::freedesktop, true);
    // Two identical sparse files take the duplicate finder many seconds to read.
    for (const char* name : {"big-a.img", "big-b.img"})
        std::filesystem::resize_file(writeFile(*home.layout().downloads / name), 16ull << 30);
    const CliResult scan = home.run({"duplicates"}, false, SIGTERM, std::chrono::milliseconds(400));
    EXPECT_LT(scan.afterSignal.count(), 1000);
    // Not killed by it, and a scan cut short lists nothing.
    EXPECT_EQ(scan, (CliResult{143, "",
                               "tornivo-cli duplicates: stopped by SIGTERM; nothing more was "
                               "touched\n",
                               false, scan.afterSignal}));

    // Seven passes over 2 x 256 MiB of data outlast the signal. Each file is then either whole
    // or gone, never kept half-written; one not reached is said to be so.
    const std::map<std::string, char> files = {{"one.bin", '1'}, {"two.bin", '2'}};
    for (const auto& [name, fill] : files) writeFile(home.trashFiles() / name, 256u << 20, fill);
    const CliResult shred = home.run({"shred", "--yes", "--passes", "7"}, false, SIGINT,
                                     std::chrono::milliseconds(400));
    EXPECT_FALSE(shred.killed);
    EXPECT_EQ(shred.status, 130) << shred.err;
    EXPECT_LT(shred.afterSignal.count(), 1000);
    EXPECT_THAT(shred.out, StartsWith("Erased "));
    EXPECT_THAT(shred.err, EndsWith("stopped by SIGINT; nothing more was touched\n"));
    int stayed = 0;
    for (const auto& [name, fill] : files) {
        const Path file = home.trashFiles() / name;
        if (!test::exists(file)) continue;
        ++stayed;
        EXPECT_EQ(readText(file), std::string(256u << 20, fill));
        EXPECT_THAT(shred.err, HasSubstr(name + ": stopped before it was reached\n"));
    }
    EXPECT_EQ(stayed, 1) << "the file being written goes, the next is not reached";
}

}  // namespace
}  // namespace tornivo::test
