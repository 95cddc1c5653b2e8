#include "engines/TuneUpCommands.h"

#include <gtest/gtest.h>

namespace tornivo {
namespace {

std::vector<std::string> ids(const std::vector<TuneUpAction>& actions) {
    std::vector<std::string> out;
    for (const auto& a : actions) out.push_back(a.id);
    return out;
}

const TuneUpAction& find(const std::vector<TuneUpAction>& actions, const std::string& id) {
    for (const auto& a : actions)
        if (a.id == id) return a;
    throw std::out_of_range(id);
}

TEST(TuneUpCommandsTest, BothLayoutsListTheSixActionsInOrderWithTheirRights) {
    const std::vector<std::string> expected{"memory", "dns",       "finder",
                                            "dock",   "quicklook", "fonts"};
    auto mac = allTuneUpActions(Layout::macos("/Users/a"), {});
    auto linux = allTuneUpActions(Layout::freedesktop("/home/a", {}), {});
    EXPECT_EQ(ids(mac), expected);
    EXPECT_EQ(ids(linux), expected);
    for (const auto* list : {&mac, &linux}) {
        const std::vector<bool> admin{true, true, false, false, false, true};
        for (std::size_t i = 0; i < list->size(); ++i) EXPECT_EQ((*list)[i].needsAdmin, admin[i]);
        EXPECT_EQ((*list)[3].icon, "menubar.dock.rectangle");
    }
    EXPECT_EQ(find(mac, "dns").command, "dscacheutil -flushcache; killall -HUP mDNSResponder");
    EXPECT_EQ(find(linux, "memory").command, "sync; echo 3 > /proc/sys/vm/drop_caches");
    EXPECT_EQ(find(linux, "fonts").command, "fc-cache -r");
}

TEST(TuneUpCommandsTest, RestartsFollowTheCurrentDesktopAndAnUnknownOneFails) {
    Layout home = Layout::freedesktop("/home/a", {});
    EXPECT_NE(find(allTuneUpActions(home, {{"XDG_CURRENT_DESKTOP", "ubuntu:GNOME"}}), "finder")
                  .command.find("nautilus"),
              std::string::npos);
    EXPECT_EQ(find(allTuneUpActions(home, {{"XDG_CURRENT_DESKTOP", "XFCE"}}), "dock").command,
              "xfce4-panel -r");
    EXPECT_NE(find(allTuneUpActions(home, {{"XDG_CURRENT_DESKTOP", "KDE"}}), "dock")
                  .command.find("plasmashell"),
              std::string::npos);
    const auto unknown = allTuneUpActions(home, {{"XDG_CURRENT_DESKTOP", "Hyprland"}});
    EXPECT_NE(find(unknown, "finder").command.find("exit 1"), std::string::npos);
    EXPECT_NE(find(unknown, "dock").command.find("exit 1"), std::string::npos);
}

TEST(TuneUpCommandsTest, TheThumbnailCacheIsQuotedForTheShell) {
    Layout odd = Layout::freedesktop("/home/a", {{"XDG_CACHE_HOME", "/srv/it's cache"}});
    EXPECT_EQ(find(allTuneUpActions(odd, {}), "quicklook").command,
              "rm -rf --one-file-system -- '/srv/it'\\''s cache/thumbnails'");
}

TEST(TuneUpCommandsTest, AdministratorRightsComeFromTheLayoutsElevation) {
    const TuneUpAction plain{"finder", "folder.fill", "killall Finder", false};
    const TuneUpAction admin{"x", "y", R"(echo "a\b" > /tmp/x)", true};
    EXPECT_EQ(tuneUpInvocation(plain, LayoutKind::freedesktop),
              (ProcessInvocation{"/bin/sh", {"-c", "killall Finder"}}));
    EXPECT_EQ(tuneUpInvocation(admin, LayoutKind::freedesktop),
              (ProcessInvocation{"pkexec", {"/bin/sh", "-c", admin.command}}));
    EXPECT_EQ(tuneUpInvocation(admin, LayoutKind::macos),
              (ProcessInvocation{"/usr/bin/osascript",
                                 {"-e", R"(do shell script "echo \"a\\b\" > /tmp/x" with )"
                                        "administrator privileges"}}));
}

TEST(TuneUpCommandsTest, AppleScriptEscapingDoublesBackslashesBeforeEscapingQuotes) {
    EXPECT_EQ(escapeForAppleScript(R"(a\"b)"), R"(a\\\"b)");
    EXPECT_EQ(escapeForAppleScript("purge"), "purge");
    EXPECT_EQ(escapeForAppleScript(R"(\\)"), R"(\\\\)");
}

}  // namespace
}  // namespace tornivo
