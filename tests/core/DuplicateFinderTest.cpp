#include "engines/DuplicateFinder.h"

#include <openssl/evp.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <set>

#include "CoreChecks.h"

namespace tornivo {
namespace {

using namespace test;
namespace fs = std::filesystem;

// `size` pseudo-random bytes; the same seed gives the same bytes.
std::string content(std::size_t size, std::uint64_t seed) {
    std::mt19937_64 rng(seed);
    std::string s(size, '\0');
    for (auto& c : s) c = static_cast<char>(rng());
    return s;
}

std::string flipped(std::string s, std::size_t at) {
    s[at] = static_cast<char>(~s[at]);
    return s;
}

using Listing = std::set<std::vector<std::string>>;
Listing listing(const std::vector<DuplicateGroup>& groups) {
    const auto each = mapped(groups, [](const DuplicateGroup& g) {
        return mapped(g.files, [](const Path& f) { return f.native(); });
    });
    return {each.begin(), each.end()};
}

class DuplicateFinderTest : public ::testing::Test {
  protected:
    TempDir dir;
    TempHome home;
    Path a = home / "Downloads";
    Path b = home / "Documents";
    DuplicateFinder anySize{1};
    Trash trash{home.layout()};

    std::vector<DuplicateGroup> scan() const { return anySize.scan({a, b}); }
};

TEST_F(DuplicateFinderTest, IdenticalFilesFromTheMinimumSizeUpFormAGroupNamedBySha256) {
    for (const Path& folder : {a, b}) {
        writeFile(folder / (folder == a ? "one.bin" : "two.bin"), 1'048'576);
        writeFile(folder / "small.bin", 1'048'575);
    }
    auto groups = DuplicateFinder().scan({a, b});
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].hash, "8f990ba0b577b51cf009ea049368c16bbda1b21e1b93be07a824758bb253c39b");
    EXPECT_EQ(groups[0].size, 1'048'576);
    EXPECT_EQ(groups[0].files, (std::vector<Path>{a / "one.bin", b / "two.bin"}));
}

TEST_F(DuplicateFinderTest, OnlyEqualBytesMakeAGroupWhereverTheFilesDiffer) {
    // Bigger than the chunks files are read in, so differences fall in every stage.
    const std::size_t size = 2'500'000;
    const std::string same = content(size, 1);
    writeText(a / "original", same);
    writeText(b / "copy", same);
    writeText(a / "other", content(size, 2));
    std::size_t n = 0;
    for (std::size_t at : {std::size_t{0}, size - 1, std::size_t{4096}, size - 4097,
                           std::size_t{1 << 20}, (std::size_t{1} << 20) - 1, std::size_t{1234567}})
        writeText(b / ("decoy" + std::to_string(n++)), flipped(same, at));
    // Two decoys that share their difference are a group of their own.
    writeText(a / "twin1", flipped(same, 1'500'000));
    writeText(b / "twin2", flipped(same, 1'500'000));
    EXPECT_EQ(listing(scan()), (Listing{{(a / "original").native(), (b / "copy").native()},
                                        {(a / "twin1").native(), (b / "twin2").native()}}));
}

TEST_F(DuplicateFinderTest, AFileWithSeveralNamesCountsOnceUnderTheFirstNameMet) {
    writeFile(a / "linked", 7000, 'l');
    fs::create_hard_link(a / "linked", makeDir(b) / "other-name");
    EXPECT_TRUE(scan().empty()) << "two names of one file are not duplicates";
    EXPECT_EQ(anySize.listCandidates({a, b}).size(), 1u);

    writeFile(b / "real-copy", 7000, 'l');
    // A root given twice adds nothing either.
    EXPECT_EQ(listing(anySize.scan({a, b, a})),
              (Listing{{(a / "linked").native(), (b / "real-copy").native()}}));
}

TEST_F(DuplicateFinderTest, HiddenEntriesAndLinksBelowARootAreSkipped) {
    writeFile(a / "file", 6000);
    writeFile(a / ".hidden-copy", 6000);
    writeFile(b / ".cache/copy", 6000);
    writeFile(dir / "elsewhere/copy", 6000);
    makeSymlink(a / "file", b / "link-to-file");
    makeSymlink(dir / "elsewhere", b / "link-to-folder");
    makeSymlink(b, b / "loop");
    EXPECT_TRUE(scan().empty());
    // A root that is a link is where the user keeps the files: it is followed, its files keep
    // the root's spelling, and the folder it leads to adds nothing when given again.
    writeFile(b / "copy", 6000);
    makeSymlink(b, dir / "root-link");
    EXPECT_EQ(listing(anySize.scan({a, dir / "root-link", b})),
              (Listing{{(a / "file").native(), (dir / "root-link/copy").native()}}));
}

