#pragma once
// Empties the Trash so that what was in it is hard to recover: overwrites every regular file
// with random bytes, pass after pass, each pass flushed to the device, then cuts it to zero
// length and deletes it.
//
// The Trash folder itself is checked first (LayoutRoots.h): a Trash that is, or leads through a
// link to, "/", the home, a folder above it or another folder of the layout, or that is not the
// user's own, is neither listed nor erased. Everything after is done relative to the descriptor
// opened then.
//
// What it will not do, whatever the Trash holds:
// - act on anything but a direct child of the Trash's files folder (a stale or foreign location
//   handed to erase() is left alone);
// - open through a symbolic link: a link at the top of the Trash is removed as a link, a link
//   inside a trashed folder is skipped, its target never opened;
// - write into a file with more than one name: its data is shared with a name outside the
//   Trash, so only the Trash's name is removed;
// - write into a file that is not the one it listed (every open is O_NOFOLLOW, relative to a
//   verified folder, and checked by device and inode before the first byte goes out);
// - enter another mount below the Trash (also a bind mount of the same file system).

#include <cstddef>
#include <optional>
#include <stop_token>
#include <vector>

#include "models/ShredModels.h"
#include "models/Types.h"
#include "platform/Descriptor.h"
#include "platform/Layout.h"
#include "platform/LayoutRoots.h"

namespace tornivo {

// The Trash's items as last listed.
struct TrashContents {
    std::vector<Path> items;  // the direct children of the files folder, in listing order
    std::vector<FileIdentity> identities;  // what each item was when listed, in the same order
    ByteCount totalBytes = 0;
    // Set when the Trash folder was refused (it is "/", the home, ...: see LayoutRoots.h);
    // nothing is listed then.
    std::optional<RootProblem> refused;

    bool operator==(const TrashContents&) const = default;
};

// Watches an erase as it goes. Called on the erasing thread; the default does nothing.
class ShredObserver {
  public:
    virtual ~ShredObserver() = default;
    // A regular file was listed and is about to be opened for writing.
    virtual void opening(const Path& /*file*/) {}
    // One write of a pass (1-based) went out: `length` bytes at `offset`.
    virtual void wrote(const Path& /*file*/, int /*pass*/, ByteCount /*offset*/,
                       ByteCount /*length*/) {}
    // A pass was flushed to the device.
    virtual void flushed(const Path& /*file*/, int /*pass*/) {}
    // Every pass is on the device; the file is about to be cut to zero length.
    virtual void overwritten(const Path& /*file*/) {}
};

class SecureEraser {
  public:
    explicit SecureEraser(Layout layout, std::size_t chunkSize = 1'048'576);

    // The most bytes one write carries; random data is made in buffers of this size.
    std::size_t chunkSize() const { return chunkSize_; }

    // The direct children of the Trash (hidden ones too) and what they take on disk: a folder
    // counts everything below it, anything else its own allocated size. A mount below the Trash
    // is listed but not measured. Empty when the Trash cannot be read.
    TrashContents trashContents() const;

    // Erases the given items of the Trash with `passes` overwrite passes (at least 1).
    // - A regular file is overwritten, cut to zero length and removed; counted with its size
    //   (allocated, as listed). A read-only file of the user's own is made writable first.
    // - A file with nothing to overwrite (empty, or not a regular file: link, pipe, socket) and
    //   a file with more than one name are removed without writing; counted, 0 bytes.
    // - A folder: every regular file below it with one name is overwritten and its size added,
    //   then the folder is removed as a whole; counted only when all of it went.
    //   Links below it are skipped and removed as links; a folder that cannot be opened, or a
    //   mount, is not entered and not counted.
    // - A regular file that cannot be overwritten stays, uncounted; so does a mount.
    // Holes of a sparse file are not written (there is nothing in them, and filling them could
    // fill the disk).
    // Erasing an item of a freedesktop Trash also removes its restore record
    // (info/NAME.trashinfo) and its line of the directorysizes cache.
    // Only items still as they were listed (FileStatus.h: isStill) are touched; the others are
    // left, as "changed".
    //
    // A stop asked through `stop` ends it between chunks: the file being overwritten is cut to
    // zero length and removed (it is never left half-written), the items not reached stay as
    // they were, a folder reached in part stays with the files not yet reached.
    ShredOutcome erase(const TrashContents& listed, int passes, ShredObserver* observer = nullptr,
                       std::stop_token stop = {}) const;

  private:
    // The Trash opened through the checks of LayoutRoots, and its files and info folders reached
    // from it without following a link. `files` is empty when the Trash cannot be used.
    struct OpenTrash {
        UniqueFd trash, files, info;
        FileStatus filesStatus;
        std::optional<RootProblem> refused;
    };
    OpenTrash openTrash() const;

    Layout layout_;
    std::size_t chunkSize_;
};

}  // namespace tornivo
