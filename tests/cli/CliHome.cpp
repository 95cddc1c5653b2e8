#include "CliHome.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <stdexcept>
#include <thread>

namespace tornivo::test {

namespace fs = std::filesystem;

namespace {
// Calendar dates as points in time, UTC.
TimePoint utc(int year, unsigned month, unsigned day, int hour) {
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / month / day} + hours{hour};
}
constexpr ByteCount kMiB = 1'048'576;
const TimePoint kLongAgo = utc(2024, 3, 4, 10);
// Changed "in the future": active whatever the protection window.
const TimePoint kLater = utc(2099, 12, 31, 12);

void dated(const Path& file) {
    setTimes(file, kLongAgo, kLongAgo);
}
}  // namespace

CliHome::CliHome(LayoutKind kind, bool sample)
    : home_(kind, {{"XDG_DATA_DIRS", system_.path().native()}}),
      kind_(kind),
      variables_{{"PATH", "/usr/bin:/bin"},
                 {"HOME", home().native()},
                 {"XDG_DATA_DIRS", system_.path().native()},
                 {"TZ", "UTC"},
                 {"LC_ALL", "C.UTF-8"}} {
    if (!sample) return;
    const Layout& l = layout();
    const Path logs = l.junkRoots.at(1).folder;
    dated(writeFile(caches() / "org.example.Editor/cache.db", 11 * kMiB, 'c'));
    dated(writeFile(caches() / "thumbnails.db", 128 * 1024, 't'));
    dated(writeFile(logs / "Xorg.0.log", 64 * 1024, 'l'));
    dated(writeFile(*l.downloads / "Editor-2.0.iso", 11 * kMiB, 'e'));
    dated(writeFile(*l.downloads / "tool.iso", 192 * 1024, 'i'));
    dated(writeFile(*l.downloads / "copy-b.bin", 17 * 64 * 1024, 'd'));
    dated(writeFile(*l.documents / "copy-a.bin", 17 * 64 * 1024, 'd'));
    dated(allocateFile(*l.documents / "old-movie.mkv", 100 * kMiB));
    // The installed application, both ways: a desktop entry and a bundle.
    dated(writeText(home() / ".local/share/applications/org.example.Editor.desktop",
                    "[Desktop Entry]\nType=Application\nName=Editor\nExec=true\n"));
    makeDir(home() / "Applications/Editor.app");
}

CliHome::BuildOutputs CliHome::addBuildOutputs() const {
    BuildOutputs b;
    if (kind_ == LayoutKind::macos) {
        const Path derived = home() / "Library/Developer/Xcode/DerivedData";
        b.inactive = {derived / "App-abcdefghijklmnopqrstuvwxyzab", derived / "Tool"};
        b.active = derived / "Site-0123456789abcdefghijklmnop";
        writeFile(b.inactive[0] / "Build/app", 256 * 1024, 'a');
        writeFile(b.inactive[1] / "Logs/build.log", 8 * 1024, 't');
        writeFile(b.active / "Index/data", 64 * 1024, 's');
        b.sources = {writeText(home() / "Projects/App/main.swift", "print(1)\n")};
    } else {
        const Path code = home() / "code";
        b.inactive = {code / "app/target", code / "tool/tool/__pycache__"};
        b.active = code / "site/node_modules";
        writeFile(b.inactive[0] / "debug/app", 256 * 1024, 'a');
        writeFile(b.inactive[1] / "core.cpython-312.pyc", 8 * 1024, 't');
        writeFile(b.active / "lib/index.js", 64 * 1024, 's');
        b.sources = {writeText(code / "app/Cargo.toml", "[package]\nname = \"app\"\n"),
                     writeText(code / "app/src/main.rs", "fn main() {}\n"),
                     writeText(code / "tool/pyproject.toml", "[project]\nname = \"tool\"\n"),
                     writeText(code / "tool/tool/__init__.py", ""),
                     writeText(code / "site/package.json", "{}\n")};
    }
    for (const Path& output : b.inactive) setTreeTimes(output, kLongAgo);
    setTreeTimes(b.active, kLater);
    return b;
}

Path CliHome::settingsFile() const {
    return Layout::freedesktop(home(), {{"XDG_DATA_DIRS", system_.path().native()}}).settingsFile;
}

