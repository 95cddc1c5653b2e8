#include "platform/Trash.h"

#include <gio/gio.h>

namespace tornivo {

bool Trash::moveToTrash(const Path& location) {
    if (location.empty()) return false;
    // g_file_new_for_path takes the path's bytes as they are.
    GFile* file = g_file_new_for_path(location.c_str());
    GError* error = nullptr;
    const bool moved = g_file_trash(file, nullptr, &error);
    if (error) g_error_free(error);
    g_object_unref(file);
    return moved;
}

}  // namespace tornivo
