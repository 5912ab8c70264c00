#include "WindowShape.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <vector>

void SetWindowShape(QWidget* window, const QRegion& shape) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) {
        window->setMask(shape);
        return;
    }
    xcb_connection_t* connection = x11->connection();
    // The X window is measured in device pixels.
    const qreal f = window->devicePixelRatioF();
    std::vector<xcb_rectangle_t> rectangles;
    for (const QRect& r : shape) {
        const int left = qRound(r.x() * f), top = qRound(r.y() * f);
        const int right = qRound((r.x() + r.width()) * f), bottom = qRound((r.y() + r.height()) * f);
        rectangles.push_back({static_cast<int16_t>(left), static_cast<int16_t>(top),
                              static_cast<uint16_t>(right - left), static_cast<uint16_t>(bottom - top)});
    }
    // The bounding shape also bounds the input: clicks outside fall through.
    xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, XCB_CLIP_ORDERING_YX_BANDED,
                         static_cast<xcb_window_t>(window->winId()), 0, 0,
                         static_cast<uint32_t>(rectangles.size()), rectangles.data());
    xcb_flush(connection);
}
