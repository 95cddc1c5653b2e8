#include "platform/RunningApps.h"

#include <unicode/uloc.h>

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

    Map current() const { return RunningApps::current(root(), kMe, {}); }

  private:
    TempDir dir_;
};

// The keys no desktop entry names, each standing for itself.
Map unnamed(std::initializer_list<std::string> keys) {
    Map map;
    for (const auto& key : keys) map.emplace(key, key);
    return map;
}

// A desktop entry's identifier; its desktop-file ID is the identifier unless given.
AppIdentifier entry(const std::string& id, std::optional<std::string> desktopId = {}) {
    return {id, IdentifierKind::desktopEntry, desktopId.value_or(id)};
}

// --- unit names ---

TEST(RunningAppsTest, ApplicationUnitsGiveTheDesktopFileIdWithoutLauncherOrInstanceOthersNone) {
    const std::pair<std::string, AppIdentifier> cases[] = {
        {"app-gnome-org.gnome.Nautilus-1234.scope", entry("org.gnome.Nautilus")},
        {"app-org.kde.konsole-1234.scope", entry("org.kde.konsole")},
        {"app-gnome-firefox\\x2desr-5678.scope", entry("firefox-esr")},
        {"app-KDE-org.kde.okular@12345.service", entry("org.kde.okular")},
        {"app-org.kde.amarok.service", entry("org.kde.amarok")},
        {"dbus-:1.2-org.gnome.Maps@0.service", entry("org.gnome.Maps")},
        // Snaps: the snap's name, and the entry of the app.
        {"snap.firefox.firefox-" + kUuid + ".scope", entry("firefox", "firefox_firefox")},
        {"snap.spotify.spotify.service", entry("spotify", "spotify_spotify")},
        {"snap.lxd.hook.configure-" + kUuid + ".scope", entry("lxd", "")},  // a hook: no entry
    };
    for (const auto& [unit, id] : cases) EXPECT_EQ(RunningApps::unitApplication(unit), id) << unit;
    // Other units and malformed names give nothing; among them: bare prefixes, a bad random part, a
    // slash, a control character, bytes that are not UTF-8.
    for (std::string_view unit :
         {"", "app-", "snap.", "dbus-", "session-2.scope", "app-org.gnome.Terminal.slice",
          "app-gnome-org.x-12.34.scope", "app-gnome--1.scope", "app-gnome-org.x-1.socket",
          "app-gnome-bad\\x2-1.scope", "app-gnome-bad\\q-1.scope", "app-gnome-a\\x2fb-1.scope",
          "app-gnome-a\\x0ab-1.scope", "app-gnome-\\xff\\xfe-1.scope",
          "snap.Firefox.firefox.service", "snap.firefox.scope", "dbus-:1.2-org/x@0.service"})
        EXPECT_EQ(RunningApps::unitApplication(unit), std::nullopt) << unit;
}

// --- processes ---

TEST(RunningAppsTest, EveryKindOfApplicationIsFoundByItsIdentifier) {
    FakeProc proc;
    proc.add(12, kMe, "/snap/spotify/80/usr/share/spotify/spotify-client",
             scope("snap.spotify.spotify-" + kUuid + ".scope"));
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

    EXPECT_EQ(proc.current(),
              unnamed({"spotify-client", "spotify", "helper", "com.example.paint", "code_insiders",
                       "bash", "org.gnome.terminal", "gnome-maps", "org.gnome.maps"}));
}

TEST(RunningAppsTest, ProgramsAreNamedByTheLinkElseTheCommandNameOthersAndGarbageSkipped) {
    FakeProc proc;
    proc.add(300, kOther, "/usr/bin/gedit", scope("app-gnome-org.gnome.gedit-300.scope"));
    proc.add(20, 0, "/usr/sbin/cupsd");
    // Entries that are not processes.
    writeText(proc / "cpuinfo", "processor : 0\n");
    makeDir(proc / "sys");
    makeSymlink("1", proc / "self");
    makeDir(proc / "12a");
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

TEST(RunningAppsTest, LowerCasingIsFullUnicodeAndIndependentOfTheLocale) {
    EXPECT_EQ(RunningApps::lowerCased("ORG.ÉXAMPLE.Ünïcode"), "org.éxample.ünïcode");
    EXPECT_EQ(RunningApps::lowerCased("İSTANBUL"), "i\u0307stanbul");  // full mapping: two chars
    EXPECT_EQ(RunningApps::lowerCased("ΟΔΟΣ"), "οδος");                // final sigma
    EXPECT_EQ(RunningApps::lowerCased("\xff\xfeXYZ"), "\xff\xfeXYZ");

    // Under Turkish as ICU's default locale, "I" would lower to dotless "ı".
    const std::string saved = uloc_getDefault();
    UErrorCode status = U_ZERO_ERROR;
    uloc_setDefault("tr_TR", &status);
    const std::string turkish = RunningApps::lowerCased("DIŞ");
    uloc_setDefault(saved.c_str(), &status);
    EXPECT_EQ(turkish, "diş");
}

}  // namespace
}  // namespace tornivo
