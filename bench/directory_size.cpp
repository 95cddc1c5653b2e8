// tornivo-bench-directory-size: times FileSystemHelper::directorySize on one folder.
//
//   tornivo-bench-directory-size ROOT [--runs N]
//
// Prints one line per run, then one with the median, as key=value pairs:
//   run=1 total_bytes=4404019200 wall_seconds=1.234567
//   runs=7 total_bytes=4404019200 median_wall_seconds=1.200000 min_wall_seconds=1.190000

#include <cstdio>
#include <string_view>
#include <vector>

#include "Timing.h"
#include "platform/FileSystemHelper.h"

using namespace tornivo::bench;

int main(int argc, char** argv) {
    const char* root = nullptr;
    unsigned long runs = 1;
    bool ok = true;
    for (int i = 1; i < argc && ok; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            ok = parseCount(argv[++i], runs);
        } else if (!root && !arg.starts_with("--")) {
            root = argv[i];
        } else {
            ok = false;
        }
    }
    if (!ok || !root) {
        std::fprintf(stderr, "usage: tornivo-bench-directory-size ROOT [--runs N]\n");
        return 2;
    }
    // directorySize answers 0 for a folder it cannot open; say why instead of timing nothing.
    if (!checkFolder("tornivo-bench-directory-size", root, false)) return 1;

    std::vector<double> times;
    tornivo::ByteCount total = 0;
    for (unsigned long run = 1; run <= runs; ++run) {
        double seconds = secondsOf(
            [&] { total = tornivo::FileSystemHelper::directorySize(tornivo::Path(root)); });
        times.push_back(seconds);
        std::printf("run=%lu total_bytes=%lld wall_seconds=%.6f\n", run,
                    static_cast<long long>(total), seconds);
        std::fflush(stdout);
    }
    const RunTimes t = summarizeRuns(times);
    std::printf("runs=%zu total_bytes=%lld median_wall_seconds=%.6f min_wall_seconds=%.6f\n",
                times.size(), static_cast<long long>(total), t.median, t.min);
    return 0;
}
