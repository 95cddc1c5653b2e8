#include "Timing.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tornivo::bench {

RunTimes summarizeRuns(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    std::size_t n = seconds.size();
    double median = n % 2 ? seconds[n / 2] : (seconds[n / 2 - 1] + seconds[n / 2]) / 2;
    return {median, seconds.front()};
}

bool checkFolder(const char* program, const char* path, bool followLink) {
    struct stat st;
    errno = 0;
    if ((followLink ? ::stat(path, &st) : ::lstat(path, &st)) == 0 && S_ISDIR(st.st_mode))
        return true;
    std::fprintf(stderr, "%s: %s: %s\n", program, path,
                 errno ? std::strerror(errno) : "not a folder");
    return false;
}

}  // namespace tornivo::bench
