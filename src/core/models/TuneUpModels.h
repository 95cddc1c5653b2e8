#pragma once
// A maintenance task: one shell command, run with administrator rights where it needs them.

#include <string>

namespace tornivo {

struct TuneUpAction {
    std::string id;  // stable; also builds the localization keys
    std::string icon;
    std::string command;
    bool needsAdmin = false;

    bool operator==(const TuneUpAction&) const = default;
};

}  // namespace tornivo
