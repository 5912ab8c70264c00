#include "TCtrlForm.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "SharedBitmaps.h"
#include "TMainForm.h"

namespace {

constexpr int kDigitWidth = 16;
constexpr int kDigitHeight = 21;
constexpr int kDigitTop = 36;
constexpr int kTimeLeft = 88;
constexpr int kScoreLeft = 208;
constexpr int kButtonTop = 75;
constexpr QSize kButtonSize(30, 25);
constexpr QPoint kMenuOffset(14, 14);
constexpr QRect kTimeDigits(kTimeLeft, kDigitTop, 2 * kDigitWidth, kDigitHeight);
constexpr QRect kScoreDigits(kScoreLeft, kDigitTop, 2 * kDigitWidth, kDigitHeight);

const char* const kButtonHints[5] = {"开始新游戏", "暂停", "退出", "排行榜", "关于"};

}  // namespace

std::pair<int, int> LedDigits(int value) {
    if (value < 0) return {0, 0};
    if (value < 10) return {0, value};
    // The first two digits of the decimal text, without making the text on
    // every tick.
    while (value >= 100) value /= 10;
    return {value / 10, value % 10};
}

bool InDragStrip(QPoint point) { return kDragStrip.contains(point); }

TCtrlForm::TCtrlForm(TMainForm& mainForm)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint),
      Buttons{&NewBtnImage, &PauseBtnmage, &CloseBtnImage, &HighScoreBtnImage, &AboutBtnImage},
      mainForm_(mainForm) {
    setWindowTitle(QStringLiteral("Burrowbop panel"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    CreateControls();
    // Kept above the playfield by the window manager, and not counted as a
    // window of its own when the playfield closes.
    winId();
    mainForm_.winId();
    if (windowHandle()) windowHandle()->setTransientParent(mainForm_.windowHandle());
}

void TCtrlForm::CreateControls() {
    const TSharedBitmaps& b = mainForm_.Bitmaps;
    setFixedSize(b.PanelBitmap.size());
    MenuImage.setGeometry(2, 2, 12, 12);
    MinImage.setGeometry(width() - 14, 2, 12, 12);
    MinUpBitmap = LoadBitmapPixmap("MINUP");
    MinDownBitmap = LoadBitmapPixmap("MINDOWN");
    MenuBitmap = LoadBitmapPixmap("MENU");
    LEDImageList = LoadBitmapPixmap("LEDDIGITS");
    ScoreImageList = LoadBitmapPixmap("SCOREDIGITS");
    MinImage.SetPicture(MinUpBitmap);
    MenuImage.SetPicture(MenuBitmap);
    for (int i = 0; i < 5; ++i) {
        TPictureControl& button = *Buttons[i];
        button.Tag = i;
        button.setGeometry(QRect(QPoint(25 + 55 * i, kButtonTop), kButtonSize));
        button.SetPicture(b.ButtonBitmaps[i][Up]);
        button.setToolTip(QString::fromUtf8(kButtonHints[i]));
        ConnectButton(button);
    }
    MenuImage.setToolTip(QStringLiteral("菜单"));
    MinImage.setToolTip(QStringLiteral("最小化"));
    connect(&MenuImage, &TPictureControl::Click, this, &TCtrlForm::MenuImageClick);
    connect(&MinImage, &TPictureControl::MouseDown, this, [this] { MinImage.SetPicture(MinDownBitmap); });
    connect(&MinImage, &TPictureControl::MouseUp, this, [this] { MinImage.SetPicture(MinUpBitmap); });
    connect(&MinImage, &TPictureControl::Click, this, &TCtrlForm::MinImageClick);
}

void TCtrlForm::ConnectButton(TPictureControl& button) {
    const int tag = button.Tag;
    connect(&button, &TPictureControl::MouseDown, this,
            [this, tag](Qt::MouseButton b, QPoint) { BtnImageMouseDown(tag, b); });
    connect(&button, &TPictureControl::MouseUp, this,
            [this, tag](Qt::MouseButton b, QPoint) { BtnImageMouseUp(tag, b); });
    connect(&button, &TPictureControl::MouseMove, this, [this, tag](QPoint) { BtnImageMouseMove(tag); });
    connect(&button, &TPictureControl::Click, this, [this, tag] { BtnImageClick(tag); });
}

void TCtrlForm::SetButtonPicture(int tag, TButtonPicture picture) {
    // Only a change is drawn: the playfield resets the buttons on every move.
    if (pictures_[tag] == picture) return;
    pictures_[tag] = picture;
    Buttons[tag]->SetPicture(mainForm_.Bitmaps.ButtonBitmaps[tag][picture]);
}

void TCtrlForm::ResetBtnImages() {
    for (int tag = 0; tag < 5; ++tag) SetButtonPicture(tag, Up);
}

// --- buttons --------------------------------------------------------------------

void TCtrlForm::BtnImageMouseMove(int tag) {
    // While a press is held the pressed button keeps its Down picture.
    if (ButtonDown) return;
    ResetBtnImages();
    SetButtonPicture(tag, Over);
}

void TCtrlForm::BtnImageMouseDown(int tag, Qt::MouseButton button) {
    if (button != Qt::LeftButton) return;
    SetButtonPicture(tag, Down);
    ButtonDown = true;
}

void TCtrlForm::BtnImageMouseUp(int tag, Qt::MouseButton button) {
    // After the quit click the playfield has freed the button pictures.
    if (button != Qt::LeftButton || Quitting) return;
    SetButtonPicture(tag, Up);
    ButtonDown = false;
}

void TCtrlForm::BtnImageClick(int tag) {
    TRatMenu& menu = mainForm_.RatMenu;
    switch (tag) {
        case 0: menu.cmNewGame.Click(); break;
        case 1: menu.cmPauseOrResume.Click(); break;
        case 2:
            Quitting = true;
            menu.cmQuit.Click();
            // A failed save keeps the program running: the panel works on.
            if (!mainForm_.TornDown()) Quitting = false;
            break;
        case 3: menu.cmHighscore.Click(); break;
        case 4: menu.cmAbout.Click(); break;
        default: break;
    }
}

void TCtrlForm::MenuImageClick() { mainForm_.RatMenu.PopupAt(pos() + kMenuOffset); }

void TCtrlForm::MinImageClick() {
    // Minimising never resumes a paused game.
    if (!mainForm_.GameState().Paused()) mainForm_.RatMenu.cmPauseOrResume.Click();
    mainForm_.hide();
    hide();
}

// --- painting ---------------------------------------------------------------------

void TCtrlForm::DrawTimeAndScore() {
    // Only the four digits are drawn again, not the skin, and only when they
    // show something new: drawing the same digits again changes no pixel.
    const auto time = LedDigits(mainForm_.GameState().TimeLeft());
    const auto score = LedDigits(mainForm_.GameState().HitCount());
    if (time != shownTime_) update(kTimeDigits);
    if (score != shownScore_) update(kScoreDigits);
}

std::pair<int, int> TCtrlForm::DrawDigits(QPainter& painter, const QPixmap& strip, int x, int value) {
    const auto digits = LedDigits(value);
    const auto [tens, units] = digits;
    painter.drawPixmap(x, kDigitTop, strip, tens * kDigitWidth, 0, kDigitWidth, kDigitHeight);
    painter.drawPixmap(x + kDigitWidth, kDigitTop, strip, units * kDigitWidth, 0, kDigitWidth, kDigitHeight);
    return digits;
}

namespace {

// What a paint of `region` leaves on the screen in `box`: the digits just
// drawn when it covers the box, unknown ones when it covers a part of it.
void NoteShown(const QRegion& region, QRect box, std::pair<int, int> drawn, std::pair<int, int>& shown) {
    const QRegion covered = region & box;
    if (covered == QRegion(box))
        shown = drawn;
    else if (!covered.isEmpty())
        shown = {-1, -1};
}

}  // namespace

void TCtrlForm::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, mainForm_.Bitmaps.PanelBitmap);
    const auto time = DrawDigits(painter, LEDImageList, kTimeLeft, mainForm_.GameState().TimeLeft());
    const auto score = DrawDigits(painter, ScoreImageList, kScoreLeft, mainForm_.GameState().HitCount());
    NoteShown(event->region(), kTimeDigits, time, shownTime_);
    NoteShown(event->region(), kScoreDigits, score, shownScore_);
}

// --- the drag strip and the panel's own surface -------------------------------------

void TCtrlForm::PlacePlayfield() {
    if (!mainForm_.TornDown()) mainForm_.move(pos() + kPlayfieldOffset);
}

void TCtrlForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !InDragStrip(event->position().toPoint())) return;
    dragging_ = true;
    dragGrip_ = event->globalPosition().toPoint() - pos();
    PlacePlayfield();
}

void TCtrlForm::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        move(event->globalPosition().toPoint() - dragGrip_);
        PlacePlayfield();
        return;
    }
    // The strip is the panel's title bar: a move there re-places the
    // playfield, and only moves over the rest of the surface reset buttons.
    if (InDragStrip(event->position().toPoint()))
        PlacePlayfield();
    else
        ResetBtnImages();
}

void TCtrlForm::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) return;
    move(event->globalPosition().toPoint() - dragGrip_);
    dragging_ = false;
    PlacePlayfield();
}

void TCtrlForm::closeEvent(QCloseEvent* event) {
    // Closing the panel closes the program; if the playfield stays (its save
    // failed), the panel stays with it.
    mainForm_.close();
    if (mainForm_.TornDown())
        event->accept();
    else
        event->ignore();
}
