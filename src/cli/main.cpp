// tornivo-cli: the engines of Tornivo from a terminal or a script, on the core library alone.

#include <unistd.h>

#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Command.h"
#include "Interruption.h"
#include "Output.h"
#include "models/RawEnum.h"

#ifndef TORNIVO_VERSION
#define TORNIVO_VERSION "unknown"
#endif

namespace tornivo::cli {
namespace {

constexpr std::string_view kProgram = "tornivo-cli";

constexpr std::string_view kOverview =
    R"(Finds what takes space in your home folder and cleans it up, from a terminal or a script.
Works on the home that HOME and the XDG variables name, with the protected folders of the
application: nothing inside a protected folder is ever listed or removed.
)";

constexpr std::string_view kOptions = R"(Options:
  --layout macos|freedesktop  the layout of the home to analyse (default: freedesktop); macos
                              reads a macOS home, for example a Mac's disk mounted here
  --json                      print one JSON document instead of a table
  -h, --help                  show this help; COMMAND --help shows a command's
  --version                   show the version

Options may also follow the command. "--" ends the options: what follows is never one.
)";

constexpr std::string_view kRules = R"(Paths:
  Paths are written, and read wherever a command takes one, as text that keeps their exact
  bytes: each byte that is not part of valid UTF-8 is written \xNN (two lower-case hexadecimal
  digits) and a literal backslash is doubled; tables also write control characters as \xNN.
  In JSON the backslashes are themselves escaped, as JSON escapes every backslash.

Removal:
  Nothing is removed or moved without an explicit flag (--clean, --keep-first, --yes).

Exit status:
  0  success
  1  the work failed (for example nothing could be removed)
  2  the command line was wrong: a one-line message says what, and nothing was done
  130, 143  stopped by Ctrl-C (SIGINT) or SIGTERM: what was done before is reported, and
      nothing more is touched after the signal
)";

void printOverview(std::ostream& out) {
    out << "Usage: " << kProgram << " [--layout macos|freedesktop] [--json] COMMAND [OPTIONS]\n\n"
        << kOverview << "\nCommands:\n";
    for (const Command* command : commandTable())
        out << "  " << command->synopsis << "\n      " << command->summary << '\n';
    out << '\n' << kOptions << '\n' << kRules;
}

void printCommandHelp(std::ostream& out, const Command& command) {
    out << "Usage: " << kProgram << " [--layout macos|freedesktop] [--json] " << command.synopsis
        << "\n\n";
    // The summary as a sentence.
    std::string summary(command.summary);
    if (!summary.empty() && summary[0] >= 'a' && summary[0] <= 'z') summary[0] -= 'a' - 'A';
    out << summary << ".\n";
    if (!command.details.empty()) out << '\n' << command.details;
    out << "\nSee '" << kProgram << " --help' for the options, the path text and exit statuses.\n";
}

struct Invocation {
    std::optional<LayoutKind> layout;
    bool json = false;
    bool help = false;
    bool version = false;
    const Command* command = nullptr;
    std::vector<std::string> words;  // the command's own
};

// Separates the global options, wherever they are before "--", from the command and its words.
Invocation parse(const std::vector<std::string>& words, const Command*& named) {
    Invocation in;
    bool ended = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (!ended) {
            if (word == "--") {
                ended = true;
                if (in.command) in.words.push_back(word);
                continue;
            }
            if (word == "--json") {
                in.json = true;
                continue;
            }
            if (word == "--help" || word == "-h") {
                in.help = true;
                continue;
            }
            if (word == "--version") {
                in.version = true;
                continue;
            }
            if (word == "--layout" || word.starts_with("--layout=")) {
                std::string value;
                if (word != "--layout") {
                    value = word.substr(9);
                } else if (i + 1 < words.size()) {
                    value = words[++i];
                } else {
                    throw UsageError("--layout needs a value: macos or freedesktop");
                }
                in.layout = fromRawValue<LayoutKind>(value);
                if (!in.layout)
                    throw UsageError("--layout " + quote(value) +
                                     " is not a layout: give macos or freedesktop");
                continue;
            }
        }
        if (in.command) {
            in.words.push_back(word);
            continue;
        }
        if (!ended && word.starts_with('-') && word != "-")
            throw UsageError("unknown option " + quote(word));
        in.command = named = findCommand(word);
        if (!in.command) throw UsageError("unknown command " + quote(word));
        if (ended) in.words.push_back("--");
    }
    return in;
}

int run(const std::vector<std::string>& words, const Command*& named) {
    const Invocation in = parse(words, named);
    if (in.version) {
        std::cout << kProgram << ' ' << TORNIVO_VERSION << '\n';
        return kSuccess;
    }
    if (in.help) {
        if (in.command)
            printCommandHelp(std::cout, *in.command);
        else
            printOverview(std::cout);
        return kSuccess;
    }
    if (!in.command) throw UsageError("no command given");
    const ParsedArguments arguments(in.words, in.command->options);

    // The preferences file is the one the application uses on this machine, whatever layout
    // is analysed: protected folders are the user's, not the analysed home's.
    const Layout user = Layout::currentUser();
    Layout layout = user;
    if (in.layout == LayoutKind::macos)
        layout = Layout::macos(user.home);
    else if (in.layout == LayoutKind::freedesktop)
        layout = Layout::freedesktop(user.home, processEnvironment());
    Context context(std::move(layout), user.settingsFile, in.json, localeFromEnvironment(),
                    ::isatty(STDERR_FILENO) == 1, std::string(in.command->name));
    return in.command->run(context, arguments);
}

}  // namespace
}  // namespace tornivo::cli

int main(int argc, char** argv) {
    using namespace tornivo::cli;
    Interruption::install();
    const std::vector<std::string> words(argv + 1, argv + argc);
    const Command* named = nullptr;
    int status = kFailure;
    try {
        status = run(words, named);
    } catch (const UsageError& error) {
        std::cout.flush();
        const std::string who =
            std::string(kProgram) + (named ? " " + std::string(named->name) : "");
        std::cerr << who << ": " << error.what() << " (see '" << who << " --help')\n";
        return kUsage;
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << kProgram << ": " << terminalText(std::string_view(error.what())) << '\n';
        return kFailure;
    }
    std::cout.flush();
    if (const int signal = Interruption::signal()) {
        std::cerr << kProgram << (named ? " " + std::string(named->name) : "") << ": stopped by "
                  << Interruption::name(signal) << "; nothing more was touched\n";
        return 128 + signal;
    }
    if (!std::cout) {
        std::cerr << kProgram << ": could not write the output\n";
        return kFailure;
    }
    return status;
}
