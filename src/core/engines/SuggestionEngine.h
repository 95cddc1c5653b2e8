#pragma once
// One short, actionable piece of advice from the machine's figures and the last scans, with the
// section that handles it. Pure: the same state gives the same advice (with new identities).
// Texts are keys with their arguments; the application puts them into words.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "models/DeveloperModels.h"
#include "models/InstallerModels.h"
#include "models/RawEnum.h"
#include "models/ScanModels.h"
#include "models/SystemStats.h"

namespace tornivo {

enum class SuggestionAction {
    quickScan,
    freeMemory,
    findLargeFiles,
    findDuplicates,
    openXRay,
    openDeveloper,
    openInstallers
};

template <>
struct RawEnumTable<SuggestionAction> {
    using A = SuggestionAction;
    static constexpr std::array<std::pair<A, std::string_view>, 7> cases{{
        {A::quickScan, "quickScan"},
        {A::freeMemory, "freeMemory"},
        {A::findLargeFiles, "findLargeFiles"},
        {A::findDuplicates, "findDuplicates"},
        {A::openXRay, "openXRay"},
        {A::openDeveloper, "openDeveloper"},
        {A::openInstallers, "openInstallers"},
    }};
};

// An argument of a message: ready text (a percentage), a byte count or a count, the last two
// formatted by the application in the user's language. A count is the number the message's
// plural form follows, written where the text has its own place for it; a message has at most
// one.
struct ByteAmount {
    ByteCount bytes = 0;
    bool operator==(const ByteAmount&) const = default;
};
struct Count {
    std::int64_t value = 0;
    bool operator==(const Count&) const = default;
};
using SuggestionArgument = std::variant<std::string, ByteAmount, Count>;

struct Suggestion {
    Uuid id;
    std::string icon;
    std::string messageKey;
    std::vector<SuggestionArgument> messageArguments;
    std::string actionLabelKey;
    SuggestionAction action = SuggestionAction::quickScan;
};

struct SuggestionEngine {
    // Memory, disk and junk advice in that order, or the healthy advice when none applies.
    static std::vector<Suggestion> suggestions(const std::optional<SystemStats>& stats,
                                               const std::optional<ScanResult>& lastScan);
    // The same with the developer-caches and installers advice put in front (installers first).
    static std::vector<Suggestion> suggestions(const std::optional<SystemStats>& stats,
                                               const std::optional<ScanResult>& lastScan,
                                               const std::optional<DeveloperScanResult>& developer,
                                               const std::vector<InstallerFile>& installers);

    // The fraction as a whole percentage, halves away from zero: 0.125 gives "13%".
    static std::string percent(double fraction);
};

}  // namespace tornivo