TEST_F(DuplicateFinderTest, AFileThatCannotBeReadIsLeftOut) {
    for (const Path& file : {a / "x1", b / "x2", b / "x3"}) writeFile(file, 3000, 'x');
    writeFile(a / "y1", 4000, 'y');
    writeFile(b / "y2", 4000, 'y');
    setMode(b / "x2", 0);
    setMode(a / "y1", 0);
    TORNIVO_SKIP_UNLESS_PERMISSIONS_APPLY();
    EXPECT_EQ(listing(scan()), (Listing{{(a / "x1").native(), (b / "x3").native()}}));
}

TEST_F(DuplicateFinderTest, FilesChangedSinceListingAreLeftOut) {
    for (const char* name : {"keep1", "grows", "shrinks", "vanishes", "swapped"})
        writeFile(a / name, 9000, 'k');
    writeFile(b / "keep2", 9000, 'k');
    auto listed = anySize.listCandidates({a, b});
    ASSERT_EQ(listed.size(), 6u);
    writeFile(a / "shrinks", 8000, 'k');
    writeText(a / "grows", std::string(9001, 'k'));
    fs::remove(a / "vanishes");
    writeFile(dir / "new", 9000, 'k');
    fs::rename(dir / "new", a / "swapped");  // same bytes, but not the file listed
    EXPECT_EQ(listing(anySize.groupCandidates(listed)),
              (Listing{{(a / "keep1").native(), (b / "keep2").native()}}));
}

TEST_F(DuplicateFinderTest, ANameThatIsNotUtf8IsFoundHashedAndTrashedByItsBytes) {
    const Path odd = b / Path("caf\xe9.jpg");
    const Path lookalike = b / Path("caf\xc3\xa9.jpg");  // what a text round trip would make
    writeFile(a / "cafe.jpg", 5000, 'c');
    writeFile(odd, 5000, 'c');
    writeFile(lookalike, 5000, 'z');
    auto groups = scan();
    ASSERT_EQ(groups.size(), 1u);
    ASSERT_EQ(groups[0].files.back(), odd);
    EXPECT_EQ(anySize.removeCopies(groups[0], a / "cafe.jpg", trash)->freed, 5000);
    EXPECT_FALSE(test::exists(odd));
    EXPECT_TRUE(test::exists(home.layout().trashFiles / odd.filename()));
    EXPECT_TRUE(test::exists(lookalike));
}

TEST_F(DuplicateFinderTest, ACopyMovesOnlyWhileItIsTheFileThatWasHashedInItsFolder) {
    for (const char* name : {"keep", "same", "resized", "linked", "replaced", "rewritten"})
        writeFile(a / name, 100, 'd');
    writeFile(b / "moved-away", 100, 'd');
    auto groups = scan();
    ASSERT_EQ(groups.size(), 1u);
    writeFile(a / "resized", 101, 'd');
    std::filesystem::remove(a / "linked");
    makeSymlink(a / "keep", a / "linked");
    writeFile(a / "rewritten", 100, 'r');  // same length, other bytes
    setTimes(a / "rewritten", Clock::now(), Clock::now() + std::chrono::seconds(5));
    writeFile(dir / "fresh", 100, 'd');
    std::filesystem::rename(dir / "fresh", a / "replaced");  // same bytes, another file
    // A folder swapped for a link to one holding the same names: nothing out there moves.
    TempDir outside;
    writeFile(outside / "moved-away", 100, 'd');
    std::filesystem::rename(b, home / "Documents.real");
    makeSymlink(outside.path(), b);

    const auto outcome = anySize.removeCopies(groups[0], a / "keep", trash);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->freed, 100) << "only \"same\" goes";
    EXPECT_EQ(outcome->count(LeftReason::changed), 5)
        << "each copy that changed stays, and says so";
    for (const char* left : {"keep", "resized", "linked", "replaced", "rewritten"})
        EXPECT_TRUE(test::exists(a / left)) << left;
    EXPECT_FALSE(test::exists(a / "same"));
    EXPECT_TRUE(test::exists(outside / "moved-away"));
    EXPECT_FALSE(anySize.removeCopies(groups[0], a / "resized", trash))
        << "a kept copy that changed keeps every copy";
    std::stop_source stop;
    stop.request_stop();
    const auto stopped = anySize.removeCopies(groups[0], a / "keep", trash, stop.get_token());
    EXPECT_EQ(stopped->count(LeftReason::stopped), 6) << "a stop is heard between copies";
}

