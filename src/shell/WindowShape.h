// Gives a top-level window a shape: outside it nothing is drawn and clicks
// go to the window beneath. On X11 the shape is set on the X window itself
// (the SHAPE extension), so Qt keeps painting and flushing one rectangle
// per frame instead of clipping every paint to the shape's many rows.
#pragma once

#include <QRegion>

class QWidget;

// `shape` is in the widget's coordinates; call once the window's size is final
// and again when it moves to a screen of another scale. Elsewhere than X11 it
// falls back to QWidget::setMask.
void SetWindowShape(QWidget* window, const QRegion& shape);
