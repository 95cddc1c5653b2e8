// inspect APP: what uninstalling one application would remove: the application itself, how it
// goes, and what it left behind. Nothing is removed.

#include <sys/stat.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <iostream>
#include <optional>

#include "Command.h"
#include "JsonRecords.h"
#include "engines/UninstallerEngine.h"
#include "platform/ByteFormatter.h"
#include "platform/LocaleFormat.h"
#include "platform/PathText.h"
#include "workflows/FileWorkflows.h"

namespace tornivo::cli {

namespace {

// The name with its case folded, as ICU folds it; nothing for bytes that are not UTF-8, which
// only ever match themselves.
std::optional<icu::UnicodeString> folded(std::string_view name) {
    if (!isValidUtf8(name)) return std::nullopt;
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(name);
    text.foldCase();
    return text;
}

// Why APP names no application, for the one-line message.
class NotFound : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

std::string listOf(const std::vector<InstalledApp>& apps) {
    std::string text;
    for (const auto& app : apps) text += (text.empty() ? "" : ", ") + terminalText(app.url);
    return text;
}

// The installed application named `name`: exactly, else ignoring case.
Path byName(const UninstallerEngine& engine, const std::string& name) {
    const std::vector<InstalledApp> apps = engine.installedApps();
    std::vector<InstalledApp> exact, caseless;
    const auto wanted = folded(name);
    for (const auto& app : apps) {
        if (app.name == name)
            exact.push_back(app);
        else if (wanted && folded(app.name) == wanted)
            caseless.push_back(app);
    }
    const auto& matches = exact.empty() ? caseless : exact;
    if (matches.size() == 1) return matches.front().url;
    if (matches.empty())
        throw NotFound("no installed application is named " + quote(name) +
                       " ('tornivo-cli apps' lists them)");
    throw NotFound(quote(name) + " names " + std::to_string(matches.size()) +
                   " installed applications: " + listOf(matches) + "; give the path of one");
}

// An application given by its path: a desktop entry, or a bundle with --layout macos.
Path byPath(const Layout& layout, const std::string& text) {
    // "./Editor.app" is shown as the application's place, without the "." steps.
    Path path;
    for (const Path& part : pathArgument(text, "APP"))
        if (part != "." && !part.empty()) path /= part;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) throw NotFound(quote(text) + " does not exist");
    if (layout.kind == LayoutKind::macos) {
        if (!S_ISDIR(st.st_mode) || path.extension() != ".app")
            throw NotFound(quote(text) + " is not an application bundle (a folder NAME.app)");
    } else if (!S_ISREG(st.st_mode) || path.extension() != ".desktop") {
        throw NotFound(quote(text) + " is not a desktop entry (a file NAME.desktop)");
    }
    return path;
}

std::string removalText(const UninstallTarget& target) {
    switch (target.removal) {
        case AppRemoval::trash:
            return "its own files go to the Trash";
        case AppRemoval::flatpakUser:
            return "flatpak uninstall --user " + terminalText(target.flatpakID);
        case AppRemoval::flatpakSystem:
            return "flatpak uninstall --system " + terminalText(target.flatpakID) +
                   " (as administrator)";
        case AppRemoval::systemManaged:
            return "stays: the system's package manager installed it; only leftovers go";
    }
    return {};
}

void printPlan(const Context& context, const UninstallTarget& target) {
    const std::string& locale = context.locale();
    std::cout << "Application  " << terminalText(target.appName) << '\n'
              << "Identifier   " << (target.bundleID ? terminalText(*target.bundleID) : "none")
              << '\n'
              << "Location     " << terminalText(target.appURL) << '\n'
              << "Removal      " << rawValue(target.removal) << ": " << removalText(target) << '\n'
              << "Size         " << formatBytes(target.appSize, locale) << '\n';
    if (!target.appFiles.empty()) {
        std::cout << "\nFiles of the application:\n";
        Table files({{"SIZE", Table::Align::right}, {"PATH"}});
        for (const auto& f : target.appFiles)
            files.add({formatBytes(f.size, locale), terminalText(f.url)});
        files.print(std::cout, "  ");
    }
    std::cout << '\n';
    if (target.leftovers.empty()) {
        std::cout << "No leftovers found.\n";
    } else {
        Table leftovers(
            {{"SIZE", Table::Align::right}, {"KIND"}, {"FOUND BY"}, {"SELECTED"}, {"PATH"}});
        ByteCount selected = 0;
        for (const auto& l : target.leftovers) {
            leftovers.add({formatBytes(l.size, locale), std::string(rawValue(l.kind)),
                           l.matchedByName ? "name" : "identifier", l.isSelected ? "yes" : "no",
                           terminalText(l.url)});
            if (l.isSelected) selected += l.size;
        }
        leftovers.print(std::cout);
        std::cout << counted(static_cast<std::int64_t>(target.leftovers.size()), "leftover",
                             "leftovers", locale)
                  << ", " << formatBytes(selected, locale) << " selected\n";
    }
    std::cout << "In all " << formatBytes(target.totalSize(), locale) << '\n';
}

int run(Context& context, const ParsedArguments& arguments) {
    const auto& words = arguments.positionals();
    if (words.empty()) throw UsageError("give APP: the name or the path of an application");
    if (words.size() > 1) throw UsageError("unexpected argument " + quote(words[1]));
    const std::string& app = words.front();
    if (app.empty()) throw UsageError("APP is empty");

    const UninstallerEngine engine(context.layout());
    Path appURL;
    try {
        appURL = app.find('/') != std::string::npos ? byPath(context.layout(), app)
                                                    : byName(engine, app);
    } catch (const NotFound& error) {
        std::cerr << "tornivo-cli inspect: " << error.what() << '\n';
        return kFailure;
    }

    // As the application shows a plan: protected folders keep their leftovers, and the
    // application's own files kept in one.
    const UninstallTarget target = inspectApplication(engine, appURL, context.protection());

    if (context.json())
        writeJson(std::cout, toJson(target));
    else
        printPlan(context, target);
    return kSuccess;
}

}  // namespace

const Command inspectCommand = {
    "inspect",
    "inspect APP",
    "what uninstalling one application would remove (APP: its name or path)",
    R"(Shows the uninstall plan of one application: its identifier, how it goes, its size, its own
files and its leftovers (support files, caches, preferences, logs... in the user's and the
system's folders), found by its identifier (selected) or by its name (not selected), largest
first. Nothing in a protected folder is listed. Nothing is removed.
APP with a "/" in it is a path in the path text (see 'tornivo-cli --help'): a desktop entry
(NAME.desktop), or an application bundle (NAME.app) with --layout macos; write ./NAME for one
in the current folder. Any other APP is a name, as 'tornivo-cli apps' lists them: the
application with exactly that name, else the one whose name matches ignoring case.
A name that matches no application, or several (an application installed twice), is an error
with exit status 1 and a message listing the candidates' paths; give one's path instead.
JSON: {"appURL": PATH, "appName": NAME, "bundleID": ID or null, "appSize": BYTES,
"leftovers": [...], "removal": "trash", "flatpakUser", "flatpakSystem" or "systemManaged",
"appFiles": [{"url": PATH, "size": BYTES}...], "flatpakID": ID or null}.
)",
    {},
    run,
};

}  // namespace tornivo::cli
