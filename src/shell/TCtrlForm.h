// The control panel: a borderless window over the playfield's top edge with
// the LED time and score, five picture buttons, the menu and minimise
// pictures, and a drag strip along its top that brings the playfield along.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <array>
#include <utility>

#include "PictureControl.h"

class TMainForm;

// The strip that acts as the panel's title bar: x 16..283, y 0..14.
constexpr QRect kDragStrip(16, 0, 268, 15);
// Where the playfield lies relative to the panel.
constexpr QPoint kPlayfieldOffset(-69, 100);

// The two digits shown for a value: "0" and the digit below 10, otherwise
// the first two digits of its decimal text (100 shows 1 0). A negative value
// shows 0 0.
std::pair<int, int> LedDigits(int value);
// Whether a client point lies in the drag strip (right and bottom excluded).
bool InDragStrip(QPoint point);

class TCtrlForm : public QWidget {
    Q_OBJECT
public:
    enum TButtonPicture { Up = 0, Over = 1, Down = 2 };

    // Creation uses the playfield's PanelBitmap and ButtonBitmaps.
    explicit TCtrlForm(TMainForm& mainForm);

    TPictureControl NewBtnImage{this};
    TPictureControl PauseBtnmage{this};
    TPictureControl CloseBtnImage{this};
    TPictureControl HighScoreBtnImage{this};
    TPictureControl AboutBtnImage{this};
    TPictureControl MenuImage{this};
    TPictureControl MinImage{this};
    // By Tag: New, Pause, Close, HighScore, About.
    std::array<TPictureControl*, 5> Buttons;

    QPixmap MinUpBitmap, MinDownBitmap, MenuBitmap;
    QPixmap LEDImageList, ScoreImageList;  // ten 16 x 21 digits side by side

    bool ButtonDown = false;
    bool Quitting = false;

    // Which picture button `tag` shows now.
    TButtonPicture ButtonPicture(int tag) const { return pictures_[tag]; }

    // Draws the four LED digits for the current time and score.
    void DrawTimeAndScore();
    // All five buttons show their Up pictures.
    void ResetBtnImages();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void ConnectButton(TPictureControl& button);
    void SetButtonPicture(int tag, TButtonPicture picture);
    void BtnImageMouseDown(int tag, Qt::MouseButton button);
    void BtnImageMouseUp(int tag, Qt::MouseButton button);
    void BtnImageMouseMove(int tag);
    void BtnImageClick(int tag);
    void MenuImageClick();
    void MinImageClick();
    void PlacePlayfield();
    // Draws a value's two digits and returns them.
    std::pair<int, int> DrawDigits(QPainter& painter, const QPixmap& strip, int x, int value);

    TMainForm& mainForm_;
    std::array<TButtonPicture, 5> pictures_{};
    std::pair<int, int> shownTime_{-1, -1};  // the digits on the panel now
    std::pair<int, int> shownScore_{-1, -1};
    bool dragging_ = false;
    QPoint dragGrip_;  // the pointer's offset from the panel's corner
};
