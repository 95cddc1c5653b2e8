#include "PrivilegedActions.h"

#include <fcntl.h>
#include <ftw.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace tornivo::helper {

namespace {

constexpr int kFailure = 1;
constexpr int kNotFound = 127;

// The kernel writes dirty pages out only on sync; dropping first would keep them.
int dropPageCache() {
    ::sync();
    const int fd = ::open("/proc/sys/vm/drop_caches", O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        std::fprintf(stderr, "tornivo-helper: /proc/sys/vm/drop_caches: %s\n",
                     std::strerror(errno));
        return kFailure;
    }
    // 3: the page cache and the reclaimable dentries and inodes.
    const bool written = ::write(fd, "3", 1) == 1;
    const int error = errno;
    ::close(fd);
    if (!written) {
        std::fprintf(stderr, "tornivo-helper: dropping the caches: %s\n", std::strerror(error));
        return kFailure;
    }
    return 0;
}

// A system tool found only in the system's own folders, run with an environment of our making:
// whatever started us (pkexec sanitises, a root shell may not) chooses neither the program nor
// its search path. Empty when it is not installed.
std::string systemTool(const char* tool) {
    constexpr std::array<const char*, 4> kFolders{"/usr/sbin", "/usr/bin", "/sbin", "/bin"};
    for (const char* folder : kFolders) {
        std::string program = std::string(folder) + "/" + tool;
        if (::access(program.c_str(), X_OK) == 0) return program;
    }
    std::fprintf(stderr, "tornivo-helper: %s is not installed\n", tool);
    return {};
}

[[noreturn]] void execTool(const std::string& program, const char* tool,
                           std::initializer_list<const char*> arguments) {
    const passwd* root = ::getpwuid(::geteuid());
    const std::string home = "HOME=" + std::string(root && root->pw_dir ? root->pw_dir : "/");
    const char* environment[] = {"PATH=/usr/sbin:/usr/bin:/sbin:/bin", "LC_ALL=C.UTF-8",
                                 home.c_str(), nullptr};
    std::vector<char*> argv{const_cast<char*>(tool)};
    for (const char* a : arguments) argv.push_back(const_cast<char*>(a));
    argv.push_back(nullptr);
    ::execve(program.c_str(), argv.data(), const_cast<char* const*>(environment));
    std::fprintf(stderr, "tornivo-helper: %s: %s\n", program.c_str(), std::strerror(errno));
    ::_exit(kFailure);
}

int becomeTool(const char* tool, const char* argument) {
    const std::string program = systemTool(tool);
    if (program.empty()) return kNotFound;
    execTool(program, tool, {argument});
}

// Runs the tool as a child and returns its exit status. Its output goes to our standard error:
// our standard output carries only what we report.
int runTool(const char* tool, std::initializer_list<const char*> arguments) {
    const std::string program = systemTool(tool);
    if (program.empty()) return kNotFound;
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0) return kFailure;
    if (child == 0) {
        ::dup2(STDERR_FILENO, STDOUT_FILENO);
        execTool(program, tool, arguments);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return kFailure;
    return WIFEXITED(status) ? WEXITSTATUS(status) : kFailure;
}

// What a folder takes on disk, as du -x counts it: links not followed, other mounts not entered.
// A folder that is missing takes nothing.
long long diskUsage(const char* folder) {
    static long long total;
    total = 0;
    ::nftw(
        folder,
        [](const char*, const struct stat* st, int type, FTW*) {
            if (type != FTW_NS) total += static_cast<long long>(st->st_blocks) * 512;
            return 0;
        },
        32, FTW_PHYS | FTW_MOUNT);
    return total;
}

long long diskUsage(std::initializer_list<const char*> folders) {
    long long total = 0;
    for (const char* folder : folders) total += diskUsage(folder);
    return total;
}

// Runs the tool and, when it succeeds, reports on standard output what the folders it cleans
// shrank by: "freed BYTES". Only root can read some of them, so the caller cannot measure.
int runMeasured(std::initializer_list<const char*> folders, const char* tool,
                std::initializer_list<const char*> arguments) {
    const long long before = diskUsage(folders);
    const int status = runTool(tool, arguments);
    if (status != 0) return status;
    const long long after = diskUsage(folders);
    std::printf("freed %lld\n", before > after ? before - after : 0);
    return 0;
}

int flushDnsCache() {
    return becomeTool("resolvectl", "flush-caches");
}

// As root, fc-cache rebuilds the system's caches, every font folder's, from scratch.
int rebuildFontCaches() {
    return becomeTool("fc-cache", "-r");
}

// Archived journal files go, oldest first, until the journal fits in 200 MB; the active files
// stay. A desktop writes a few megabytes a day, so weeks of logs remain for finding a fault.
int vacuumJournal() {
    return runMeasured({"/var/log/journal", "/run/log/journal"}, "journalctl",
                       {"--vacuum-size=200M"});
}

// The system installation's runtimes that no installed application uses (the user's own
// installation needs no rights and is done by the program itself).
int removeUnusedRuntimes() {
    return runMeasured({"/var/lib/flatpak"}, "flatpak",
                       {"uninstall", "--system", "--unused", "--noninteractive"});
}

// The packages apt downloaded and keeps after installing them.
int cleanPackageCache() {
    return runMeasured({"/var/cache/apt"}, "apt-get", {"clean"});
}

constexpr PrivilegedAction kActions[] = {
    {"drop-page-cache", dropPageCache},
    {"flush-dns-cache", flushDnsCache},
    {"rebuild-font-caches", rebuildFontCaches},
    {"vacuum-journal", vacuumJournal},
    {"remove-unused-runtimes", removeUnusedRuntimes},
    {"clean-package-cache", cleanPackageCache},
};

}  // namespace

std::span<const PrivilegedAction> privilegedActions() {
    return kActions;
}

const PrivilegedAction* findPrivilegedAction(std::string_view name) {
    for (const auto& action : kActions)
        if (action.name == name) return &action;
    return nullptr;
}

}  // namespace tornivo::helper
