#pragma once
// The tasks tornivo-helper runs as root, as a fixed table looked up by exact name. The name is
// all a caller chooses: nothing it gives reaches a shell, a path or a program's arguments, and
// polkit's policy has one action (one message, one grant) per name.

#include <span>
#include <string_view>

namespace tornivo::helper {

struct PrivilegedAction {
    std::string_view name;
    // Does the task and returns the exit status, or becomes the system tool that does it.
    int (*run)();
};

std::span<const PrivilegedAction> privilegedActions();
const PrivilegedAction* findPrivilegedAction(std::string_view name);

}  // namespace tornivo::helper
