// Every command against the sample home, in both layouts: the table and the JSON document each
// prints, checked against reference files (TZ=UTC, LC_ALL=C.UTF-8; locations masked by name,
// so both layouts must print the same).

#include <gtest/gtest.h>

#include "CliHome.h"
#include "platform/Exclusions.h"
#include "platform/PathText.h"
#include "platform/PreferencesStore.h"

namespace tornivo::test {
namespace {

class CliCommandsTest : public ::testing::TestWithParam<LayoutKind> {
  protected:
    CliHome home{GetParam(), true};

    // The table against NAME.txt and the JSON document against NAME.json; NAME-freedesktop.txt,
    // NAME-macos.json, ... `perLayout`, for what differs between the layouts.
    void expectOutputs(std::string name, const std::vector<std::string>& args,
                       bool perLayout = false) {
        if (perLayout) name += "-" + std::string(rawValue(GetParam()));
        const CliResult plain = home.run(args);
        EXPECT_EQ(plain, (CliResult{0, plain.out})) << "status 0, nothing on standard error";
        const std::string table = home.masked(plain.out);
        EXPECT_EQ(table, expected(name + ".txt", table));
        const std::string json = home.masked(home.json(args)).dump(2) + "\n";
        EXPECT_EQ(json, expected(name + ".json", json));
    }

    bool macos() const { return GetParam() == LayoutKind::macos; }
    Path userApplications() const {
        return macos() ? home.home() / "Applications" : home.layout().dataHome / "applications";
    }

