#include "platform/RunningApps.h"

#include <unicode/uloc.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "CoreChecks.h"

namespace tornivo {
namespace {

using namespace tornivo::test;
using namespace std::literals;
using Map = RunningApps::Map;

constexpr uid_t kMe = 1000;
constexpr uid_t kOther = 1001;
const std::string kUuid = "2f1b3c4d-5e6f-4a1b-9c2d-3e4f5a6b7c8d";  // a unit's random part

std::string scope(std::string_view unit) {
    return "0::/user.slice/user-1000.slice/user@1000.service/app.slice/" + std::string(unit) + "\n";
}

// A /proc tree in a temporary folder.
class FakeProc {
  public:
    const Path& root() const { return dir_.path(); }
    Path operator/(const Path& rel) const { return dir_.path() / rel; }

    // A process of `uid` running the program `exe` (a full path), with an optional cgroup file and
    // environment (entries separated by NUL).
    Path add(pid_t pid, uid_t uid, std::string_view exe, std::string_view cgroup = {},
             std::string_view environ = {}) {
        Path d = root() / std::to_string(pid);
        std::string id = std::to_string(uid);
        writeText(d / "status", "Name:\tx\nState:\tS (sleeping)\nPid:\t" + std::to_string(pid) +
                                    "\nPPid:\t1\nUid:\t" + id + "\t" + id + "\t" + id + "\t" + id +
                                    "\nGid:\t100\t100\t100\t100\n");
        std::string program(Path(exe).filename().native());
        writeText(d / "cmdline", program + '\0' + "--flag" + '\0');
        writeText(d / "comm", program.substr(0, 15) + "\n");
        makeSymlink(exe, d / "exe");
        if (!cgroup.empty()) writeText(d / "cgroup", cgroup);
        if (!environ.empty()) writeText(d / "environ", environ);
        return d;
    }

    Map current(const RunningApps::NameLookup& names = {}) const {
        return RunningApps::current(root(), kMe, names);
    }

