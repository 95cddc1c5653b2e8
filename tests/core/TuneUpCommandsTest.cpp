#include "engines/TuneUpCommands.h"

#include "CoreChecks.h"

namespace tornivo {
namespace {

std::vector<std::string> ids(const std::vector<TuneUpAction>& actions) {
    return test::mapped(actions, [](const TuneUpAction& a) { return a.id; });
}

const TuneUpAction& find(const std::vector<TuneUpAction>& actions, const std::string& id) {
    for (const auto& a : actions)
        if (a.id == id) return a;
    throw std::out_of_range(id);
}

TEST(TuneUpCommandsTest, BothLayoutsListTheSixActionsInOrderWithTheirRights) {
    for (const Layout& layout : {Layout::macos("/Users/a"), Layout::freedesktop("/home/a", {})}) {
        const auto actions = allTuneUpActions(layout, {});
        EXPECT_EQ(ids(actions), (std::vector<std::string>{"memory", "dns", "finder", "dock",
                                                          "quicklook", "fonts"}));
        const std::vector<bool> admin{true, true, false, false, false, true};
        for (std::size_t i = 0; i < actions.size(); ++i)
            EXPECT_EQ(actions[i].needsAdmin, admin[i]) << actions[i].id;
    }
}

TEST(TuneUpCommandsTest, RestartsFollowTheCurrentDesktopAndAnUnknownOneFails) {
    const Layout home = Layout::freedesktop("/home/a", {});
    auto command = [&](const char* desktop, const std::string& id) {
        return find(allTuneUpActions(home, {{"XDG_CURRENT_DESKTOP", desktop}}), id).command;
    };
    EXPECT_NE(command("ubuntu:GNOME", "finder").find("nautilus"), std::string::npos);
    EXPECT_EQ(command("XFCE", "dock"), "xfce4-panel -r");
    EXPECT_NE(command("KDE", "dock").find("plasmashell"), std::string::npos);
    EXPECT_NE(command("Hyprland", "finder").find("exit 1"), std::string::npos);
    EXPECT_NE(command("Hyprland", "dock").find("exit 1"), std::string::npos);
}

TEST(TuneUpCommandsTest, TheThumbnailCacheIsQuotedForTheShell) {
    Layout odd = Layout::freedesktop("/home/a", {{"XDG_CACHE_HOME", "/srv/it's cache"}});
    EXPECT_EQ(find(allTuneUpActions(odd, {}), "quicklook").command,
              "rm -rf --one-file-system -- '/srv/it'\\''s cache/thumbnails'");
}

TEST(TuneUpCommandsTest, AdministratorRightsComeFromTheLayoutsElevationQuotedForIt) {
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
    // Backslashes are doubled before quotes are escaped.
    EXPECT_EQ(escapeForAppleScript(R"(a\"b)"), R"(a\\\"b)");
    EXPECT_EQ(escapeForAppleScript("purge"), "purge");
    EXPECT_EQ(escapeForAppleScript(R"(\\)"), R"(\\\\)");
}

}  // namespace
}  // namespace tornivo
