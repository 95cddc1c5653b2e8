// large [--min-size BYTES] [--older-than-months N]: big files of the personal folders that have
// not been opened for months.

#include <iostream>
#include <limits>

#include "Command.h"
#include "JsonRecords.h"
#include "Progress.h"
#include "platform/ByteFormatter.h"
#include "platform/LocaleFormat.h"
#include "workflows/FileWorkflows.h"

namespace tornivo::cli {

namespace {

// What the application looks for.
constexpr ByteCount kDefaultMinSize = kLargeFileMinSize;
constexpr int kDefaultMonths = kLargeFileMonths;

constexpr OptionDecl kOptions[] = {{"--min-size", true}, {"--older-than-months", true}};

int run(Context& context, const ParsedArguments& arguments) {
    if (!arguments.positionals().empty())
        throw UsageError("unexpected argument " + quote(arguments.positionals().front()));
    const ByteCount minSize = arguments
                                  .integer("--min-size", 0, std::numeric_limits<ByteCount>::max(),
                                           "a whole number of bytes, 0 or more")
                                  .value_or(kDefaultMinSize);
    const int months =
        static_cast<int>(arguments
                             .integer("--older-than-months", 0, std::numeric_limits<int>::max(),
                                      "a whole number of months, 0 or more")
                             .value_or(kDefaultMonths));

    const LargeFileScanner scanner(context.layout());
    Findings<LargeFile> found;
    {
        ProgressLine progress(context.progress());
        std::string where;
        for (const Path& root : scanner.roots())
            where += (where.empty() ? " " : ", ") + terminalText(root.filename());
        progress.set("Looking for files of " + formatBytes(minSize, context.locale()) +
                     " or more in" + where);
        found =
            findLargeFiles(scanner, minSize, months, Clock::now(), context.protection(),
                           showOn(progress, context.progress(), context.locale()), context.stop());
    }
    if (context.stopped()) return kFailure;
    context.reportUnread(found.report);
    const std::vector<LargeFile>& files = found.records;

    if (context.json()) {
        writeJson(std::cout, {{"files", toJsonArray(files)}, {"unread", toJson(found.report)}});
        return kSuccess;
    }
    if (files.empty()) {
        std::cout << "No large files found.\n";
        return kSuccess;
    }
    Table table({{"SIZE", Table::Align::right}, {"LAST OPENED"}, {"PATH"}});
    ByteCount total = 0;
    for (const auto& file : files) {
        table.add(
            {formatBytes(file.size, context.locale()),
             file.lastAccess ? formatMediumDate(*file.lastAccess, context.locale()) : "unknown",
             terminalText(file.url)});
        total += file.size;
    }
    table.print(std::cout);
    std::cout << counted(static_cast<std::int64_t>(files.size()), "file", "files", context.locale())
              << ", " << formatBytes(total, context.locale()) << '\n';
    return kSuccess;
}

}  // namespace

const Command largeCommand = {
    "large",
    "large [--min-size BYTES] [--older-than-months N]",
    "big files of the personal folders not opened for months (defaults 524288000 and 3)",
    R"(Lists the files below Downloads, Documents, Desktop, Movies (the videos folder) and Music
that take at least --min-size bytes on disk (default 524288000, 500 MiB) and have not been
opened for --older-than-months calendar months (default 3), largest first. Hidden entries are
skipped. Nothing is moved. JSON: {"files": [...], "unread": {...}}.
)",
    kOptions,
    run,
};

}  // namespace tornivo::cli
