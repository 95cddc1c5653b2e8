#include "engines/SecureEraser.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <stop_token>
#include <thread>

#include <gmock/gmock.h>

#include "CoreChecks.h"
#include "platform/FileSystemHelper.h"

namespace tornivo {
namespace {

using namespace test;
constexpr std::size_t MiB = 1 << 20;

// Tells whether anything opened or wrote the watched entries (or the entries of a watched
// folder) since it was made. Removing one name of a shared file changes only an attribute of
// the other, which does not count.
class Watch {
  public:
    explicit Watch(std::initializer_list<Path> paths) : fd_(::inotify_init1(IN_NONBLOCK)) {
        for (const auto& p : paths)
            ::inotify_add_watch(fd_, p.c_str(), IN_OPEN | IN_MODIFY | IN_DONT_FOLLOW);
    }
    ~Watch() { ::close(fd_); }
    bool touched() const {
        alignas(inotify_event) char buf[4096];
        return ::read(fd_, buf, sizeof buf) > 0;
    }

  private:
    int fd_;
};

struct Recorder : ShredObserver {
    std::vector<std::tuple<int, ByteCount, ByteCount>> writes;  // pass, offset, length
    std::function<void(const Path&)> onOpening = [](auto&) {}, onFlushed = onOpening,
                                     onOverwritten = onOpening;
    std::function<void(const Path&, ByteCount offset)> onWrote = [](auto&, auto) {};
    void opening(const Path& f) override { onOpening(f); }
    void wrote(const Path& f, int pass, ByteCount offset, ByteCount length) override {
        writes.emplace_back(pass, offset, length);
        onWrote(f, offset);
    }
    void flushed(const Path& f, int) override { onFlushed(f); }
    void overwritten(const Path& f) override { onOverwritten(f); }
};

// Pages of an open file that are dirty or under writeback (cachestat, Linux 6.5); 0 where the
// kernel cannot tell.
std::uint64_t unwrittenPages(int fd) {
    std::uint64_t range[2] = {0, 0}, stat[5] = {};  // whole file; cache, dirty, writeback, ...
    constexpr long kCachestat = 451;
    return ::syscall(kCachestat, fd, range, stat, 0) == 0 ? stat[1] + stat[2] : 0;
}

std::string readAt(int fd, std::size_t length, off_t offset = 0) {
    std::string data(length, '\0');
    data.resize(
        static_cast<std::size_t>(std::max<ssize_t>(::pread(fd, data.data(), length, offset), 0)));
    return data;
}

class SecureEraserTest : public ::testing::Test {
  protected:
    TempDir outside;
    TempHome home;
    SecureEraser eraser{home.layout(), MiB};

