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

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "engines/DeveloperCleanEngine.h"

namespace {
bool parseCount(std::string_view text, unsigned long& out) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && out > 0;
}
}  // namespace

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
    struct stat st;
    errno = 0;
    if (::stat(root, &st) != 0 || !S_ISDIR(st.st_mode)) {
        std::fprintf(stderr, "tornivo-bench-developer: %s: %s\n", root,
                     errno ? std::strerror(errno) : "not a folder");
        return 1;
    }

    const tornivo::DeveloperCleanEngine engine(tornivo::Layout::freedesktop(root, {}),
                                               static_cast<unsigned>(threads));
    std::vector<double> times;
    tornivo::DeveloperScanResult result;
    long long bytes = 0;
    for (unsigned long run = 1; run <= runs; ++run) {
        auto start = std::chrono::steady_clock::now();
        result = engine.scan(10);
        auto end = std::chrono::steady_clock::now();
        double seconds = std::chrono::duration<double>(end - start).count();
        times.push_back(seconds);
        bytes = 0;
        for (const auto& p : result.projects) bytes += p.size;
        std::printf("run=%lu projects=%zu total_bytes=%lld wall_seconds=%.6f\n", run,
                    result.projects.size(), bytes, seconds);
        std::fflush(stdout);
    }
    if (list)
        for (const auto& p : result.projects) std::printf("%s\n", p.url.c_str());
    std::sort(times.begin(), times.end());
    std::size_t n = times.size();
    double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf(
        "runs=%zu threads=%lu projects=%zu total_bytes=%lld median_wall_seconds=%.6f "
        "min_wall_seconds=%.6f\n",
        n, threads, result.projects.size(), bytes, median, times.front());
    return 0;
}
