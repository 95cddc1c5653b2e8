// developer [--days N] [--clean]: the build outputs of the user's projects, those changed within
// the protection window marked active; --clean deletes the others.

#include <iostream>

#include "Command.h"
#include "JsonRecords.h"
#include "Progress.h"
#include "platform/ByteFormatter.h"
#include "platform/LocaleFormat.h"
#include "workflows/FileWorkflows.h"

namespace tornivo::cli {

namespace {

constexpr OptionDecl kOptions[] = {{"--days", true}, {"--clean", false}};

void printProjects(const Context& context, const DeveloperScanResult& result, int days) {
    const std::string& locale = context.locale();
    const auto& projects = result.projects;
    if (projects.empty()) {
        std::cout << "No build outputs found.\n";
        return;
    }
    Table table({{"SIZE", Table::Align::right}, {"LAST ACTIVITY"}, {"ACTIVE"}, {"NAME"}, {"PATH"}});
    for (const auto& p : projects)
        table.add(
            {formatBytes(p.size, locale),
             p.lastActivity == TimePoint{} ? "unknown" : formatMediumDate(p.lastActivity, locale),
             p.isActive ? "active" : "", terminalText(p.name), terminalText(p.url)});
    const ByteCount cleanable = result.cleanableSize();
    const auto active = static_cast<std::int64_t>(result.activeProjects().size());
    table.print(std::cout);
    std::cout << counted(static_cast<std::int64_t>(projects.size()), "build output",
                         "build outputs", locale)
              << ", " << formatBytes(cleanable, locale) << " to delete; "
              << formatInteger(active, locale) << " active (changed within "
              << counted(days, "day", "days", locale) << ") kept\n";
}

int run(Context& context, const ParsedArguments& arguments) {
    if (!arguments.positionals().empty())
        throw UsageError("unexpected argument " + quote(arguments.positionals().front()));
    const int days = static_cast<int>(
        arguments
            .integer("--days", 0, DeveloperCleanEngine::kMaxProtectionDays,
                     "a whole number of days, 0 to 100000")
            .value_or(setting::read(context.store(), setting::developerProtectionDays)));

    const DeveloperCleanEngine engine(context.layout());
    DeveloperScanResult result;
    ScanReport report;
    {
        ProgressLine progress(context.progress());
        progress.set("Looking for build outputs");
        // As the application publishes a scan: a protected folder keeps its build outputs.
        result = findBuildOutputs(engine, days, Clock::now(), context.protection(),
                                  showOn(progress, context.progress(), context.locale()), &report,
                                  context.stop());
    }
    if (context.stopped()) return kFailure;
    context.reportUnread(report);

    if (!arguments.has("--clean")) {
        if (context.json())
            writeJson(std::cout,
                      {{"projects", toJsonArray(result.projects)}, {"unread", toJson(report)}});
        else
            printProjects(context, result, days);
        return kSuccess;
    }

    if (!context.mayRemove()) return kFailure;
    // What the application deletes: the selected outputs, never an active one.
    const RemovalOutcome outcome =
        cleanBuildOutputs(engine, result.projects, context.protection(), context.stop());
    if (context.json())
        writeJson(std::cout, {{"freed", outcome.freed}, {"left", toJsonArray(outcome.left)}});
    else
        std::cout << "Freed " << formatBytes(outcome.freed, context.locale()) << ".\n";
    if (context.reportLeft(outcome) != kSuccess) return kFailure;
    if (result.selectedSize() > 0 && outcome.done == 0 && !context.stopped()) {
        context.warn("nothing could be deleted");
        return kFailure;
    }
    return kSuccess;
}

}  // namespace

const Command developerCommand = {
    "developer",
    "developer [--days N] [--clean]",
    "build outputs of your projects, active ones marked; --clean deletes the inactive ones",
    R"(Finds the regenerable build outputs of your projects: with the freedesktop layout, folders
such as target (beside Cargo.toml or pom.xml), node_modules (beside package.json), build,
.gradle, .dart_tool, .build, .tox, __pycache__ and CMake build folders, anywhere in the home
except hidden folders and outputs that git tracks; with --layout macos, the folders of
Library/Developer/Xcode/DerivedData. An output whose folder or direct contents changed within
the last --days days (default: the window set in the application, else 10) is active and
kept; the others come first, largest first. With --clean the inactive outputs are deleted for
good (they are made again by the next build); sources are never touched.
JSON: {"projects": [...], "unread": {...}}, each output with the folder of its project
("project"); with --clean {"freed": BYTES, "left": [...]}. Exit status 1 when there were
outputs to delete and none of them could be deleted.
)",
    kOptions,
    run,
};

}  // namespace tornivo::cli
