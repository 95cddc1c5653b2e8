#pragma once
// Test sandbox: a temporary folder removed at the end of the test, a home folder with either
// layout inside it, and builders for files with exact sizes, times and permissions.

#include <sys/types.h>

#include <map>
#include <string>

#include "models/Types.h"
#include "platform/Layout.h"

namespace tornivo::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const Path& path() const { return path_; }
    Path operator/(const Path& rel) const { return path_ / rel; }

  private:
    Path path_;
};

// A home folder in a temporary directory, with the layout of the given kind.
class TempHome {
  public:
    explicit TempHome(LayoutKind kind = LayoutKind::freedesktop, Environment env = {});

    const Path& home() const { return home_; }
    const Layout& layout() const { return layout_; }
    Path operator/(const Path& rel) const { return home_ / rel; }
    // Rebuilds the layout (after writing user-dirs.dirs, say).
    void reload();

  private:
    TempDir dir_;
    Path home_;
    LayoutKind kind_;
    Environment env_;
    Layout layout_;
};

// Creates the parent folders and a file of exactly `size` bytes (filled with `fill`).
Path writeFile(const Path& file, std::size_t size = 0, char fill = 'x');
// Creates the parent folders and a file holding `text`.
Path writeText(const Path& file, std::string_view text);
std::string readText(const Path& file);
Path makeDir(const Path& folder);
Path makeSymlink(const Path& target, const Path& link);
// Sets access and modification times (seconds since the epoch), not following a link.
void setTimes(const Path& file, TimePoint access, TimePoint modification);
// Sets both times of a folder and of everything below it.
void setTreeTimes(const Path& folder, TimePoint when);
// Creates the parent folders and a file of `size` bytes allocated on disk, never written.
Path allocateFile(const Path& file, ByteCount size);
void setMode(const Path& file, mode_t mode);
bool exists(const Path& file);  // without following a final link
// Every entry below a folder (type, size, modification time, and the bytes of small files), to
// show that nothing in it changed: a canary.
std::map<std::string, std::string> snapshot(const Path& folder);
// On-disk size as the file system reports it (st_blocks x 512).
ByteCount allocatedSize(const Path& file);

// Makes permission bits apply to this thread even when it runs as root, by dropping the
// capabilities that override them (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER) from the
// effective set; restores them when destroyed. `active()` is false when that was impossible, in
// which case a permission test must skip with `reason()`.
class PermissionsApply {
  public:
    PermissionsApply();
    ~PermissionsApply();
    PermissionsApply(const PermissionsApply&) = delete;
    PermissionsApply& operator=(const PermissionsApply&) = delete;

    bool active() const { return active_; }
    const std::string& reason() const { return reason_; }

  private:
    bool active_ = false;
    bool dropped_ = false;
    std::string reason_;
    unsigned saved_[2] = {0, 0};
};

}  // namespace tornivo::test
