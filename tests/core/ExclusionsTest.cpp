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
    EXPECT_TRUE(ex.isProtected("/Users/a/Work"));
    EXPECT_TRUE(ex.isProtected("/Users/a/Work/x/y.txt"));
    EXPECT_TRUE(ex.isProtected("/Users/a/Work/"));
    EXPECT_TRUE(ex.isProtected("/Users/a/Other/../Work/./z"));
    EXPECT_FALSE(ex.isProtected("/Users/a/Workshop/z"));
    EXPECT_FALSE(ex.isProtected("/Users/a/Work/../Other/f"));
    EXPECT_FALSE(ex.isProtected("/Users/a/work/f")) << "case matters";
    EXPECT_FALSE(ex.isProtected("/Users/a"));
}

TEST_F(ExclusionsTest, CanonicallyEquivalentNamesAreTheSameFolder) {
    Exclusions ex(store);
    ex.add("/home/a/Caf\xc3\xa9");                                 // precomposed é
    EXPECT_TRUE(ex.isProtected("/home/a/Cafe\xcc\x81/menu.txt"));  // e + combining acute
    EXPECT_FALSE(ex.add("/home/a/Cafe\xcc\x81/"));
    EXPECT_EQ(ex.folders().size(), 1u);
}

TEST_F(ExclusionsTest, AddingAnEqualFolderChangesNothingAndDoesNotWrite) {
    Exclusions ex(store);
    EXPECT_TRUE(ex.add("/Users/a/Work"));
    store.set("marker", 1);
    auto before = readText(store.file());
    EXPECT_FALSE(ex.add("/Users/a/Work/"));
    EXPECT_FALSE(ex.add("/Users/a/./Work"));
    EXPECT_EQ(readText(store.file()), before);
    EXPECT_EQ(ex.folders(), std::vector<Path>{"/Users/a/Work"});
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
    EXPECT_EQ(restarted.folders(), (std::vector<Path>{"/a", Path("/odd/\xff\\name")}));
    store.remove(Exclusions::kKey);
    restarted.remove("/never-listed");
    EXPECT_EQ(store.stringList(Exclusions::kKey),
              (std::vector<std::string>{"/a", "/odd/\\xff\\\\name"}));
}

TEST_F(ExclusionsTest, AMalformedStoredListProtectsNothing) {
    store.set(Exclusions::kKey, "/not/a/list");
    EXPECT_TRUE(Exclusions(store).folders().empty());
    store.set(Exclusions::kKey, nlohmann::json::array({"/ok", 5}));
    EXPECT_TRUE(Exclusions(store).folders().empty());
}

TEST_F(ExclusionsTest, TheRootFolderProtectsEverything) {
    Exclusions ex(store);
    ex.add("/");
    EXPECT_TRUE(ex.isProtected("/"));
    EXPECT_TRUE(ex.isProtected("/home/a/.cache/x"));
}

}  // namespace
}  // namespace tornivo
