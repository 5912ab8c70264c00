#include "NoTaskbar.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <array>
#include <cstring>

namespace {

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply) return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    free(reply);
    return atom;
}

}  // namespace

void KeepOffTaskbar(QWidget* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = InternAtom(connection, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> skip{InternAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                         InternAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(skip.size()), skip.data());
    xcb_flush(connection);
}
