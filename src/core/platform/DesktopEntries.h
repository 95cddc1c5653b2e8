#pragma once
// The applications that desktop entries make visible: what a freedesktop menu lists.

#include <vector>

#include "models/UninstallModels.h"

namespace tornivo {

// The desktop entries below each of `folders` (searched in their order), read through GIO. An
// entry's desktop-file ID is its path below its folder with "/" turned into "-"; the first folder
// that holds an ID decides for it, so a Hidden entry of the user's removes the system's entry of
// the same ID. Only readable entries of Type=Application whose program exists count, and of those
// only the ones neither Hidden nor NoDisplay. Each application comes with its entry's Name and
// path, in the order the entries were found.
std::vector<InstalledApp> desktopEntryApps(const std::vector<Path>& folders);

}  // namespace tornivo
