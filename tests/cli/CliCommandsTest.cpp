// Every command against the sample home, in both layouts: the table and the JSON document each
// prints, checked against reference files (TZ=UTC, LC_ALL=C.UTF-8; locations masked by name,
// so both layouts must print the same).

#include <gtest/gtest.h>

#include "SampleHome.h"
#include "platform/Exclusions.h"
#include "platform/PathText.h"
#include "platform/PreferencesStore.h"

namespace tornivo::test {
namespace {

class CliCommandsTest : public ::testing::TestWithParam<LayoutKind> {
  protected:
    SampleHome home{GetParam()};

    // The table against NAME.txt and the JSON document against NAME.json.
    void expectOutputs(const std::string& name, const std::vector<std::string>& args) {
        const CliResult plain = home.run(args);
        EXPECT_EQ(plain.status, 0) << plain.err;
        EXPECT_EQ(plain.err, "");
        const std::string table = home.masked(plain.out);
        EXPECT_EQ(table, expected(name + ".txt", table));
        const std::string json = home.masked(home.json(args)).dump(2) + "\n";
        EXPECT_EQ(json, expected(name + ".json", json));
    }
};

TEST_P(CliCommandsTest, JunkListsTheCachesAndLogsItemsLargestFirst) {
    expectOutputs("junk", {"junk"});
}

TEST_P(CliCommandsTest, LargeListsBigFilesNotOpenedForMonthsAndHonoursBothOptions) {
    expectOutputs("large", {"large", "--min-size", "10000000"});
    EXPECT_EQ(home.json({"large"}), Json::parse(R"({"files": []})"))
        << "nothing here reaches the default 500 MiB";
    EXPECT_EQ(home.json({"large", "--min-size=1", "--older-than-months=1200"})["files"].size(), 0u)
        << "every file was opened within the last hundred years";
    EXPECT_EQ(home.json({"large", "--min-size", "1", "--older-than-months", "0"})["files"].size(),
              5u);
}

TEST_P(CliCommandsTest, DuplicatesGroupsIdenticalFilesOfThePersonalFoldersOrTheGivenRoots) {
    expectOutputs("duplicates", {"duplicates"});
    const Path downloads = *home.layout().downloads, documents = *home.layout().documents;
    const Json reversed = home.json({"duplicates", documents.native(), downloads.native()});
    EXPECT_EQ(reversed["groups"][0]["files"], Json({encodePathText(documents / "copy-a.bin"),
                                                    encodePathText(downloads / "copy-b.bin")}))
        << "files come in the order of the roots given";
    EXPECT_EQ(home.json({"duplicates", documents.native()})["groups"].size(), 0u);
    EXPECT_EQ(home.json({"duplicates", "--min-size", "1114113"})["groups"].size(), 0u);
}

TEST_P(CliCommandsTest, XrayShowsEveryKindWithItsTotalsAndLargestFilesWithAdvice) {
    expectOutputs("xray", {"xray"});
}

TEST_P(CliCommandsTest, InstallersNameTheInstalledApplicationTheyBelongTo) {
    expectOutputs("installers", {"installers"});
}

TEST_P(CliCommandsTest, StatsGivesOneSampleOfEveryFigure) {
    const Json stats = home.json({"stats"});
    std::vector<std::string> keys;
    for (const auto& [key, value] : stats.items()) keys.push_back(key);
    EXPECT_EQ(keys,
              (std::vector<std::string>{"memoryUsedFraction", "memoryUsedBytes", "memoryTotalBytes",
                                        "cpuUsageFraction", "diskUsedFraction", "diskUsedBytes",
                                        "diskTotalBytes"}));
    for (const char* share : {"memoryUsedFraction", "cpuUsageFraction", "diskUsedFraction"}) {
        EXPECT_GE(stats[share].get<double>(), 0.0) << share;
        EXPECT_LE(stats[share].get<double>(), 1.0) << share;
    }
    EXPECT_GT(stats["memoryTotalBytes"].get<std::int64_t>(), 0);
    EXPECT_LE(stats["memoryUsedBytes"], stats["memoryTotalBytes"]);
    EXPECT_GT(stats["diskTotalBytes"].get<std::int64_t>(), 0);
    EXPECT_LE(stats["diskUsedBytes"], stats["diskTotalBytes"]);

    const CliResult plain = home.run({"stats"});
    EXPECT_EQ(plain.status, 0);
    EXPECT_TRUE(plain.out.starts_with("FIGURE     IN USE")) << plain.out;
    for (const char* row : {"\nprocessor ", "\nmemory ", "\ndisk "})
        EXPECT_NE(plain.out.find(row), std::string::npos) << row;
}

TEST_P(CliCommandsTest, ProtectKeepsTheFoldersInTheApplicationsPreferences) {
    const Path downloads = *home.layout().downloads, documents = *home.layout().documents;
    EXPECT_EQ(home.run({"protect", "list"}).out, "No protected folders.\n");
    const CliResult added = home.run({"protect", "add", downloads.native() + "/", "Documents/.."});
    EXPECT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(home.masked(added.out), "Protected DOWNLOADS\nProtected HOME\n");
    EXPECT_EQ(home.run({"protect", "add", downloads.native()}).out,
              "Already protected: " + downloads.native() + "\n");

    // The application reads them from its own preferences, whichever layout was analysed.
    PreferencesStore store(home.settingsFile());
    EXPECT_EQ(Exclusions(store).folders(), (std::vector<Path>{downloads, home.home()}));
    EXPECT_EQ(home.json({"protect", "list"}),
              Json({{"folders", {encodePathText(downloads), encodePathText(home.home())}}}));

    const Json removed = home.json({"protect", "remove", home.home().native()});
    EXPECT_EQ(removed, Json({{"folders", {encodePathText(downloads)}}}));
    EXPECT_EQ(home.run({"protect", "list"}).out, downloads.native() + "\n");
    EXPECT_EQ(Exclusions(store).folders(), std::vector<Path>{downloads});
}

TEST_P(CliCommandsTest, RemovingAFolderInsideAProtectedOneLeavesItProtectedAndFails) {
    const Path downloads = *home.layout().downloads;
    ASSERT_EQ(home.run({"protect", "add", home.home().native(), downloads.native()}).status, 0);
    const CliResult r = home.run({"protect", "remove", downloads.native()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(home.masked(r.err),
              "tornivo-cli protect: DOWNLOADS is still protected: it lies inside a protected "
              "folder\n");
    PreferencesStore store(home.settingsFile());
    EXPECT_EQ(Exclusions(store).folders(), std::vector<Path>{home.home()});
}

INSTANTIATE_TEST_SUITE_P(Layouts, CliCommandsTest,
                         ::testing::Values(LayoutKind::freedesktop, LayoutKind::macos),
                         [](const auto& info) { return std::string(rawValue(info.param)); });

TEST(CliHelpTest, HelpListsTheCommandsAndTheRulesAndEachCommandHasItsOwn) {
    CliHome home(LayoutKind::freedesktop);
    const CliResult help = home.run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* text :
         {"junk [--clean]", "large [--min-size BYTES] [--older-than-months N]",
          "duplicates [--min-size BYTES] [--keep-first] [ROOT...]", "\n  xray\n",
          "\n  installers\n", "\n  stats\n", "protect list | add PATH... | remove PATH...", "\\xNN",
          "literal backslash is doubled", "0  success", "1  the work failed",
          "2  the command line was wrong"})
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    const CliResult junk = home.run({"junk", "--help"});
    EXPECT_EQ(junk.status, 0);
    EXPECT_TRUE(junk.out.starts_with(
        "Usage: tornivo-cli [--layout macos|freedesktop] [--json] junk [--clean]\n"))
        << junk.out;
    EXPECT_EQ(home.run({"--version"}).out, "tornivo-cli " TORNIVO_VERSION "\n");
}

}  // namespace
}  // namespace tornivo::test
