#include "SystemFixtures.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace tornivo::test {

namespace fs = std::filesystem;

DescriptorLimit::DescriptorLimit(rlim_t limit) {
    ::getrlimit(RLIMIT_NOFILE, &saved_);
    const rlimit lowered{limit, saved_.rlim_max};
    ok_ = ::setrlimit(RLIMIT_NOFILE, &lowered) == 0;
}

DescriptorLimit::~DescriptorLimit() {
    ::setrlimit(RLIMIT_NOFILE, &saved_);
}

std::string chainFileName(int level) {
    return "f" + std::to_string(level % 10);
}

bool buildChain(const Path& root, int levels) {
    int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    for (int i = 0;; ++i) {
        if (i < levels && ::mkdirat(fd, "d", 0700) != 0) break;
        int f = ::openat(fd, chainFileName(i).c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (f < 0) break;
        ::close(f);
        if (i == levels) {
            ::close(fd);
            return true;
        }
        int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        if (next < 0) return false;
        fd = next;
    }
    ::close(fd);
    return false;
}

void dismantleChain(const Path& root) {
    int rootFd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (rootFd < 0) return;
    auto unlinkFiles = [](int fd) {
        for (int i = 0; i < 10; ++i) ::unlinkat(fd, chainFileName(i).c_str(), 0);
    };
    for (;;) {
        int d = ::openat(rootFd, "d", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (d < 0) break;
        unlinkFiles(d);
        bool deeper = ::renameat(d, "d", rootFd, "next") == 0;
        ::close(d);
        ::unlinkat(rootFd, "d", AT_REMOVEDIR);
        if (!deeper || ::renameat(rootFd, "next", rootFd, "d") != 0) break;
    }
    unlinkFiles(rootFd);
    ::close(rootFd);
    std::error_code ec;
    fs::remove_all(root, ec);
}

namespace {

bool writeProcFile(const char* file, const std::string& text) {
    int fd = ::open(file, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    return ok;
}

bool enterPrivateMountNamespace(std::string& why) {
    uid_t uid = ::geteuid();
    gid_t gid = ::getegid();
    if (::unshare(CLONE_NEWNS) != 0) {
        std::string first = std::strerror(errno);
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            why = "the kernel refuses a mount namespace (" + first + ") and a user namespace (" +
                  std::strerror(errno) + ")";
            return false;
        }
        if (!writeProcFile("/proc/self/setgroups", "deny") ||
            !writeProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !writeProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
            why = "cannot map ids in the user namespace";
            return false;
        }
    }
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        why = std::string("cannot make / private: ") + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

ChildOutcome inMountNamespace(const std::function<int(std::string&)>& body) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return {true, false, "no pipe"};
    pid_t pid = ::fork();
    if (pid < 0) return {true, false, "fork failed"};
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::string report;
        int code = kSkipExit;
        try {
            if (enterPrivateMountNamespace(report)) code = body(report);
        } catch (const std::exception& e) {
            report += std::string("exception: ") + e.what();
            code = 1;
        }
        if (!report.empty()) (void)!::write(pipeFds[1], report.data(), report.size());
        ::_exit(code);
    }
    ::close(pipeFds[1]);
    ChildOutcome out;
    char buf[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;) out.report.append(buf, n);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status))
        out.report += " (child died with status " + std::to_string(status) + ")";
    out.skipped = WIFEXITED(status) && WEXITSTATUS(status) == kSkipExit;
    out.passed = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return out;
}

bool mountOrSay(const char* source, const Path& target, const char* type, unsigned long flags,
                const char* data, std::string& report) {
    if (::mount(source, target.c_str(), type, flags, data) == 0) return true;
    report += std::string("cannot mount ") + (type ? type : "bind") + " on " + target.string() +
              ": " + std::strerror(errno) + "\n";
    return false;
}

}  // namespace tornivo::test
