// tornivo-bench-trash: moves every regular file at the top of one folder to the Trash through
// the large-file scanner's removal, all selected, in name order, as the section does.
//
//   tornivo-bench-trash FOLDER
//
// Prints: moved=N of=M bytes=B wall_seconds=S (the time of the removal alone). The Trash is the
// current user's layout's: point XDG_DATA_HOME elsewhere to keep the real one untouched.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "Timing.h"
#include "engines/LargeFileScanner.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tornivo-bench-trash FOLDER\n");
        return 2;
    }
    const tornivo::Path folder(argv[1]);
    std::vector<tornivo::LargeFile> files;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
        auto st = tornivo::statEntry(AT_FDCWD, e.path().c_str());
        if (st && st->isRegular())
            files.push_back({tornivo::Uuid::random(),
                             e.path(),
                             st->allocatedSize,
                             {},
                             true,
                             tornivo::identityOf(e.path())});
    }
    if (ec) {
        std::fprintf(stderr, "tornivo-bench-trash: %s: %s\n", argv[1], ec.message().c_str());
        return 1;
    }
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.url < b.url; });
    const tornivo::LargeFileScanner scanner(tornivo::Layout::currentUser());
    tornivo::ByteCount bytes = 0;
    double seconds = tornivo::bench::secondsOf([&] { bytes = scanner.remove(files).freed; });
    std::size_t left = 0;
    for (const auto& f : files) left += tornivo::statEntry(AT_FDCWD, f.url.c_str()) ? 1 : 0;
    std::printf("moved=%zu of=%zu bytes=%lld wall_seconds=%.6f\n", files.size() - left,
                files.size(), static_cast<long long>(bytes), seconds);
    return left == 0 ? 0 : 1;
}
