#include "platform/PreferencesStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <thread>

#include "CoreChecks.h"

namespace tornivo {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using namespace test;

// A settings file in a folder of its own.
class PreferencesStoreTest : public ::testing::Test {
  protected:
    TempDir dir;
    const Path file = dir / "settings.json";
};

TEST_F(PreferencesStoreTest, TypedReadsAnswerOnlyForTheirOwnTypeAndMissingFoldersAreMade) {
    const Path file = dir / "config/tornivo/settings.json";
    PreferencesStore store(file);
    // Each value, and the typed reads that answer for it with what they answer.
    const std::tuple<const char*, json, const char*> values[] = {
        {"count", 42, "integer 42 number 42.0 "},
        {"name", "tornivo", "string \"tornivo\" "},
        {"enabled", true, "boolean true "},
        {"ratio", 0.5, "number 0.5 "},
        {"folders", json::array({"/a", "/b\xc3\xa9"}), "list [\"/a\",\"/b\xc3\xa9\"] "},
        {"mixed", json::array({"/a", 1}), ""},
        // Beyond a signed 64-bit integer.
        {"huge", json(std::uint64_t{1} << 63), "number 9.223372036854776e+18 "}};
    for (const auto& [key, value, answer] : values) ASSERT_TRUE(store.set(key, value));
    auto answers = [&](std::string_view key) {
        std::string out;
        if (auto v = store.integer(key)) out += "integer " + json(*v).dump() + " ";
        if (auto v = store.number(key)) out += "number " + json(*v).dump() + " ";
        if (auto v = store.boolean(key)) out += "boolean " + json(*v).dump() + " ";
        if (auto v = store.string(key)) out += "string " + json(*v).dump() + " ";
        if (auto v = store.stringList(key)) out += "list " + json(*v).dump() + " ";
        return out;
    };
    for (const auto& [key, value, answer] : values) EXPECT_EQ(answers(key), answer) << key;
    EXPECT_EQ(answers("missing"), "");
    EXPECT_FALSE(store.value("missing"));
    EXPECT_EQ(json::parse(readText(file))["count"], 42);
}

TEST_F(PreferencesStoreTest, ChangesReachEveryStoreOnTheFile) {
    PreferencesStore writer(file);
    PreferencesStore reader(file);
    ASSERT_TRUE(writer.set("kept", "yes"));
    EXPECT_EQ(reader.string("kept"), "yes");

    // Two writes between reads, with values of the same length: the third file may get the
    // first one's inode back and, with a coarse clock, its modification time too (pinned here).
    // Only the content then tells the versions apart.
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(writer.set("digit", i % 10));
        struct stat first;
        ASSERT_EQ(::stat(file.c_str(), &first), 0);
        ASSERT_EQ(reader.integer("digit"), i % 10);
        ASSERT_EQ(writer.integer("digit"), i % 10);
        for (int step : {1, 2}) {
            ASSERT_TRUE(writer.set("digit", (i + step) % 10));
            const timespec times[2] = {first.st_atim, first.st_mtim};
            ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
        }
        ASSERT_EQ(reader.integer("digit"), (i + 2) % 10) << "round " << i;
        ASSERT_EQ(writer.integer("digit"), (i + 2) % 10) << "round " << i;
    }
    ASSERT_TRUE(writer.remove("digit"));
    EXPECT_FALSE(reader.integer("digit"));
    EXPECT_EQ(reader.string("kept"), "yes");
    EXPECT_EQ(PreferencesStore(file).string("kept"), "yes");
}

TEST_F(PreferencesStoreTest, ProcessesWritingDifferentKeysLoseNeither) {
    constexpr int kWrites = 200;
    int start[2];
    ASSERT_EQ(::pipe(start), 0);

    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        char go;
        ::close(start[1]);
        bool ok = ::read(start[0], &go, 1) == 1;
        PreferencesStore store(file);
        for (int i = 0; ok && i < kWrites; ++i) ok = store.set("child", i);
        ::_exit(ok ? 0 : 1);
    }
    ::close(start[0]);
    PreferencesStore store(file);
    bool ok = ::write(start[1], "g", 1) == 1;
    ::close(start[1]);
    for (int i = 0; ok && i < kWrites; ++i) ok = store.set("parent", i);
    int status = 0;
    ::waitpid(pid, &status, 0);

    EXPECT_TRUE(ok);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child could not write";
    PreferencesStore fresh(file);
    EXPECT_EQ(fresh.integer("parent"), kWrites - 1);
    EXPECT_EQ(fresh.integer("child"), kWrites - 1);
}

