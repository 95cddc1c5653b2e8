// xray: where the space of the home folder went, by kind of file, with the largest files of each
// kind and advice.

#include <iostream>

#include "Command.h"
#include "JsonRecords.h"
#include "Progress.h"
#include "platform/ByteFormatter.h"
#include "platform/LocaleFormat.h"
#include "workflows/FileWorkflows.h"

namespace tornivo::cli {

namespace {

std::string adviceText(const std::optional<FileAdvice>& advice, const std::string& locale) {
    if (!advice) return {};
    switch (advice->kind) {
        case FileAdvice::Case::stale:
            return "Not opened since " +
                   (advice->lastUsed ? formatMediumDate(*advice->lastUsed, locale) : "long ago") +
                   ".";
        case FileAdvice::Case::cacheJunk:
            return "Cache or log data; it is safe to remove.";
        case FileAdvice::Case::installer:
            return "An installer you probably no longer need.";
        case FileAdvice::Case::buildArtifact:
            return "Build output; it is made again when needed.";
        case FileAdvice::Case::huge:
            return "A very large file; check whether you still need it.";
    }
    return {};
}

void printCategories(const Context& context, const std::vector<DiskCategory>& categories) {
    const std::string& locale = context.locale();
    if (categories.empty()) {
        std::cout << "The home folder holds no files.\n";
        return;
    }
    Table totals({{"KIND"}, {"SIZE", Table::Align::right}, {"FILES", Table::Align::right}});
    ByteCount size = 0;
    std::int64_t count = 0;
    for (const auto& category : categories) {
        totals.add({std::string(rawValue(category.kind)), formatBytes(category.size, locale),
                    formatInteger(category.fileCount, locale)});
        size += category.size;
        count += category.fileCount;
    }
    totals.add({"total", formatBytes(size, locale), formatInteger(count, locale)});
    totals.print(std::cout);
    for (const auto& category : categories) {
        if (category.files.empty()) continue;
        std::cout << '\n' << rawValue(category.kind) << ", the largest files:\n";
        Table files({{"SIZE", Table::Align::right}, {"LAST USED"}, {"ADVICE"}, {"PATH"}});
        for (const auto& file : category.files)
            files.add({formatBytes(file.size, locale),
                       file.lastUsed ? formatMediumDate(*file.lastUsed, locale) : "unknown",
                       adviceText(file.advice, locale), terminalText(file.url)});
        files.print(std::cout, "  ");
    }
}

int run(Context& context, const ParsedArguments& arguments) {
    if (!arguments.positionals().empty())
        throw UsageError("unexpected argument " + quote(arguments.positionals().front()));
    const DiskAnalyzer analyzer(context.layout());
    Findings<DiskCategory> found;
    {
        ProgressLine progress(context.progress());
        progress.set("Counting the files of the home folder");
        const std::string locale = context.locale();
        // Protected files leave the lists; the totals keep what the walk counted.
        found = analyzeDisk(
            analyzer, context.protection(),
            [&](std::int64_t files, const std::string& folder) {
                progress.set(progressText({files, folder}, locale));
            },
            Clock::now(), context.stop());
    }
    if (context.stopped()) return kFailure;
    context.reportUnread(found.report);
    if (context.json())
        writeJson(std::cout,
                  {{"categories", toJsonArray(found.records)}, {"unread", toJson(found.report)}});
    else
        printCategories(context, found.records);
    return kSuccess;
}

}  // namespace

const Command xrayCommand = {
    "xray",
    "xray",
    "the home folder by kind of file, with totals and the largest files with advice",
    R"(Walks the whole home folder once (hidden entries included, links never followed, other
mounts not entered) and sorts every file into a kind by its extension: images, videos, audio,
documents, archives, developer, other. For each kind: the total size and number of files, and
its largest files of 10 MiB and more (at most 100) with advice. Nothing is moved.
JSON: {"categories": [...], "unread": {...}}, each file's advice as {"case": "stale", "lastUsed": DATE},
{"case": "huge"}, ... or null.
)",
    {},
    run,
};

}  // namespace tornivo::cli
