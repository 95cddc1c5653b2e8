// protect list | add PATH... | remove PATH...: the protected folders, in the application's own
// store, so that a folder protected here is protected in the application and the other way round.

#include <sys/stat.h>

#include <iostream>

#include "Command.h"
#include "JsonRecords.h"

namespace tornivo::cli {

namespace {

std::vector<Path> pathArguments(const std::vector<std::string>& words) {
    if (words.size() < 2) throw UsageError(words.front() + " needs at least one PATH");
    std::vector<Path> paths;
    for (std::size_t i = 1; i < words.size(); ++i) paths.push_back(pathArgument(words[i], "PATH"));
    return paths;
}

// The store is written by every change; reading it back tells whether the write held.
bool persisted(Context& context) {
    PreferencesStore fresh(context.store().file());
    return Exclusions(fresh).folders() == context.exclusions().folders();
}

void printFolders(Context& context) {
    const auto& folders = context.exclusions().folders();
    if (context.json()) {
        writeJson(std::cout, {{"folders", toJsonArray(folders)}});
    } else if (folders.empty()) {
        std::cout << "No protected folders.\n";
    } else {
        for (const Path& folder : folders) std::cout << terminalText(folder) << '\n';
    }
}

int run(Context& context, const ParsedArguments& arguments) {
    const auto& words = arguments.positionals();
    if (words.empty()) throw UsageError("give list, add PATH... or remove PATH...");
    const std::string& action = words.front();
    if (action == "list") {
        if (words.size() > 1) throw UsageError("list takes no argument: " + quote(words[1]));
        printFolders(context);
        return kSuccess;
    }
    if (action != "add" && action != "remove")
        throw UsageError("unknown action " + quote(action) +
                         ": give list, add PATH... or remove PATH...");

    // Every path is checked before anything is written.
    const std::vector<Path> paths = pathArguments(words);
    Exclusions& exclusions = context.exclusions();
    if (const auto& problem = exclusions.problem()) {
        // Writing now would replace the stored list with the part that could be read.
        context.warn("the protected folders cannot be read: " + terminalText(problem->file) + " " +
                     problem->what + " (mend or remove that file first)");
        return kFailure;
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        struct stat st {};
        if (action == "add" && (::stat(paths[i].c_str(), &st) != 0 || !S_ISDIR(st.st_mode)))
            throw UsageError("PATH " + quote(words[i + 1]) + " is not a folder");
        if (action == "remove" && !exclusions.covers(paths[i]))
            throw UsageError("PATH " + quote(words[i + 1]) + " is not protected");
    }

    bool done = true;
    if (action == "add") {
        for (const Path& path : paths) {
            const bool added = exclusions.add(path);
            if (!context.json())
                std::cout << (added ? "Protected " : "Already protected: ")
                          << terminalText(Exclusions::standardize(path)) << '\n';
        }
    } else {
        for (const Path& path : paths) exclusions.remove(path);
        for (const Path& path : paths) {
            if (exclusions.covers(path)) {
                // It lies inside another protected folder (listed itself or not).
                std::cerr << "tornivo-cli protect: " << terminalText(path)
                          << " is still protected: it lies inside a protected folder\n";
                done = false;
            } else if (!context.json()) {
                std::cout << "No longer protected: " << terminalText(path) << '\n';
            }
        }
    }
    if (!persisted(context)) {
        std::cerr << "tornivo-cli protect: could not write " << terminalText(context.store().file())
                  << '\n';
        return kFailure;
    }
    if (context.json()) printFolders(context);
    return done ? kSuccess : kFailure;
}

}  // namespace

const Command protectCommand = {
    "protect",
    "protect list | add PATH... | remove PATH...",
    "the protected folders, shared with the application",
    R"(Nothing inside a protected folder is ever listed or removed, here or in the application:
both read the same preferences file. list prints the folders in the order they were added;
add protects folders (each PATH must be a folder; a relative PATH is taken from the current
folder, links are not resolved); remove stops protecting them (each PATH must be protected).
JSON: {"folders": [...]}, the list after the change.
)",
    {},
    run,
};

}  // namespace tornivo::cli
