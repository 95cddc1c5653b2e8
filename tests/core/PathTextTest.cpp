#include "platform/PathText.h"

#include <gtest/gtest.h>

#include <random>

namespace tornivo {
namespace {

TEST(PathTextTest, EscapesOnlyInvalidBytesAndBackslashesAndEveryByteStringRoundTrips) {
    EXPECT_EQ(encodePathText("/home/ana/Résumé — 2024.pdf"), "/home/ana/Résumé — 2024.pdf");
    EXPECT_EQ(encodePathText(Path("/tmp/caf\xe9\\x41")), "/tmp/caf\\xe9\\\\x41");
    EXPECT_EQ(decodePathText("/tmp/caf\\xe9\\\\x41"), Path("/tmp/caf\xe9\\x41"));
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int i = 0; i < 2000; ++i) {
        std::string bytes(static_cast<std::size_t>(i % 40), '\0');
        for (char& c : bytes) c = static_cast<char>(byte(rng));
        ASSERT_EQ(decodePathText(encodePathText(Path(bytes))).native(), bytes);
    }
}

TEST(PathTextTest, DecodingIsLenientAndNeverMakesANulByte) {
    for (const char* text : {"a\\b\\xzz\\x4", "a\\x00b", "trailing\\"})
        EXPECT_EQ(decodePathText(text).native(), text);
}

TEST(PathTextTest, DisplayTextReplacesInvalidBytesOnly) {
    EXPECT_EQ(displayText(Path("/a/b\xffz")), "/a/b\xef\xbf\xbdz");
    EXPECT_EQ(displayText(Path("/a/ü")), "/a/ü");
}

}  // namespace
}  // namespace tornivo
