#pragma once
// Permanent removal of a file or of a whole folder tree, hardened against links and mounts:
// - a symbolic link inside the tree is removed as a link, its target never touched;
// - a symbolic link given as the location itself is refused (nothing is removed);
// - nothing on another mount is entered or removed (also a bind mount of the same file system);
// - every directory is opened relative to its parent with O_NOFOLLOW and checked to be the one
//   that was listed, so a directory swapped for a link or another folder mid-way leads nowhere;
// - no recursion and a bounded number of open descriptors, whatever the depth.

#include "models/Outcome.h"
#include "models/Types.h"

namespace tornivo {

struct SafeRemover {
    // Whether the location is gone in full; when not, the first reason it stayed.
    struct Result {
        bool removed = false;
        LeftReason reason = LeftReason::failed;
        explicit operator bool() const { return removed; }
    };
    // What to do with a symbolic link given as the thing to remove.
    enum class GivenLink { refuse, removeAsLink };

    // Removes `location` and, for a folder, everything below it. On any failure it removes what
    // it safely can and says why the rest stayed. A link given as the location is refused: the
    // caller may have meant its target.
    static Result remove(const Path& location);
    // The same for the entry `name` (one path component) of the open directory `parentFd`:
    // for callers that have already reached and checked that directory, so nothing on the way
    // to it can be swapped before the removal acts. A link there is removed as a link when the
    // caller listed it as one.
    static Result removeAt(int parentFd, const char* name, GivenLink link = GivenLink::refuse);
};

}  // namespace tornivo