// An overlay shows the files of its lower folder under its own device: the copy seen through it
// and the copy below are one file, whichever of the two is kept.
TEST_F(DuplicateFinderTest, TheKeptFileSeenThroughAnOverlayIsNotMovedUnderItsOtherName) {
    const Path lower = writeFile(a / "lower/photo.jpg", 100, 'o').parent_path();
    const Path view = makeDir(b / "view");
    const std::string options = "lowerdir=" + lower.native() +
                                ",upperdir=" + makeDir(dir / "upper").native() +
                                ",workdir=" + makeDir(dir / "work").native();
    TORNIVO_EXPECT_IN_MOUNT_NAMESPACE([&](std::string& report) {
        if (!mountOrSay("overlay", view, "overlay", 0, options.c_str(), report)) return kSkipExit;
        for (const Path& kept : {view / "photo.jpg", lower / "photo.jpg"}) {
            writeFile(a / "copy.jpg", 100, 'o');
            const auto groups = anySize.scan({a, view});
            if (groups.size() != 1 || groups[0].files.size() != 3) {
                if (kept == view / "photo.jpg") return kSkipExit;  // no group to remove from
                report += "the photo and its copy are no longer a group\n";
                return 1;
            }
            const auto outcome = anySize.removeCopies(groups[0], kept, trash);
            if (!outcome || outcome->freed != 100 || test::exists(a / "copy.jpg"))
                report += kept.native() + " kept: the other copy did not go alone\n";
            if (readText(lower / "photo.jpg") != std::string(100, 'o'))
                report += kept.native() + " kept: the photo went to the Trash\n";
        }
        return report.empty() ? 0 : 1;
    });
}

TEST_F(DuplicateFinderTest, APersonalFolderLeadingAboveTheHomeIsNeitherWalkedNorTrusted) {
    writeFile(a / "one", 100, 'p');
    writeFile(home.home().parent_path() / "outside", 100, 'p');
    makeSymlink(home.home().parent_path(), b);  // Documents leads above the home
    const PersonalFolders folders(home.layout(), DuplicateFinder::personalRoots(home.layout()));
    EXPECT_EQ(folders.refused(), (std::vector<RootProblem>{{b, RootRefusal::holdsHome, {}}}));
    EXPECT_TRUE(anySize.scan(folders).empty());
}

TEST_F(DuplicateFinderTest, NothingInATrashIsCompared) {
    const DuplicateFinder finder(1, 2, home.layout().trash);
    const Path data = home.layout().dataHome;
    writeFile(a / "kept", 6000);
    writeFile(home.layout().trashFiles / "thrown", 6000);
    writeFile(dir / "usb/.Trash-1000/files/thrown", 6000);
    writeFile(dir / "usb/.Trash/1000/files/thrown", 6000);
    makeSymlink(home.layout().trashFiles, dir / "link-to-trash");
    // A root that holds the home Trash is walked around it; roots in a Trash are refused.
    ScanReport report;
    EXPECT_TRUE(finder.scan({a, data}, {}, &report).empty());
    EXPECT_TRUE(report.refused.empty());
    for (const Path& root : {home.layout().trashFiles, dir / "link-to-trash",
                             dir / "usb/.Trash-1000/files", dir / "usb/.Trash/1000"}) {
        EXPECT_TRUE(finder.scan({a, root}, {}, &report).empty()) << root;
        EXPECT_EQ(report.refused,
                  (std::vector<RootProblem>{{root, RootRefusal::insideTrash, "Trash"}}));
    }
    // Another folder with the same contents still pairs up.
    writeFile(data / "other/copy", 6000);
    EXPECT_EQ(finder.scan({a, data}).size(), 1u);
}

