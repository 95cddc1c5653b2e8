// The privileged helper runs as root: it must refuse anything but the name of one of its actions.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    const std::vector<std::vector<std::string>> refused = {
        {},
        {""},
        {"drop-page-cache", "extra"},
        {"drop-page-cache", ""},
        {"--help"},
        {"DROP-PAGE-CACHE"},
        {" drop-page-cache"},
        {"drop-page-cache;id"},
        {"/bin/sh"},
        {"-c", "id"},
        {"../drop-page-cache"},
    };
    for (const auto& arguments : refused) {
        std::string shown;
        for (const auto& a : arguments) shown += "[" + a + "]";
        EXPECT_EQ(runHelper(arguments), 2) << shown;
    }
}

}  // namespace
}  // namespace tornivo::helper
