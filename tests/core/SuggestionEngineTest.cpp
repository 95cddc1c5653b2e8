#include "engines/SuggestionEngine.h"

#include "CoreChecks.h"

namespace tornivo {
namespace {

std::vector<std::string> keys(const std::vector<Suggestion>& list) {
    return test::mapped(list, [](const Suggestion& s) { return s.messageKey; });
}

SystemStats stats(double memory, double disk, ByteCount diskUsed = 0, ByteCount diskTotal = 0) {
    return {.memoryUsedFraction = memory,
            .diskUsedFraction = disk,
            .diskUsedBytes = diskUsed,
            .diskTotalBytes = diskTotal};
}

TEST(SuggestionEngineTest, ThresholdsIncludeEqualityMemoryComesBeforeDiskElseAllIsHealthy) {
    EXPECT_EQ(keys(SuggestionEngine::suggestions(stats(0.8499, 0.8499), std::nullopt)),
              std::vector<std::string>{"suggest.healthy"});
    EXPECT_EQ(keys(SuggestionEngine::suggestions(stats(0.85, 0.85), std::nullopt)),
              (std::vector<std::string>{"suggest.ramHigh", "suggest.diskFull"}));
    auto list = SuggestionEngine::suggestions(stats(0.9, 0.95), std::nullopt);
    EXPECT_EQ(list[0].messageArguments, std::vector<SuggestionArgument>{std::string("90%")});
    list = SuggestionEngine::suggestions(stats(0, 0.99, 600, 500), std::nullopt);
    EXPECT_EQ(list[0].messageArguments,
              (std::vector<SuggestionArgument>{std::string("99%"), ByteAmount{0}}))
        << "the free disk space is never negative";
}

TEST(SuggestionEngineTest, InstallersThenDeveloperCachesGoInFront) {
    DeveloperScanResult dev;
    dev.projects = {{Uuid::random(), "a", "/a", 1'500'000'000, {}, false, true, {}, {}},
                    {Uuid::random(), "b", "/b", 500'000'000, {}, false, true, {}, {}},
                    {Uuid::random(), "c", "/c", 9'000'000'000, {}, true, false, {}, {}}};
    std::vector<InstallerFile> installers{
        {Uuid::random(), "/d/x.deb", 150'000'000, "deb", "Xed", true, {}},
        {Uuid::random(), "/d/y.iso", 50'000'000, "iso", "Yak", true, {}},
        {Uuid::random(), "/d/z.iso", 9'000'000'000, "iso", std::nullopt, false, {}}};
    auto list = SuggestionEngine::suggestions(stats(0.9, 0), std::nullopt, dev, installers);
    EXPECT_EQ(keys(list), (std::vector<std::string>{"suggest.installers", "suggest.devCaches",
                                                    "suggest.ramHigh"}));
    EXPECT_EQ(list[0].messageArguments,
              (std::vector<SuggestionArgument>{Count{2}, ByteAmount{200'000'000}}));
    EXPECT_EQ(list[1].messageArguments[0], SuggestionArgument(ByteAmount{2'000'000'000}))
        << "exactly two billion counts; active projects do not";

    installers[0].size = 149'999'999;
    dev.projects[1].size = 499'999'999;
    EXPECT_EQ(keys(SuggestionEngine::suggestions(std::nullopt, std::nullopt, dev, installers)),
              std::vector<std::string>{"suggest.healthy"});
}

}  // namespace
}  // namespace tornivo
