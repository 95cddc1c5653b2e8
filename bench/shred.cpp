// tornivo-bench-shred: erases files the way the shred section empties the Trash (overwritten
// with random data pass after pass, each pass flushed, cut to zero length, removed), with the
// folder that holds them standing in for the Trash.
//
//   tornivo-bench-shred FILE... [--passes N] [--chunk BYTES]
//
// Every FILE must lie in the same folder. Prints: count=C bytes=B passes=N wall_seconds=S (the
// time of the erase alone) overwrite_seconds=O (until the last file's last pass was on the disk,
// before the file system freed anything); exits non-zero when a file is left.

#include <fcntl.h>

#include <chrono>
#include <filesystem>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Timing.h"
#include "engines/SecureEraser.h"
#include "platform/FileStatus.h"

namespace {

// Notes when the last overwrite was flushed: what follows (cutting and removing) is the file
// system's freeing of the blocks, which costs the same for every tool that removes the file.
class Stopwatch : public tornivo::ShredObserver {
  public:
    void overwritten(const tornivo::Path&) override { last_ = std::chrono::steady_clock::now(); }
    double secondsSince(std::chrono::steady_clock::time_point start) const {
        return std::chrono::duration<double>(last_ - start).count();
    }

  private:
    std::chrono::steady_clock::time_point last_{};
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<tornivo::Path> files;
    long long passes = 1, chunk = 1'048'576;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--passes" || arg == "--chunk") {
            long long value = i + 1 < argc ? std::atoll(argv[++i]) : 0;
            ok = ok && value > 0;
            (arg == "--passes" ? passes : chunk) = value;
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.empty() || !ok || passes > 1000) {
        std::fprintf(stderr, "usage: tornivo-bench-shred FILE... [--passes N] [--chunk BYTES]\n");
        return 2;
    }
    const tornivo::Path folder =
        files.front().parent_path().empty() ? tornivo::Path(".") : files.front().parent_path();
    for (const auto& f : files) {
        if ((f.parent_path().empty() ? tornivo::Path(".") : f.parent_path()) != folder) {
            std::fprintf(stderr, "tornivo-bench-shred: every FILE must lie in %s\n",
                         folder.c_str());
            return 2;
        }
    }
    // The folder stands for the Trash of a home that holds it.
    const tornivo::Path absolute = std::filesystem::absolute(folder);
    tornivo::Layout layout = tornivo::Layout::macos(absolute.parent_path());
    layout.trash = layout.trashFiles = absolute;

    const tornivo::SecureEraser eraser(layout, static_cast<std::size_t>(chunk));
    // The Trash as listed, narrowed to the files given.
    tornivo::TrashContents listed = eraser.trashContents(), chosen;
    for (std::size_t i = 0; i < listed.items.size(); ++i) {
        for (const auto& f : files) {
            if (std::filesystem::absolute(f) != listed.items[i]) continue;
            chosen.items.push_back(listed.items[i]);
            chosen.identities.push_back(listed.identities[i]);
        }
    }
    tornivo::ShredOutcome outcome;
    Stopwatch stopwatch;
    const auto start = std::chrono::steady_clock::now();
    double seconds = tornivo::bench::secondsOf(
        [&] { outcome = eraser.erase(chosen, static_cast<int>(passes), &stopwatch); });
    std::size_t left = 0;
    for (const auto& f : files) left += tornivo::statEntry(AT_FDCWD, f.c_str()) ? 1 : 0;
    std::printf("count=%lld bytes=%lld passes=%lld wall_seconds=%.6f overwrite_seconds=%.6f\n",
                static_cast<long long>(outcome.count), static_cast<long long>(outcome.bytes),
                passes, seconds, stopwatch.secondsSince(start));
    return left == 0 ? 0 : 1;
}
