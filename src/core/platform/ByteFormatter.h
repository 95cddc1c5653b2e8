#pragma once
// The one byte-count formatter of the program (the application and the command line share it).
//
// Decimal units (1 KB = 1000 bytes), only KB, MB, GB and TB. The unit is the largest one the amount
// reaches (KB below 1000 bytes, TB above); when rounding reaches 1000 of a unit, the next unit is
// used. KB shows whole numbers, MB one fractional digit, GB and TB two, rounded half up, without
// trailing zeros:
//   0 -> "0 KB", 1..1499 -> "1 KB", 999,999 -> "1 MB", 1,234,567 -> "1.2 MB",
//   1,234,567,890 -> "1.23 GB". A non-zero amount never shows as 0 KB; a negative one shows as 0.
// The number is written in the given locale (grouping and decimal separators); the unit is not
// translated.

#include <string>
#include <string_view>

#include "models/Types.h"

namespace tornivo {

std::string formatBytes(ByteCount bytes, std::string_view locale = "en");

}  // namespace tornivo
