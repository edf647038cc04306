#include "platform/qt/x11_hints.h"

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace qtui::x11 {

namespace {

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, std::strlen(name), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    if (!reply) return XCB_ATOM_NONE;
    const xcb_atom_t found = reply->atom;
    std::free(reply);
    return found;
}

bool hasAtom(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t wanted) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(c, 0, window, property, XCB_ATOM_ATOM, 0, 1024);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    if (!reply) return false;
    bool found = false;
    if (reply->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < count && !found; ++i) found = atoms[i] == wanted;
    }
    std::free(reply);
    return found;
}

}  // namespace

void askForBorderOnly(QWidget& window) {
    xcb_connection_t* c = connection();
    if (!c) return;
    // The Motif hints every X11 window manager reads: flags (here: decorations are given),
    // functions, decorations (here: the border alone), input mode, status.
    constexpr std::uint32_t DecorationsGiven = 1u << 1, Border = 1u << 1;
    const std::uint32_t hints[5] = {DecorationsGiven, 0, Border, 0, 0};
    const xcb_atom_t motif = atom(c, "_MOTIF_WM_HINTS");
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()), motif,
                        motif, 32, 5, hints);
    xcb_flush(c);
}

void keepOutOfTaskbar(QWidget& window) {
    xcb_connection_t* c = connection();
    if (!c) return;
    // Qt keeps the states it finds on the window when it adds its own at the showing.
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t skip = atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
    if (hasAtom(c, id, state, skip)) return;
    xcb_change_property(c, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32, 1, &skip);
    xcb_flush(c);
}

}  // namespace qtui::x11
