// tornivo-helper ACTION: one of Tornivo's maintenance tasks that need administrator rights, run
// by pkexec. It takes exactly one word, the task's name, and refuses everything else.

#include <unistd.h>

#include <cstdio>

#include "PrivilegedActions.h"

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

int refuse(const char* why) {
    // The caller's words are never echoed: they could drive the terminal.
    std::fprintf(stderr, "tornivo-helper: %s\nUsage: tornivo-helper", why);
    const char* separator = " ";
    for (const auto& action : tornivo::helper::privilegedActions()) {
        std::fprintf(stderr, "%s%.*s", separator, static_cast<int>(action.name.size()),
                     action.name.data());
        separator = "|";
    }
    std::fputc('\n', stderr);
    return kUsage;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return refuse("give exactly one action");
    const auto* action = tornivo::helper::findPrivilegedAction(argv[1]);
    if (!action) return refuse("unknown action");
    if (::geteuid() != 0) {
        std::fputs("tornivo-helper: needs administrator rights; Tornivo runs it through pkexec\n",
                   stderr);
        return kFailure;
    }
    return action->run();
}
