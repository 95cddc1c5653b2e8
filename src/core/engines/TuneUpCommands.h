#pragma once
// The maintenance tasks as data: the six actions with the commands of the layout's platform, and
// how a command is started, with administrator rights where it needs them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "models/TuneUpModels.h"
#include "platform/Layout.h"

namespace tornivo {

// Every action, in display order: memory, dns, finder, dock, quicklook, fonts, and on freedesktop
// journal, runtimes (Flatpak's), packages (apt's download cache). On freedesktop the file manager
// and panel restarts follow XDG_CURRENT_DESKTOP; an unknown desktop gets a command that fails, so
// the user sees the failure rather than nothing. There, the command of an action with
// administrator rights is the name of the privileged helper's action that does it.
std::vector<TuneUpAction> allTuneUpActions(const Layout& layout, const Environment& env);
// The actions offered: those whose tool is installed, found as the shell would find it on the
// environment's PATH.
std::vector<TuneUpAction> availableTuneUpActions(const Layout& layout, const Environment& env);
// Whether `program` is an executable file in one of the PATH's folders.
bool isOnPath(const std::string& program, const Environment& env);
// The bytes a privileged helper's output reports freed ("freed BYTES" on a line of its own).
std::optional<ByteCount> reportedFreed(std::string_view output);

// A program with its arguments, started directly (no shell around it).
struct ProcessInvocation {
    std::string program;
    std::vector<std::string> arguments;

    bool operator==(const ProcessInvocation&) const = default;
};

// `/bin/sh -c COMMAND`, or with administrator rights the layout's elevation: on freedesktop
// `pkexec HELPER ACTION`, the privileged helper with the action's name and nothing else (polkit
// asks for the password with the action's own message; the program never sees it); on macos
// osascript.
ProcessInvocation tuneUpInvocation(const TuneUpAction& action, LayoutKind kind, const Path& helper);

// For an AppleScript string literal: each backslash doubled, then each double quote escaped.
std::string escapeForAppleScript(std::string_view command);

}  // namespace tornivo
