#include "Autostart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QJSEngine>

#include <random>

#include "platform/Descriptor.h"
#include "platform/PathText.h"

namespace tornivo::app {

namespace {

Autostart* g_instance = nullptr;

// Exec takes the program as one argument in double quotes, where `"`, `` ` ``, `$` and `\` are
// escaped with a backslash; the value as a whole is a desktop-entry string, whose own escaping
// (a backslash doubled) applies before the quoting is read. `%` starts a field code and is
// doubled.
std::string execValue(const std::string& program) {
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
    }
    quoted += '"';
    std::string value;
    for (char c : quoted) {
        if (c == '\\') value += '\\';
        if (c == '%') value += '%';
        value += c;
    }
    return value;
}

UniqueFd openFolder(const Path& folder) {
    return UniqueFd(retryOnInterrupt(
        [&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
}

// A new file of a name no one else uses, beside the entry.
UniqueFd createTemporary(int dirfd, const std::string& base, std::string& name) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = base + ".tmp-" + std::to_string(random());
        UniqueFd fd(retryOnInterrupt([&] {
            return ::openat(dirfd, name.c_str(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        }));
        if (fd || errno != EEXIST) return fd;
    }
    return UniqueFd();
}

}  // namespace

std::string autostartEntryText(const Path& executable, const std::string& appId) {
    const std::string& program = executable.native();
    if (program.empty() || program.front() != '/' || !isValidUtf8(program)) return {};
    for (unsigned char c : program)
        if (c < 0x20 || c == 0x7f) return {};
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Tornivo\n"
           "Exec=" +
           execValue(program) +
           "\n"
           "Icon=" +
           appId +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

Path runningExecutable() {
    std::string target(4096, '\0');
    const ssize_t n = ::readlink("/proc/self/exe", target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return {};
    target.resize(static_cast<std::size_t>(n));
    return Path(target);
}

AutostartFolder::AutostartFolder(Path folder, std::string appId, Path executable)
    : folder_(std::move(folder)),
      entry_(folder_ / (appId + ".desktop")),
      appId_(std::move(appId)),
      executable_(std::move(executable)) {}

bool AutostartFolder::exists() const {
    struct stat st {};
    if (::fstatat(AT_FDCWD, entry_.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return false;
    return S_ISREG(st.st_mode) || S_ISLNK(st.st_mode);
}

bool AutostartFolder::write() const {
    const std::string text = autostartEntryText(executable_, appId_);
    // A program that is gone (replaced by an upgrade while running, say) is not worth starting.
    if (text.empty() || ::access(executable_.c_str(), X_OK) != 0) return false;
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    UniqueFd dir = openFolder(folder_);
    if (!dir) return false;

    const std::string name = entry_.filename().native();
    std::string temporary;
    UniqueFd file = createTemporary(dir.get(), name, temporary);
    if (!file) return false;
    bool good = writeAll(file.get(), text) && ::fsync(file.get()) == 0;
    good = ::close(file.release()) == 0 && good;
    if (good && ::renameat(dir.get(), temporary.c_str(), dir.get(), name.c_str()) == 0) {
        ::fsync(dir.get());
        return true;
    }
    ::unlinkat(dir.get(), temporary.c_str(), 0);
    return false;
}

bool AutostartFolder::remove() const {
    UniqueFd dir = openFolder(folder_);
    if (!dir) return errno == ENOENT;
    const std::string name = entry_.filename().native();
    struct stat st {};
    if (::fstatat(dir.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT;
    if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) return false;
    // Without AT_REMOVEDIR a folder swapped in meanwhile cannot go either.
    return ::unlinkat(dir.get(), name.c_str(), 0) == 0 || errno == ENOENT;
}

Autostart::Autostart(AutostartFolder folder, QObject* parent)
    : QObject(parent), folder_(std::make_shared<AutostartFolder>(std::move(folder))) {
    refresh();
}

Autostart::~Autostart() {
    if (g_instance == this) g_instance = nullptr;
}

void Autostart::setInstance(Autostart* autostart) {
    g_instance = autostart;
}

Autostart* Autostart::create(QQmlEngine*, QJSEngine* engine) {
    Q_ASSERT(g_instance && engine->thread() == g_instance->thread());
    QJSEngine::setObjectOwnership(g_instance, QJSEngine::CppOwnership);
    return g_instance;
}

void Autostart::setEnabled(bool on) {
    setShown(on);
    queue(true, on);
}

void Autostart::refresh() {
    queue(false, false);
}

void Autostart::queue(bool change, bool on) {
    ++pending_;
    folder_
        .run([change, on](AutostartFolder& folder) {
            if (change && on)
                folder.write();
            else if (change)
                folder.remove();
            return folder.exists();
        })
        .then(this, [this](bool present) {
            // Answers come back in order: only the last one says how things stand.
            if (--pending_ > 0) return;
            setShown(present);
            emit settled();
        });
}

void Autostart::setShown(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    emit enabledChanged();
}

}  // namespace tornivo::app
