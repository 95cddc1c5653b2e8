#include "engines/TuneUpCommands.h"

#include <gmock/gmock.h>
#include <sys/mount.h>

#include "CoreChecks.h"
#include "workflows/FileWorkflows.h"

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

TEST(TuneUpCommandsTest, BothLayoutsListTheirActionsInOrderWithTheirRights) {
    const std::vector<std::string> six{"memory", "dns", "finder", "dock", "quicklook", "fonts"};
    std::vector<std::string> linux = six;
    linux.insert(linux.end(), {"journal", "runtimes", "packages"});
    for (const Layout& layout : {Layout::macos("/Users/a"), Layout::freedesktop("/home/a", {})}) {
        const auto actions = allTuneUpActions(layout, {});
        EXPECT_EQ(ids(actions), layout.kind == LayoutKind::macos ? six : linux);
        const std::vector<bool> admin{true, true, false, false, false, true, true, true, true};
        for (std::size_t i = 0; i < actions.size(); ++i)
            EXPECT_EQ(actions[i].needsAdmin, admin[i]) << actions[i].id;
    }
}

TEST(TuneUpCommandsTest, ATaskWhoseToolIsNotOnThePathIsNotOffered) {
    test::TempDir dir;
    const Layout layout = Layout::freedesktop("/home/a", {});
    for (const char* tool : {"journalctl", "apt-get"})
        test::setMode(test::writeText(dir / "bin" / tool, "#!/bin/sh\n"), 0755);
    test::writeText(dir / "other/flatpak", "not a program");  // not executable
    const Environment env{{"PATH", (dir / "missing").native() + "::" + (dir / "bin").native() +
                                       ":" + (dir / "other").native()}};
    auto offered = ids(availableTuneUpActions(layout, env));
    EXPECT_EQ(std::vector<std::string>(offered.end() - 2, offered.end()),
              (std::vector<std::string>{"journal", "packages"}));
    EXPECT_EQ(availableTuneUpActions(layout, {}).size(), 6u) << "no PATH: only the six";
}

TEST(TuneUpCommandsTest, TheHelpersReportOfWhatItFreedIsReadFromItsOwnLine) {
    const std::vector<std::pair<std::string, std::optional<ByteCount>>> cases = {
        {"freed 1048576\n", 1048576},
        {"Vacuuming done\nfreed 0\n", 0},
        {"freed 12 bytes\n", std::nullopt},
        {"freed -5\n", std::nullopt},
        {"the tool said freed 7\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [output, freed] : cases) EXPECT_EQ(reportedFreed(output), freed) << output;
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

// The thumbnail reset is the program's own removal, not a shell's `rm -rf`: that one went into a
// bind mount of the same file system and past protected folders.
TEST(TuneUpCommandsTest, TheThumbnailResetLeavesProtectedFoldersAndMountsInsideTheCache) {
    test::TempHome home;
    const Layout& layout = home.layout();
    EXPECT_TRUE(find(allTuneUpActions(layout, {}), "quicklook").clearsThumbnails);
    const Path cache = *layout.thumbnailCache, outside = home / "Pictures/keep";
    EXPECT_EQ(clearThumbnailCache(layout, {}).left.size(), 0u) << "no cache: nothing to do";
    test::writeFile(cache / "large/a.png", 100);
    test::writeFile(outside / "photo.jpg", 100);
    test::makeDir(cache / "normal/bound");
    const ProtectedFolders protection({cache / "large"});
    const RemovalOutcome kept = clearThumbnailCache(layout, protection);
    EXPECT_EQ(kept.left, (std::vector<LeftItem>{{cache, LeftReason::protectedFolder}}));
    EXPECT_TRUE(test::exists(cache / "large/a.png"));

    TORNIVO_EXPECT_IN_MOUNT_NAMESPACE([&](std::string& report) {
        if (!test::mountOrSay(outside.c_str(), cache / "normal/bound", nullptr, MS_BIND, nullptr,
                              report))
            return test::kSkipExit;
        const RemovalOutcome bound = clearThumbnailCache(layout, {});
        if (bound.done != 0 || !test::exists(outside / "photo.jpg"))
            report += "went into a bind mount inside the cache\n";
        return report.empty() ? 0 : 1;
    });
    EXPECT_TRUE(test::exists(outside / "photo.jpg"));
    EXPECT_EQ(clearThumbnailCache(layout, {}).done, 1);
    EXPECT_FALSE(test::exists(cache));
}

// On freedesktop the password prompt names the task, and the grant is that task: never a shell.
TEST(TuneUpCommandsTest, AdministratorRightsComeFromTheLayoutsElevationAsTheHelperOrQuotedForIt) {
    const TuneUpAction plain{"finder", "folder.fill", "killall Finder", false};
    const TuneUpAction admin{"x", "y", R"(echo "a\b" > /tmp/x)", true};
    const Path helper = "/usr/libexec/tornivo-helper";
    EXPECT_EQ(tuneUpInvocation(plain, LayoutKind::freedesktop, helper),
              (ProcessInvocation{"/bin/sh", {"-c", "killall Finder"}}));
    EXPECT_EQ(tuneUpInvocation(admin, LayoutKind::macos, helper),
              (ProcessInvocation{"/usr/bin/osascript",
                                 {"-e", R"(do shell script "echo \"a\\b\" > /tmp/x" with )"
                                        "administrator privileges"}}));
    // Backslashes are doubled before quotes are escaped.
    EXPECT_EQ(escapeForAppleScript(R"(a\"b)"), R"(a\\\"b)");
    EXPECT_EQ(escapeForAppleScript("purge"), "purge");
    EXPECT_EQ(escapeForAppleScript(R"(\\)"), R"(\\\\)");
    for (const auto& action : allTuneUpActions(Layout::freedesktop("/home/a", {}), {})) {
        if (!action.needsAdmin) continue;
        const ProcessInvocation run = tuneUpInvocation(action, LayoutKind::freedesktop, helper);
        EXPECT_EQ(run.program, "pkexec") << action.id;
        EXPECT_THAT(run.arguments, testing::ElementsAre(helper.native(),
                                                        testing::MatchesRegex("[a-z]+(-[a-z]+)*")))
            << action.id;
    }
}

}  // namespace
}  // namespace tornivo
