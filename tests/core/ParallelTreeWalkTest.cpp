#include "platform/ParallelTreeWalk.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "TempHome.h"

namespace tornivo {
namespace {

using namespace test;

struct Found {
    TreeWalker::OrderKey key;
    std::string path;
};

struct Collector {
    std::vector<Found> found;
    bool operator()(const TreeWalker& walker, const TreeWalker::Entry& e) {
        found.push_back({walker.orderKey(e), walker.pathOf(e).native()});
        return true;
    }
};

Path makeTree(const TempDir& dir) {
    Path root = dir / "tree";
    for (int a = 0; a < 12; ++a)
        for (int b = 0; b < 6; ++b) {
            Path folder = root / ("a" + std::to_string(a)) / ("b" + std::to_string(b));
            for (int c = 0; c < 5; ++c) writeFile(folder / ("f" + std::to_string(c)), 10);
            makeDir(folder / "empty");
            if (b % 2) writeFile(folder / "deeper/still/x", 1);
        }
    makeSymlink(root / "a0", root / "a1/link");
    return root;
}

TEST(ParallelTreeWalkTest, ThreadsTogetherMeetEveryEntryOnceAndKeysRestoreTheSequentialOrder) {
    TempDir dir;
    const Path root = makeTree(dir);

    Collector collector;
    TreeWalker walker;
    walker.walk(root, [&](const TreeWalker::Entry& e) { return collector(walker, e); });
    const std::vector<Found>& sequential = collector.found;
    ASSERT_GT(sequential.size(), 600u);
    for (std::size_t i = 1; i < sequential.size(); ++i)
        ASSERT_LT(sequential[i - 1].key, sequential[i].key) << "keys follow the walk's order";

    for (unsigned threads : {1u, 2u, 4u, 8u}) {
        std::vector<Found> merged;
        for (auto& c : parallelTreeWalk(root, threads, [] { return Collector{}; }))
            merged.insert(merged.end(), c.found.begin(), c.found.end());
        std::sort(merged.begin(), merged.end(),
                  [](const Found& a, const Found& b) { return a.key < b.key; });
        ASSERT_EQ(merged.size(), sequential.size()) << threads << " threads";
        for (std::size_t i = 0; i < merged.size(); ++i) {
            ASSERT_EQ(merged[i].path, sequential[i].path) << threads << " threads, entry " << i;
            ASSERT_EQ(merged[i].key, sequential[i].key);
        }
    }
}

}  // namespace
}  // namespace tornivo
