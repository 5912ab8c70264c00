#include "TMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <chrono>

#include "AppInfo.h"
#include "ErrorBox.h"
#include "ModalLoop.h"
#include "NameDialog.h"
#include "NoTaskbar.h"
#include "Playfield.h"
#include "RoundRegion.h"
#include "TAboutBox.h"
#include "WindowShape.h"
#include "TCtrlForm.h"
#include "THighScoreForm.h"

using burrowbop::TCursor;
using burrowbop::TGameTimer;
using burrowbop::TMouseButton;

namespace {

constexpr int kCornerEllipse = 128;  // width and height of the corner ellipses
const QString kShowCaption = QStringLiteral("显示(&S)");

bool GameButton(Qt::MouseButton button, TMouseButton& out) {
    switch (button) {
        case Qt::LeftButton: out = TMouseButton::mbLeft; return true;
        case Qt::RightButton: out = TMouseButton::mbRight; return true;
        case Qt::MiddleButton: out = TMouseButton::mbMiddle; return true;
        default: return false;
    }
}

}  // namespace

TMainForm::TMainForm(const TMainFormOptions& options)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      RatTimer(burrowbop::kRatTimerIntervalMs),
      ScoreTimer(burrowbop::kScoreTimerIntervalMs),
      scoreFile_(options.ScoreFilePath),
      game_(*this) {
    ConnectHandlers();
    ApplyMainCaptions();
    game_.StartUp();
    Table.LoadHighScores(scoreFile_);
    LoadSharedBitmaps(Bitmaps);
    ShapeAndPlace();
    TrayIcon.Add(QIcon(QStringLiteral(":/TRAYICON.ico")), QString::fromUtf8(appinfo::kChineseTitle));
}

TMainForm::~TMainForm() = default;

void TMainForm::AttachWindows(TAboutBox* aboutBox, TCtrlForm* ctrlForm, THighScoreForm* highScoreForm) {
    aboutBox_ = aboutBox;
    ctrlForm_ = ctrlForm;
    highScoreForm_ = highScoreForm;
}

void TMainForm::ConnectHandlers() {
    // Every handler is entered here, so an error it raises is shown and ends
    // that handler, and nothing reaches Qt's event loop.
    auto guarded = [this](void (TMainForm::*handler)()) {
        return [this, handler] { RunHandler(this, [&] { (this->*handler)(); }); };
    };
    connect(&RatTimer, &TSwitchTimer::OnTimer, this, [this] {
        if (!tornDown_) RunHandler(this, [this] { game_.RatTimerTimer(); });
    });
    connect(&ScoreTimer, &TSwitchTimer::OnTimer, this, [this] {
        if (!tornDown_) RunHandler(this, [this] { game_.ScoreTimerTimer(); });
    });
    connect(&RatMenu.cmNewGame, &TMenuItem::OnClick, this, guarded(&TMainForm::NewClick));
    connect(&RatMenu.cmPauseOrResume, &TMenuItem::OnClick, this, guarded(&TMainForm::cmPauseOrResumeClick));
    connect(&RatMenu.cmHide, &TMenuItem::OnClick, this, guarded(&TMainForm::cmHideClick));
    connect(&RatMenu.cmHighscore, &TMenuItem::OnClick, this, guarded(&TMainForm::cmHighscoreClick));
    connect(&RatMenu.cmQuit, &TMenuItem::OnClick, this, guarded(&TMainForm::cmQuitClick));
    connect(&RatMenu.cmAbout, &TMenuItem::OnClick, this, guarded(&TMainForm::cmAboutClick));
    connect(&RatMenu, &TRatMenu::Popup, this, &TMainForm::RatMenuPopup);
    connect(&TrayIcon, &TTrayIcon::WMTrayIcon, this, [this](int code) {
        RunHandler(this, [&] { WMTrayIcon(code); });
    });
}

void TMainForm::ShapeAndPlace() {
    const int w = Bitmaps.BackgroundBitmap.Width;
    const int h = Bitmaps.BackgroundBitmap.Height;
    setFixedSize(w, h);
    // Every paint draws the whole picture, so nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    shape_ = RoundRectRegion({0, 0, w, h, kCornerEllipse, kCornerEllipse});
    SetWindowShape(this, shape_);
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, [this] { SetWindowShape(this, shape_); });
    setMouseTracking(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        // Integer division truncates towards zero, also for a narrow screen.
        move(s.x() + (s.width() - w) / 2, s.y() + (s.height() - h) / 2);
    }
    KeepOffTaskbar(this);
}

void TMainForm::ApplyMainCaptions() {
    const QString title = QString::fromUtf8(appinfo::kChineseTitle);
    SetApplicationTitle(title);
    setWindowTitle(title);
    RatMenu.ApplyCaptions();
}

// --- commands ---------------------------------------------------------------

void TMainForm::NewClick() { game_.NewClick(); }
void TMainForm::cmPauseOrResumeClick() { game_.cmPauseOrResumeClick(); }

void TMainForm::cmHideClick() {
    if (RatMenu.cmHide.Caption() == kShowCaption) {
        show();  // places and shows the panel
        if (ctrlForm_) ctrlForm_->show();
        return;
    }
    hide();
    if (ctrlForm_) ctrlForm_->hide();
    if (game_.Playing()) RatMenu.cmPauseOrResume.Click();
}

void TMainForm::cmHighscoreClick() {
    if (!highScoreForm_) return;
    // A second leaderboard command while it is shown (from the tray's menu,
    // or a record of a game resumed behind it) refreshes and raises it
    // instead of nesting a second showing.
    if (highScoreForm_->IsShowing()) {
        highScoreForm_->BringToFront(Table.HighScores);
        return;
    }
    RatMenu.cmPauseOrResume.Click();
    highScoreForm_->ShowTable(Table.HighScores);
    RatMenu.cmPauseOrResume.Click();
}

