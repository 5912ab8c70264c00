// The playfield window: borderless, shaped by a rounded region, showing the
// composed playfield. It owns the game, its two timers, the command menu,
// the tray icon, the shared bitmaps and the top-ten table; its handlers only
// translate Qt events into engine operations and engine output into pixels.
#pragma once

#include <QWidget>
#include <random>
#include <string>

#include "Game.h"
#include "GamePorts.h"
#include "HighScoreTable.h"
#include "HitSound.h"
#include "ScoreFile.h"
#include "SharedBitmaps.h"
#include "SwitchTimer.h"
#include "TRatMenu.h"
#include "TrayIcon.h"

class TAboutBox;
class TCtrlForm;
class THighScoreForm;

struct TMainFormOptions {
    // The score file; rat.ini in the working directory unless a test says.
    std::string ScoreFilePath = std::string(burrowbop::ScoreFile::kDefaultPath);
};

class TMainForm : public QWidget, private burrowbop::GamePorts {
    Q_OBJECT
public:
    // The creation of the playfield: captions, game state, the table, the
    // bitmaps, size, shape, centring and the tray icon.
    explicit TMainForm(const TMainFormOptions& options = {});
    ~TMainForm() override;

    // The windows created after this one, which its handlers use.
    void AttachWindows(TAboutBox* aboutBox, TCtrlForm* ctrlForm, THighScoreForm* highScoreForm);

    TSwitchTimer RatTimer;
    TSwitchTimer ScoreTimer;
    TRatMenu RatMenu;
    TTrayIcon TrayIcon;
    THitSound HitSound;
    TSharedBitmaps Bitmaps;
    burrowbop::HighScoreTable Table;

    const burrowbop::Game& GameState() const { return game_; }
    // The window's rounded shape.
    const QRegion& Shape() const { return shape_; }
    // True once the teardown has run.
    bool TornDown() const { return tornDown_; }

    void ApplyMainCaptions();
    // Menu handlers (reached by clicking the items).
    void NewClick();
    void cmPauseOrResumeClick();
    void cmHideClick();
    void cmHighscoreClick();
    void cmQuitClick();
    void cmAboutClick();
    void RatMenuPopup();
    // The tray icon's callback: 515 left double click, 516 right press.
    void WMTrayIcon(int code);
    void ShowMenuAtCursor();
    // The session or a signal ends the program without a close: writes the
    // table if it changed since it was last written.
    void SaveForSessionEnd();

signals:
    // The teardown has run; the application ends.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // GamePorts.
    void SetTimerEnabled(burrowbop::TGameTimer timer, bool enabled) override;
    void SetPlayfieldCursor(burrowbop::TCursor cursor) override;
    void Repaint() override;
    void DrawPlainBoard() override;
    void PlayHitSound() override;
    void ResetBtnImages() override;
    bool IsNewRecord() override;
    void EnterNewRecord() override;
    void Randomize() override;
    int Random(int range) override;

    void ConnectHandlers();
    void ShapeAndPlace();
    void ComposePicture();
    void ActivateApplication();

    // What the next paint shows: a fresh composition (a paint request of the
    // system), the picture the game just composed, or the plain board.
    enum class NextPaint { Compose, Composed, PlainBoard };

    burrowbop::ScoreFile scoreFile_;
    burrowbop::Game game_;
    std::mt19937 random_;
    TAboutBox* aboutBox_ = nullptr;
    TCtrlForm* ctrlForm_ = nullptr;
    THighScoreForm* highScoreForm_ = nullptr;
    NextPaint nextPaint_ = NextPaint::Compose;
    QRegion shape_;
    bool tornDown_ = false;
    bool savedSinceChange_ = false;
};
