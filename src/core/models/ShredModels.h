#pragma once
// Records of the secure eraser.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "models/Outcome.h"
#include "models/Types.h"

namespace tornivo {

// The number of overwrite passes; the raw value is the pass count.
enum class ShredStrength : int { quick = 1, standard = 3, paranoid = 7 };

inline constexpr std::array<ShredStrength, 3> allShredStrengths{
    ShredStrength::quick, ShredStrength::standard, ShredStrength::paranoid};

inline std::optional<ShredStrength> shredStrengthFromPasses(int passes) {
    for (auto s : allShredStrengths)
        if (static_cast<int>(s) == passes) return s;
    return std::nullopt;
}

struct ShredOutcome {
    std::int64_t count = 0;      // top-level items erased (gone from the Trash)
    ByteCount bytes = 0;         // regular-file bytes overwritten
    std::vector<LeftItem> left;  // items that stayed, with the reason
    // Set when nothing was attempted because the protected folders cannot be read.
    std::optional<ProtectionProblem> refused;

    bool operator==(const ShredOutcome&) const = default;
};

}  // namespace tornivo
