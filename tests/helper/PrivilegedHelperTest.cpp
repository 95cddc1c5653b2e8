// The privileged helper runs as root: it must refuse anything but the name of one of its actions,
// and its actions, the application's administrator tasks and polkit's actions must be the same
// set, or a task would fail or get polkit's generic prompt.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "PrivilegedActions.h"
#include "engines/TuneUpCommands.h"

extern char** environ;

namespace tornivo::helper {
namespace {

// The helper's exit status for these arguments, its output going nowhere.
int runHelper(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), TORNIVO_HELPER);
    std::vector<char*> argv;
    for (auto& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = posix_spawn(&pid, TORNIVO_HELPER, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

TEST(PrivilegedHelperTest, RefusesAnythingButTheExactNameOfOneAction) {
    // "memory" is the task's name in the application, not the helper's.
    for (const char* one : {"", "--help", "DROP-PAGE-CACHE", " drop-page-cache",
                            "drop-page-cache;id", "/bin/sh", "../drop-page-cache", "memory"})
        EXPECT_EQ(runHelper({one}), 2) << one;
    const std::vector<std::string> none, extra{"drop-page-cache", "extra"},
        empty{"drop-page-cache", ""}, shell{"-c", "id"};
    for (const auto& arguments : {none, extra, empty, shell})
        EXPECT_EQ(runHelper(arguments), 2) << ::testing::PrintToString(arguments);
}

TEST(PrivilegedHelperTest, EveryAdministratorTaskIsAHelperActionWithAPolicyActionOfItsOwn) {
    std::set<std::string> tasks, actions;
    for (const auto& action : privilegedActions()) actions.emplace(action.name);
    for (const auto& action : allTuneUpActions(Layout::freedesktop("/home/a", {}), {}))
        if (action.needsAdmin) tasks.insert(action.command);
    EXPECT_EQ(tasks, actions);

    std::stringstream text;
    text << std::ifstream(TORNIVO_SOURCE_DIR "/data/polkit/tornivo.policy.in").rdbuf();
    const std::string policy = text.str();
    ASSERT_FALSE(policy.empty());
    // Each action: the helper's path, then the action's one argument.
    const std::regex pair(
        R"(exec\.path">@TORNIVO_HELPER_INSTALLED@</annotate>\s*)"
        R"(<annotate key="org\.freedesktop\.policykit\.exec\.argv1">([^<]*)</annotate>)");
    std::set<std::string> inPolicy;
    for (std::sregex_iterator it(policy.begin(), policy.end(), pair), end; it != end; ++it) {
        inPolicy.insert((*it)[1]);
        EXPECT_NE(policy.find("<action id=\"@TORNIVO_APP_ID@." + (*it)[1].str() + "\">"),
                  std::string::npos)
            << (*it)[1];
    }
    EXPECT_EQ(inPolicy, actions);
}

}  // namespace
}  // namespace tornivo::helper
