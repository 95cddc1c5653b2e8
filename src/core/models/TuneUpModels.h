#pragma once
// A maintenance task: one shell command, run with administrator rights where it needs them.

#include <string>
#include <vector>

#include "models/Types.h"

namespace tornivo {

struct TuneUpAction {
    std::string id;  // stable; also builds the localization keys
    std::string icon;
    std::string command;
    bool needsAdmin = false;
    // The program the task relies on; where it is not installed (not on PATH) the task is not
    // offered. Empty for the tasks every system can run.
    std::string tool = {};
    // A part run first as the user, for a task with both a user's and the system's share.
    std::string userCommand = {};
    // The task says what it freed: the shrinking of these folders (the user's own, measured by
    // the program), plus what the privileged helper reports for the folders only root may read.
    bool reportsFreed = false;
    std::vector<Path> measured = {};
    // Done by the program itself rather than by a command: the thumbnail cache removed as a junk
    // item is (clearThumbnailCache), so no protected folder, link or other mount is reached.
    bool clearsThumbnails = false;

    bool operator==(const TuneUpAction&) const = default;
};

}  // namespace tornivo
