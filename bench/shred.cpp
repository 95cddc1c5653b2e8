// tornivo-bench-shred: erases files the way the shred section empties the Trash (overwritten
// with random data pass after pass, each pass flushed, cut to zero length, removed), with the
// folder that holds them standing in for the Trash.
//
//   tornivo-bench-shred FILE... [--passes N] [--chunk BYTES]
//
// Every FILE must lie in the same folder. Prints: count=C bytes=B passes=N wall_seconds=S (the
// time of the erase alone); exits non-zero when a file is left.

#include <fcntl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Timing.h"
#include "engines/SecureEraser.h"
#include "platform/FileStatus.h"

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
    tornivo::Layout layout = tornivo::Layout::macos(folder);
    layout.trash = layout.trashFiles = folder;

    const tornivo::SecureEraser eraser(layout, static_cast<std::size_t>(chunk));
    tornivo::ShredOutcome outcome;
    double seconds =
        tornivo::bench::secondsOf([&] { outcome = eraser.erase(files, static_cast<int>(passes)); });
    std::size_t left = 0;
    for (const auto& f : files) left += tornivo::statEntry(AT_FDCWD, f.c_str()) ? 1 : 0;
    std::printf("count=%lld bytes=%lld passes=%lld wall_seconds=%.6f\n",
                static_cast<long long>(outcome.count), static_cast<long long>(outcome.bytes),
                passes, seconds);
    return left == 0 ? 0 : 1;
}
