#include "engines/DiskAnalyzer.h"

#include <unistd.h>

#include <algorithm>
#include <random>

#include "CoreChecks.h"

namespace tornivo {
namespace {

using namespace test;

constexpr ByteCount MiB = 1'048'576;
const TimePoint kNow = Clock::now();
using C = FileAdvice::Case;
constexpr auto kDay = std::chrono::hours(24);

std::optional<FileAdvice::Case> adviceCase(const Path& file, ByteCount size, TimePoint lastUsed,
                                           const Layout& layout) {
    auto advice = advise(file, size, lastUsed, kNow - 180 * kDay, layout);
    return advice ? std::optional(advice->kind) : std::nullopt;
}

struct Progress {
    std::vector<std::pair<std::int64_t, std::string>> calls;
    DiskAnalyzer::Progress callback() {
        return [this](std::int64_t n, const std::string& folder) { calls.emplace_back(n, folder); };
    }
};

TEST(DiskAnalyzerTest, KindsFollowTheLastExtensionInAnyCase) {
    EXPECT_EQ(classify("/h/archive.tar.gz"), FileKind::archives);
    EXPECT_EQ(classify("/h/Makefile"), FileKind::other);
    EXPECT_EQ(classify("/h/kit.swiftmodules"), FileKind::other);
    EXPECT_EQ(classify(Path("/h/\xff\xfe.MP3")), FileKind::audio) << "not UTF-8, still a song";
}

TEST(DiskAnalyzerTest, AdviceFollowsTheRulesInOrderWithTheHomesOwnFoldersAndInstallerTypes) {
    TempHome home;
    writeText(home / ".config/user-dirs.dirs",
              "XDG_DOWNLOAD_DIR=\"$HOME/Téléchargements\"\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\n");
    home.reload();
    const TimePoint yesterday = kNow - kDay, lastYear = kNow - 365 * kDay;
    const ByteCount big = 200 * MiB, sixGB = 6'000'000'000;
    auto at = [&](const char* rel, ByteCount size = 12 * MiB, TimePoint used = kNow - kDay) {
        return adviceCase(home / Path(rel), size, used, home.layout());
    };
    EXPECT_EQ(at(".cache/app/blob"), C::cacheJunk);
    EXPECT_EQ(at(".local/share/xorg/Xorg.0.log"), C::cacheJunk);
    EXPECT_EQ(at(".cachet/app/blob"), std::nullopt) << "a neighbour of the cache folder";
    EXPECT_EQ(at("LIBRARY/caches/node_modules/x", big, yesterday), C::cacheJunk);
    EXPECT_EQ(at("web/node_modules/pkg/lib.wasm", big, lastYear), C::buildArtifact);
    EXPECT_EQ(at("src/app/__pycache__/m.pyc"), C::buildArtifact);
    EXPECT_EQ(at("Téléchargements/sub/tool.deb"), C::installer);
    EXPECT_EQ(at("Bureau/app.DMG"), std::nullopt) << "not an installer here";
    EXPECT_EQ(at("Downloads/app.dmg"), C::installer) << "by the Mac rule's folder name";
    EXPECT_EQ(at("Documents/tool.deb"), std::nullopt);
    EXPECT_EQ(at("Documents/Tool.dmg", big, lastYear), C::stale);
    EXPECT_EQ(at("Movies/film.mkv", sixGB, kNow - 7 * kDay), C::huge);
    EXPECT_EQ(at("Movies/a.mkv", 100 * MiB - 1, lastYear), std::nullopt);
    EXPECT_EQ(advise(home / "a.mkv", 100 * MiB, lastYear, kNow - 180 * kDay, home.layout()),
              FileAdvice::stale(lastYear));
    EXPECT_EQ(at("a.mkv", sixGB, kNow - 180 * kDay), C::huge)
        << "stale means strictly before the cutoff";
}

// Walks a small home: what counts, what is listed, with which size, name and date.
TEST(DiskAnalyzerTest, CountsEveryFileOnceAndListsFromTenMebibytesOnDisk) {
    TempHome home;
    const Path exact = allocateFile(home / "Videos/exact.mp4", 10 * MiB);
    allocateFile(home / "Videos/short.mp4", 10 * MiB - 4096);
    writeFile(home / "Videos/.hidden/tiny.mov", 10);
    writeFile(home / "Videos/empty.mp4", 0);
    const Path odd =
        allocateFile(home / Path("M\xfasica/\xff\xfe.app/Contents/kit.dylib"), 12 * MiB);
    makeSymlink("..", home / Path("M\xfasica/loop"));
    makeSymlink(exact, home / "Videos/link.mp4");
    const Path sparse = allocateFile(home / "disk.iso", 11 * MiB);
    ASSERT_EQ(::truncate(sparse.c_str(), 1024 * MiB), 0);  // a gigabyte long, 11 MiB on disk
    setTimes(exact, kNow - 400 * kDay, kNow - 2 * kDay);

    Progress progress;
    auto result = DiskAnalyzer(home.layout(), 2).analyze(progress.callback(), kNow);
    // Largest first; a bundle is walked into.
    ASSERT_EQ(mapped(result, [](const DiskCategory& c) { return c.kind; }),
              (std::vector{FileKind::videos, FileKind::developer, FileKind::archives}));
    const DiskCategory& videos = result[0];
    EXPECT_EQ(videos.fileCount, 3) << "empty files and links do not count";
    EXPECT_EQ(videos.size, 20 * MiB - 4096 + allocatedSize(home / "Videos/.hidden/tiny.mov"));
    ASSERT_EQ(videos.files.size(), 1u);
    EXPECT_EQ(videos.files[0].url, exact);
    EXPECT_EQ(videos.files[0].lastUsed, kNow - 400 * kDay) << "the access date first";
    EXPECT_EQ(result[1].files.at(0).url.native(), odd.native()) << "the exact bytes";
    EXPECT_EQ(result[2].size, 11 * MiB) << "a sparse file counts what it takes on disk";
    EXPECT_EQ(progress.calls, (decltype(progress.calls){{5, ""}}));
}

TEST(DiskAnalyzerTest, AHomeThatCannotBeOpenedGivesNothingAndNoProgress) {
    TempDir dir;
    Progress progress;
    const Layout missing = Layout::freedesktop(dir / "gone", {});
    EXPECT_TRUE(DiskAnalyzer(missing).analyze(progress.callback(), kNow).empty());
    EXPECT_TRUE(progress.calls.empty());
}

// A home of some 6,500 files over 200 folders; 1,200 names of 10 MiB and more share 16 sizes,
// 1,000 of them images, so lists are trimmed on every thread and ties are everywhere.
class GeneratedHome : public ::testing::Test {
  protected:
    TempHome home;
    std::vector<ByteCount> imageSizes;

