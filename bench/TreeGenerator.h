#pragma once
// Deterministic folder trees for the benchmarks: the same mode, options and seed always give the
// same names, sizes, contents, times and links, whatever the number of writer threads.
//
// Everything is written relative to directory descriptors (mkdirat, openat, symlinkat, linkat),
// so a million files cost little more than the file system's own work. Only integer arithmetic
// decides what goes where, so the result does not depend on the C library either.
//
// Adding a mode: write `TreeSummary makeSomething(int rootFd, const TreeOptions&)` with the
// building blocks below, and list it in modes().

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tornivo::bench {

// Bumped whenever a mode writes something different for the same options: trees kept on disk
// from an older generator are then made again.
inline constexpr int kGeneratorVersion = 1;

// splitmix64: tiny, fast and the same everywhere (the standard distributions are not).
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, n); 0 when n is 0.
    std::uint64_t below(std::uint64_t n);
    // Uniform in [lo, hi].
    std::uint64_t between(std::uint64_t lo, std::uint64_t hi) { return lo + below(hi - lo + 1); }
    // True with probability `perMillion` / 1,000,000.
    bool chance(std::uint32_t perMillion) { return below(1'000'000) < perMillion; }
    // Roughly log-uniform in [lo, hi] (lo >= 1): a power of two is picked first, then a value
    // inside it, so small values are common and large ones rare.
    std::uint64_t spread(std::uint64_t lo, std::uint64_t hi);

  private:
    std::uint64_t state_;
};

// One seed from two values, so each file can draw from its own stream whatever order files are
// written in.
std::uint64_t mixSeed(std::uint64_t a, std::uint64_t b);

struct TreeOptions {
    std::uint64_t files = 1'000'000;  // entries besides folders: regular files and links
    std::uint64_t folders = 100'000;  // below the root
    std::uint64_t seed = 1;
    unsigned jobs = 2;  // threads writing files; the tree does not depend on it
};

struct TreeSummary {
    std::uint64_t folders = 0;  // below the root
    std::uint64_t files = 0;    // regular files, extra hard-link names not included
    std::uint64_t emptyFiles = 0;
    std::uint64_t symlinks = 0;
    std::uint64_t hardLinks = 0;     // extra names of files counted in `files`
    std::uint64_t contentBytes = 0;  // logical bytes written
    std::uint64_t largestFile = 0;
};

// Pseudo-random bytes that file contents are cut from. Content depends only on the pool's seed,
// the file's content id and its size: two files with the same id and size are identical, and
// different ids give different bytes from the 8th byte on (the id is written first).
class ContentPool {
  public:
    explicit ContentPool(std::uint64_t seed);
    // Creates `name` in `dirfd` (which must not exist) with `size` bytes of content `contentId`,
    // then sets its access and modification times (seconds since the epoch). Throws
    // std::system_error naming `name` on failure.
    void writeFile(int dirfd, const char* name, std::uint64_t size, std::uint64_t contentId,
                   std::int64_t accessTime, std::int64_t modificationTime) const;

  private:
    static constexpr std::size_t kSize = 1 << 20;
    std::vector<unsigned char> bytes_;
};

// About `files` entries in `folders` folders, shaped like a home folder: folders nested a few
// levels deep, common names and extensions, UTF-8 and space-containing names, hidden files and
// folders, mostly small files (0 to a few KiB) with a few large ones, some symbolic links (to
// files, to folders, to ancestors, dangling) and a few hard links. `rootFd` must be an empty
// directory.
TreeSummary makeManyFiles(int rootFd, const TreeOptions& options);

// A tree for duplicate finders, about `files` regular files of 1 MiB and more (400 make about
// 1.5 GB) in `folders` folders (at least 8): Downloads, Documents, Desktop, Pictures and Movies
// (the folders a finder is given) hold planted groups of 2 to 4 identical files, look-alikes of
// the same size that differ in the first, the last or a middle byte, and identical pairs of
// exactly 1 MiB and of one byte less; hidden folders, hidden files and Music (outside the five)
// hold more copies that a finder must not report; a file in thirty has a second name (a hard
// link) and as many symbolic links point at files. Names include spaces, UTF-8 and one name
// that is not UTF-8.
TreeSummary makeDuplicates(int rootFd, const TreeOptions& options);

struct Mode {
    std::string_view name;
    std::string_view description;
    TreeSummary (*make)(int rootFd, const TreeOptions& options);
};

// Every mode, by the name the command line uses.
std::span<const Mode> modes();

}  // namespace tornivo::bench
