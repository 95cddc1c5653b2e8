#pragma once
// Small state files that several processes share (the preferences, the record of the last move
// to the Trash): written whole or not at all, one writer at a time.

#include <string_view>

#include "models/Types.h"
#include "platform/Descriptor.h"

namespace tornivo {

// Makes `folder` and the folders above it; whether it is a folder now.
bool makeFolders(const Path& folder);

// An exclusive lock on the file `lockPath`, held until the descriptor is closed; empty when it
// cannot be had. The lock lives in a file of its own so that replacing the file it guards never
// drops it. Never through a link (root would otherwise create a file wherever one points), and
// only a regular file: anything else put there makes the lock fail.
UniqueFd lockExclusively(const Path& lockPath);

// Replaces `file` with `data` (mode 0600): written to a temporary file beside it, synchronised,
// renamed over it, and the folder synchronised, so that a reader sees the old or the new
// contents, never a part.
bool replaceFile(const Path& file, std::string_view data);

}  // namespace tornivo
