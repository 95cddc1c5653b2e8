#include "Command.h"

#include <iostream>

#include "Interruption.h"
#include "Output.h"

namespace tornivo::cli {

Context::Context(Layout layout, Path settingsFile, bool json, std::string locale, bool progress,
                 std::string command)
    : layout_(std::move(layout)),
      settingsFile_(std::move(settingsFile)),
      json_(json),
      locale_(std::move(locale)),
      progress_(progress),
      command_(std::move(command)) {}

std::stop_token Context::stop() const {
    return Interruption::token();
}

PreferencesStore& Context::store() {
    if (!store_) store_ = std::make_unique<PreferencesStore>(settingsFile_);
    return *store_;
}

Exclusions& Context::exclusions() {
    if (!exclusions_) exclusions_ = std::make_unique<Exclusions>(store());
    return *exclusions_;
}

void Context::warn(const std::string& message) const {
    std::cout.flush();
    std::cerr << "tornivo-cli" << (command_.empty() ? "" : " " + command_) << ": " << message
              << '\n';
}

bool Context::mayRemove() {
    const auto& problem = exclusions().problem();
    if (!problem) return true;
    warn("nothing removed: the protected folders cannot be read: " + terminalText(problem->file) +
         " " + problem->what + " (mend or remove that file)");
    return false;
}

void Context::reportUnread(const ScanReport& report) const {
    for (const auto& problem : report.refused)
        warn("left alone: " + describe(problem, terminalText(problem.folder)));
    if (json_) return;
    for (const auto& folder : report.unread)
        warn((folder.reason == UnreadReason::otherFileSystem ? "not read (another file system): "
                                                             : "not read (unreadable): ") +
             terminalText(folder.url));
    if (report.unreadCount > static_cast<std::int64_t>(report.unread.size()))
        warn("not read: " +
             std::to_string(report.unreadCount - static_cast<std::int64_t>(report.unread.size())) +
             " more folders");
}

namespace {
const char* reasonText(LeftReason reason) {
    switch (reason) {
        case LeftReason::changed:
            return "changed since it was listed";
        case LeftReason::protectedFolder:
            return "in a protected folder, or holding one";
        case LeftReason::permissionDenied:
            return "permission denied";
        case LeftReason::busy:
            return "busy";
        case LeftReason::otherFileSystem:
            return "on another file system";
        case LeftReason::noTrash:
            return "no Trash could take it";
        case LeftReason::stopped:
            return "stopped before it was reached";
        case LeftReason::systemFolder:
            return "it is the root of the file system, a mount point, the home folder or one of "
                   "its "
                   "set folders, or holds one";
        case LeftReason::failed:
            break;
    }
    return "could not be removed";
}
}  // namespace

int Context::reportLeft(const RemovalOutcome& outcome) {
    if (outcome.refused) {
        warn("nothing removed: the protected folders cannot be read: " +
             terminalText(outcome.refused->file) + " " + outcome.refused->what +
             " (mend or remove that file)");
        return kFailure;
    }
    if (!json_)
        for (const auto& left : outcome.left)
            warn("left " + terminalText(left.url) + ": " + reasonText(left.reason));
    return kSuccess;
}

std::span<const Command* const> commandTable() {
    static constexpr const Command* kCommands[] = {
        &junkCommand,       &largeCommand,     &duplicatesCommand, &xrayCommand,
        &installersCommand, &developerCommand, &appsCommand,       &inspectCommand,
        &trashCommand,      &shredCommand,     &statsCommand,      &protectCommand,
    };
    return kCommands;
}

const Command* findCommand(std::string_view name) {
    for (const Command* command : commandTable())
        if (command->name == name) return command;
    return nullptr;
}

}  // namespace tornivo::cli
