// Built into the application and its Qt Quick tests in the sanitizer build only (make sanitize).
//
// Qt 6.4's software scene graph never deletes the texture it made for an Image once the window
// is gone: the texture (a QPixmap of the decoded picture, with the painter it was drawn with)
// stays allocated until the process exits. A window of fifteen lines showing one Image, PNG or
// SVG, cached or not, closed, hidden or deleted first, leaks the same ten to twenty blocks.
// Those blocks are suppressed by the two Qt functions they are made under; the stacks reach
// them only with the slow unwinder (Qt is built without frame pointers), so these builds use it.
// A leak of ours keeps frames of its own and is still reported.

extern "C" const char* __asan_default_options() {
    return "fast_unwind_on_malloc=0";
}

// Quiet about the suppressions it used: the end-to-end runs read the program's standard error.
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}

extern "C" const char* __lsan_default_suppressions() {
    return "leak:QSGRenderContext::textureForFactory\n"
           "leak:QQuickPixmap::load\n"
           // libdbus's read buffer, still held by Qt's D-Bus thread when a second instance hands
           // over to the first and exits at once.
           "leak:_dbus_read\n";
}
