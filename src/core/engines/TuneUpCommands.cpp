#include "engines/TuneUpCommands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>

namespace tornivo {

std::string escapeForAppleScript(std::string_view command) {
    std::string backslashes;
    for (char c : command) {
        if (c == '\\') backslashes.push_back('\\');
        backslashes.push_back(c);
    }
    std::string out;
    for (char c : backslashes) {
        if (c == '"') out.push_back('\\');
        out.push_back(c);
    }
    return out;
}

namespace {

// The first desktop named in XDG_CURRENT_DESKTOP ("ubuntu:GNOME" names GNOME too), upper-cased.
std::vector<std::string> currentDesktops(const Environment& env) {
    std::vector<std::string> out;
    auto it = env.find("XDG_CURRENT_DESKTOP");
    if (it == env.end()) return out;
    std::string_view rest(it->second);
    while (!rest.empty()) {
        auto colon = rest.find(':');
        std::string name(rest.substr(0, colon));
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (!name.empty()) out.push_back(name);
        if (colon == std::string_view::npos) break;
        rest.remove_prefix(colon + 1);
    }
    return out;
}

struct DesktopCommands {
    const char* desktop;
    const char* fileManager;
    const char* panel;
};

// Restarting a running program: ask it to quit, then start it again detached from us.
constexpr DesktopCommands kDesktops[] = {
    {"GNOME", "nautilus -q; sleep 1; setsid -f nautilus --gapplication-service >/dev/null 2>&1",
     // GNOME Shell can be restarted only under X11; elsewhere this fails and says so.
     "test \"$XDG_SESSION_TYPE\" = x11 && busctl --user call org.gnome.Shell /org/gnome/Shell "
     "org.gnome.Shell Eval s 'Meta.restart(\"\")' | grep -q '^bs true'"},
    {"KDE", "kquitapp5 dolphin || kquitapp6 dolphin; setsid -f dolphin --daemon >/dev/null 2>&1",
     "systemctl --user restart plasma-plasmashell.service"},
    {"XFCE", "thunar -q; sleep 1; setsid -f thunar --daemon >/dev/null 2>&1", "xfce4-panel -r"},
    {"X-CINNAMON", "nemo -q; sleep 1; setsid -f nemo-desktop >/dev/null 2>&1",
     "setsid -f cinnamon --replace >/dev/null 2>&1"},
    {"MATE", "caja -q; sleep 1; setsid -f caja -n >/dev/null 2>&1",
     "setsid -f mate-panel --replace >/dev/null 2>&1"},
};

const DesktopCommands* desktopCommands(const Environment& env) {
    for (const auto& name : currentDesktops(env))
        for (const auto& d : kDesktops)
            if (name == d.desktop ||
                (name == "CINNAMON" && std::string_view(d.desktop) == "X-CINNAMON"))
                return &d;
    return nullptr;
}

constexpr const char* kUnknownDesktop = "echo 'no restart is known for this desktop' >&2; exit 1";

}  // namespace

std::vector<TuneUpAction> allTuneUpActions(const Layout& layout, const Environment& env) {
    if (layout.kind == LayoutKind::macos) {
        return {
            {"memory", "memorychip.fill", "purge", true},
            {"dns", "network", "dscacheutil -flushcache; killall -HUP mDNSResponder", true},
            {"finder", "folder.fill", "killall Finder", false},
            {"dock", "menubar.dock.rectangle", "killall Dock", false},
            {"quicklook", "eye.fill", "qlmanage -r cache", false},
            {"fonts", "textformat", "atsutil databases -remove", true},
        };
    }
    const DesktopCommands* desktop = desktopCommands(env);
    std::vector<TuneUpAction> actions = {
        {"memory", "memorychip.fill", "drop-page-cache", true},
        {"dns", "network", "flush-dns-cache", true},
        {"finder", "folder.fill", desktop ? desktop->fileManager : kUnknownDesktop, false},
        {"dock", "menubar.dock.rectangle", desktop ? desktop->panel : kUnknownDesktop, false},
        {"quicklook", "eye.fill", {}, false, {}, {}, false, {}, true},
        {"fonts", "textformat", "rebuild-font-caches", true},
        {"journal", "doc.text.fill", "vacuum-journal", true, "journalctl", {}, true, {}},
        // The user's own installation first, as the user; then the system's, through the helper.
        {"runtimes",
         "shippingbox.fill",
         "remove-unused-runtimes",
         true,
         "flatpak",
         "flatpak uninstall --user --unused --noninteractive",
         true,
         {layout.dataHome / "flatpak"}},
        {"packages", "archivebox.fill", "clean-package-cache", true, "apt-get", {}, true, {}},
    };
    return actions;
}

bool isOnPath(const std::string& program, const Environment& env) {
    auto path = env.find("PATH");
    if (program.empty() || program.find('/') != std::string::npos || path == env.end())
        return false;
    std::string_view rest(path->second);
    while (true) {
        const auto colon = rest.find(':');
        // An empty entry is the current folder, which a program's lookup should never trust.
        const std::string_view folder = rest.substr(0, colon);
        if (!folder.empty()) {
            const std::string candidate = std::string(folder) + "/" + program;
            struct stat st {};
            if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                ::access(candidate.c_str(), X_OK) == 0)
                return true;
        }
        if (colon == std::string_view::npos) return false;
        rest.remove_prefix(colon + 1);
    }
}

std::vector<TuneUpAction> availableTuneUpActions(const Layout& layout, const Environment& env) {
    std::vector<TuneUpAction> actions = allTuneUpActions(layout, env);
    std::erase_if(actions,
                  [&](const TuneUpAction& a) { return !a.tool.empty() && !isOnPath(a.tool, env); });
    return actions;
}

std::optional<ByteCount> reportedFreed(std::string_view output) {
    std::optional<ByteCount> freed;
    while (!output.empty()) {
        const auto end = output.find('\n');
        const std::string_view line = output.substr(0, end);
        if (line.starts_with("freed ")) {
            ByteCount value = 0;
            const auto digits = line.substr(6);
            const auto [at, error] =
                std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (error == std::errc() && at == digits.data() + digits.size() && value >= 0)
                freed = value;
        }
        if (end == std::string_view::npos) break;
        output.remove_prefix(end + 1);
    }
    return freed;
}

ProcessInvocation tuneUpInvocation(const TuneUpAction& action, LayoutKind kind,
                                   const Path& helper) {
    if (!action.needsAdmin) return {"/bin/sh", {"-c", action.command}};
    if (kind == LayoutKind::macos) {
        return {"/usr/bin/osascript",
                {"-e", "do shell script \"" + escapeForAppleScript(action.command) +
                           "\" with administrator privileges"}};
    }
    return {"pkexec", {helper.native(), action.command}};
}

}  // namespace tornivo
