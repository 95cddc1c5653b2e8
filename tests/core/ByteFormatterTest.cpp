#include "platform/ByteFormatter.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tornivo {
namespace {

TEST(ByteFormatterTest, RoundsHalfUpInTheLargestUnitReachedAndNeverShowsZeroForSomething) {
    const std::tuple<ByteCount, const char*, const char*> cases[] = {
        {0, "en", "0 KB"},
        {-5, "en", "0 KB"},
        {1, "en", "1 KB"},
        {1499, "en", "1 KB"},
        {1500, "en", "2 KB"},
        {999'499, "en", "999 KB"},
        {999'500, "en", "1 MB"},  // rounding to a thousand moves to the next unit
        {1'234'567, "en", "1.2 MB"},
        {1'250'000, "en", "1.3 MB"},
        {2'000'000, "en", "2 MB"},
        {1'234'567'890, "en", "1.23 GB"},
        {5'000'000'000'000'000, "en", "5,000 TB"},  // never PB
        {INT64_MAX, "en", "9,223,372.04 TB"},
        {1'234'567, "de", "1,2 MB"},
        {5'000'000'000'000'000, "de", "5.000 TB"},
        {1'234'567, "no-such-locale", "1.2 MB"},
    };
    for (const auto& [bytes, locale, text] : cases)
        EXPECT_EQ(formatBytes(bytes, locale), text) << bytes << " in " << locale;
}

}  // namespace
}  // namespace tornivo
