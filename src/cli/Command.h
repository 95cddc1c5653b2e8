#pragma once
// What every command of tornivo-cli shares: the context it runs in (layout, preferences, output
// mode) and its entry in the command table. A command is one file that defines one Command.

#include <memory>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>

#include "Arguments.h"
#include "platform/Exclusions.h"
#include "platform/Layout.h"
#include "platform/LayoutRoots.h"
#include "platform/PreferencesStore.h"

namespace tornivo::cli {

inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;  // the work failed
inline constexpr int kUsage = 2;    // the command line was wrong; nothing was done

class Context {
  public:
    // `layout` is what the engines analyse; `settingsFile` is the application's preferences file
    // on this machine, whichever layout is analysed.
    Context(Layout layout, Path settingsFile, bool json, std::string locale, bool progress,
            std::string command = {});

    const Layout& layout() const { return layout_; }
    bool json() const { return json_; }
    // The ICU locale numbers and dates are written in ("en", "de-DE").
    const std::string& locale() const { return locale_; }
    // Whether standard error is a terminal that progress lines may be drawn on.
    bool progress() const { return progress_; }

    // Stopped when Ctrl-C or SIGTERM asks the command to stop: handed to every scan and
    // removal. A command that finds it stopped prints what it did, and no more.
    std::stop_token stop() const;
    bool stopped() const { return stop().stop_requested(); }

    PreferencesStore& store();
    // The protected folders, read from the application's store when first asked for.
    Exclusions& exclusions();
    const ProtectedFolders& protection() { return exclusions().protection(); }

    // Writes "tornivo-cli COMMAND: MESSAGE" on standard error.
    void warn(const std::string& message) const;
    // Whether a removal may go ahead: not while the protected folders cannot be read, since
    // what the user protected is then unknown. Says so on standard error when it may not.
    bool mayRemove();
    // What a scan could not read: named on standard error (in text mode: JSON documents carry
    // it as their "unread" field instead).
    void reportUnread(const ScanReport& report) const;
    // What a removal left behind, each item with its reason, on standard error (in text mode;
    // JSON documents carry it as their "left" field), and the refusal when nothing was
    // attempted. The status the command ends with because of it: kFailure when refused.
    int reportLeft(const RemovalOutcome& outcome);

  private:
    Layout layout_;
    Path settingsFile_;
    bool json_;
    std::string locale_;
    bool progress_;
    std::string command_;
    std::unique_ptr<PreferencesStore> store_;
    std::unique_ptr<Exclusions> exclusions_;
};

struct Command {
    std::string_view name;
    std::string_view synopsis;  // "junk [--clean]"
    std::string_view summary;   // one line for the overview
    std::string_view details;   // the rest of `COMMAND --help`
    std::span<const OptionDecl> options;
    // Runs with the parsed arguments; returns the exit status. Throws UsageError for a bad value.
    int (*run)(Context& context, const ParsedArguments& arguments);
};

// Every command, in the order --help lists them.
std::span<const Command* const> commandTable();
const Command* findCommand(std::string_view name);

extern const Command junkCommand;
extern const Command largeCommand;
extern const Command duplicatesCommand;
extern const Command xrayCommand;
extern const Command installersCommand;
extern const Command developerCommand;
extern const Command appsCommand;
extern const Command inspectCommand;
extern const Command trashCommand;
extern const Command shredCommand;
extern const Command statsCommand;
extern const Command protectCommand;

}  // namespace tornivo::cli