TEST_F(PreferencesStoreTest, ReadersNeverSeeAPartialFile) {
    PreferencesStore store(file);
    ASSERT_TRUE(store.set("marker", true));

    std::atomic<bool> done{false}, failed{false};
    std::atomic<int> reads{0};
    std::string bad;  // written by the reader only, read after it has finished
    std::thread reader([&] {
        while (!done.load() && !failed.load()) {
            std::string text = readText(file);
            json doc = json::parse(text, nullptr, false);
            if (doc.is_discarded() || !doc.is_object() || !doc.contains("marker")) {
                bad = text.empty() ? std::string("<empty or missing>") : text.substr(0, 200);
                failed = true;
            }
            ++reads;
        }
    });
    // Long values of changing length: a file rewritten in place would be caught half-way.
    bool written = true;
    for (int i = 0; i < 150 && written && !failed.load(); ++i)
        written = store.set("payload", std::string(1000 + (i * 7919) % 20000, 'a' + i % 26));
    done = true;
    reader.join();

    EXPECT_TRUE(written);
    EXPECT_EQ(bad, "");
    EXPECT_GT(reads.load(), 0);
    EXPECT_TRUE(store.boolean("marker"));
}

// What a settings file cannot be read as is said, and such a file is never replaced by a write:
// what it held (protected folders among it) would be lost. No hostile file hangs or crashes it.
TEST_F(PreferencesStoreTest, AFileThatCannotBeReadIsNamedNeverReplacedAndNeverHangs) {
    const std::string nested(100'000, '[');
    const std::vector<std::pair<std::function<void(const Path&)>, std::string>> cases = {
        {[](const Path& f) { writeText(f, "{\"count\": 3, \"name\": \"tor"); },
         "is not valid JSON"},
        {[](const Path& f) { writeText(f, ""); }, "is not valid JSON"},
        {[](const Path& f) { writeText(f, "[1, 2, 3]"); }, "does not hold a JSON object"},
        {[&](const Path& f) { writeText(f, "{\"a\": " + nested); }, "nests deeper than 64 levels"},
        {[](const Path& f) { ::mkfifo(f.c_str(), 0600); }, "is not a regular file"},
        {[](const Path& f) { test::makeSymlink("/dev/zero", f); }, "is not a regular file"},
        {[](const Path& f) { test::makeDir(f); }, "is not a regular file"},
        {[](const Path& f) { ::truncate(writeText(f, "{}").c_str(), (16 << 20) + 1); },
         "is larger than 16 MiB"},
    };
    for (const auto& [make, problem] : cases) {
        SCOPED_TRACE(problem);
        TempDir own;  // a folder of its own for each case
        const Path file = own / "settings.json";
        make(file);
        const auto before = test::snapshot(own.path());
        PreferencesStore store(file);
        EXPECT_FALSE(store.integer("count"));
        EXPECT_EQ(store.problem(), problem);
        EXPECT_FALSE(store.set("fresh", 1));
        EXPECT_FALSE(store.remove("count"));
        auto after = test::snapshot(own.path());
        after.erase((own / "settings.json.lock").native());
        EXPECT_EQ(after, before) << "nothing replaced, nothing kept aside";
    }
    EXPECT_EQ(PreferencesStore(dir / "missing.json").problem(), std::nullopt)
        << "no file is no problem: nothing was set yet";
}

TEST_F(PreferencesStoreTest, TheLockFileIsNeverOpenedThroughALink) {
    test::makeSymlink(dir / "elsewhere", dir / "settings.json.lock");
    PreferencesStore store(file);
    EXPECT_FALSE(store.set("a", 1));
    EXPECT_FALSE(test::exists(dir / "elsewhere")) << "no file made where the link points";
    EXPECT_FALSE(test::exists(file));
}

TEST_F(PreferencesStoreTest, FailedWriteLeavesOldFileIntact) {
    const Path folder = dir / "config";
    const Path file = folder / "settings.json";
    PreferencesStore store(file);
    ASSERT_TRUE(store.set("a", 1));
    const std::string before = readText(file);
    PreferencesStore fresh(dir / "other" / "settings.json");
    test::setMode(folder, 0500);
    test::setMode(test::makeDir(dir / "other"), 0500);
    TORNIVO_SKIP_UNLESS_PERMISSIONS_APPLY();

    EXPECT_FALSE(store.set("a", 2));
    EXPECT_FALSE(store.remove("a"));
    EXPECT_EQ(readText(file), before);
    EXPECT_EQ(store.integer("a"), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2)
        << "only the settings file and its lock file belong here";

    EXPECT_FALSE(fresh.set("a", 1)) << "no lock file and no room for one";
    EXPECT_FALSE(test::exists(dir / "other" / "settings.json"));
}

}  // namespace
}  // namespace tornivo
