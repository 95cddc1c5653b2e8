#include "platform/PreferencesStore.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

namespace tornivo {

namespace {

using Json = nlohmann::json;

// Reads a whole file; empty optional when it does not exist, and `ok` false on other errors.
std::optional<std::string> readFile(const Path& file, bool& ok) {
    ok = true;
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        ok = errno == ENOENT;
        return std::nullopt;
    }
    std::string text;
    char buf[16384];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        text.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

// The file's JSON object; `corrupt` is set when the file exists but holds something else.
Json parseObject(const std::optional<std::string>& text, bool& corrupt) {
    corrupt = false;
    if (!text) return Json::object();
    Json doc = Json::parse(*text, nullptr, /*allow_exceptions=*/false);
    if (doc.is_discarded() || !doc.is_object()) {
        corrupt = true;
        return Json::object();
    }
    return doc;
}

bool writeAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool makeFolders(const Path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return std::filesystem::is_directory(folder, ec);
}

// Moves a corrupt file aside, to NAME.corrupt-YYYYMMDDTHHMMSS (with a counter if taken).
void keepAside(const Path& file) {
    char stamp[32];
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&now, &tm);
    std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", &tm);
    for (int n = 0; n < 100; ++n) {
        std::string aside = file.native();
        aside.append(".corrupt-").append(stamp);
        if (n) aside.append("-").append(std::to_string(n));
        // renameat2 with RENAME_NOREPLACE never overwrites an earlier copy.
        if (::renameat2(AT_FDCWD, file.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0)
            return;
        if (errno != EEXIST) return;
    }
}

}  // namespace

PreferencesStore::PreferencesStore(Path file) : file_(std::move(file)) {}

Json PreferencesStore::snapshot() const {
    std::lock_guard lock(mutex_);
    // The bytes decide whether the cache still holds: inode, size and modification time can all
    // repeat (a replaced file's inode is reused at once, and timestamps move only with the clock
    // tick on many kernels), and the file is small enough to read on every call.
    bool ok = true, corrupt = false;
    auto text = readFile(file_, ok);
    if (cachedText_ && text && *cachedText_ == *text) return cache_;
    cache_ = parseObject(text, corrupt);
    cachedText_ = std::move(text);
    return cache_;
}

std::optional<Json> PreferencesStore::value(std::string_view key) const {
    Json doc = snapshot();
    auto it = doc.find(key);
    if (it == doc.end()) return std::nullopt;
    return *it;
}

std::optional<std::int64_t> PreferencesStore::integer(std::string_view key) const {
    auto v = value(key);
    if (!v || !v->is_number_integer()) return std::nullopt;
    if (v->is_number_unsigned() && v->get<std::uint64_t>() > INT64_MAX) return std::nullopt;
    return v->get<std::int64_t>();
}

std::optional<bool> PreferencesStore::boolean(std::string_view key) const {
    auto v = value(key);
    if (!v || !v->is_boolean()) return std::nullopt;
    return v->get<bool>();
}

std::optional<double> PreferencesStore::number(std::string_view key) const {
    auto v = value(key);
    if (!v || !v->is_number()) return std::nullopt;
    return v->get<double>();
}

std::optional<std::string> PreferencesStore::string(std::string_view key) const {
    auto v = value(key);
    if (!v || !v->is_string()) return std::nullopt;
    return v->get<std::string>();
}

std::optional<std::vector<std::string>> PreferencesStore::stringList(std::string_view key) const {
    auto v = value(key);
    if (!v || !v->is_array()) return std::nullopt;
    std::vector<std::string> out;
    for (const auto& item : *v) {
        if (!item.is_string()) return std::nullopt;
        out.push_back(item.get<std::string>());
    }
    return out;
}

bool PreferencesStore::set(std::string_view key, Json value) {
    return update(key, &value);
}

bool PreferencesStore::remove(std::string_view key) {
    return update(key, nullptr);
}

bool PreferencesStore::update(std::string_view key, const Json* value) {
    const Path folder = file_.parent_path();
    if (!makeFolders(folder)) return false;

    // One writer at a time, across processes: the lock lives in a file of its own so that the
    // rename of the settings file never drops it.
    Path lockPath = file_.native() + ".lock";
    int lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd < 0) return false;
    while (::flock(lockFd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(lockFd);
            return false;
        }
    }

    bool ok = true, corrupt = false;
    auto text = readFile(file_, ok);
    bool written = false;
    if (ok) {
        Json doc = parseObject(text, corrupt);
        if (corrupt) keepAside(file_);
        if (value)
            doc[std::string(key)] = *value;
        else
            doc.erase(std::string(key));
        std::string data = doc.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";

        std::string tmpl = file_.native() + ".tmp-XXXXXX";
        int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
        if (fd >= 0) {
            bool good = ::fchmod(fd, 0600) == 0 && writeAll(fd, data) && ::fsync(fd) == 0;
            good = (::close(fd) == 0) && good;
            if (good && ::rename(tmpl.c_str(), file_.c_str()) == 0) {
                int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
                if (dirFd >= 0) {
                    ::fsync(dirFd);
                    ::close(dirFd);
                }
                written = true;
            } else {
                ::unlink(tmpl.c_str());
            }
        }
    }
    ::flock(lockFd, LOCK_UN);
    ::close(lockFd);
    return written;
}

}  // namespace tornivo