    Path trash(const Path& name) const { return home.layout().trashFiles / name; }
    // A trashed item with its restore record, as the file manager leaves it: a file of `size`
    // bytes, or a folder (kFolder).
    static constexpr std::size_t kFolder = ~std::size_t{0};
    Path trashed(const Path& name, std::size_t size, char fill = 'x') const {
        writeText(*home.layout().trashInfo / (name.native() + ".trashinfo"), "[Trash Info]\n");
        return size == kFolder ? makeDir(trash(name)) : writeFile(trash(name), size, fill);
    }
    TrashContents listed() const { return eraser.trashContents(); }
    // The Trash as listed, narrowed to `items` (each as listed now, or unknown when not listed).
    TrashContents only(const std::vector<Path>& items) const {
        const TrashContents all = eraser.trashContents();
        TrashContents chosen;
        chosen.items = items;
        for (const Path& item : items) {
            auto it = std::ranges::find(all.items, item);
            chosen.identities.push_back(
                it == all.items.end() ? FileIdentity{} : all.identities[it - all.items.begin()]);
        }
        return chosen;
    }
};

TEST_F(SecureEraserTest, ListsEveryChildOfTheTrashWithItsSizeOnBothLayouts) {
    EXPECT_EQ(eraser.trashContents(), TrashContents{}) << "no Trash yet";
    for (LayoutKind kind : {LayoutKind::freedesktop, LayoutKind::macos}) {
        TempHome h(kind);
        const Path files = h.layout().trashFiles;
        for (const char* name : {"report.pdf", ".hidden", "caf\xe9", "folder/a", "folder/sub/b"})
            writeFile(files / name, 7000);
        makeSymlink(writeFile(outside / "big", 200000), files / "link");
        if (h.layout().trashInfo) writeText(*h.layout().trashInfo / "x.trashinfo", "");
        const auto contents = SecureEraser(h.layout()).trashContents();
        std::set<Path> expected{files / "folder"};
        ByteCount total = FileSystemHelper::directorySize(files / "folder");
        for (const char* name : {"report.pdf", ".hidden", "caf\xe9", "link"})
            total += allocatedSize(*expected.insert(files / name).first);
        EXPECT_EQ(std::set<Path>(contents.items.begin(), contents.items.end()), expected);
        EXPECT_EQ(contents.totalBytes, total);
    }
}

TEST_F(SecureEraserTest, EachPassWritesFreshRandomChunksIsFlushedThenTheFileIsCutAndRemoved) {
    const Path file = trashed("movie.mkv", 5 * MiB / 2, 'A');
    int reader = ::open(file.c_str(), O_RDONLY);  // sees the blocks the eraser writes
    auto length = [&] { return ::lseek(reader, 0, SEEK_END); };
    std::vector<std::string> afterPass;
    Recorder rec;
    rec.onFlushed = [&](const Path&) {
        afterPass.push_back(readAt(reader, 4096));
        // Each chunk of a pass gets bytes of its own: a stream restarted per chunk would not.
        for (off_t chunk : {off_t(MiB), off_t(2 * MiB)})
            EXPECT_NE(readAt(reader, 4096, chunk), afterPass.back()) << "chunk at " << chunk;
        EXPECT_EQ(unwrittenPages(reader), 0u) << "pass " << afterPass.size() << " is on the disk";
    };
    rec.onOverwritten = [&](const Path&) { EXPECT_EQ(length(), off_t(5 * MiB / 2)); };
    EXPECT_EQ(eraser.erase(only({file}), 3, &rec).count, 1);

    decltype(rec.writes) expected;
    for (int pass = 1; pass <= 3; ++pass)
        expected.insert(expected.end(),
                        {{pass, 0, MiB}, {pass, MiB, MiB}, {pass, 2 * MiB, MiB / 2}});
    EXPECT_EQ(rec.writes, expected);
    ASSERT_EQ(afterPass.size(), 3u);
    // Neither the old bytes, nor zeros, nor what the next pass brought.
    for (std::size_t i = 0; i < 3; ++i)
        for (const std::string& other :
             {std::string(4096, 'A'), std::string(4096, '\0'), afterPass[(i + 1) % 3]})
            EXPECT_NE(afterPass[i], other) << "pass " << i + 1;
    EXPECT_EQ(length(), 0) << "cut to zero length before it was removed";
    ::close(reader);
    EXPECT_FALSE(test::exists(file));

    for (int passes : {0, -3}) {
        Recorder one;
        eraser.erase(only({trashed("again", 1000)}), passes, &one);
        EXPECT_EQ(one.writes.size(), 1u) << passes << " passes count as one";
    }
}

// Links and files with a second name outside the Trash go without a byte written through them;
// every other file is overwritten before it goes, and only those bytes count.
TEST_F(SecureEraserTest, LinksAndSharedFilesGoUnwrittenOthersAreOverwrittenFirstAndCounted) {
    const Path target = writeText(outside / "target.txt", "outside, linked");
    const Path shared = writeText(outside / "shared.txt", "outside, second name");
    const Path normal = trashed("normal", 20000, 'n');
    makeSymlink(target, trash("link"));
    std::filesystem::create_hard_link(shared, trash("hardlink"));
    const Path folder = trashed("folder", kFolder);
    for (auto [name, size] : {std::pair{"a", 30000}, {".git/objects/b", 50000}, {"empty", 0}})
        writeFile(folder / name, size);
    std::filesystem::create_hard_link(shared, folder / "shared");
    makeSymlink(shared, folder / "link");
    makeSymlink(outside.path(), folder / "link-to-folder");
    trashed("empty", 0);  // nothing to overwrite: it goes, rather than staying forever
    ASSERT_EQ(::mkfifo(trash("pipe").c_str(), 0600), 0);
    const ByteCount written = allocatedSize(normal) + allocatedSize(folder / "a") +
                              allocatedSize(folder / ".git/objects/b");
    int reader = ::open(normal.c_str(), O_RDONLY);
    std::string seen;
    Recorder rec;
    rec.onOverwritten = [&](const Path& f) {
        if (f == normal) seen = readAt(reader, 20000);
    };

    Watch watch{outside.path(), target, shared};
    EXPECT_EQ(eraser.erase(listed(), 1, &rec), (ShredOutcome{6, written, {}, {}}))
        << "normal, link, hardlink, folder, empty, pipe";
    EXPECT_FALSE(watch.touched()) << "nothing outside the Trash was opened";
    EXPECT_EQ(rec.writes.size(), 3u) << "normal, a and b: nothing for empty, linked or shared";
    EXPECT_EQ(readText(target), "outside, linked");
    EXPECT_EQ(readText(shared), "outside, second name");
    EXPECT_EQ(std::filesystem::hard_link_count(shared), 1u);
    EXPECT_EQ(seen.size(), 20000u);
    EXPECT_EQ(seen.find("nnnnnnnn"), std::string::npos) << "overwritten before it went";
    EXPECT_TRUE(std::filesystem::is_empty(home.layout().trashFiles));
    ::close(reader);
}

// What cannot be written or unlinked stays, with its restore record, and is not counted.
TEST_F(SecureEraserTest, OnlyWhatIsGoneCountsAsErasedAndAnotherUsersFileStaysUnwritten) {
    const Path mine = trashed("mine", 8192);  // read-only, but ours
    const Path theirs = trashed("theirs", 8192);
    const Path stuck = writeFile(trashed("stuck", kFolder) / "inner/data", 4000);
    const ByteCount written = allocatedSize(mine) + allocatedSize(stuck);
    setMode(mine, 0444);
    ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
    setMode(stuck.parent_path(), 0555);  // its file can be overwritten, not unlinked
    // A folder is not erased around a file that could not be written.
    const Path foreign = writeFile(trashed("mixed", kFolder) / "theirs", 4000);
    ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
    TORNIVO_SKIP_UNLESS_PERMISSIONS_APPLY();
    const ShredOutcome outcome = eraser.erase(listed(), 1);
    EXPECT_EQ(outcome.count, 1) << "only mine is gone";
    EXPECT_EQ(outcome.bytes, written);
    EXPECT_THAT(outcome.left, testing::UnorderedElementsAre(
                                  LeftItem{trash("stuck"), LeftReason::permissionDenied},
                                  LeftItem{theirs, LeftReason::failed},
                                  LeftItem{trash("mixed"), LeftReason::failed}));
    EXPECT_EQ(readText(foreign), std::string(4000, 'x'));
    EXPECT_FALSE(test::exists(mine));
    EXPECT_EQ(readText(theirs), std::string(8192, 'x')) << "cannot be written: stays untouched";
    EXPECT_TRUE(test::exists(stuck));
    EXPECT_TRUE(test::exists(*home.layout().trashInfo / "stuck.trashinfo"))
        << "what stays keeps its restore record";
}

TEST_F(SecureEraserTest, ActsOnlyOnItemsOfTheTrashAndWritesOnlyIntoTheVeryFileItListed) {
    const Path victim = writeText(outside / "victim", "victim");
    const Path lookalike = writeText(outside / "lookalike", "victim");
    const Path secondName = outside / "second-name";
    trashed("top", 5000);
    const Path other = trashed("other-top", 5000, 'o');
    const Path gains = trashed("gains-a-name", 5000, 'g');
    const Path nested = writeFile(trashed("folder", kFolder) / "inner", 5000);

    // Nothing but a direct child of the Trash, as listed, is acted on.
    const Path own = writeFile(home / "Documents/thesis.tex", 4000);
    const Path trashedCopy = trashed("thesis.tex", 4000);
    const Watch outsideTheList{own, trashedCopy, nested};
    const TrashContents foreign =
        only({own, nested, trash("../../../../Documents/thesis.tex"), trash(".."), trash("."),
              home.layout().trashFiles, Path("Documents/thesis.tex"), Path()});
    EXPECT_EQ(eraser.erase(foreign, 3).count, 0);
    EXPECT_FALSE(outsideTheList.touched());
    for (const Path& p : {own, trashedCopy, nested}) EXPECT_TRUE(test::exists(p)) << p;

    // Each listed file is swapped for another file, or given a second name, as it is opened.
    Recorder rec;
    rec.onOpening = [&](const Path& f) {
        if (f.filename() == "gains-a-name") {
            std::filesystem::create_hard_link(f, secondName);  // now shared with a name outside
            return;
        }
        std::filesystem::remove(f);
        if (f.filename() == "other-top")
            std::filesystem::rename(lookalike, f);  // same name, another file
        else
            makeSymlink(victim, f);
    };
    Watch watch{victim};
    ShredOutcome out = eraser.erase(only({trash("top"), other, gains, trash("folder")}), 2, &rec);
    EXPECT_FALSE(watch.touched());
    EXPECT_TRUE(rec.writes.empty());
    EXPECT_EQ(out.count, 0) << "each stays, the folder too: a file in it was not overwritten";
    EXPECT_EQ(out.bytes, 0);
    EXPECT_EQ(out.left.size(), 4u);
    EXPECT_EQ(readText(victim), "victim");
    EXPECT_EQ(readText(other), "victim");
    EXPECT_EQ(readText(secondName), std::string(5000, 'g'));
    EXPECT_TRUE(test::exists(trash("folder")));
}

// A second thread keeps exchanging folders of a trashed tree, and the tree itself, for links to
// a victim folder outside the Trash while trees are erased. Through a link the swapper's paths
// lead into the victim, which holds none of its names: there they fail.
TEST_F(SecureEraserTest, FoldersSwappedForLinksMidEraseLeadNowhere) {
    const Path victim = outside / "victim";
    for (int i = 0; i < 4; ++i) writeText(victim / ("f" + std::to_string(i)), "victim data");
    writeText(victim / "deep" / "g", "victim deep data");
    const auto before = snapshot(victim);
    const Path staging = makeDir(outside / "staging");
    const Path tree = trash("tree");
    const Path swapped[] = {tree, tree / "sub", tree / "sub" / "inner"};
    std::atomic<bool> stop{false};
    std::atomic<long> swaps{0};
    std::thread swapper([&] {
        for (std::size_t n = 0; !stop.load(); ++n) {
            const Path& folder = swapped[n % std::size(swapped)];
            if (::renameat2(AT_FDCWD, folder.c_str(), AT_FDCWD, (folder.native() + ".link").c_str(),
                            RENAME_EXCHANGE) == 0)
                ++swaps;
        }
    });
    for (int round = 0; round < 200 && !HasFailure(); ++round) {
        const Path build = staging / std::to_string(round);
        for (const char* f : {"f0", "f1", "sub/f2", "sub/inner/f3", "sub/inner/f4"})
            writeFile(build / f, 3000);
        makeSymlink(victim, build / "sub.link");
        makeSymlink(victim, build / "sub/inner.link");
        makeSymlink(victim, trash("tree.link"));
        if (::rename(build.c_str(), tree.c_str()) != 0) {
            ADD_FAILURE() << "cannot move the tree in";
            break;  // not return: the swapper must be stopped first
        }
        eraser.erase(listed(), 1);
        // Whatever is left goes aside, out of the swapper's reach.
        const Path left = outside / ("left" + std::to_string(round));
        if (::rename(home.layout().trashFiles.c_str(), left.c_str()) != 0) {
            ADD_FAILURE() << "cannot move the Trash aside";
            break;
        }
        makeDir(home.layout().trashFiles);
    }
    stop = true;
    swapper.join();
    EXPECT_GT(swaps.load(), 200);
    EXPECT_EQ(snapshot(victim), before);
}

TEST_F(SecureEraserTest, ATrashThatLeadsToTheHomeOrToAStrangersFolderIsNeitherListedNorErased) {
    writeText(outside / "Trash/files/secret.txt", "outside data");
    writeText(home / "files/notes.txt", "home data");
    std::vector<std::pair<std::function<void()>, RootRefusal>> cases = {
        {[&] { makeSymlink(home.home(), home.layout().trash); }, RootRefusal::home},
        {[&] { makeSymlink("/", home.layout().trash); }, RootRefusal::fileSystemRoot},
    };
    if (::geteuid() == 0)
        cases.push_back({[&] {
                             ::chown((outside / "Trash").c_str(), 65534, 65534);
                             std::filesystem::remove_all(home / ".local/share");
                             makeSymlink(outside.path(), home / ".local/share");
                         },
                         RootRefusal::notOwned});
    for (const auto& [make, reason] : cases) {
        SCOPED_TRACE(static_cast<int>(reason));
        std::filesystem::remove_all(home.layout().trash);
        makeDir(home.layout().trash.parent_path());
        make();
        const auto before = snapshot(outside.path());
        const auto homeBefore = snapshot(home / "files");
        const TrashContents contents = eraser.trashContents();
        EXPECT_TRUE(contents.items.empty());
        ASSERT_TRUE(contents.refused);
        EXPECT_EQ(contents.refused->reason, reason);
        EXPECT_EQ(eraser.erase(only({trash("secret.txt"), trash("notes.txt")}), 1).count, 0);
        EXPECT_EQ(snapshot(outside.path()), before);
        EXPECT_EQ(snapshot(home / "files"), homeBefore);
    }
}

TEST_F(SecureEraserTest, AStopEndsTheOverwriteBetweenChunksAndNeverKeepsAHalfWrittenFile) {
    // Stopped in the second chunk of the first file, then of a folder's first file.
    for (const std::string stopIn : {"first.bin", "inner-a.bin"}) {
        for (const char* name : {"first.bin", "folder", "last.txt"})
            std::filesystem::remove_all(trash(name));
        trashed("first.bin", 3 * MiB, 'f');
        writeFile(trashed("folder", kFolder) / "inner-a.bin", 3 * MiB, 'a');
        writeFile(trash("folder/inner-b.bin"), 3 * MiB, 'b');
        trashed("last.txt", 3 * MiB, 'l');
        std::stop_source stop;
        Recorder stopper;
        stopper.onWrote = [&](const Path& file, ByteCount offset) {
            if (file.filename() == stopIn && offset > 0) stop.request_stop();
        };
        const ShredOutcome outcome =
            eraser.erase(only({trash("first.bin"), trash("folder"), trash("last.txt")}), 1,
                         &stopper, stop.get_token());

        const bool inFolder = stopIn == "inner-a.bin";
        EXPECT_FALSE(test::exists(trash(inFolder ? "folder/inner-a.bin" : "first.bin")))
            << "cut short, it goes at once";
        EXPECT_FALSE(test::exists(trash("first.bin")));
        EXPECT_EQ(outcome.count, 1) << "what went counts, what stayed does not";
        // What was not reached is whole and stays, with its restore record.
        if (inFolder) {
            EXPECT_EQ(readText(trash("folder/inner-b.bin")), std::string(3 * MiB, 'b'));
        }
        EXPECT_EQ(readText(trash("last.txt")), std::string(3 * MiB, 'l'));
        EXPECT_TRUE(test::exists(*home.layout().trashInfo / "last.txt.trashinfo"));
        const std::vector<LeftItem> left = {{trash("folder"), LeftReason::stopped},
                                            {trash("last.txt"), LeftReason::stopped}};
        EXPECT_EQ(outcome.left, left) << stopIn;
    }
}

TEST_F(SecureEraserTest, MountsBelowTheTrashAreNotEntered) {
    writeText(outside / "mounted/file", "mounted data");
    const Path boundFile = writeText(outside / "bound-file", "bound data");
    const Path folder = trashed("folder", kFolder);
    writeFile(folder / "plain", 4000);
    makeDir(folder / "bind");
    writeFile(folder / "file-bind", 10);
    trashed("top-bind", 10);
    const Path boundFolder = writeText(outside / "bound-folder/file", "bound folder data");
    makeDir(trash("top-folder-bind"));
    makeDir(trash("mnt"));
    const auto before = snapshot(outside.path());
    TORNIVO_EXPECT_IN_MOUNT_NAMESPACE([&](std::string& report) {
        const std::pair<Path, Path> binds[] = {
            {outside / "mounted", folder / "bind"},
            {boundFile, folder / "file-bind"},
            {boundFile, trash("top-bind")},
            {boundFolder.parent_path(), trash("top-folder-bind")}};
        for (const auto& [from, to] : binds)
            if (!mountOrSay(from.c_str(), to, nullptr, MS_BIND, nullptr, report)) return kSkipExit;
        if (!mountOrSay("tmpfs", trash("mnt"), "tmpfs", 0, "size=1m", report)) return kSkipExit;
        writeText(trash("mnt/on-tmpfs"), "tmpfs data");
        ShredOutcome out = eraser.erase(listed(), 1);
        if (readText(trash("mnt/on-tmpfs")) != "tmpfs data") report += "wrote into a tmpfs\n";
        // The folder holding mounts stays, and no mount is erased: nothing counts as erased.
        if (out.count != 0) report += "counted " + std::to_string(out.count) + " items\n";
        return report.empty() ? 0 : 1;
    });
    EXPECT_EQ(snapshot(outside.path()), before) << "nothing a mount showed was written";
}

TEST_F(SecureEraserTest, RestoreRecordsAndCachedSizesOfErasedItemsGo) {
    const Path info = *home.layout().trashInfo;
    writeFile(trashed("gone dir", kFolder) / "a", 100);
    trashed("caf\xe9", 100);
    trashed("kept dir", kFolder);
    const Path sizes = writeText(home.layout().trash / "directorysizes",
                                 "4096 1700000000 gone%20dir\n"
                                 "8192 1700000001 kept%20dir\n"
                                 "not a line\n"
                                 "16 1700000002 caf%E9\n");
    writeText(info / "stale.trashinfo", "[Trash Info]\n");
    eraser.erase(only({trash("gone dir"), trash("caf\xe9")}), 1);
    EXPECT_FALSE(test::exists(info / "gone dir.trashinfo"));
    EXPECT_FALSE(test::exists(info / "caf\xe9.trashinfo"));
    EXPECT_TRUE(test::exists(info / "kept dir.trashinfo"));
    EXPECT_TRUE(test::exists(info / "stale.trashinfo")) << "only the records of erased items";
    EXPECT_EQ(readText(sizes), "8192 1700000001 kept%20dir\nnot a line\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.layout().trash), {}), 3)
        << "files, info and directorysizes: no temporary file left";

    // A cache that is a link is left alone, and so is where it leads.
    const Path elsewhere = writeText(outside / "sizes", "1 1 kept%20dir\n");
    std::filesystem::remove(sizes);
    makeSymlink(elsewhere, sizes);
    eraser.erase(only({trash("kept dir")}), 1);
    EXPECT_EQ(readText(elsewhere), "1 1 kept%20dir\n");
}

TEST_F(SecureEraserTest, OverwritesOnlyTheDataOfASparseFile) {
    const Path file = trashed("disk.img", 0);
    int fd = ::open(file.c_str(), O_WRONLY);
    ASSERT_EQ(::pwrite(fd, "data", 4, 0), 4);
    ASSERT_EQ(::pwrite(fd, "tail", 4, 64 * MiB), 4);
    ::close(fd);
    const ByteCount before = allocatedSize(file);
    ByteCount allocatedAfter = -1, written = 0;
    Recorder rec;
    rec.onOverwritten = [&](const Path& f) { allocatedAfter = allocatedSize(f); };
    EXPECT_EQ(eraser.erase(only({file}), 2, &rec).count, 1);
    for (auto& [pass, offset, length] : rec.writes) written += length;
    EXPECT_EQ(allocatedAfter, before) << "the holes stay holes";
    EXPECT_LT(written, ByteCount{2 * MiB}) << "both data blocks, twice, not the 64 MiB hole";
    EXPECT_GE(written, ByteCount{2 * 8});
}

}  // namespace
}  // namespace tornivo
