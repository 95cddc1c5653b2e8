// tornivo-bench-duplicates: times DuplicateFinder::scan on some folders.
//
//   tornivo-bench-duplicates ROOT... [--min-size BYTES] [--runs N] [--threads N] [--groups FILE]
//
// Prints one line per run and one with the median, as key=value pairs:
//   run=1 groups=120 files=310 reclaimable_bytes=456789012 wall_seconds=0.412345
//   runs=7 groups=120 files=310 median_wall_seconds=0.410000 min_wall_seconds=0.400000
// With --groups, the last run's groups go to FILE like jdupes prints them: one path per line,
// a blank line after each group. --threads sets the threads the walk and the reading use (the
// default: one per core).

#include <cstdio>
#include <string_view>
#include <vector>

#include "Timing.h"
#include "engines/DuplicateFinder.h"

using namespace tornivo::bench;

int main(int argc, char** argv) {
    std::vector<tornivo::Path> roots;
    unsigned long long runs = 1, minSize = 1'048'576, threads = tornivo::defaultWalkThreads();
    const char* groupsFile = nullptr;
    bool ok = true;
    for (int i = 1; i < argc && ok; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            ok = parseCount(argv[++i], runs);
        else if (arg == "--min-size" && i + 1 < argc)
            ok = parseNumber(argv[++i], minSize) && minSize <= (1ULL << 62);
        else if (arg == "--threads" && i + 1 < argc)
            ok = parseCount(argv[++i], threads) && threads <= 256;
        else if (arg == "--groups" && i + 1 < argc)
            groupsFile = argv[++i];
        else if (!arg.starts_with("--"))
            roots.emplace_back(argv[i]);
        else
            ok = false;
    }
    if (!ok || roots.empty()) {
        std::fprintf(stderr,
                     "usage: tornivo-bench-duplicates ROOT... [--min-size BYTES] [--runs N] "
                     "[--threads N] [--groups FILE]\n");
        return 2;
    }

    const tornivo::DuplicateFinder finder(static_cast<tornivo::ByteCount>(minSize),
                                          static_cast<unsigned>(threads));
    std::vector<double> times;
    std::vector<tornivo::DuplicateGroup> groups;
    for (unsigned long long run = 1; run <= runs; ++run) {
        double seconds = secondsOf([&] { groups = finder.scan(roots); });
        times.push_back(seconds);
        std::size_t files = 0;
        tornivo::ByteCount reclaimable = 0;
        for (const auto& g : groups) {
            files += g.files.size();
            reclaimable += g.reclaimable();
        }
        std::printf("run=%llu groups=%zu files=%zu reclaimable_bytes=%lld wall_seconds=%.6f\n", run,
                    groups.size(), files, static_cast<long long>(reclaimable), seconds);
    }
    const RunTimes t = summarizeRuns(times);
    std::size_t files = 0;
    for (const auto& g : groups) files += g.files.size();
    std::printf("runs=%llu groups=%zu files=%zu median_wall_seconds=%.6f min_wall_seconds=%.6f\n",
                runs, groups.size(), files, t.median, t.min);

    if (groupsFile) {
        FILE* out = std::fopen(groupsFile, "w");
        if (!out) {
            std::perror(groupsFile);
            return 1;
        }
        for (const auto& g : groups) {
            for (const auto& f : g.files) std::fprintf(out, "%s\n", f.c_str());
            std::fputc('\n', out);
        }
        if (std::fclose(out) != 0) {
            std::perror(groupsFile);
            return 1;
        }
    }
    return 0;
}
