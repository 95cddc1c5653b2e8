#pragma once
// Moving to the Trash, the freedesktop way, so the file manager can restore what was moved: the
// home Trash for files on the home's file system, the $topdir/.Trash-$uid Trash of another
// mount otherwise, with the restore record written in full before the move (GIO's
// g_file_trash does all of this and keeps byte names intact). A move that cannot be made
// restorable fails: nothing is ever deleted instead.

#include "models/Types.h"

namespace tornivo {

struct Trash {
    // Moves the entry itself (a link is moved as a link). True when it is in the Trash now.
    static bool moveToTrash(const Path& location);
};

}  // namespace tornivo