void TMainForm::cmQuitClick() { close(); }

void TMainForm::cmAboutClick() {
    RatMenu.cmPauseOrResume.Click();
    if (aboutBox_) aboutBox_->ShowModal();
    RatMenu.cmPauseOrResume.Click();
}

void TMainForm::RatMenuPopup() { RatMenu.Refresh(isVisible(), game_.Playing(), game_.Paused()); }

void TMainForm::ActivateApplication() {
    // The program's visible windows come to the front; hidden ones stay hidden.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) window->raise();
    }
    // A dialog being shown stays above the windows it blocks.
    if (QDialog* dialog = ShownModalDialog()) {
        dialog->raise();
        dialog->activateWindow();
    } else if (isVisible()) {
        activateWindow();
    }
    QCoreApplication::processEvents();
}

void TMainForm::WMTrayIcon(int code) {
    if (code == kTrayLeftDoubleClick)
        ActivateApplication();
    else if (code == kTrayRightButtonDown)
        ShowMenuAtCursor();
}

void TMainForm::ShowMenuAtCursor() {
    const QPoint position = QCursor::pos();
    ActivateApplication();
    RatMenu.PopupAt(position);
}

// --- window events ------------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ctrlForm_ || tornDown_) return;
    ctrlForm_->move(x() + 69, y() - 100);
    ctrlForm_->show();
    ctrlForm_->raise();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (tornDown_) return event->accept();
    // A failed save keeps the program running with the table in memory, so
    // the player can make room and quit again; nothing is lost.
    if (!RunHandler(this, [this] { Table.SaveHighScores(scoreFile_); })) return event->ignore();
    savedSinceChange_ = true;
    tornDown_ = true;
    // No tick and no paint after the bitmaps are gone.
    RatTimer.SetEnabled(false);
    ScoreTimer.SetEnabled(false);
    FreeSharedBitmaps(Bitmaps);
    TrayIcon.Remove();
    if (ctrlForm_) ctrlForm_->hide();
    event->accept();
    emit Closed();
}

void TMainForm::SaveForSessionEnd() {
    if (tornDown_ || savedSinceChange_) return;
    try {
        Table.SaveHighScores(scoreFile_);
        savedSinceChange_ = true;
    } catch (const std::exception&) {
        // Nobody is left to tell; the table stays as it was on disk.
    }
}

void TMainForm::paintEvent(QPaintEvent*) {
    if (tornDown_) return;
    QPainter painter(this);
    if (nextPaint_ == NextPaint::PlainBoard) {
        painter.drawPixmap(0, 0, Bitmaps.Background);
    } else {
        if (nextPaint_ == NextPaint::Compose) ComposePicture();
        painter.drawImage(0, 0, ImageOf(Bitmaps.BackBuffer));
        if (ctrlForm_) ctrlForm_->DrawTimeAndScore();
    }
    nextPaint_ = NextPaint::Compose;
}

void TMainForm::ComposePicture() {
    const burrowbop::PlayfieldSheets sheets{&Bitmaps.BackgroundBitmap, &Bitmaps.SpriteBitmap,
                                            &Bitmaps.MaskBitmap, &Bitmaps.Cutout};
    burrowbop::ComposePlayfield(Bitmaps.BackBuffer, sheets, burrowbop::SceneOf(game_));
}

void TMainForm::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    game_.FormMouseMove(p.x(), p.y());
}

void TMainForm::mousePressEvent(QMouseEvent* event) {
    TMouseButton button;
    const QPoint p = event->position().toPoint();
    if (GameButton(event->button(), button)) game_.FormMouseDown(button, p.x(), p.y());
}

void TMainForm::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}

void TMainForm::mouseReleaseEvent(QMouseEvent* event) {
    TMouseButton button;
    const QPoint p = event->position().toPoint();
    if (GameButton(event->button(), button)) game_.FormMouseUp(button, p.x(), p.y());
}

// --- what the engine asks for -------------------------------------------------

void TMainForm::SetTimerEnabled(TGameTimer timer, bool enabled) {
    if (tornDown_ && enabled) return;
    (timer == TGameTimer::RatTimer ? RatTimer : ScoreTimer).SetEnabled(enabled);
}

void TMainForm::SetPlayfieldCursor(TCursor cursor) {
    setCursor(cursor == TCursor::crNone ? Qt::BlankCursor : Qt::ArrowCursor);
}

void TMainForm::Repaint() {
    if (tornDown_) return;
    // The picture is composed now, from the state of this moment; the window
    // shows it in one copy at its next paint, which also draws the digits.
    ComposePicture();
    nextPaint_ = NextPaint::Composed;
    update();
}

void TMainForm::DrawPlainBoard() {
    if (tornDown_) return;
    nextPaint_ = NextPaint::PlainBoard;
    update();
}

void TMainForm::PlayHitSound() { HitSound.Play(); }

void TMainForm::ResetBtnImages() {
    if (ctrlForm_) ctrlForm_->ResetBtnImages();
}

bool TMainForm::IsNewRecord() { return Table.IsNewRecord(game_.HitCount()); }

void TMainForm::EnterNewRecord() {
    const std::string name = AskRecordName(this);
    Table.EnterNewRecord(name, TodayShortDate(), game_.HitCount());
    savedSinceChange_ = false;
    RatMenu.cmHighscore.Click();
}

void TMainForm::Randomize() {
    random_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
}

int TMainForm::Random(int range) {
    if (range <= 0) return 0;
    return std::uniform_int_distribution<int>(0, range - 1)(random_);
}
