#include "platform/Exclusions.h"

#include <gtest/gtest.h>

#include "TempHome.h"
#include "platform/PreferencesStore.h"

namespace tornivo {
namespace {

using namespace test;

class ExclusionsTest : public ::testing::Test {
  protected:
    TempDir dir;
    PreferencesStore store{dir / "settings.json"};
};

TEST_F(ExclusionsTest, AProtectedFolderCoversItselfAndWhatLiesBelowOnly) {
    Exclusions ex(store);
    EXPECT_FALSE(ex.isProtected("/Users/a/Work")) << "an empty list protects nothing";
    ex.add("/Users/a/Work");
    for (const char* yes :
         {"/Users/a/Work", "/Users/a/Work/x/y.txt", "/Users/a/Work/", "/Users/a/Other/../Work/./z"})
        EXPECT_TRUE(ex.isProtected(yes)) << yes;
    for (const char* no :
         {"/Users/a/Workshop/z", "/Users/a/Work/../Other/f", "/Users/a/work/f", "/Users/a"})
        EXPECT_FALSE(ex.isProtected(no)) << no;
    ex.add("/");
    EXPECT_TRUE(ex.isProtected("/home/a/.cache/x")) << "the root folder protects everything";
}

TEST_F(ExclusionsTest, AnEqualFolderIsNotAddedAgainNorWritten) {
    Exclusions ex(store);
    EXPECT_TRUE(ex.add("/Users/a/Work"));
    ex.add("/home/a/Caf\xc3\xa9");  // precomposed é
    store.set("marker", 1);
    const auto before = readText(store.file());
    for (const char* same : {"/Users/a/Work/", "/Users/a/./Work", "/home/a/Cafe\xcc\x81/"})
        EXPECT_FALSE(ex.add(same)) << same;
    EXPECT_TRUE(ex.isProtected("/home/a/Cafe\xcc\x81/menu.txt")) << "canonically equivalent";
    EXPECT_EQ(readText(store.file()), before);
    EXPECT_EQ(ex.folders(), (std::vector<Path>{"/Users/a/Work", "/home/a/Caf\xc3\xa9"}));
}

TEST_F(ExclusionsTest, FoldersSurviveARestartInOrderAndRemovalWritesEvenWhenNothingMatched) {
    {
        Exclusions ex(store);
        ex.add("/b");
        ex.add("/a/");
        ex.add(Path("/odd/\xff\\name"));
    }
    EXPECT_EQ(store.stringList(Exclusions::kKey),
              (std::vector<std::string>{"/b", "/a", "/odd/\\xff\\\\name"}));
    Exclusions restarted(store);
    EXPECT_EQ(restarted.folders(), (std::vector<Path>{"/b", "/a", Path("/odd/\xff\\name")}));
    EXPECT_TRUE(restarted.isProtected(Path("/odd/\xff\\name/file")));
    EXPECT_FALSE(restarted.isProtected(Path("/odd/\xfe\\name/file")));

    restarted.remove("/b/");
    store.remove(Exclusions::kKey);
    restarted.remove("/never-listed");
    EXPECT_EQ(store.stringList(Exclusions::kKey),
              (std::vector<std::string>{"/a", "/odd/\\xff\\\\name"}));
}

TEST_F(ExclusionsTest, AMalformedStoredListProtectsNothing) {
    for (const auto& stored : {nlohmann::json("/not/a/list"), nlohmann::json::array({"/ok", 5})}) {
        store.set(Exclusions::kKey, stored);
        EXPECT_TRUE(Exclusions(store).folders().empty()) << stored;
    }
}

}  // namespace
}  // namespace tornivo
