// tornivo-bench-large-files: times LargeFileScanner::scan over five folders given in the order
// of the personal folders it reads (Downloads, Documents, Desktop, Movies, Music).
//
//   tornivo-bench-large-files DOWNLOADS DOCUMENTS DESKTOP MOVIES MUSIC [--runs N]
//                             [--min-size BYTES] [--months M] [--list]
//
// Prints one line per run, then one with the median, as key=value pairs:
//   run=1 found=3 wall_seconds=0.412345
//   runs=7 found=3 median_wall_seconds=0.410000 min_wall_seconds=0.400000
// With --list, the found files follow, one path a line, largest first.

#include <cstdio>
#include <string_view>
#include <vector>

#include "Timing.h"
#include "engines/LargeFileScanner.h"

using namespace tornivo::bench;

int main(int argc, char** argv) {
    std::vector<tornivo::Path> roots;
    unsigned long runs = 1;
    tornivo::ByteCount minSize = 524'288'000;
    int months = 3;
    bool list = false, ok = true;
    for (int i = 1; i < argc && ok; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            ok = parseCount(argv[++i], runs);
        else if (arg == "--min-size" && i + 1 < argc)
            ok = parseNumber(argv[++i], minSize);
        else if (arg == "--months" && i + 1 < argc)
            ok = parseNumber(argv[++i], months);
        else if (arg == "--list")
            list = true;
        else if (!arg.starts_with("--") && roots.size() < 5)
            roots.emplace_back(argv[i]);
        else
            ok = false;
    }
    if (!ok || roots.size() != 5) {
        std::fprintf(stderr,
                     "usage: tornivo-bench-large-files DOWNLOADS DOCUMENTS DESKTOP MOVIES MUSIC "
                     "[--runs N] [--min-size BYTES] [--months M] [--list]\n");
        return 2;
    }
    // The folders stand in for a home's personal folders; the home itself is their parent.
    tornivo::Layout layout = tornivo::Layout::freedesktop(roots[0].parent_path(), {});
    layout.downloads = roots[0], layout.documents = roots[1], layout.desktop = roots[2];
    layout.movies = roots[3], layout.music = roots[4];
    const tornivo::LargeFileScanner scanner(layout);

    std::vector<double> times;
    std::vector<tornivo::LargeFile> found;
    for (unsigned long run = 1; run <= runs; ++run) {
        double seconds = secondsOf([&] { found = scanner.scan(minSize, months); });
        times.push_back(seconds);
        std::printf("run=%lu found=%zu wall_seconds=%.6f\n", run, found.size(), seconds);
    }
    const RunTimes t = summarizeRuns(times);
    std::printf("runs=%zu found=%zu median_wall_seconds=%.6f min_wall_seconds=%.6f\n", times.size(),
                found.size(), t.median, t.min);
    if (list)
        for (const auto& f : found) std::printf("%s\n", f.url.c_str());
    return 0;
}
