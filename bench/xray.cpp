// tornivo-bench-xray: times DiskAnalyzer::analyze (the X-Ray) with a folder as the home.
//
//   tornivo-bench-xray ROOT [--runs N] [--threads N]
//
// Prints one line per run, then one with the median, as key=value pairs:
//   run=1 files=895788 total_bytes=3960000000 listed=12 wall_seconds=1.234567
//   runs=7 files=895788 total_bytes=3960000000 median_wall_seconds=1.200000 min_wall_seconds=...
// `files` and `total_bytes` are the sums over the categories; `listed` counts the listed files.
// --threads defaults to what the application uses.

#include <cstdio>
#include <string_view>
#include <vector>

#include "Timing.h"
#include "engines/DiskAnalyzer.h"

using namespace tornivo::bench;

int main(int argc, char** argv) {
    const char* root = nullptr;
    unsigned long runs = 1, threads = tornivo::DiskAnalyzer::defaultThreads();
    bool ok = true;
    for (int i = 1; i < argc && ok; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            ok = parseCount(argv[++i], runs);
        } else if (arg == "--threads" && i + 1 < argc) {
            ok = parseCount(argv[++i], threads) && threads <= 1024;
        } else if (!root && !arg.starts_with("--")) {
            root = argv[i];
        } else {
            ok = false;
        }
    }
    if (!ok || !root) {
        std::fprintf(stderr, "usage: tornivo-bench-xray ROOT [--runs N] [--threads N]\n");
        return 2;
    }
    // The analysis answers nothing for a folder it cannot open; say why instead.
    if (!checkFolder("tornivo-bench-xray", root, true)) return 1;

    const tornivo::DiskAnalyzer analyzer(tornivo::Layout::freedesktop(root, {}),
                                         static_cast<unsigned>(threads));
    std::vector<double> times;
    long long files = 0, bytes = 0;
    for (unsigned long run = 1; run <= runs; ++run) {
        long long reports = 0;
        std::vector<tornivo::DiskCategory> categories;
        double seconds = secondsOf([&] {
            categories = analyzer.analyze([&](std::int64_t, const std::string&) { ++reports; });
        });
        times.push_back(seconds);
        files = bytes = 0;
        long long listed = 0;
        for (const auto& c : categories) {
            files += c.fileCount;
            bytes += c.size;
            listed += static_cast<long long>(c.files.size());
        }
        std::printf(
            "run=%lu files=%lld total_bytes=%lld listed=%lld reports=%lld "
            "wall_seconds=%.6f\n",
            run, files, bytes, listed, reports, seconds);
        std::fflush(stdout);
    }
    const RunTimes t = summarizeRuns(times);
    std::printf(
        "runs=%zu threads=%lu files=%lld total_bytes=%lld median_wall_seconds=%.6f "
        "min_wall_seconds=%.6f\n",
        times.size(), threads, files, bytes, t.median, t.min);
    return 0;
}
