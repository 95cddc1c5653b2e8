#include "Command.h"

namespace tornivo::cli {

Context::Context(Layout layout, Path settingsFile, bool json, std::string locale, bool progress)
    : layout_(std::move(layout)),
      settingsFile_(std::move(settingsFile)),
      json_(json),
      locale_(std::move(locale)),
      progress_(progress) {}

PreferencesStore& Context::store() {
    if (!store_) store_ = std::make_unique<PreferencesStore>(settingsFile_);
    return *store_;
}

Exclusions& Context::exclusions() {
    if (!exclusions_) exclusions_ = std::make_unique<Exclusions>(store());
    return *exclusions_;
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
