// An image control whose picture is swapped by mouse events.
//
// A left press captures the mouse: moves and the release come here until the
// button is up, wherever the pointer is. On the left release the click is
// reported first, and only if the pointer is still inside; then the release.
// The second press of a double click is reported as a press, and its release
// reports no click. Right and middle buttons are reported as presses and
// releases but never click.
#pragma once

#include <QPixmap>
#include <QWidget>

class TPictureControl : public QWidget {
    Q_OBJECT
public:
    explicit TPictureControl(QWidget* parent = nullptr);

    // The control keeps its own copy of the picture.
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }
    int Tag = 0;

signals:
    void MouseDown(Qt::MouseButton button, QPoint position);
    void MouseUp(Qt::MouseButton button, QPoint position);
    void MouseMove(QPoint position);
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool clickPending_ = false;  // a left press whose release may click
};
