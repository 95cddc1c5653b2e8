// apps: the installed applications the uninstaller knows, by name.

#include <iostream>

#include "Command.h"
#include "JsonRecords.h"
#include "engines/UninstallerEngine.h"
#include "platform/LocaleFormat.h"

namespace tornivo::cli {

namespace {

int run(Context& context, const ParsedArguments& arguments) {
    if (!arguments.positionals().empty())
        throw UsageError("unexpected argument " + quote(arguments.positionals().front()));
    const std::vector<InstalledApp> apps = UninstallerEngine(context.layout()).installedApps();

    if (context.json()) {
        writeJson(std::cout, {{"apps", toJsonArray(apps)}});
        return kSuccess;
    }
    if (apps.empty()) {
        std::cout << "No installed applications found.\n";
        return kSuccess;
    }
    Table table({{"NAME"}, {"PATH"}});
    for (const auto& app : apps) table.add({terminalText(app.name), terminalText(app.url)});
    table.print(std::cout);
    std::cout << counted(static_cast<std::int64_t>(apps.size()), "application", "applications",
                         context.locale())
              << '\n';
    return kSuccess;
}

}  // namespace

const Command appsCommand = {
    "apps",
    "apps",
    "installed applications, by name",
    R"(Lists the installed applications, sorted by name: with the freedesktop layout the desktop
entries (Type=Application, neither Hidden nor NoDisplay) of the data folders, the user's first,
an entry hiding those of the same ID after it; with --layout macos the *.app bundles of
/Applications and ~/Applications. Either a name or a path from this list can be given to
inspect. JSON: {"apps": [{"name": NAME, "url": PATH}...]}.
)",
    {},
    run,
};

}  // namespace tornivo::cli