    // An application of the user's: a bundle, or a desktop entry in the user's data folder.
    void addApplication(const std::string& name, const std::string& entry, const Path& folder,
                        const std::string& extra = {}) const {
        if (macos())
            makeDir(folder / (name + ".app"));
        else
            writeText(folder / (entry + ".desktop"),
                      "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=true\n" + extra);
    }
};

TEST_P(CliCommandsTest, JunkXrayAndInstallersPrintTheirItemsKindsAndMatchedApplications) {
    for (const char* command : {"junk", "xray", "installers"}) expectOutputs(command, {command});
}

TEST_P(CliCommandsTest, LargeListsBigFilesNotOpenedForMonthsAndHonoursBothOptions) {
    expectOutputs("large", {"large", "--min-size", "10000000"});
    // Nothing reaches the default 500 MiB; every file was opened within a hundred years.
    for (const auto& [args, count] :
         {std::pair{std::vector<std::string>{"large"}, 0u},
          {{"large", "--min-size=1", "--older-than-months=1200"}, 0u},
          {{"large", "--min-size", "1", "--older-than-months", "0"}, 5u}})
        EXPECT_EQ(home.json(args)["files"].size(), count) << args.back();
}

TEST_P(CliCommandsTest, DuplicatesGroupsIdenticalFilesOfThePersonalFoldersOrTheGivenRoots) {
    expectOutputs("duplicates", {"duplicates"});
    const Path downloads = *home.layout().downloads, documents = *home.layout().documents;
    const Json reversed = home.json({"duplicates", documents.native(), downloads.native()});
    EXPECT_EQ(reversed["groups"][0]["files"], Json({encodePathText(documents / "copy-a.bin"),
                                                    encodePathText(downloads / "copy-b.bin")}))
        << "files come in the order of the roots given";
    EXPECT_EQ(home.json({"duplicates", documents.native()})["groups"].size(), 0u);
    EXPECT_EQ(home.json({"duplicates", "--min-size", "1114113"})["groups"].size(), 0u);
}

TEST_P(CliCommandsTest, StatsGivesOneSampleOfEveryFigure) {
    const Json stats = home.json({"stats"});
    std::vector<std::string> keys;
    for (const auto& [key, value] : stats.items()) {
        keys.push_back(key);
        EXPECT_GE(value.get<double>(), 0.0) << key;
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{"memoryUsedFraction", "memoryUsedBytes", "memoryTotalBytes",
                                        "cpuUsageFraction", "diskUsedFraction", "diskUsedBytes",
                                        "diskTotalBytes"}));
    const CliResult plain = home.run({"stats"});
    EXPECT_TRUE(plain.out.starts_with("FIGURE     IN USE")) << plain.out;
    for (const char* row : {"\nprocessor ", "\nmemory ", "\ndisk "})
        EXPECT_NE(plain.out.find(row), std::string::npos) << row;
}

TEST_P(CliCommandsTest, ProtectKeepsTheFoldersInTheApplicationsPreferences) {
    const Path downloads = *home.layout().downloads;
    EXPECT_EQ(home.run({"protect", "list"}).out, "No protected folders.\n");
    const CliResult added = home.run({"protect", "add", downloads.native() + "/", "Documents/.."});
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(home.masked(added.out), "Protected DOWNLOADS\nProtected HOME\n");
    EXPECT_EQ(home.run({"protect", "add", downloads.native()}).out,
              "Already protected: " + downloads.native() + "\n");

    EXPECT_EQ(home.json({"protect", "list"}),
              Json({{"folders", {encodePathText(downloads), encodePathText(home.home())}}}));

    EXPECT_EQ(home.json({"protect", "remove", home.home().native()}),
              Json({{"folders", {encodePathText(downloads)}}}));
    EXPECT_EQ(home.run({"protect", "list"}).out, downloads.native() + "\n");

    // A folder inside a protected one stays protected: removing it fails.
    ASSERT_EQ(home.run({"protect", "remove", downloads.native()}).status, 0);
    ASSERT_EQ(home.run({"protect", "add", home.home().native(), downloads.native()}).status, 0);
    EXPECT_EQ(home.run({"protect", "remove", downloads.native()}),
              (CliResult{1, "",
                         "tornivo-cli protect: " + downloads.native() +
                             " is still protected: it lies inside a protected folder\n"}));
    // The application reads them from its own preferences, whichever layout was analysed.
    PreferencesStore store(home.settingsFile());
    EXPECT_EQ(Exclusions(store).folders(), std::vector<Path>{home.home()});
}

// Idle outputs first, largest first, the active one marked; the window is --days, else the
// application's stored one within its rules.
TEST_P(CliCommandsTest, DeveloperListsIdleOutputsFirstAndTakesItsWindowFromTheApplication) {
    home.addBuildOutputs();
    expectOutputs("developer", {"developer"}, true);
    auto activeCount = [&](const std::vector<std::string>& args) {
        const Json projects = home.json(args)["projects"];
        return std::ranges::count_if(projects, [](const Json& p) { return p["isActive"] == true; });
    };
    PreferencesStore store(home.settingsFile());
    using Value = nlohmann::json;
    EXPECT_EQ(activeCount({"developer"}), 1) << "no window stored: 10 days";
    // Ten thousand days reach back past the idle outputs' date.
    ASSERT_TRUE(store.set("developerProtectionDays", Value(10'000)));
    EXPECT_EQ(activeCount({"developer"}), 3);
    EXPECT_EQ(activeCount({"developer", "--days", "10"}), 1) << "--days wins over the store";
    EXPECT_EQ(activeCount({"developer", "--days=0"}), 1) << "only the future is after now";
    // What is unusable gives the default, 10 days; what is too long, the longest window.
    for (const auto& [stored, active] : {std::pair{Value(0), 1},
                                         {Value(-4), 1},
                                         {Value("10000"), 1},
                                         {Value(2.5), 1},
                                         {Value(999'999'999'999), 3}}) {
        ASSERT_TRUE(store.set("developerProtectionDays", stored));
        EXPECT_EQ(activeCount({"developer"}), active) << stored;
    }
}

TEST_P(CliCommandsTest, AppsListsTheVisibleApplicationsByNameIgnoringCase) {
    addApplication("zeta tool", "org.example.Zeta",
                   macos() ? userApplications() : home.systemData() / "applications");
    addApplication("Viewer", "Viewer", userApplications());
    addApplication(macos() ? ".Hidden" : "Hidden", "org.example.Hidden", userApplications(),
                   "NoDisplay=true\n");
    expectOutputs("apps", {"apps"}, true);
}

TEST_P(CliCommandsTest, InspectShowsThePlanOfAnApplicationGivenByNameOrPath) {
    // Leftovers of the editor beside the cache of the sample home: its preferences (found by
    // its identifier) and a folder named after it (found by its name).
    const Layout& l = home.layout();
    if (macos())
        writeText(home.home() / "Applications/Editor.app/Contents/Info.plist",
                  "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict>"
                  "<key>CFBundleIdentifier</key><string>org.example.Editor</string>"
                  "</dict></plist>\n");
    writeFile(l.configHome / (macos() ? "org.example.Editor.plist" : "org.example.Editor.conf"),
              4 * 1024, 'p');
    writeFile(l.dataHome / "Editor/state.db", 8 * 1024, 's');
    expectOutputs("inspect", {"inspect", "Editor"}, true);
    const Json unmasked = home.json({"inspect", "Editor"});
    const Json plan = home.masked(unmasked);
    const Json byPath = home.json({"inspect", "--", unmasked["appURL"].get<std::string>()});
    EXPECT_EQ(home.masked(byPath), plan);
    // A path relative to the current folder, the home, needs its "./".
    const std::string relative = macos() ? "./Applications/Editor.app"
                                         : "./.local/share/applications/org.example.Editor.desktop";
    EXPECT_EQ(home.masked(home.json({"inspect", relative})), plan);

    ASSERT_TRUE(home.protect(home.caches()));
    const Json withoutCache = home.json({"inspect", "Editor"});
    ASSERT_EQ(withoutCache["leftovers"].size(), plan["leftovers"].size() - 1);
    EXPECT_EQ(home.masked(withoutCache["leftovers"][0]), plan["leftovers"][1])
        << "a protected folder keeps its leftover";
}

TEST_P(CliCommandsTest, InspectPrefersTheExactNameAndRefusesANameOfSeveralOrNone) {
    addApplication("EDITOR", "Shouting", userApplications());
    EXPECT_EQ(home.json({"inspect", "EDITOR"})["appName"], "EDITOR") << "the exact name first";
    EXPECT_EQ(home.json({"inspect", "Editor"})["appName"], "Editor");

    // Both ignoring case, in the order the applications are listed.
    const Path apps = userApplications();
    const auto [first, second] =
        macos() ? std::pair{apps / "Editor.app", apps / "EDITOR.app"}
                : std::pair{apps / "Shouting.desktop", apps / "org.example.Editor.desktop"};
    EXPECT_EQ(
        home.run({"inspect", "editor"}),
        (CliResult{1, "",
                   "tornivo-cli inspect: 'editor' names 2 installed applications: " +
                       first.native() + ", " + second.native() + "; give the path of one\n"}));

    EXPECT_EQ(home.run({"--json", "inspect", "Edit"}),
              (CliResult{1, "",
                         "tornivo-cli inspect: no installed application is named 'Edit' "
                         "('tornivo-cli apps' lists them)\n"}));
    EXPECT_EQ(home.run({"inspect", "./Documents/copy-a.bin"}),
              (CliResult{1, "",
                         macos() ? "tornivo-cli inspect: './Documents/copy-a.bin' is not an "
                                   "application bundle (a folder NAME.app)\n"
                                 : "tornivo-cli inspect: './Documents/copy-a.bin' is not a "
                                   "desktop entry (a file NAME.desktop)\n"}));
    EXPECT_EQ(home.run({"inspect", "./Nowhere.app"}),
              (CliResult{1, "", "tornivo-cli inspect: './Nowhere.app' does not exist\n"}));
}

// What the Trash holds is listed; `restore --last` puts back only what the last move took.
TEST_P(CliCommandsTest, TrashListsItsItemsAndRestoreLastPutsBackTheLastMoveAndNeverReplaces) {
    EXPECT_EQ(home.run({"trash"}).out, "The Trash is empty.\n");
    EXPECT_EQ(home.json({"trash"}), Json::parse(R"({"items": [], "totalBytes": 0})"));
    writeFile(home.layout().trashFiles / "old report/draft.odt", 12 * 1024, 'r');
    writeFile(home.layout().trashFiles / "old report/notes.txt", 4 * 1024, 'n');
    expectOutputs("trash", {"trash"});

    EXPECT_EQ(home.run({"trash", "restore", "--last"}), (CliResult{0, "Nothing to put back.\n"}));
    ASSERT_EQ(home.run({"duplicates", "--keep-first"}).status, 0);
    const CliResult plain = home.run({"trash", "restore", "--last"});
    EXPECT_EQ(plain.status, 0) << plain.err;
    const std::string table = home.masked(plain.out);
    EXPECT_EQ(table, expected("trash-restore.txt", table));

    // Moved again, and a file made at its original place since: that copy stays in the Trash.
    ASSERT_EQ(home.run({"duplicates", "--keep-first"}).status, 0);
    writeText(*home.layout().documents / "copy-a.bin", "new");
    const CliResult stayed = home.run({"--json", "trash", "restore", "--last"});
    EXPECT_EQ(stayed.status, 1);
    const std::string json = home.masked(Json::parse(stayed.out)).dump(2) + "\n";
    EXPECT_EQ(json, expected("trash-restore.json", json));
    EXPECT_EQ(readText(*home.layout().documents / "copy-a.bin"), "new");
}

TORNIVO_IN_BOTH_LAYOUTS(CliCommandsTest);

TEST(CliHelpTest, HelpListsTheCommandsAndTheRulesAndEachCommandHasItsOwn) {
    CliHome home(LayoutKind::freedesktop);
    const CliResult help = home.run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* text :
         {"junk [--clean]", "large [--min-size BYTES] [--older-than-months N]",
          "duplicates [--min-size BYTES] [--keep-first] [ROOT...]",
          "developer [--days N] [--clean]", "inspect APP", "shred [--passes 1|3|7] --yes",
          "protect list | add PATH... | remove PATH...", "\\xNN", "2  the command line was wrong"})
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    const CliResult junk = home.run({"junk", "--help"});
    EXPECT_EQ(junk.status, 0);
    EXPECT_TRUE(junk.out.starts_with(
        "Usage: tornivo-cli [--layout macos|freedesktop] [--json] junk [--clean]\n"))
        << junk.out;
    EXPECT_EQ(home.run({"--version"}).out, "tornivo-cli " TORNIVO_VERSION "\n");
    const std::string inspect = home.run({"inspect", "--help"}).out;
    for (const char* text : {"exit status 1", "ignoring case"})
        EXPECT_NE(inspect.find(text), std::string::npos) << inspect;
}

}  // namespace
}  // namespace tornivo::test