TEST_F(DuplicateFinderTest, SparseFilesCompareByTheirBytes) {
    const std::string data = content(5000, 3);
    makeDir(a);
    // Holes of 3 MB with the same data at two places, and the first written out in full.
    for (const auto& [name, at] : {std::pair{"sparse", 2'000'000}, {"moved", 1'000'000}}) {
        std::ofstream(a / name, std::ios::binary);
        fs::resize_file(a / name, 3'000'000);
        std::fstream f(a / name, std::ios::binary | std::ios::in | std::ios::out);
        f.seekp(at);
        f.write(data.data(), static_cast<std::streamsize>(data.size()));
    }
    std::string dense(3'000'000, '\0');
    dense.replace(2'000'000, data.size(), data);
    writeText(b / "dense", dense);
    ASSERT_LT(allocatedSize(a / "sparse"), 1'000'000);
    EXPECT_EQ(listing(scan()), (Listing{{(a / "sparse").native(), (b / "dense").native()}}));
}

std::string sha256Hex(const std::string& bytes) {
    unsigned char md[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_Digest(bytes.data(), bytes.size(), md, &length, EVP_sha256(), nullptr);
    char hex[2 * EVP_MAX_MD_SIZE + 1] = {};
    for (unsigned k = 0; k < length; ++k) std::snprintf(hex + 2 * k, 3, "%02x", md[k]);
    return hex;
}

// The plain way: every same-size file (one name per file) hashed whole, grouped by digest.
Listing hashEverySameSizeFile(const std::vector<Path>& roots) {
    std::map<ByteCount, std::vector<Path>> bySize;
    std::set<std::pair<dev_t, ino_t>> seen;
    for (const Path& root : roots)
        for (auto it = fs::recursive_directory_iterator(root); it != fs::end(it); ++it) {
            struct stat st;
            if (it->path().filename().native()[0] == '.') {
                it.disable_recursion_pending();
            } else if (::lstat(it->path().c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                       seen.insert({st.st_dev, st.st_ino}).second) {
                bySize[st.st_size].push_back(it->path());
            }
        }
    Listing groups;
    for (const auto& [size, files] : bySize) {
        std::map<std::string, std::vector<std::string>> byDigest;
        for (const Path& f : files) byDigest[sha256Hex(readText(f))].push_back(f.native());
        for (auto& [digest, group] : byDigest)
            if (group.size() > 1) groups.insert(group);
    }
    return groups;
}

TEST_F(DuplicateFinderTest, GivesTheGroupsThatHashingEverySameSizeFileWholeGives) {
    std::mt19937_64 rng(7);
    Path last;
    auto put = [&](const std::string& bytes) {
        last =
            (rng() % 2 ? a : b) / ("d" + std::to_string(rng() % 4)) / ("f" + std::to_string(rng()));
        writeText(last, bytes);
    };
    // More look-alikes (same size, same ends) than are read side by side, copies far apart.
    for (int i = 0; i < 80; ++i) {
        std::uint64_t id = rng() % 12;
        put(id < 10 ? flipped(content(300'000, 100), 270'000 + id) : content(300'000, id));
    }
    // Groups of 1 to 4 copies at sizes above the largest chunk, with decoys and hard links.
    for (int g = 0; g < 12; ++g) {
        const std::size_t size = 1'100'000 + 1000 * (g % 5);
        const std::string bytes = content(size, 1000 + g);
        for (std::uint64_t copies = 1 + rng() % 4; copies > 0; --copies) put(bytes);
        if (g % 4 == 0) fs::create_hard_link(last, makeDir(a / "links") / std::to_string(g));
        if (g % 3 == 0) put(flipped(bytes, rng() % size));
    }
    auto expected = hashEverySameSizeFile({a, b});
    ASSERT_GE(expected.size(), 12u);
    for (unsigned threads : {1u, 2u, 3u}) {
        auto groups = DuplicateFinder(1, threads).scan({a, b});
        EXPECT_EQ(listing(groups), expected) << threads << " threads";
        for (std::size_t k = 0; k < groups.size(); ++k) {
            EXPECT_EQ(groups[k].hash, sha256Hex(readText(groups[k].files.back())));
            EXPECT_TRUE(k == 0 || groups[k - 1].reclaimable() >= groups[k].reclaimable()) << k;
        }
    }
}

}  // namespace
}  // namespace tornivo
