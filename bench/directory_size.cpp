// tornivo-bench-directory-size: times FileSystemHelper::directorySize on one folder.
//
//   tornivo-bench-directory-size ROOT [--runs N]
//
// Prints one line per run, then one with the median, as key=value pairs:
//   run=1 total_bytes=4404019200 wall_seconds=1.234567
//   runs=7 total_bytes=4404019200 median_wall_seconds=1.200000 min_wall_seconds=1.190000

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/FileSystemHelper.h"

int main(int argc, char** argv) {
    const char* root = nullptr;
    unsigned long runs = 1;
    bool ok = true;
    for (int i = 1; i < argc && ok; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            std::string_view n = argv[++i];
            auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), runs);
            ok = ec == std::errc() && end == n.data() + n.size() && runs > 0;
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
    struct stat st;
    errno = 0;
    if (::lstat(root, &st) != 0 || !S_ISDIR(st.st_mode)) {
        std::fprintf(stderr, "tornivo-bench-directory-size: %s: %s\n", root,
                     errno ? std::strerror(errno) : "not a folder");
        return 1;
    }

    std::vector<double> times;
    tornivo::ByteCount total = 0;
    for (unsigned long run = 1; run <= runs; ++run) {
        auto start = std::chrono::steady_clock::now();
        total = tornivo::FileSystemHelper::directorySize(tornivo::Path(root));
        auto end = std::chrono::steady_clock::now();
        double seconds = std::chrono::duration<double>(end - start).count();
        times.push_back(seconds);
        std::printf("run=%lu total_bytes=%lld wall_seconds=%.6f\n", run,
                    static_cast<long long>(total), seconds);
        std::fflush(stdout);
    }
    std::sort(times.begin(), times.end());
    std::size_t n = times.size();
    double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf("runs=%zu total_bytes=%lld median_wall_seconds=%.6f min_wall_seconds=%.6f\n", n,
                static_cast<long long>(total), median, times.front());
    return 0;
}
