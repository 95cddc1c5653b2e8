#include "engines/UninstallerEngine.h"

#include <plist/plist.h>

#include <cstdlib>
#include <stdexcept>
#include <tuple>

#include "CoreChecks.h"
#include "platform/FileStatus.h"

namespace tornivo {
namespace {

using namespace test;
using namespace std::literals;
using Names = std::vector<std::string>;
// The start of an AppImage: an ELF header marked "AI", type 2.
const std::string kAppImageMagic = std::string("\x7f") + "ELF\2\1\1" + '\0' + "AI\2";

// Each leftover as "<path below root> <kind>", then "+" when selected and "~" when found by name.
Names listed(const UninstallTarget& t, const Path& root) {
    return mapped(t.leftovers, [&](const AppLeftover& l) {
        return l.url.lexically_relative(root).native() + " " + std::string(rawValue(l.kind)) +
               (l.isSelected ? " +" : "") + (l.matchedByName ? " ~" : "");
    });
}

enum class PlistForm { xml, binary };

Path bundle(const Path& folder, const std::string& name, const std::string& id,
            PlistForm form = PlistForm::xml) {
    std::string text =
        "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict>"
        "<key>CFBundleName</key><string>x</string><key>Nested</key><dict>"
        "<key>CFBundleIdentifier</key><string>wrong.one</string></dict>"
        "<key>CFBundleIdentifier</key><string>" +
        id + "</string></dict></plist>\n";
    if (form == PlistForm::binary) {
        plist_t root = nullptr;
        plist_from_xml(text.data(), static_cast<uint32_t>(text.size()), &root);
        char* bin = nullptr;
        uint32_t length = 0;
        if (root) plist_to_bin(root, &bin, &length);
        plist_free(root);
        if (!bin) throw std::runtime_error("no binary plist for " + id);
        text.assign(bin, length);
        plist_to_bin_free(bin);
    }
    writeText(folder / (name + ".app/Contents/Info.plist"), text);
    return folder / (name + ".app");
}

// --- macOS: the matching rules as written ---

class MacosInspectTest : public ::testing::Test {
  protected:
    TempHome home{LayoutKind::macos};
    TempDir sys;  // stands for the root of the system's Library folders
    Layout layout = [this] {
        Layout l = home.layout();
        for (auto& folder : l.leftoverSystemFolders) folder = sys.path() / folder.relative_path();
        l.applicationFolders = {sys / "Applications", home / "Applications"};
        return l;
    }();
    UninstallerEngine engine{layout};
    Path lib(const char* rel) const { return home / "Library" / rel; }
};

TEST_F(MacosInspectTest, TheIdentifierPassTakesTheIdentifierItsExtensionsAndDottedNamesOnly) {
    const Path app = bundle(layout.applicationFolders[0], "Editor", "com.example.Editor");
    for (const char* rel :
         {"Preferences/com.example.editor.plist", "Caches/com.example.Editor",
          "Preferences/ByHost/com.example.editor.0A1B.plist",
          "LaunchAgents/com.example.editor.agent",
          "Saved Application State/com.example.editor.savedState", "Caches/com.example.editors",
          "Group Containers/group.com.example.editor", "Group Containers/com.example.editor.x",
          "Application Support/Deeper/com.example.editor"})
        writeFile(lib(rel), 10);
    writeFile(sys / "Library/LaunchDaemons/com.example.editor.agent.plist", 10);
    const UninstallTarget t = engine.inspect(app);
    // The top dictionary's key, not a nested one.
    EXPECT_EQ(std::tie(t.bundleID, t.appName), std::tuple("com.example.Editor", "Editor"));
    Names found = listed(t, home.home());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found,
              (Names{"../../" + sys.path().filename().native() +
                         "/Library/LaunchDaemons/com.example.editor.agent.plist launch +",
                     "Library/Caches/com.example.Editor cache +",
                     "Library/Group Containers/com.example.editor.x container +",
                     "Library/LaunchAgents/com.example.editor.agent launch +",
                     "Library/Preferences/ByHost/com.example.editor.0A1B.plist preferences +",
                     "Library/Preferences/com.example.editor.plist preferences +",
                     "Library/Saved Application State/com.example.editor.savedState "
                     "savedState +"}));
    EXPECT_EQ(t.appFiles, (std::vector<AppFile>{{app, t.appSize, identityOf(app)}}));

