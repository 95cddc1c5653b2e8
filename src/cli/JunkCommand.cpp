// junk [--clean]: the junk items of the caches and logs folders; --clean removes them.

#include <iostream>

#include "Command.h"
#include "JsonRecords.h"
#include "platform/ByteFormatter.h"
#include "platform/RunningApps.h"
#include "workflows/JunkWorkflow.h"

namespace tornivo::cli {

namespace {

constexpr OptionDecl kOptions[] = {{"--clean", false}};

void printItems(const Context& context, const std::vector<JunkItem>& items) {
    if (items.empty()) {
        std::cout << "No junk found.\n";
        return;
    }
    Table table({{"SIZE", Table::Align::right}, {"CATEGORY"}, {"PATH"}});
    for (const auto& item : items)
        table.add({formatBytes(item.size, context.locale()), std::string(rawValue(item.category)),
                   terminalText(item.url)});
    const ByteCount total = ScanResult{items, {}}.totalSize();
    table.print(std::cout);
    std::cout << counted(static_cast<std::int64_t>(items.size()), "item", "items", context.locale())
              << ", " << formatBytes(total, context.locale()) << '\n';
}

int run(Context& context, const ParsedArguments& arguments) {
    if (!arguments.positionals().empty())
        throw UsageError("unexpected argument " + quote(arguments.positionals().front()));
    const QuickCleanEngine engine(context.layout());
    // As the application publishes a scan: protected items never appear, and a junk folder that
    // is the home, holds it or another folder of the layout is not read.
    const JunkScan scan = findJunk(engine, context.protection(), context.stop());
    if (context.stopped()) return kFailure;
    context.reportUnread(scan.report);
    const int status = scan.report.refused.empty() ? kSuccess : kFailure;

    if (!arguments.has("--clean")) {
        if (context.json())
            writeJson(std::cout,
                      {{"items", toJsonArray(scan.items)}, {"unread", toJson(scan.report)}});
        else
            printItems(context, scan.items);
        return status;
    }
    if (!context.mayRemove()) return kFailure;

    const JunkCleanPlan plan =
        planJunkClean(scan.items, context.protection(), RunningApps::current(), engine.layout());
    const RemovalOutcome outcome = cleanJunk(engine, plan, context.stop());
    if (context.json()) {
        writeJson(std::cout, {{"freed", outcome.freed},
                              {"skippedRunningApps", plan.skippedApps},
                              {"left", toJsonArray(outcome.left)}});
    } else {
        std::cout << "Freed " << formatBytes(outcome.freed, context.locale()) << ".\n";
        if (!plan.skippedApps.empty()) {
            std::cout << "Left alone while they run:";
            const char* separator = " ";
            for (const auto& name : plan.skippedApps) {
                std::cout << separator << terminalText(name);
                separator = ", ";
            }
            std::cout << '\n';
        }
    }
    if (context.reportLeft(outcome) != kSuccess) return kFailure;
    if (!plan.toClean.empty() && outcome.done == 0 && !context.stopped()) {
        context.warn("nothing could be removed");
        return kFailure;
    }
    return status;
}

}  // namespace

const Command junkCommand = {
    "junk",
    "junk [--clean]",
    "junk items of the caches and logs folders, largest first; --clean removes them",
    R"(Lists the top-level entries of the caches and logs folders with their size on disk.
With --clean they are removed for good, except the items of applications that are running
(an item named exactly after a running application, ignoring case): those stay and the
applications are named. JSON: {"items": [...], "unread": {...}}, with --clean {"freed": BYTES,
"skippedRunningApps": [NAME...], "left": [...]}: what stayed, with the reason. Exit status 1
when there was junk to remove and none of it could be removed, or when a junk folder was
refused (it is the home, holds it, or another folder of the layout).
)",
    kOptions,
    run,
};

}  // namespace tornivo::cli
