#include "workflows/Removal.h"

#include "CoreChecks.h"
#include "engines/LargeFileScanner.h"
#include "platform/FileStatus.h"
#include "workflows/FileWorkflows.h"

namespace tornivo {
namespace {

using namespace test;

struct Named {
    Path url;
};

// Whatever list a record comes from (a forged one, a stale one), it never takes "/", a mount
// point, the home, a folder above it or a folder of the layout, however it is spelt; links to
// them go as links, and everything else is left to the removal's own checks.
TEST(RemovalPlanTest, NoPlanTakesTheRootAMountTheHomeOrAFolderOfTheLayout) {
    TempHome home;
    const Layout& l = home.layout();
    for (const Path& folder : {*l.documents, l.trashFiles, l.cacheHome}) makeDir(folder);
    const std::vector<Path> refused{"/",
                                    "/proc",
                                    home.home(),
                                    home.home().parent_path(),
                                    *l.documents / ".",
                                    l.trashFiles,
                                    l.cacheHome,
                                    l.dataHome.parent_path()};
    const std::vector<Path> allowed{makeDir(*l.documents / "old"), writeFile(home / "notes.txt"),
                                    makeSymlink(home.home(), home / "to-home")};
    std::vector<Named> chosen;
    for (const auto* list : {&refused, &allowed})
        for (const Path& p : *list) chosen.push_back({p});

    const RemovalPlan<Named> plan = planRemoval(chosen, ProtectedFolders(), l);
    EXPECT_EQ(mapped(plan.act, [](const Named& n) { return n.url; }), allowed);
    EXPECT_EQ(mapped(plan.kept.left, [](const LeftItem& i) { return i.url; }), refused);
    EXPECT_EQ(plan.kept.count(LeftReason::systemFolder), std::int64_t(refused.size()));
}

TEST(RemovalPlanTest, ARecordNamingAPersonalFolderMovesNothingToTheTrash) {
    TempHome home;
    const Path documents = *home.layout().documents;
    writeFile(documents / "thesis.odt", 4096);
    const LargeFile forged{Uuid::random(), documents, 4096, {}, true, identityOf(documents)};
    const RemovalOutcome outcome =
        trashLargeFiles(LargeFileScanner(home.layout(), 1), {forged}, ProtectedFolders());
    EXPECT_EQ(outcome.done, 0);
    EXPECT_EQ(outcome.left, (std::vector<LeftItem>{{documents, LeftReason::systemFolder}}));
    EXPECT_TRUE(test::exists(documents / "thesis.odt"));
}

}  // namespace
}  // namespace tornivo