    // The same Info.plist in binary form gives the same identifier and leftovers.
    bundle(layout.applicationFolders[0], "Editor", "com.example.Editor", PlistForm::binary);
    const UninstallTarget fromBinary = engine.inspect(app);
    EXPECT_EQ(fromBinary.bundleID, "com.example.Editor");
    EXPECT_EQ(listed(fromBinary, home.home()), listed(t, home.home()));
}

TEST_F(MacosInspectTest, TheNamePassOffersExactNamesOfThreeOrMoreUnselectedAndAPathOnce) {
    const Path app = bundle(home / "Applications", "Notes", "notes");
    writeFile(lib("Application Support/NOTES/db"), 10);  // both passes: identifier flags
    writeFile(lib("Caches/notes"), 10);
    writeFile(lib("Logs/Notes.bak"), 10);  // its name without extension is the identifier
    writeFile(lib("Logs/Notes"), 10);
    const Path editor = bundle(home / "Applications", "Editor", "com.example.editor");
    writeFile(lib("Application Support/Editor"), 10);
    writeFile(lib("Application Support/Editor.bak"), 10);
    writeFile(lib("Preferences/Editor"), 10);  // not a folder of the name pass
    Names notes = listed(engine.inspect(app), home / "Library");
    std::sort(notes.begin(), notes.end());
    EXPECT_EQ(notes, (Names{"Application Support/NOTES support +", "Caches/notes cache +",
                            "Logs/Notes logs +", "Logs/Notes.bak logs +"}));
    writeFile(lib("Caches/com.example.editor"), 10);
    EXPECT_EQ(listed(engine.inspect(editor), home / "Library"),
              (Names{"Caches/com.example.editor cache +", "Application Support/Editor support ~"}));

    // A bundle that cannot be read has no identifier: only the name pass runs.
    writeText(editor / "Contents/Info.plist", "bplist00\xd1\x01\x02");
    const UninstallTarget unread = engine.inspect(editor);
    EXPECT_EQ(unread.bundleID, std::nullopt);
    EXPECT_EQ(listed(unread, home / "Library"), (Names{"Application Support/Editor support ~"}));

    // Identifiers and names shorter than three characters match nothing (in Japanese, two
    // characters take six bytes).
    const std::string two = "\xe6\x97\xa5\xe6\x9c\xac", three = two + "\xe8\xaa\x9e";
    for (const std::string& name : {"ab"s, "ab.cache"s, "Ed"s, two, three})
        writeFile(lib("Caches") / name, 10);
    auto found = [&](const std::string& name, const std::string& id) {
        return listed(engine.inspect(bundle(home / "Applications", name, id)), home / "Library");
    };
    EXPECT_EQ(found("Ed", "ab"), Names{});
    EXPECT_EQ(found(two, "x.y"), Names{});
    EXPECT_EQ(found(three, "x.y"), (Names{"Caches/" + three + " cache ~"}));
}

TEST(UninstallerEngineTest, MacosBundlesAreListedByNameCaseInsensitivelyAndStably) {
    TempHome home(LayoutKind::macos);
    Layout layout = home.layout();
    layout.applicationFolders = {makeDir(home / "System"), home / "Applications", home / "None"};
    for (const Path& p :
         {home / "System/editor.app", home / "System/Zed.app", home / "System/.Hidden.app",
          home / "System/Tool.App", home / "System/notes.txt", home / "Applications/Editor.app",
          home / "Applications/alpha.app", home / "Applications/Zed.app"})
        makeDir(p);
    Names names;
    for (const auto& app : UninstallerEngine(layout).installedApps())
        names.push_back(app.name + " " + app.url.parent_path().filename().native());
    EXPECT_EQ(names, (Names{"alpha Applications", "editor System", "Editor Applications",
                            "Zed System", "Zed Applications"}));
}

// --- classification ---

TEST(UninstallerEngineTest, KindsComeFromTheFirstMatchingRuleOrTheFolderALeftoverLiesIn) {
    const Layout mac = Layout::macos("/Users/me");
    // A home in a folder named logs, with its configuration kept elsewhere.
    const Layout fd = Layout::freedesktop("/home/logs", {{"XDG_CONFIG_HOME", "/home/logs/etc"}});
    const std::tuple<const Layout&, const char*, LeftoverKind> cases[] = {
        {mac, "/Library/LaunchDaemons/com.example.editor.agent.plist", LeftoverKind::launch},
        {mac, "/Users/me/Library/LaunchAgents/x", LeftoverKind::launch},
        {mac, "/Users/me/Library/Application Support/x/Caches/y", LeftoverKind::support},
        {mac, "/Users/me/Library/Caches/x", LeftoverKind::cache},
        {mac, "/Users/me/Library/Preferences/ByHost/x.plist", LeftoverKind::preferences},
        {mac, "/Users/me/Library/Containers/x", LeftoverKind::container},
        {mac, "/Users/me/Library/Group Containers/x", LeftoverKind::container},
        {mac, "/Users/me/Library/Logs/x", LeftoverKind::logs},
        {mac, "/Users/me/Library/Saved Application State/x", LeftoverKind::savedState},
        {mac, "/Users/me/Library/WebKit/x", LeftoverKind::web},
        {mac, "/Users/me/Library/HTTPStorages/x", LeftoverKind::web},
        {mac, "/Users/me/Library/Cookies/x", LeftoverKind::web},
        {mac, "/Users/me/Library/Application Scripts/x", LeftoverKind::scripts},
        {mac, "/Users/me/Library/CACHES/caf\xe9", LeftoverKind::cache},  // not UTF-8
        {mac, "/Users/me/Library/Caches", LeftoverKind::other},
        {mac, "/Users/me/Documents/x", LeftoverKind::other},
        {fd, "/home/logs/etc/autostart/x.desktop", LeftoverKind::launch},
        {fd, "/home/logs/etc/systemd/user/x.service", LeftoverKind::launch},
        {fd, "/etc/xdg/autostart/x.desktop", LeftoverKind::launch},
        {fd, "/home/logs/.local/share/x", LeftoverKind::support},
        {fd, "/home/logs/.local/share/x/logs/y", LeftoverKind::support},
        {fd, "/home/logs/.cache/x", LeftoverKind::cache},
        {fd, "/var/cache/x", LeftoverKind::cache},
        {fd, "/home/logs/etc/x", LeftoverKind::preferences},
        {fd, "/home/logs/.config/x", LeftoverKind::other},  // not this user's configuration
        {fd, "/home/logs/.var/app/org.x.Y", LeftoverKind::container},
        {fd, "/var/log/x", LeftoverKind::logs},
        {fd, "/home/logs/work/Log/x", LeftoverKind::logs},
        {fd, "/home/logs/.local/state/x", LeftoverKind::savedState},
        {fd, "/home/logs/.local/share", LeftoverKind::other},
        {fd, "/home/logs/.cache/../etc/x", LeftoverKind::other},
    };
    for (const auto& [layout, path, kind] : cases)
        EXPECT_EQ(UninstallerEngine::classify(path, layout), kind) << path;
}

// --- freedesktop: who installed the application decides how it goes ---

class FreedesktopPlanTest : public ::testing::Test {
  protected:
    TempHome home;
    TempDir sys;
    Layout layout = [this] {
        Layout l = home.layout();
        l.applicationFolders = {l.dataHome / "applications",
                                l.dataHome / "flatpak/exports/share/applications",
                                sys / "flatpak/exports/share/applications", sys / "applications"};
        l.leftoverSystemFolders = {sys / "log"};
        return l;
    }();
    UninstallerEngine engine{layout};
    const Path apps = layout.dataHome / "applications", exports = layout.applicationFolders[1];

