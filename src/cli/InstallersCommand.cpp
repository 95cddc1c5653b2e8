// installers: installer files lying in Downloads and on the Desktop, those of installed
// applications marked.

#include <iostream>

#include "Command.h"
#include "JsonRecords.h"
#include "engines/InstallerScanner.h"
#include "platform/ByteFormatter.h"
#include "platform/LocaleFormat.h"
#include "workflows/FileWorkflows.h"

namespace tornivo::cli {

namespace {

int run(Context& context, const ParsedArguments& arguments) {
    if (!arguments.positionals().empty())
        throw UsageError("unexpected argument " + quote(arguments.positionals().front()));
    const InstallerScanner scanner(context.layout(), context.layout().installerExtensions);
    const auto found = findInstallers(scanner, context.protection(), context.stop());
    if (context.stopped()) return kFailure;
    const std::vector<InstallerFile>& files = found.records;
    context.reportUnread(found.report);

    if (context.json()) {
        writeJson(std::cout, {{"files", toJsonArray(files)}, {"unread", toJson(found.report)}});
        return kSuccess;
    }
    if (files.empty()) {
        std::cout << "No installer files found.\n";
        return kSuccess;
    }
    Table table({{"SIZE", Table::Align::right}, {"KIND"}, {"INSTALLED AS"}, {"PATH"}});
    ByteCount total = 0;
    std::int64_t matched = 0;
    for (const auto& file : files) {
        table.add({formatBytes(file.size, context.locale()), terminalText(file.kind),
                   file.matchedApp ? terminalText(*file.matchedApp) : "-", terminalText(file.url)});
        total += file.size;
        matched += file.matchedApp ? 1 : 0;
    }
    table.print(std::cout);
    std::cout << counted(static_cast<std::int64_t>(files.size()), "file", "files", context.locale())
              << ", " << formatBytes(total, context.locale()) << "; "
              << formatInteger(matched, context.locale()) << " of installed applications\n";
    return kSuccess;
}

}  // namespace

const Command installersCommand = {
    "installers",
    "installers",
    "installer files in Downloads and on the Desktop, those of installed applications marked",
    R"(Lists the installer files (deb, rpm, iso, flatpakref, snap; dmg, pkg, iso with
--layout macos) at the top of Downloads and the Desktop, largest first, and names the installed
application each one belongs to when there is one: such an installer is probably no longer
needed, and its record is selected. Nothing is moved. JSON: {"files": [...], "unread": {...}}.
)",
    {},
    run,
};

}  // namespace tornivo::cli
