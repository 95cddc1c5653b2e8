#include "TempHome.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace tornivo::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string tmpl = std::string(base && *base ? base : "/tmp") + "/tornivo-test-XXXXXX";
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    // Give every folder back its permissions so that the whole tree can go.
    std::error_code ec;
    ::chmod(path_.c_str(), 0700);
    for (auto it = fs::recursive_directory_iterator(
             path_, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec) && !it->is_symlink(ec)) ::chmod(it->path().c_str(), 0700);
    }
    fs::remove_all(path_, ec);
}

TempHome::TempHome(LayoutKind kind, Environment env)
    : home_(dir_ / "home"), kind_(kind), env_(std::move(env)) {
    fs::create_directories(home_);
    reload();
}

void TempHome::reload() {
    layout_ = kind_ == LayoutKind::macos ? Layout::macos(home_) : Layout::freedesktop(home_, env_);
}

std::map<std::string, std::string> snapshot(const Path& folder) {
    std::map<std::string, std::string> entries;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const auto status = it->symlink_status();
        std::string line = std::to_string(static_cast<int>(status.type()));
        if (status.type() == fs::file_type::regular) {
            line += " " + std::to_string(it->file_size()) + " " +
                    std::to_string(it->last_write_time().time_since_epoch().count());
            if (it->file_size() <= 65536)
                line += " " + std::to_string(std::hash<std::string>{}(readText(it->path())));
        }
        entries[it->path().native()] = line;
    }
    return entries;
}

Path writeFile(const Path& file, std::size_t size, char fill) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    const std::string chunk(64 * 1024, fill);
    for (std::size_t n; size > 0; size -= n)
        out.write(chunk.data(), static_cast<std::streamsize>(n = std::min(size, chunk.size())));
    if (!out) throw std::runtime_error("cannot write " + file.string());
    return file;
}

Path writeText(const Path& file, std::string_view text) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
    return file;
}

std::string readText(const Path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

Path makeDir(const Path& folder) {
    fs::create_directories(folder);
    return folder;
}

Path makeSymlink(const Path& target, const Path& link) {
    fs::create_directories(link.parent_path());
    if (::symlink(target.c_str(), link.c_str()) != 0)
        throw std::runtime_error("cannot link " + link.string());
    return link;
}

void setTimes(const Path& file, TimePoint access, TimePoint modification) {
    auto ts = [](TimePoint t) {
        const auto since = t.time_since_epoch();
        const auto whole = std::chrono::floor<std::chrono::seconds>(since);
        return timespec{static_cast<time_t>(whole.count()),
                        static_cast<long>(std::chrono::nanoseconds(since - whole).count())};
    };
    timespec times[2] = {ts(access), ts(modification)};
    if (::utimensat(AT_FDCWD, file.c_str(), times, AT_SYMLINK_NOFOLLOW) != 0)
        throw std::runtime_error("cannot set times of " + file.string());
}

void setTreeTimes(const Path& folder, TimePoint when) {
    std::vector<Path> below;
    for (const auto& e : fs::recursive_directory_iterator(folder)) below.push_back(e.path());
    for (auto it = below.rbegin(); it != below.rend(); ++it) setTimes(*it, when, when);
    setTimes(folder, when, when);
}

Path allocateFile(const Path& file, ByteCount size) {
    fs::create_directories(file.parent_path());
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const bool made = fd >= 0 && ::posix_fallocate(fd, 0, size) == 0;
    if (fd >= 0) ::close(fd);
    if (!made) throw std::runtime_error("cannot allocate " + file.string());
    return file;
}

void setMode(const Path& file, mode_t mode) {
    if (::chmod(file.c_str(), mode) != 0) throw std::runtime_error("cannot chmod " + file.string());
}

bool exists(const Path& file) {
    struct stat st;
    return ::lstat(file.c_str(), &st) == 0;
}

ByteCount allocatedSize(const Path& file) {
    struct stat st;
    if (::lstat(file.c_str(), &st) != 0) return -1;
    return static_cast<ByteCount>(st.st_blocks) * 512;
}

namespace {
constexpr unsigned kOverrides =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

// Reads (SYS_capget) or sets (SYS_capset) this thread's capabilities.
bool caps(long call, __user_cap_data_struct (&data)[2]) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(call, &header, data) == 0;
}
}  // namespace

PermissionsApply::PermissionsApply() {
    __user_cap_data_struct data[2]{};
    if (!caps(SYS_capget, data)) {
        reason_ = "cannot read this thread's capabilities";
        return;
    }
    saved_[0] = data[0].effective;
    if ((data[0].effective & kOverrides) == 0) {
        active_ = true;  // nothing overrides permission bits here
        return;
    }
    data[0].effective &= ~kOverrides;
    if (!caps(SYS_capset, data)) {
        reason_ = "cannot drop the capabilities that override file permissions";
        return;
    }
    dropped_ = active_ = true;
}

PermissionsApply::~PermissionsApply() {
    if (!dropped_) return;
    __user_cap_data_struct data[2]{};
    if (!caps(SYS_capget, data)) return;
    data[0].effective = saved_[0];
    caps(SYS_capset, data);
}

}  // namespace tornivo::test
