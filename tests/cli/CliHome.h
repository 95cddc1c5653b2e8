#pragma once
// Runs the built tornivo-cli as a child process against a temporary home: a clean environment
// (HOME, XDG_DATA_DIRS, TZ=UTC, LC_ALL=C.UTF-8 and a PATH, nothing else), standard error on a
// pipe or on a pseudo-terminal, and helpers to compare what it printed with reference files.

#include <chrono>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "TempHome.h"

namespace tornivo {
// Test names and messages show the layout by name.
inline void PrintTo(LayoutKind kind, std::ostream* out) {
    *out << rawValue(kind);
}
}  // namespace tornivo

namespace tornivo::test {

using Json = nlohmann::ordered_json;

struct CliResult {
    int status = -1;
    std::string out{}, err{};
    bool killed = false;  // ended by a signal rather than exiting
    // From the signal that run sent to the end of the child.
    std::chrono::milliseconds afterSignal{0};
    bool operator==(const CliResult&) const = default;
};
inline void PrintTo(const CliResult& r, std::ostream* out) {
    *out << "status " << r.status << ", out " << ::testing::PrintToString(r.out) << ", err "
         << ::testing::PrintToString(r.err);
}

class CliHome {
  public:
    // With `sample`, the home most tests run against, the same files in either layout: junk in
    // the caches and logs folders, installers (one of an installed application), two identical
    // copies, big old files, every date fixed.
    explicit CliHome(LayoutKind kind, bool sample = false);

    const Layout& layout() const { return home_.layout(); }
    const Path& home() const { return home_.home(); }
    // The preferences file the application uses for this user (freedesktop, whatever layout).
    Path settingsFile() const;
    Path trashFiles() const { return layout().trashFiles; }
    Path caches() const { return layout().junkRoots.at(0).folder; }
    // Build outputs of three projects, with their sources: two idle for long, largest first,
    // and one active. freedesktop finds them by their markers anywhere in the home; macos lists
    // the IDE's DerivedData, the sources lying elsewhere.
    struct BuildOutputs {
        std::vector<Path> inactive;
        Path active;
        std::vector<Path> sources;
    };
    BuildOutputs addBuildOutputs() const;
    // Runs `protect add FOLDER`; whether it succeeded.
    bool protect(const Path& folder) const {
        return run({"protect", "add", folder.native()}).status == 0;
    }
    // Where desktop entries of "the system" are: XDG_DATA_DIRS of the child.
    Path systemData() const { return system_.path(); }
    // Sets a variable of the child's environment (XDG_DATA_HOME, ...) for the runs that follow;
    // layout() does not follow it.
    void setVariable(const std::string& name, const std::string& to) { variables_[name] = to; }

    // Runs `tornivo-cli --layout KIND ARGS...`, with standard error on a pseudo-terminal when
    // `terminal` (standard output stays a pipe), and sends it `signal` `after` it started.
    CliResult run(const std::vector<std::string>& args, bool terminal = false, int signal = 0,
                  std::chrono::milliseconds after = {}) const;
    // Runs with --json, expects status 0 and one JSON document.
    Json json(const std::vector<std::string>& args) const;

    // The text with this home's locations replaced by names (CACHES, LOGS, DOWNLOADS,
    // DOCUMENTS, DESKTOP, PICTURES, MOVIES, MUSIC, TRASH, HOME, and SYSTEM for systemData()),
    // so one reference fits both layouts.
    std::string masked(std::string text) const;
    // A JSON document masked the same way, with every "id" (checked to be a UUID) as "ID".
    Json masked(const Json& document) const;

  private:
    TempDir system_;
    TempHome home_;
    LayoutKind kind_;
    std::map<std::string, std::string> variables_;  // the child's whole environment
};

// The reference file tests/cli/expected/NAME. With TORNIVO_UPDATE_EXPECTED=1 in the environment
// the file is rewritten with `actual` first (review the change before keeping it).
std::string expected(const std::string& name, const std::string& actual);

// Runs the parameterised SUITE once in each layout, named after it.
#define TORNIVO_IN_BOTH_LAYOUTS(SUITE)                                                      \
    INSTANTIATE_TEST_SUITE_P(Layouts, SUITE,                                                \
                             ::testing::Values(LayoutKind::freedesktop, LayoutKind::macos), \
                             [](const auto& info) { return std::string(rawValue(info.param)); })

}  // namespace tornivo::test
