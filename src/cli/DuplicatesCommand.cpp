// duplicates [--min-size BYTES] [--keep-first] [ROOT...]: files with identical contents;
// --keep-first moves every copy but the first of each group to the Trash.

#include <sys/stat.h>

#include <iostream>
#include <limits>

#include "Command.h"
#include "JsonRecords.h"
#include "Progress.h"
#include "platform/ByteFormatter.h"
#include "workflows/DuplicatesWorkflow.h"

namespace tornivo::cli {

namespace {

constexpr OptionDecl kOptions[] = {{"--min-size", true}, {"--keep-first", false}};

// The ROOTs given; none for the personal folders.
std::vector<Path> rootsOf(const ParsedArguments& arguments) {
    std::vector<Path> roots;
    for (const std::string& text : arguments.positionals()) {
        Path root = pathArgument(text, "ROOT");
        struct stat st {};
        // A root that is a link to a folder is followed, as for the personal folders.
        if (::stat(root.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            throw UsageError("ROOT " + quote(text) + " is not a folder");
        roots.push_back(std::move(root));
    }
    return roots;
}

void printGroups(const Context& context, const std::vector<DuplicateGroup>& groups) {
    if (groups.empty()) {
        std::cout << "No duplicates found.\n";
        return;
    }
    ByteCount reclaimable = 0;
    for (const auto& group : groups) {
        std::cout << counted(static_cast<std::int64_t>(group.files.size()), "copy", "copies",
                             context.locale())
                  << " of " << formatBytes(group.size, context.locale()) << ", "
                  << formatBytes(group.reclaimable(), context.locale()) << " reclaimable, SHA-256 "
                  << group.hash.substr(0, 12) << "...\n";
        for (const Path& file : group.files) std::cout << "  " << terminalText(file) << '\n';
        std::cout << '\n';
        reclaimable += group.reclaimable();
    }
    std::cout << counted(static_cast<std::int64_t>(groups.size()), "group", "groups",
                         context.locale())
              << ", " << formatBytes(reclaimable, context.locale()) << " reclaimable\n";
}

int run(Context& context, const ParsedArguments& arguments) {
    const ByteCount minSize =
        arguments
            .integer("--min-size", 1, std::numeric_limits<ByteCount>::max(),
                     "a whole number of bytes, 1 or more (empty files are never duplicates)")
            .value_or(kDuplicateMinSize);
    const std::vector<Path> given = rootsOf(arguments);
    const bool keepFirst = arguments.has("--keep-first");
    if (keepFirst && !context.mayRemove()) return kFailure;

    // Without ROOTs, the personal folders as the application walks them: checked as roots, so
    // none that leads to the home, above it or to another folder of the layout is walked.
    const std::vector<Path> roots =
        given.empty() ? DuplicateFinder::personalRoots(context.layout()) : given;
    const DuplicateFinder finder(minSize, defaultWalkThreads(), context.layout().trash);
    DuplicateFindings found;
    {
        ProgressLine progress(context.progress());
        std::string where;
        for (const Path& root : roots)
            where += (where.empty() ? " " : ", ") + terminalText(root.filename());
        progress.set("Listing files of " + formatBytes(minSize, context.locale()) + " or more in" +
                     where);
        found =
            findDuplicates(finder, context.layout(), given, context.protection(),
                           showOn(progress, context.progress(), context.locale()), context.stop());
    }
    if (context.stopped()) return kFailure;
    context.reportUnread(found.report);
    const std::vector<DuplicateGroup>& groups = found.groups;

    // As the application resolves every group: the copy found first stays, and a group whose
    // first copy is gone or changed keeps all of its files.
    RemovalOutcome outcome;
    if (keepFirst) {
        std::vector<std::pair<DuplicateGroup, Path>> choices;
        for (const auto& group : groups) choices.push_back({group, Path()});
        outcome =
            keepOneCopy(finder, context.layout(), choices, context.protection(), context.stop())
                .removal;
    }
    const std::int64_t trashed = outcome.done;

    if (context.json()) {
        Json document = {{"groups", toJsonArray(groups)}, {"unread", toJson(found.report)}};
        if (keepFirst) {
            document["trashed"] = trashed;
            document["left"] = toJsonArray(outcome.left);
        }
        writeJson(std::cout, document);
    } else {
        printGroups(context, groups);
        if (keepFirst)
            std::cout << "Kept the first file of each group; moved "
                      << counted(trashed, "file", "files", context.locale()) << " to the Trash.\n";
    }
    if (keepFirst && context.reportLeft(outcome) != kSuccess) return kFailure;
    if (keepFirst && !groups.empty() && trashed == 0 && !context.stopped()) {
        context.warn("no copy could be moved to the Trash");
        return kFailure;
    }
    return kSuccess;
}

}  // namespace

const Command duplicatesCommand = {
    "duplicates",
    "duplicates [--min-size BYTES] [--keep-first] [ROOT...]",
    "files with identical contents; --keep-first moves every copy but the first to the Trash",
    R"(Finds files of at least --min-size bytes (default 1048576, 1 MiB) whose contents are
byte-for-byte identical, below the given ROOT folders or, by default, Downloads, Documents,
Desktop, Pictures and Movies (the videos folder). Hidden entries are skipped; a file with
several names counts once. Groups come largest reclaimable first, files in the order found.
With --keep-first the first file of each group stays and the others go to the Trash (where
the file manager can restore them), only while that first file is still the group's.
JSON: {"groups": [...], "unread": {...}}, with --keep-first also "trashed": the number of files
moved, and "left": the copies that stayed, with the reason.
Exit status 1 when --keep-first could move no copy at all.
)",
    kOptions,
    run,
};

}  // namespace tornivo::cli
