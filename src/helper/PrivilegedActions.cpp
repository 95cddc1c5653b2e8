#include "PrivilegedActions.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

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

// Runs a system tool found only in the system's own folders, with an environment of our making:
// whatever started us (pkexec sanitises, a root shell may not) chooses neither the program nor
// its search path.
int becomeTool(const char* tool, const char* argument) {
    constexpr std::array<const char*, 4> kFolders{"/usr/sbin", "/usr/bin", "/sbin", "/bin"};
    const passwd* root = ::getpwuid(::geteuid());
    const std::string home = "HOME=" + std::string(root && root->pw_dir ? root->pw_dir : "/");
    const char* environment[] = {"PATH=/usr/sbin:/usr/bin:/sbin:/bin", "LC_ALL=C.UTF-8",
                                 home.c_str(), nullptr};
    for (const char* folder : kFolders) {
        const std::string program = std::string(folder) + "/" + tool;
        if (::access(program.c_str(), X_OK) != 0) continue;
        char* const arguments[] = {const_cast<char*>(tool), const_cast<char*>(argument), nullptr};
        ::execve(program.c_str(), arguments, const_cast<char* const*>(environment));
        std::fprintf(stderr, "tornivo-helper: %s: %s\n", program.c_str(), std::strerror(errno));
        return kFailure;
    }
    std::fprintf(stderr, "tornivo-helper: %s is not installed\n", tool);
    return kNotFound;
}

int flushDnsCache() {
    return becomeTool("resolvectl", "flush-caches");
}

// As root, fc-cache rebuilds the system's caches, every font folder's, from scratch.
int rebuildFontCaches() {
    return becomeTool("fc-cache", "-r");
}

constexpr PrivilegedAction kActions[] = {
    {"drop-page-cache", dropPageCache},
    {"flush-dns-cache", flushDnsCache},
    {"rebuild-font-caches", rebuildFontCaches},
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
