// tornivo-make-tree: writes a deterministic folder tree for the benchmarks.
//
//   tornivo-make-tree MODE DEST [--files N] [--folders M] [--seed S] [--jobs J]
//   tornivo-make-tree --version
//
// DEST must not exist yet or be an empty folder. On success one line of key=value pairs
// describes what was written.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string_view>

#include "TreeGenerator.h"

namespace {

using namespace tornivo::bench;

void usage(FILE* out) {
    std::fprintf(out,
                 "usage: tornivo-make-tree MODE DEST [--files N] [--folders M] [--seed S] "
                 "[--jobs J]\n"
                 "       tornivo-make-tree --version\n"
                 "The same MODE, options and seed always write the same tree; --jobs only "
                 "changes how fast.\nModes:\n");
    for (const Mode& m : modes())
        std::fprintf(out, "  %-12.*s %.*s\n", static_cast<int>(m.name.size()), m.name.data(),
                     static_cast<int>(m.description.size()), m.description.data());
}

bool parseNumber(std::string_view text, std::uint64_t& out) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

// Opens DEST, creating it when missing; refuses a folder that already holds something.
int openEmptyFolder(const char* path) {
    if (::mkdir(path, 0755) != 0 && errno != EEXIST) return -1;
    int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    // An empty folder has only "." and ".." to list.
    int probe = ::dup(fd);
    DIR* dir = probe < 0 ? nullptr : ::fdopendir(probe);
    if (!dir) {
        ::close(fd);
        return -1;
    }
    bool empty = true;
    while (dirent* e = ::readdir(dir)) {
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) empty = false;
    }
    ::closedir(dir);
    if (!empty) {
        ::close(fd);
        errno = ENOTEMPTY;
        return -1;
    }
    return fd;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("tornivo-make-tree %d\n", kGeneratorVersion);
        return 0;
    }
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        usage(stdout);
        return 0;
    }
    if (argc < 3) {
        usage(stderr);
        return 2;
    }
    std::string_view modeName = argv[1];
    const char* dest = argv[2];
    const Mode* mode = nullptr;
    for (const Mode& m : modes())
        if (m.name == modeName) mode = &m;
    if (!mode) {
        std::fprintf(stderr, "tornivo-make-tree: unknown mode %s\n", argv[1]);
        usage(stderr);
        return 2;
    }

    TreeOptions options;
    for (int i = 3; i < argc; ++i) {
        std::string_view flag = argv[i];
        std::uint64_t value = 0;
        if (i + 1 >= argc || !parseNumber(argv[i + 1], value)) {
            std::fprintf(stderr, "tornivo-make-tree: %s needs a number\n", argv[i]);
            return 2;
        }
        ++i;
        if (flag == "--files")
            options.files = value;
        else if (flag == "--folders")
            options.folders = value;
        else if (flag == "--seed")
            options.seed = value;
        else if (flag == "--jobs" && value > 0 && value <= 64)
            options.jobs = static_cast<unsigned>(value);
        else {
            std::fprintf(stderr, "tornivo-make-tree: bad option %s\n", argv[i - 1]);
            return 2;
        }
    }

    // Modes pass explicit permissions; the umask must not change them.
    ::umask(022);
    int rootFd = openEmptyFolder(dest);
    if (rootFd < 0) {
        std::fprintf(stderr, "tornivo-make-tree: %s: %s (it must be missing or empty)\n", dest,
                     std::strerror(errno));
        return 1;
    }
    auto start = std::chrono::steady_clock::now();
    TreeSummary s;
    try {
        s = mode->make(rootFd, options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tornivo-make-tree: %s: %s\n", dest, e.what());
        return 1;
    }
    ::close(rootFd);
    double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "mode=%s folders=%llu files=%llu empty_files=%llu symlinks=%llu hard_links=%llu "
        "content_bytes=%llu largest_file=%llu seconds=%.3f\n",
        argv[1], static_cast<unsigned long long>(s.folders),
        static_cast<unsigned long long>(s.files), static_cast<unsigned long long>(s.emptyFiles),
        static_cast<unsigned long long>(s.symlinks), static_cast<unsigned long long>(s.hardLinks),
        static_cast<unsigned long long>(s.contentBytes),
        static_cast<unsigned long long>(s.largestFile), elapsed);
    return 0;
}
