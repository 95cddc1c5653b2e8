// tornivo-bench-developer: times DeveloperCleanEngine::scan (the project walk of a freedesktop
// home, with the sizing of every output found) with a folder as the home.
//
//   tornivo-bench-developer ROOT [--runs N] [--threads N] [--list]
//
// Prints one line per run, then one with the median, as key=value pairs:
//   run=1 projects=12 total_bytes=345678 wall_seconds=1.234567
//   runs=7 threads=16 projects=12 total_bytes=345678 median_wall_seconds=1.2 min_wall_seconds=...
// --list also prints every output found (one path a line, before the summary).
// --threads defaults to what the application uses.

#include <cstdio>
#include <string_view>
#include <vector>

#include "Timing.h"
#include "engines/DeveloperCleanEngine.h"

using namespace tornivo::bench;

int main(int argc, char** argv) {
    const char* root = nullptr;
    unsigned long runs = 1, threads = tornivo::DeveloperCleanEngine::defaultThreads();
    bool ok = true, list = false;
    for (int i = 1; i < argc && ok; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            ok = parseCount(argv[++i], runs);
        } else if (arg == "--threads" && i + 1 < argc) {
            ok = parseCount(argv[++i], threads) && threads <= 1024;
        } else if (arg == "--list") {
            list = true;
        } else if (!root && !arg.starts_with("--")) {
            root = argv[i];
        } else {
            ok = false;
        }
    }
    if (!ok || !root) {
        std::fprintf(stderr,
                     "usage: tornivo-bench-developer ROOT [--runs N] [--threads N] [--list]\n");
        return 2;
    }
    // The scan answers nothing for a folder it cannot open; say why instead.
    if (!checkFolder("tornivo-bench-developer", root, true)) return 1;

    const tornivo::DeveloperCleanEngine engine(tornivo::Layout::freedesktop(root, {}),
                                               static_cast<unsigned>(threads));
    std::vector<double> times;
    tornivo::DeveloperScanResult result;
    long long bytes = 0;
    for (unsigned long run = 1; run <= runs; ++run) {
        double seconds = secondsOf([&] { result = engine.scan(10); });
        times.push_back(seconds);
        bytes = 0;
        for (const auto& p : result.projects) bytes += p.size;
        std::printf("run=%lu projects=%zu total_bytes=%lld wall_seconds=%.6f\n", run,
                    result.projects.size(), bytes, seconds);
        std::fflush(stdout);
    }
    if (list)
        for (const auto& p : result.projects) std::printf("%s\n", p.url.c_str());
    const RunTimes t = summarizeRuns(times);
    std::printf(
        "runs=%zu threads=%lu projects=%zu total_bytes=%lld median_wall_seconds=%.6f "
        "min_wall_seconds=%.6f\n",
        times.size(), threads, result.projects.size(), bytes, t.median, t.min);
    return 0;
}
