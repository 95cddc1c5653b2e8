#pragma once
// The home most command-line tests run against, the same files in either layout: junk in the
// caches and logs folders, installers (one of an installed application), two identical copies,
// big old files, every date fixed.

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

#include "CliHome.h"

namespace tornivo::test {

class SampleHome : public CliHome {
  public:
    static constexpr ByteCount kMiB = 1'048'576;

    explicit SampleHome(LayoutKind kind) : CliHome(kind) {
        const Layout& l = layout();
        const Path caches = l.junkRoots.at(0).folder, logs = l.junkRoots.at(1).folder;
        dated(writeFile(caches / "org.example.Editor/cache.db", 11 * kMiB, 'c'));
        dated(writeFile(caches / "thumbnails.db", 128 * 1024, 't'));
        dated(writeFile(logs / "Xorg.0.log", 64 * 1024, 'l'));
        dated(writeFile(*l.downloads / "Editor-2.0.iso", 11 * kMiB, 'e'));
        dated(writeFile(*l.downloads / "tool.iso", 192 * 1024, 'i'));
        dated(writeFile(*l.downloads / "copy-b.bin", 17 * 64 * 1024, 'd'));
        dated(writeFile(*l.documents / "copy-a.bin", 17 * 64 * 1024, 'd'));
        dated(allocate(*l.documents / "old-movie.mkv", 100 * kMiB));
        // The installed application, both ways: a desktop entry and a bundle.
        dated(writeText(home() / ".local/share/applications/org.example.Editor.desktop",
                        "[Desktop Entry]\nType=Application\nName=Editor\nExec=true\n"));
        makeDir(home() / "Applications/Editor.app");
    }

    static TimePoint longAgo() { return utc(2024, 3, 4, 10); }

    static Path allocate(const Path& file, ByteCount size) {
        makeDir(file.parent_path());
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const bool made = fd >= 0 && ::posix_fallocate(fd, 0, size) == 0;
        if (fd >= 0) ::close(fd);
        if (!made) throw std::runtime_error("cannot allocate " + file.native());
        return file;
    }

  private:
    static void dated(const Path& file) { setTimes(file, longAgo(), longAgo()); }
};

}  // namespace tornivo::test