Json CliHome::json(const std::vector<std::string>& args) const {
    std::vector<std::string> all{"--json"};
    all.insert(all.end(), args.begin(), args.end());
    const CliResult r = run(all);
    if (r.status != 0)
        throw std::runtime_error("status " + std::to_string(r.status) + ": " + r.err);
    return Json::parse(r.out);
}

// A null-terminated array of pointers into `texts`, as execve takes it.
static std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> all;
    for (auto& text : texts) all.push_back(text.data());
    all.push_back(nullptr);
    return all;
}

CliResult CliHome::run(const std::vector<std::string>& args, bool terminal, int signal,
                       std::chrono::milliseconds after) const {
    std::vector<std::string> argvText{TORNIVO_CLI, "--layout", std::string(rawValue(kind_))};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<std::string> envText;
    for (const auto& [k, v] : variables_) envText.push_back(k + "=" + v);
    const std::vector<char*> argv = pointers(argvText), envp = pointers(envText);

    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 ||
        (terminal ? ::openpty(&err[0], &err[1], nullptr, nullptr, nullptr) : ::pipe2(err, 0)) != 0)
        throw std::runtime_error(terminal ? "openpty" : "pipe");
    for (const int end : err) ::fcntl(end, F_SETFD, FD_CLOEXEC);
    const Path cwd = home();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(::open("/dev/null", O_RDONLY), 0);
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        if (::chdir(cwd.c_str()) == 0) ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);

    CliResult result;
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> signalled;
    // The child is reaped only after this thread is joined, so its pid cannot be reused yet.
    std::jthread signaller;
    if (signal != 0)
        signaller = std::jthread([&] {
            std::this_thread::sleep_for(after);
            ::kill(pid, signal);
            signalled = Clock::now();
        });
    for (int open = 2; open > 0;) {
        if (::poll(fds, 2, -1) < 0) break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buffer[65536];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else {  // end of a pipe, or EIO once a terminal's last writer is gone
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    signaller = {};
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (signalled)
        result.afterSignal =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - *signalled);
    result.killed = !WIFEXITED(status);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

std::string CliHome::masked(std::string text) const {
    const Layout& l = layout();
    std::vector<std::pair<Path, std::string>> names = {{l.junkRoots.at(0).folder, "CACHES"},
                                                       {l.junkRoots.at(1).folder, "LOGS"},
                                                       {l.trashFiles, "TRASH"},
                                                       {home(), "HOME"},
                                                       {systemData(), "SYSTEM"}};
    for (const auto& [folder, name] :
         {std::pair{l.downloads, "DOWNLOADS"}, std::pair{l.documents, "DOCUMENTS"},
          std::pair{l.desktop, "DESKTOP"}, std::pair{l.pictures, "PICTURES"},
          std::pair{l.movies, "MOVIES"}, std::pair{l.music, "MUSIC"}})
        if (folder) names.emplace_back(*folder, name);
    // The longest locations first, so that a folder inside another is named by itself.
    std::stable_sort(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return a.first.native().size() > b.first.native().size();
    });
    for (const auto& [folder, name] : names) {
        const std::string& from = folder.native();
        for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at))
            text.replace(at, from.size(), name);
    }
    return text;
}

Json CliHome::masked(const Json& document) const {
    static const std::regex uuid(
        "[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}");
    if (document.is_string()) return masked(document.get<std::string>());
    Json copy = document;
    if (document.is_array()) {
        for (auto& element : copy) element = masked(element);
    } else if (document.is_object()) {
        for (auto& [key, value] : copy.items()) {
            if (key == "id" && value.is_string() &&
                std::regex_match(value.get<std::string>(), uuid))
                value = "ID";
            else
                value = masked(value);
        }
    }
    return copy;
}

std::string expected(const std::string& name, const std::string& actual) {
    const Path file = Path(TORNIVO_CLI_EXPECTED) / name;
    const char* update = std::getenv("TORNIVO_UPDATE_EXPECTED");
    if (update && std::string(update) == "1") std::ofstream(file, std::ios::binary) << actual;
    return readText(file);
}

}  // namespace tornivo::test
