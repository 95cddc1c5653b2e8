#include "X11Desktop.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWindow>

#include <cstdlib>
#include <memory>
#include <string>

namespace tornivo::app {

namespace {

xcb_connection_t* connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* c, const std::string& name) {
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.c_str()), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The screen number of $DISPLAY (":0.1" is screen 1), which is the one Qt draws on.
int defaultScreen() {
    const char* display = std::getenv("DISPLAY");
    if (!display) return 0;
    const std::string text(display);
    const auto dot = text.rfind('.');
    return dot != std::string::npos && dot > text.rfind(':') ? std::atoi(text.c_str() + dot + 1)
                                                             : 0;
}

}  // namespace

bool xembedTrayPresent() {
    xcb_connection_t* c = connection();
    if (!c) return false;
    const xcb_atom_t selection = atom(c, "_NET_SYSTEM_TRAY_S" + std::to_string(defaultScreen()));
    if (selection == XCB_ATOM_NONE) return false;
    Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr),
        &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

void keepOutOfTaskbar(QWindow* window) {
    xcb_connection_t* c = connection();
    if (!c || !window || window->isVisible()) return;
    const xcb_atom_t states[] = {atom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 atom(c, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                        atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(c);
}

}  // namespace tornivo::app
