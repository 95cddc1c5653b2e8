
#include "platform/ScanProgress.h"

#include <set>
#include <thread>

#include "CoreChecks.h"
#include "engines/DeveloperCleanEngine.h"
#include "engines/DuplicateFinder.h"

namespace tornivo {
namespace {

using namespace test;

constexpr ByteCount kMiB = 1'048'576;

struct Recorder {
    std::mutex mutex;
    std::vector<ScanProgress> calls;

    ScanProgressCallback callback() {
        return [this](const ScanProgress& p) {
            std::lock_guard lock(mutex);
            calls.push_back(p);
        };
    }
};

// Every figure rises or stays, only the last report has no folder, every mark of files and of
// bytes up to the totals is heard (a report repeating a mark for a new folder is no mark of its
// own), and the last report is `last`.
void expectRisingToTheEnd(const std::vector<ScanProgress>& calls, const ScanProgress& last) {
    ASSERT_FALSE(calls.empty());
    std::set<std::int64_t> fileMarks, byteMarks;
    for (std::size_t i = 0; i + 1 < calls.size(); ++i) {
        const ScanProgress &c = calls[i], &next = calls[i + 1];
        EXPECT_FALSE(c.folder.empty()) << i << " of " << calls.size();
        EXPECT_TRUE(next.files >= c.files && next.bytesHashed >= c.bytesHashed &&
                    next.bytesToHash >= c.bytesToHash)
            << i;
        if (c.files > 0 && c.files % ProgressMeter::kFilesEvery == 0) fileMarks.insert(c.files);
        if (c.bytesHashed > 0 && c.bytesHashed % ProgressMeter::kBytesEvery == 0)
            byteMarks.insert(c.bytesHashed);
    }
    // The figures rise to the totals, so every mark heard is one up to them: as many as the
    // totals hold is all of them.
    EXPECT_EQ(fileMarks.size(), std::size_t(last.files / ProgressMeter::kFilesEvery));
    EXPECT_EQ(byteMarks.size(), std::size_t(last.bytesHashed / ProgressMeter::kBytesEvery));
    EXPECT_EQ(calls.back(), last);
}

// --- The meter ---------------------------------------------------------------------------------

TEST(ProgressMeterTest, ManyThreadsAddingFilesAndBytesGiveEachMarkOnceInRisingOrder) {
    Recorder recorder;
    ProgressMeter meter(recorder.callback());
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 3'000; ++i) {
                meter.addFiles(1, "folder");
                meter.addHashed(32 * 1024);
            }
        });
    for (auto& t : threads) t.join();
    meter.finish();
    meter.finish();
    meter.addFiles(5'000, "late");
    // Every mark once: files every 2,500 up to 12,000; bytes every 32 MiB up to 375 MiB.
    EXPECT_EQ(recorder.calls.size(), 4u + 11u + 1u);
    expectRisingToTheEnd(recorder.calls, {12'000, "", 12'000 * 32 * 1024, 0});
}

// --- The scans ---------------------------------------------------------------------------------

class ScanProgressTest : public ::testing::Test {
  protected:
    TempHome home{LayoutKind::freedesktop};
    const Path documents = home / "Documents";

    // 6,000 empty files in six folders, and hidden ones that no scan counts.
    void SetUp() override {
        for (int f = 0; f < 6; ++f)
            for (int i = 0; i < 1'000; ++i)
                writeFile(documents / ("f" + std::to_string(f)) / ("n" + std::to_string(i)));
        writeFile(documents / ".hidden");
        writeFile(documents / ".cache/inside");
        home.reload();
    }
};

TEST_F(ScanProgressTest, DuplicatesCountsTheFilesThenTheBytesCompared) {
    // Two equal files are read whole; a third of the same size differs at its ends and is
    // dropped before any of it is compared.
    writeFile(documents / "f1/a.bin", 20 * kMiB, 'a');
    writeFile(documents / "f4/b.bin", 20 * kMiB, 'a');
    writeFile(documents / "f2/c.bin", 20 * kMiB, 'c');
    for (unsigned threads : {1u, 3u}) {
        const DuplicateFinder finder(kMiB, threads);
        Recorder recorder;
        finder.scan({documents}, recorder.callback());
        expectRisingToTheEnd(recorder.calls, {6'003, "", 40 * kMiB, 60 * kMiB});
    }
}

TEST_F(ScanProgressTest, DeveloperCountsTheFilesOfTheWalk) {
    const Path project = home / "code/app";
    writeText(project / "Cargo.toml", "[package]\n");
    writeFile(project / "target/debug/app", 64 * 1024);
    writeFile(project / "target/debug/deps/lib.rlib", 64 * 1024);
    const TimePoint now = Clock::now();
    for (unsigned threads : {1u, 3u}) {
        const DeveloperCleanEngine engine(home.layout(), threads);
        Recorder recorder;
        engine.scan(10, now, recorder.callback());
        // The files of Documents (the walk looks at hidden files, not into hidden folders) and
        // Cargo.toml; nothing inside the output is walked.
        expectRisingToTheEnd(recorder.calls, {6'002, "", 0, 0});
    }
}

}  // namespace
}  // namespace tornivo