    void SetUp() override {
        std::mt19937 rng(5);
        std::vector<Path> folders{home.home(), home / ".cache", home / "src/node_modules"};
        for (int i = 0; i < 200; ++i) {
            const Path parent = folders[rng() % folders.size()];
            folders.push_back(makeDir(parent / ((i % 9 ? "d" : ".d") + std::to_string(i))));
        }
        const char* small[] = {"jpg", "mp4", "MP3", "pdf", "tar.gz", "o", "bin", "md", "txt"};
        for (int i = 0; i < 5300; ++i)
            writeFile(
                folders[rng() % folders.size()] / ("f" + std::to_string(i) + "." + small[i % 9]),
                rng() % 6000);
        std::vector<Path> bases;
        for (int k = 0; k < 16; ++k) {
            bases.push_back(allocateFile(home / "store" / std::to_string(k), 10 * MiB + k * 4096));
            setTimes(bases.back(), kNow - k * 30 * kDay, kNow - 400 * kDay);
        }
        const char* big[] = {"jpg", "PNG", "heic", "jpg", "jpeg", "mp4", "zip", "o", ""};
        for (int i = 0; i < 1200; ++i) {
            const Path name = folders[rng() % folders.size()] /
                              ("big" + std::to_string(i) + "." + big[i < 1000 ? i % 5 : 5 + i % 4]);
            const int base = static_cast<int>(rng() % 16);
            ASSERT_EQ(::link(bases[base].c_str(), name.c_str()), 0);
            if (i < 1000) imageSizes.push_back(10 * MiB + base * 4096);
        }
        makeSymlink("..", folders[7] / "loop");
    }
};

TEST_F(GeneratedHome, TheResultIsTheSameWhateverTheThreadCount) {
    std::vector<DiskCategory> single;
    for (unsigned threads : {1u, 2u, 8u}) {
        auto result = DiskAnalyzer(home.layout(), threads).analyze({}, kNow);
        for (auto& c : result)
            for (auto& f : c.files) f.id = Uuid();
        if (threads == 1) single = result;
        ASSERT_EQ(result, single) << threads << " threads";
    }
    // Of the 1,000 images, the 100 largest remain, largest first.
    auto images = std::ranges::find(single, FileKind::images, &DiskCategory::kind);
    ASSERT_NE(images, single.end());
    std::sort(imageSizes.rbegin(), imageSizes.rend());
    ASSERT_EQ(images->files.size(), 100u);
    for (std::size_t i = 0; i < 100; ++i) EXPECT_EQ(images->files[i].size, imageSizes[i]);
}

}  // namespace
}  // namespace tornivo
