#pragma once
// Numbers and dates written for people, in a given locale (ICU locale names such as "de",
// "pt-BR", "ar"), shared by the application and the command line.

#include <cstdint>
#include <string>
#include <string_view>

#include "models/Types.h"

namespace tornivo {

// A relative phrase for `date` as seen from `now`, with full unit names: "2 hours ago",
// "in 3 days", "now". The unit is the largest whole one (seconds up to years).
std::string formatRelative(TimePoint date, TimePoint now, std::string_view locale);
// The date alone in the medium style ("Mar 4, 2024"), in the given time zone (empty: the
// system's).
std::string formatMediumDate(TimePoint date, std::string_view locale,
                             std::string_view timeZone = {});
// The integer with the locale's digits and grouping ("1,234,567"); plain digits on failure.
std::string formatInteger(std::int64_t value, std::string_view locale);

}  // namespace tornivo
