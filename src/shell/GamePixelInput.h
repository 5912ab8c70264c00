// Mouse positions in the game's own pixels on a scaled screen.
//
// At a scale factor of 2 the device pixel 31 lies at 15.5 game pixels, in
// the right half of game pixel 15. The widget layer rounds that to 16, so a
// press on the right or bottom half of a game pixel would count for its
// neighbour, and the hit test, the drag strip and the picture buttons would
// be off by one device pixel. This filter cuts the fraction off before the
// widgets see the event: every press, release and move lands on the game
// pixel that is drawn under the pointer.
#pragma once

#include <QObject>
#include <QPointF>

// The game pixel that contains a point given in fractional game pixels.
QPointF GamePixel(const QPointF& point);

class TGamePixelInput : public QObject {
public:
    // Filters every window's mouse events for as long as `parent` lives;
    // pass the application.
    explicit TGamePixelInput(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
