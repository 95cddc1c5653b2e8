#include "Command.h"

#include <iostream>

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

void Context::reportRefused(const std::vector<RootProblem>& refused) const {
    for (const auto& problem : refused)
        warn("left alone: " + describe(problem, terminalText(problem.folder)));
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
