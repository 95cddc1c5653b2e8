// Paths are bytes: a name that is not UTF-8, holds a backslash or a control character comes out
// as text that decodes to its exact bytes, in the table and in JSON, and the same text given back
// as an argument names the same file.

#include <gtest/gtest.h>

#include <set>

#include "CliHome.h"
#include "platform/PathText.h"

namespace tornivo::test {
namespace {

class CliPathTextTest : public ::testing::TestWithParam<LayoutKind> {
  protected:
    CliHome home{GetParam()};

    void SetUp() override {
        // Latin-1, not UTF-8; what looks like an escape and is not one; control characters.
        writeFile(home.caches() / "caf\xe9/data", 3 * 4096);
        writeFile(home.caches() / "back\\slash\\x41", 2 * 4096);
        writeFile(home.caches() / "bell\a\nnext\x1b[2J", 4096);
    }
    // The text a JSON document gives for a path, with the home's locations masked.
    std::string masked(const Json& path) const { return home.masked(path.get<std::string>()); }
};

TEST_P(CliPathTextTest, JsonAndTablesGiveTextThatDecodesToTheExactBytes) {
    const Json items = home.json({"junk"})["items"];
    ASSERT_EQ(items.size(), 3u);
    const std::pair<const char*, Path> expected[] = {
        {"CACHES/caf\\xe9", home.caches() / "caf\xe9"},
        {"CACHES/back\\\\slash\\\\x41", home.caches() / "back\\slash\\x41"},
        {"CACHES/bell\a\nnext\x1b[2J", home.caches() / "bell\a\nnext\x1b[2J"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(masked(items[i]["url"]), expected[i].first);
        EXPECT_EQ(decodePathText(items[i]["url"].get<std::string>()), expected[i].second);
    }
    // Tables escape control characters too.
    EXPECT_EQ(home.masked(home.run({"junk"}).out),
              " SIZE  CATEGORY  PATH\n"
              "12 KB  appCache  CACHES/caf\\xe9\n"
              " 8 KB  appCache  CACHES/back\\\\slash\\\\x41\n"
              " 4 KB  appCache  CACHES/bell\\x07\\x0anext\\x1b[2J\n"
              "3 items, 25 KB\n");
    EXPECT_EQ(decodePathText("CACHES/bell\\x07\\x0anext\\x1b[2J"), "CACHES/bell\a\nnext\x1b[2J");
}

TEST_P(CliPathTextTest, PathArgumentsTakeTheSameTextAndNameTheExactFile) {
    const std::string text = encodePathText(home.caches() / "caf\xe9");
    ASSERT_EQ(home.run({"protect", "add", text}).status, 0);
    const Json items = home.json({"junk"})["items"];
    ASSERT_EQ(items.size(), 2u) << "the protected item is left out";
    EXPECT_EQ(masked(items[0]["url"]), "CACHES/back\\\\slash\\\\x41");
    // Stored by its exact bytes: they are what is written back.
    EXPECT_EQ(home.json({"protect", "list"}), Json({{"folders", {text}}}));

    // A root named in bytes that are not UTF-8, with two identical files in it.
    const Path odd = home.home() / "Dossier\xff";
    writeFile(odd / "a.bin", 1'048'576, 'z');
    writeFile(odd / "b.bin", 1'048'576, 'z');
    const Json groups = home.json({"duplicates", encodePathText(odd)})["groups"];
    ASSERT_EQ(groups.size(), 1u);
    std::set<std::string> files;  // in the order the folder lists them
    for (const auto& f : groups[0]["files"]) files.insert(masked(f));
    EXPECT_EQ(files, (std::set<std::string>{"HOME/Dossier\\xff/a.bin", "HOME/Dossier\\xff/b.bin"}));

    ASSERT_EQ(home.run({"protect", "remove", text}).status, 0);
    EXPECT_EQ(home.json({"junk"})["items"].size(), 3u);
}

TEST_P(CliPathTextTest, TrashItemsThatAreNotUtf8AreWrittenByTheirBytesInBothForms) {
    writeFile(home.trashFiles() / "caf\xe9 \\ notes.txt", 4096);
    EXPECT_EQ(home.masked(home.json({"trash"})["items"]), Json({"TRASH/caf\\xe9 \\\\ notes.txt"}));
    EXPECT_EQ(home.masked(home.run({"trash"}).out),
              "TRASH/caf\\xe9 \\\\ notes.txt\n1 item, 4 KB\n");
}

TEST_P(CliPathTextTest, InspectTakesAPathThatIsNotUtf8AndWritesItsLeftoversByTheirBytes) {
    const bool macos = GetParam() == LayoutKind::macos;
    const Path folder = home.home() / "Apps\xe9";
    const Path app = macos ? folder / "Odd.app" : folder / "org.example.Odd.desktop";
    if (macos)
        writeText(app / "Contents/Info.plist",
                  "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict><key>CFBundleIdentifier"
                  "</key><string>org.example.Odd</string></dict></plist>\n");
    else
        writeText(app, "[Desktop Entry]\nType=Application\nName=Odd\nExec=true\n");
    const Path leftover = home.caches() / "org.example.Odd.\xff";
    writeFile(leftover / "data", 4096);

    const Json plan = home.json({"inspect", encodePathText(app)});
    EXPECT_EQ(decodePathText(plan["appURL"].get<std::string>()), app);
    ASSERT_EQ(plan["leftovers"].size(), 1u);
    EXPECT_EQ(masked(plan["leftovers"][0]["url"]), "CACHES/org.example.Odd.\\xff");

    const std::string table = home.masked(home.run({"inspect", encodePathText(app)}).out);
    for (const char* line : {"Location     HOME/Apps\\xe9/", "  CACHES/org.example.Odd.\\xff\n"})
        EXPECT_NE(table.find(line), std::string::npos) << table;
}

TORNIVO_IN_BOTH_LAYOUTS(CliPathTextTest);

}  // namespace
}  // namespace tornivo::test
