// junk [--clean]: the junk items of the caches and logs folders; --clean removes them.

#include <iostream>

#include "Command.h"
#include "JsonRecords.h"
#include "engines/QuickCleanEngine.h"
#include "platform/ByteFormatter.h"
#include "platform/ProtectedFilter.h"
#include "platform/RunningApps.h"

namespace tornivo::cli {

namespace {

constexpr OptionDecl kOptions[] = {{"--clean", false}};

void printItems(const Context& context, const std::vector<JunkItem>& items) {
    if (items.empty()) {
        std::cout << "No junk found.\n";
        return;
    }
    Table table({{"SIZE", Table::Align::right}, {"CATEGORY"}, {"PATH"}});
    ByteCount total = 0;
    for (const auto& item : items) {
        table.add({formatBytes(item.size, context.locale()), std::string(rawValue(item.category)),
                   terminalText(item.url)});
        total += item.size;
    }
    table.print(std::cout);
    std::cout << counted(static_cast<std::int64_t>(items.size()), "item", "items", context.locale())
              << ", " << formatBytes(total, context.locale()) << '\n';
}

int run(Context& context, const ParsedArguments& arguments) {
    if (!arguments.positionals().empty())
        throw UsageError("unexpected argument " + quote(arguments.positionals().front()));
    const QuickCleanEngine engine(context.layout());
    JunkScan scan = engine.scan();
    // A junk folder that is the home, holds it or another folder of the layout is not read.
    context.reportRefused(scan.refused);
    const int status = scan.refused.empty() ? kSuccess : kFailure;
    // As the application publishes a scan: protected items never appear.
    const std::vector<JunkItem> items =
        withoutProtected(std::move(scan.items), context.protection());

    if (!arguments.has("--clean")) {
        if (context.json())
            writeJson(std::cout, {{"items", toJsonArray(items)}});
        else
            printItems(context, items);
        return status;
    }
    if (!context.mayRemove()) return kFailure;

    // One snapshot of the running applications, taken before anything is removed.
    const JunkSplit split = splitByRunningApps(items, RunningApps::current());
    const ByteCount freed = split.toClean.empty() ? 0 : engine.clean(split.toClean);
    if (context.json()) {
        writeJson(std::cout, {{"freed", freed}, {"skippedRunningApps", split.skippedApps}});
    } else {
        std::cout << "Freed " << formatBytes(freed, context.locale()) << ".\n";
        if (!split.skippedApps.empty()) {
            std::cout << "Left alone while they run:";
            const char* separator = " ";
            for (const auto& name : split.skippedApps) {
                std::cout << separator << terminalText(name);
                separator = ", ";
            }
            std::cout << '\n';
        }
    }
    if (!split.toClean.empty() && freed == 0) {
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
applications are named. JSON: {"items": [...]}, with --clean {"freed": BYTES,
"skippedRunningApps": [NAME...]}. Exit status 1 when there was junk to remove and none of it
could be removed.
)",
    kOptions,
    run,
};

}  // namespace tornivo::cli