  private:
    TempDir dir_;
};

// Names by desktop-file ID, and by "exe:<name>" for executables.
RunningApps::NameLookup namesFrom(std::map<std::string, std::string> table) {
    return [table](const AppIdentifier& id) -> std::optional<std::string> {
        auto it = table.find(id.kind == IdentifierKind::executable ? "exe:" + id.id : id.desktopId);
        return it == table.end() ? std::nullopt : std::optional(it->second);
    };
}

// The keys no desktop entry names, each standing for itself, and the keys that are named.
Map unnamed(std::initializer_list<std::string> keys, Map named = {}) {
    for (const auto& key : keys) named.emplace(key, key);
    return named;
}

// A desktop entry's identifier; its desktop-file ID is the identifier unless given.
AppIdentifier entry(const std::string& id, std::optional<std::string> desktopId = {}) {
    return {id, IdentifierKind::desktopEntry, desktopId.value_or(id)};
}
AppIdentifier program(std::string name) {
    return {std::move(name), IdentifierKind::executable, ""};
}

// --- unit names ---

TEST(RunningAppsTest, ApplicationUnitsGiveTheDesktopFileIdWithoutLauncherOrInstanceOthersNone) {
    const std::pair<std::string, AppIdentifier> cases[] = {
        {"app-gnome-org.gnome.Nautilus-1234.scope", entry("org.gnome.Nautilus")},
        {"app-flatpak-org.mozilla.firefox-5678.scope", entry("org.mozilla.firefox")},
        {"app-org.kde.konsole-1234.scope", entry("org.kde.konsole")},
        {"app-kde-org.kde.dolphin-0a1b2c3d4e5f60718293a4b5c6d7e8f9.scope",
         entry("org.kde.dolphin")},
        {"app-gnome-firefox\\x2desr-5678.scope", entry("firefox-esr")},
        {"app-gnome-caf\\xc3\\xa9-1.scope", entry("caf\xc3\xa9")},
        {"app-KDE-org.kde.okular@12345.service", entry("org.kde.okular")},
        {"app-flatpak-org.telegram.desktop@12345.service", entry("org.telegram.desktop")},
        {"app-org.kde.amarok.service", entry("org.kde.amarok")},
        {"app-xdg\\x2duser\\x2ddirs@autostart.service", entry("xdg-user-dirs")},
        {"app-gnome-firefox_firefox-99.scope", entry("firefox_firefox")},
        {"dbus-:1.2-org.gnome.Maps@0.service", entry("org.gnome.Maps")},
        // Snaps: the snap's name, and the entry of the app.
        {"snap.firefox.firefox-" + kUuid + ".scope", entry("firefox", "firefox_firefox")},
        {"snap.gnome-calculator.gnome-calculator-" + kUuid + ".scope",
         entry("gnome-calculator", "gnome-calculator_gnome-calculator")},
        {"snap.firefox_esr.geckodriver-" + kUuid + ".scope",
         entry("firefox_esr", "firefox_esr_geckodriver")},
        {"snap.spotify.spotify.service", entry("spotify", "spotify_spotify")},
        {"snap.lxd.hook.configure-" + kUuid + ".scope", entry("lxd", "")},  // a hook: no entry
    };
    for (const auto& [unit, id] : cases) EXPECT_EQ(RunningApps::unitApplication(unit), id) << unit;
    // Other units and malformed names give nothing; among them: bare prefixes, no random part, a
    // slash, a NUL, bytes that are not UTF-8.
    EXPECT_EQ(RunningApps::unitApplication(""), std::nullopt);
    for (std::string_view unit :
         {"app-", "snap.", "dbus-", "session-2.scope", "app-org.gnome.Terminal.slice",
          "app-gnome-org.x.scope", "app-gnome-org.x-12.34.scope", "app-gnome--1.scope",
          "app-gnome-org.x-1.socket", "app-gnome-bad\\x2-1.scope", "app-gnome-bad\\q-1.scope",
          "app-gnome-a\\x2fb-1.scope", "app-gnome-a\\x00b-1.scope", "app-gnome-a\\x0ab-1.scope",
          "app-gnome-\\xff\\xfe-1.scope", "snap.Firefox.firefox.service", "snap.firefox.scope",
          "dbus-:1.2-@0.service", "dbus-:1.2-org/x@0.service"})
        EXPECT_EQ(RunningApps::unitApplication(unit), std::nullopt) << unit;
}

// --- processes ---

TEST(RunningAppsTest, OnlyTheCurrentUsersProcessesCountInProcessIdOrder) {
    FakeProc proc;
    proc.add(40, kMe, "/usr/bin/nautilus", scope("app-gnome-org.gnome.Nautilus-40.scope"));
    proc.add(7, kMe, "/usr/lib/thunderbird/thunderbird");
    proc.add(300, kOther, "/usr/bin/gedit", scope("app-gnome-org.gnome.gedit-300.scope"));
    proc.add(12, 0, "/usr/sbin/cupsd");
    // Entries that are not processes.
    writeText(proc / "cpuinfo", "processor : 0\n");
    makeDir(proc / "sys");
    makeSymlink("40", proc / "self");
    makeDir(proc / "12a");

    auto list = RunningApps::processes(proc.root(), kMe);
    EXPECT_EQ(mapped(list, [](const RunningProcess& p) { return p.pid; }),
              (std::vector<pid_t>{7, 40}));
    EXPECT_EQ(mapped(list, [](const RunningProcess& p) { return p.identifiers; }),
              (std::vector<std::vector<AppIdentifier>>{
                  {program("thunderbird")}, {program("nautilus"), entry("org.gnome.Nautilus")}}));

    EXPECT_EQ(proc.current(namesFrom({{"org.gnome.Nautilus", "Files"}})),
              unnamed({"nautilus", "thunderbird"}, {{"org.gnome.nautilus", "Files"}}));
    EXPECT_EQ(RunningApps::current(proc.root(), kOther, {}), unnamed({"gedit", "org.gnome.gedit"}));
}

TEST(RunningAppsTest, EveryKindOfApplicationIsFoundByItsIdentifier) {
    FakeProc proc;
    proc.add(10, kMe, "/app/lib/firefox/firefox", scope("app-flatpak-org.mozilla.firefox-10.scope"),
             "HOME=/home/u\0FLATPAK_ID=org.mozilla.firefox\0"sv);
    proc.add(11, kMe, "/usr/bin/konsole", scope("app-org.kde.konsole-1a2b.scope"));
    proc.add(12, kMe, "/snap/spotify/80/usr/share/spotify/spotify",
             scope("snap.spotify.spotify-" + kUuid + ".scope"), "SNAP_NAME=spotify\0"sv);
    proc.add(13, kMe, "/usr/lib/firefox-esr/firefox-esr",
             scope("app-gnome-firefox\\x2desr-13.scope"));
    // A Flatpak process whose unit does not say which app it is: its environment does.
    proc.add(14, kMe, "/app/bin/helper", scope("session-2.scope"),
             "FLATPAK_ID=com.example.Paint\0SNAP_INSTANCE_NAME=code_insiders\0SNAP_NAME=code\0"sv);
    // A process in a cgroup below its application's unit.
    proc.add(15, kMe, "/usr/bin/bash",
             "0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
             "app-gnome-org.gnome.Terminal-15.scope/tab-1\n");
    proc.add(
        16, kMe, "/usr/libexec/gnome-maps",
        scope("app-dbus\\x2d:1.2\\x2dorg.gnome.Maps.slice/dbus-:1.2-org.gnome.Maps@0.service"));

    auto list = RunningApps::processes(proc.root(), kMe);
    ASSERT_EQ(list.size(), 7u);
    // The same ID from the environment and from the unit counts once.
    EXPECT_EQ(list[0].identifiers, (std::vector{program("firefox"), entry("org.mozilla.firefox")}));
    EXPECT_EQ(list[2].identifiers,
              (std::vector{program("spotify"), entry("spotify", "spotify_spotify")}));
    EXPECT_EQ(list[4].identifiers, (std::vector{program("helper"), entry("com.example.Paint"),
                                                entry("code_insiders", "code_insiders_code")}));

    auto names = namesFrom({{"org.mozilla.firefox", "Firefox"},
                            {"spotify_spotify", "Spotify"},
                            {"firefox-esr", "Firefox ESR"},
                            {"exe:firefox-esr", "Firefox ESR (by program)"},
                            {"org.gnome.Maps", "Maps"}});
    EXPECT_EQ(proc.current(names),
              unnamed({"firefox", "konsole", "org.kde.konsole", "helper", "com.example.paint",
                       "code_insiders", "bash", "org.gnome.terminal", "gnome-maps"},
                      {{"org.mozilla.firefox", "Firefox"},
                       {"spotify", "Spotify"},
                       {"firefox-esr", "Firefox ESR"},
                       {"org.gnome.maps", "Maps"}}));
}

TEST(RunningAppsTest, ALaterProcessWithTheSameKeyReplacesTheName) {
    FakeProc proc;
    // Listed by process ID: 100 is last, though neither made last nor last by name.
    proc.add(9, kMe, "/usr/bin/a", scope("app-gnome-ORG.Example.app-9.scope"));
    proc.add(100, kMe, "/usr/bin/c", scope("app-gnome-org.example.App-100.scope"));
    proc.add(10, kMe, "/usr/bin/b", scope("app-gnome-Org.Example.App-10.scope"));
    auto names = namesFrom(
        {{"ORG.Example.app", "First"}, {"Org.Example.App", "Second"}, {"org.example.App", "Last"}});
    EXPECT_EQ(proc.current(names).at("org.example.app"), "Last");
}

TEST(RunningAppsTest, ProgramsAreNamedByTheLinkElseTheCommandNameHalfProcessesAndGarbageSkipped) {
    FakeProc proc;
    proc.add(1, kMe, "/usr/lib/systemd/systemd");
    proc.add(14, kMe, "/usr/lib/thunderbird/thunderbird (deleted)");
    std::filesystem::remove(proc.add(15, kMe, "/usr/libexec/gvfsd") / "exe");
    proc.add(16, kMe, "/opt/caf\xe9/Caf\xc9-Tool");  // kept byte for byte
    // Kernel thread and zombie: empty command line.
    Path kthread = proc.add(2, kMe, "/kthreadd");
    writeText(kthread / "cmdline", "");
    std::filesystem::remove(kthread / "exe");
    writeText(proc.add(3, kMe, "/usr/bin/zombie") / "cmdline", "");
    // Gone between listing and reading (or unreadable: the same failed read): a process folder
    // without its files, a dangling entry.
    std::filesystem::remove(proc.add(4, kMe, "/usr/bin/gone") / "status");
    std::filesystem::remove(proc.add(5, kMe, "/usr/bin/half-gone") / "cmdline");
    makeSymlink("/nonexistent/6", proc / "6");
    writeText(proc / "7", "a file, not a folder");
    // A status without a readable real user.
    for (auto [pid, status] : {std::pair{8, "Name:\tx\n"},
                               {9, "Uid:\tabc\t1\t1\t1\n"},
                               {10, "Uid:\n"},
                               {11, "Uid:\t1000x\t1000\n"},
                               {12, "Uid:\t99999999999\n"}})
        writeText(proc.add(pid, kMe, "/usr/bin/garbled-" + std::to_string(pid)) / "status", status);
    // Missing optional files leave the rest.
    std::filesystem::remove(
        proc.add(13, kMe, "/usr/bin/plain", scope("app-gnome-org.x.Plain-1.scope")) / "cgroup");
    // Garbage in a cgroup file is ignored; a well-formed line after it, in a cgroup-v1
    // hierarchy, is still read.
    proc.add(17, kMe, "/usr/bin/noise",
             "garbage\n::\n0::\n0::relative/app-gnome-org.x.A-1.scope\n"s + "\xff\xfe\x01\n" +
                 std::string(100'000, 'x') + "\n");
    proc.add(18, kMe, "/usr/bin/mixed",
             "garbage\n\n12:cpu,cpuacct:\n1:name=systemd:/user.slice/user-1000.slice/"
             "user@1000.service/app.slice/app-gnome-org.example.Mixed-2.scope\n");
    proc.add(19, kMe, "/usr/bin/binary", "\0\0\0:\0:/\0"sv);
    EXPECT_EQ(proc.current(), unnamed({"systemd", "plain", "thunderbird", "gvfsd", "Caf\xc9-Tool",
                                       "noise", "mixed", "org.example.mixed", "binary"}));

    EXPECT_TRUE(RunningApps::current(proc / "missing", kMe, {}).empty());
}

// --- lower-casing ---

// Makes Turkish, where "I" lowers to dotless "ı", the default locale of ICU, of the environment
// and (when it is installed) of the process, until destroyed.
class TurkishLocale {
  public:
    TurkishLocale() {
        for (const char* name : {"LANG", "LC_ALL"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            ::setenv(name, "tr_TR.UTF-8", 1);
        }
        UErrorCode status = U_ZERO_ERROR;
        uloc_setDefault("tr_TR", &status);
        std::setlocale(LC_ALL, "tr_TR.UTF-8");
    }
    ~TurkishLocale() {
        UErrorCode status = U_ZERO_ERROR;
        uloc_setDefault(icu_.c_str(), &status);
        std::setlocale(LC_ALL, process_.c_str());
        for (const auto& [name, value] : saved_)
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }

  private:
    std::string icu_ = uloc_getDefault(), process_ = std::setlocale(LC_ALL, nullptr);
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(RunningAppsTest, LowerCasingIsFullUnicodeAndIndependentOfTheLocale) {
    EXPECT_EQ(RunningApps::lowerCased("ORG.ÉXAMPLE.Ünïcode"), "org.éxample.ünïcode");
    EXPECT_EQ(RunningApps::lowerCased("İSTANBUL"), "i\u0307stanbul");  // full mapping: two chars
    EXPECT_EQ(RunningApps::lowerCased("ΟΔΟΣ"), "οδος");                // final sigma
    EXPECT_EQ(RunningApps::lowerCased("\xff\xfeXYZ"), "\xff\xfeXYZ");

    TurkishLocale turkish;
    EXPECT_EQ(RunningApps::lowerCased("IDEA"), "idea");
    EXPECT_EQ(RunningApps::lowerCased("DIŞ"), "diş");
    FakeProc proc;
    proc.add(1, kMe, "/usr/bin/LINUX-TOOL", scope("app-gnome-ORG.ÉXAMPLE.Ünïcode-1.scope"));
    EXPECT_EQ(proc.current(), unnamed({"linux-tool", "org.éxample.ünïcode"}));
}

// --- desktop entries, through GIO ---

// Runs in a fresh process (GIO reads the XDG variables once): 0 when every name is right.
int desktopEntryNamesChild() {
    TempDir data;
    auto desktop = [&](const Path& folder, std::string_view id, const std::string& body) {
        writeText(data / folder / "applications" / (std::string(id) + ".desktop"),
                  "[Desktop Entry]\nType=Application\n" + body);
    };
    // GIO drops an entry whose program cannot be found.
    auto executable = [&](const Path& rel) {
        setMode(writeText(data / rel, "#!/bin/sh\n"), 0755);
        return (data / rel).native();
    };
    for (const char* name : {"notes", "shared-tool", "player-bin", "thunderbird-launcher"})
        executable(Path("bin") / name);
    std::string mailer = executable("opt/mailer/bin/mailer-bin");
    std::string spotify = executable("snap/bin/spotify");
    desktop("home", "org.example.Notes", "Name=Notes\nName[de]=Notizen\nExec=notes\n");
    desktop("home", "mailer", "Name=Mail Reader\nExec=" + mailer + " %u\n");
    desktop("home", "photo-viewer",
            "Name=Photo Viewer\nExec=env A=1 viewer-bin\nStartupWMClass=Viewer\n");
    desktop("home", "tool-a", "Name=Tool A\nExec=shared-tool --a\n");
    desktop("home", "tool-b", "Name=Tool B\nExec=shared-tool --b\n");
    desktop("home", "player", "Name=Player\nExec=player-bin\n");
    desktop("home", "player-helper", "Name=Player Helper\nExec=player-bin --x\nNoDisplay=true\n");
    desktop("home", "thunderbird", "Name=Thunderbird\nExec=thunderbird-launcher\n");
    desktop("system", "spotify_spotify", "Name=Spotify\nExec=" + spotify + "\n");
    const char* path = std::getenv("PATH");
    ::setenv("PATH", ((data / "bin").native() + ":" + (path ? path : "/usr/bin:/bin")).c_str(), 1);
    ::setenv("XDG_DATA_HOME", (data / "home").c_str(), 1);
    ::setenv("XDG_DATA_DIRS", (data / "system").c_str(), 1);
    ::setenv("LANGUAGE", "de", 1);

    FakeProc proc;
    proc.add(1, kMe, "/usr/bin/notes", scope("app-gnome-org.example.Notes-1.scope"));
    proc.add(2, kMe, "/opt/mailer/bin/mailer-bin");
    proc.add(3, kMe, "/usr/bin/viewer");
    proc.add(4, kMe, "/usr/bin/shared-tool");
    proc.add(5, kMe, "/usr/bin/player-bin");
    proc.add(6, kMe, "/usr/lib/thunderbird/thunderbird");
    proc.add(7, kMe, "/snap/spotify/1/spotify", scope("snap.spotify.spotify-" + kUuid + ".scope"));
    proc.add(8, kMe, "/usr/bin/missing", scope("app-gnome-org.example.Missing-8.scope"));
    proc.add(9, kMe, "/usr/bin/env");
    Map expected{{"notes", "Notizen"},  // by Exec, in the user's language
                 {"org.example.notes", "Notizen"},
                 {"mailer-bin", "Mail Reader"},   // by Exec
                 {"viewer", "Photo Viewer"},      // by StartupWMClass
                 {"shared-tool", "shared-tool"},  // two entries launch it
                 {"player-bin", "Player"},        // the entry shown in menus
                 {"thunderbird", "Thunderbird"},  // the entry of its own name
                 {"spotify", "Spotify"},          // from a system data folder
                 {"org.example.missing", "org.example.missing"},
                 {"missing", "missing"},
                 {"env", "env"}};  // a launch wrapper names no application
    Map got = RunningApps::current(
        proc.root(), kMe,
        RunningApps::desktopEntryNames({data / "home/applications", data / "system/applications"}));
    if (got == expected) return 0;
    for (const auto& [key, name] : got)
        std::fprintf(stderr, "got: %s = %s\n", key.c_str(), name.c_str());
    return 1;
}

TEST(RunningAppsTest, DisplayNamesComeFromTheDesktopEntriesThroughGio) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(desktopEntryNamesChild()), ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tornivo