    Path entry(const Path& folder, const std::string& id, const std::string& body) {
        return writeText(folder / (id + ".desktop"),
                         "[Desktop Entry]\nType=Application\nName=Paint Pro\n" + body);
    }
    Path executable(const Path& file, std::string_view head = "#!/bin/sh\n") {
        setMode(writeText(file, head), 0755);
        return file;
    }
};

TEST_F(FreedesktopPlanTest, AUsersEntryGoesWithTheAppImageItLaunchesFromTheHome) {
    const Path image = executable(home / "Apps/Paint-1.2-x86_64.AppImage");
    const Path entryFile =
        entry(apps, "org.example.Paint", "Exec=env A=1 " + image.native() + " %U\n");
    writeFile(layout.configHome / "org.example.Paint/settings", 10);
    writeFile(layout.cacheHome / "Paint Pro/x", 10);
    const UninstallTarget t = engine.inspect(entryFile);
    EXPECT_EQ(std::tie(t.appName, t.bundleID, t.removal),
              std::tuple("Paint Pro", "org.example.Paint", AppRemoval::trash));
    ASSERT_EQ(t.appFiles.size(), 2u);
    EXPECT_EQ(t.appFiles[1].url, image);
    EXPECT_EQ(t.appSize, allocatedSize(entryFile) + allocatedSize(image));
    EXPECT_EQ(listed(t, home.home()),
              (Names{".config/org.example.Paint preferences +", ".cache/Paint Pro cache ~"}))
        << "the entry itself is not a leftover";

    // Only an AppImage of the home goes: not a script of the user's, not one kept elsewhere.
    auto filesOf = [&](const Path& program) {
        return engine.inspect(entry(apps, "p", "Exec=" + program.native())).appFiles.size();
    };
    EXPECT_EQ(filesOf(executable(home / "Apps/paint", kAppImageMagic)), 2u);
    EXPECT_EQ(filesOf(executable(home / "bin/paint")), 1u);
    EXPECT_EQ(filesOf(executable(sys / "Paint.AppImage")), 1u);
}

TEST_F(FreedesktopPlanTest, ADroppedFileIsInspectedOnlyWhenItIsAnApplication) {
    const Path launched = executable(home / "Apps/Paint.bin", kAppImageMagic);
    const Path entryFile = entry(apps, "org.example.Paint", "Exec=" + launched.native() + "\n");
    const Path alone = executable(home / "Apps/Tool-2.0", kAppImageMagic);
    const Path link = makeSymlink(alone, home / "Apps/link-to-tool");
    const Path linkEntry =
        writeText(home / "Desktop/site.desktop", "[Desktop Entry]\nType=Link\nURL=x\n");
    const std::pair<Path, std::optional<Path>> cases[] = {
        {entryFile, entryFile},
        {launched, entryFile},  // the entry that launches it stands for it
        {alone, alone},
        {link, std::nullopt},
        {linkEntry, std::nullopt},
        {executable(home / "bin/paint.AppImage"), std::nullopt},  // a script, whatever its name
        {writeFile(home / "Documents/notes.txt", 10), std::nullopt},
        {home / "Apps", std::nullopt},
    };
    for (const auto& [dropped, inspected] : cases)
        EXPECT_EQ(engine.droppedApplication(dropped), inspected) << dropped;

    const UninstallTarget t = engine.inspect(alone);
    // An AppImage of the home goes to the Trash.
    EXPECT_EQ(std::tie(t.appName, t.bundleID, t.removal),
              std::tuple("Tool-2", std::nullopt, AppRemoval::trash));
    EXPECT_EQ(t.appFiles, (std::vector<AppFile>{{alone, allocatedSize(alone), identityOf(alone)}}));
}

TEST_F(FreedesktopPlanTest, AFlatpakIsUninstalledFromItsOwnInstallation) {
    writeFile(layout.dataHome / "flatpak/app/org.example.Paint/current/files/bin/paint", 8192);
    writeFile(home / ".var/app/org.example.Paint/config/x", 10);
    const Path user =
        entry(exports, "org.example.Paint", "Exec=true\nX-Flatpak=org.example.Paint\n");
    // Its nightly build is another application, with data of its own.
    writeFile(home / ".var/app/org.example.Paint.Devel/config/x", 10);
    entry(exports, "org.example.Paint.Devel", "Exec=true\n");
    UninstallTarget t = engine.inspect(user);
    EXPECT_EQ(t.removal, AppRemoval::flatpakUser);
    EXPECT_TRUE(t.appFiles.empty()) << "flatpak removes its own exports";
    EXPECT_GE(t.appSize, 8192);
    EXPECT_EQ(listed(t, home.home()), (Names{".var/app/org.example.Paint container +"}));
    EXPECT_EQ(UninstallerEngine::removalCommand(t),
              (ProcessInvocation{
                  "flatpak", {"uninstall", "--noninteractive", "--user", "org.example.Paint"}}));

    const Path system = entry(sys / "flatpak/exports/share/applications", "org.example.Draw",
                              "Exec=true\n");  // an export names its application by its ID
    EXPECT_EQ(UninstallerEngine::removalCommand(engine.inspect(system)),
              (ProcessInvocation{
                  "pkexec",
                  {"flatpak", "uninstall", "--noninteractive", "--system", "org.example.Draw"}}));

    // The user's own copy of the entry names the installed Flatpak and goes with it; an entry
    // of another name that claims to be it is only the user's entry.
    const Path copy = entry(apps, "org.example.Paint", "Exec=true\nX-Flatpak=org.example.Paint\n");
    t = engine.inspect(copy);
    EXPECT_EQ(t.removal, AppRemoval::flatpakUser);
    EXPECT_EQ(t.appFiles, (std::vector<AppFile>{{copy, allocatedSize(copy), identityOf(copy)}}));
    const Path claim = entry(apps, "coolgame", "Exec=true\nX-Flatpak=org.example.Paint\n");
    EXPECT_EQ(UninstallerEngine::removalCommand(engine.inspect(claim)), std::nullopt);
    EXPECT_EQ(engine.inspect(claim).removal, AppRemoval::trash);

    // Something that could pass for an option is never handed to flatpak.
    t.flatpakID = "--help";
    EXPECT_EQ(UninstallerEngine::removalCommand(t), std::nullopt);
    t = engine.inspect(entry(sys / "applications", "bad", "Exec=true\nX-Flatpak=-x.y\n"));
    EXPECT_EQ(t.removal, AppRemoval::systemManaged);
    EXPECT_EQ(UninstallerEngine::removalCommand(t), std::nullopt);
}

TEST_F(FreedesktopPlanTest, ASystemPackageStaysAndOnlyItsSelectedLeftoversGoToTheTrash) {
    const Path entryFile = entry(sys / "applications", "org.example.Paint", "Exec=true\n");
    const Path config = writeFile(layout.configHome / "org.example.Paint.conf", 4096);
    const Path log = writeFile(sys / "log/org.example.Paint", 4096);
    const Path byName = writeFile(layout.dataHome / "paint pro/x", 10).parent_path();
    writeText(layout.stateHome / Path("org.example.Paint.caf\xe9"), "state");
    UninstallTarget t = engine.inspect(entryFile);
    EXPECT_EQ(std::tuple(t.removal, t.appFiles.size(), t.appSize),
              std::tuple(AppRemoval::systemManaged, std::size_t{0}, ByteCount{0}));
    ASSERT_EQ(t.leftovers.size(), 4u);
    for (auto& l : t.leftovers) l.isSelected = false;
    EXPECT_EQ(engine.uninstall(t, false).freed, 0);

    ByteCount expected = 0;
    for (auto& l : t.leftovers) {
        l.isSelected = l.url != byName && l.url != log;
        if (l.isSelected) expected += l.size;
    }
    EXPECT_EQ(engine.uninstall(t, true).freed, expected);
    EXPECT_TRUE(test::exists(entryFile)) << "the package's entry stays";
    EXPECT_TRUE(test::exists(byName) && test::exists(log));
    EXPECT_FALSE(test::exists(config));
    EXPECT_TRUE(test::exists(layout.trashFiles / "org.example.Paint.conf"));
    EXPECT_EQ(readText(layout.trashFiles / Path("org.example.Paint.caf\xe9")), "state");
}

TEST_F(FreedesktopPlanTest, NothingOutsideTheLeftoverFoldersOrTheHomeIsEverMoved) {
    const Path stranger = writeText(sys / "elsewhere/org.example.Paint", "keep");
    const Path entryFile = entry(sys / "applications", "org.example.Paint", "Exec=true\n");
    UninstallTarget forged{entryFile, "Paint",           "org.example.Paint",   0,
                           {},        AppRemoval::trash, {{entryFile, 10, {}}}, ""};
    forged.leftovers.push_back(
        {Uuid::random(), stranger, 4, LeftoverKind::other, false, true, identityOf(stranger)});
    forged.leftovers.push_back(
        {Uuid::random(), layout.configHome / "../../x", 4, LeftoverKind::other, false, true, {}});
    EXPECT_EQ(engine.uninstall(forged, true).freed, 0);
    EXPECT_TRUE(test::exists(stranger) && test::exists(entryFile));

    // An application named after one of the layout's own folders is not offered that folder.
    writeFile(layout.configHome / "autostart/autostart.desktop", 10);
    writeFile(layout.dataHome / "Trash/files/x", 10);
    Names found =
        listed(engine.inspect(entry(sys / "applications", "autostart", "Exec=true\nName=Trash\n")),
               home.home());
    EXPECT_EQ(found, (Names{".config/autostart/autostart.desktop launch +"}));
}

// Runs in a fresh process, so that the data folders come from the environment as at start-up.
int desktopEntryListingChild() {
    TempDir data;
    const Path user = data / "home/applications", system = data / "system/applications";
    auto entry = [](const Path& file, const std::string& body) {
        writeText(file, "[Desktop Entry]\nType=Application\nExec=true\n" + body);
    };
    entry(user / "org.example.Notes.desktop", "Name=notes\nName[de]=Notizen\n");
    entry(user / "editor.desktop", "Name=Editor\nHidden=true\n");  // hides the system one
    entry(user / "helper.desktop", "Name=Helper\nNoDisplay=true\n");
    writeText(user / "site.desktop", "[Desktop Entry]\nType=Link\nName=Site\nURL=x\n");
    entry(system / "editor.desktop", "Name=Old Editor\n");
    entry(system / "kde/okular.desktop", "Name=Okular\n");
    entry(system / "zed.desktop", "Name=\xc3\x84rger\n");
    // An entry that is a link to a FIFO would block a reader for ever: never read.
    ::alarm(30);
    ::mkfifo((data / "pipe").c_str(), 0600);
    makeSymlink(data / "pipe", user / "stalled.desktop");
    ::setenv("XDG_DATA_HOME", (data / "home").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", (data / "system").c_str(), 1);
    ::setenv("LANGUAGE", "de", 1);
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);  // the collation ICU takes: Ä goes with A
    Layout layout = Layout::freedesktop(data / "me", processEnvironment());
    std::erase_if(layout.applicationFolders,
                  [&](const Path& p) { return !p.native().starts_with(data.path().native()); });
    Names got;
    for (const auto& app : UninstallerEngine(layout).installedApps())
        got.push_back(app.name + " " + app.url.lexically_relative(data.path()).native());
    if (UninstallerEngine(layout).inspect(user / "stalled.desktop").bundleID) return 1;

    const Names expected{"\xc3\x84rger system/applications/zed.desktop",
                         "Notizen home/applications/org.example.Notes.desktop",
                         "Okular system/applications/kde/okular.desktop"};
    if (got == expected) return 0;
    for (const auto& line : got) std::fprintf(stderr, "got: %s\n", line.c_str());
    return 1;
}

TEST(UninstallerEngineTest, InstalledDesktopEntriesAreTheShownApplicationsReadThroughGio) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(desktopEntryListingChild()), ::testing::ExitedWithCode(0), "");
}

TEST(UninstallerEngineTest, InstancesAreTheProcessesCarryingTheIdentifierExceptThisOne) {
    auto proc = [](pid_t pid, std::vector<std::string> ids) {
        RunningProcess p{pid, {}};
        for (auto& id : ids) p.identifiers.push_back({id, IdentifierKind::executable, ""});
        return p;
    };
    const std::vector<RunningProcess> all{
        proc(10, {"paint", "org.example.Paint"}), proc(11, {"org.example.Paint.helper"}),
        proc(12, {"ORG.EXAMPLE.PAINT"}), proc(13, {"paint"}), proc(14, {"org.example.paint"})};
    EXPECT_EQ(UninstallerEngine::instancesOf("org.example.Paint", all, 14),
              (std::vector<pid_t>{10, 12}));
    EXPECT_TRUE(UninstallerEngine::instancesOf("", all, 0).empty());
}

}  // namespace
}  // namespace tornivo
