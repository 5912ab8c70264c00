// The command menu: seven items in menu order, opened at a screen point.
//
// The menu opens with QMenu::popup and returns at once: the program's own
// event loop runs it, so the game timers keep ticking while it is open, a
// click elsewhere closes it, and tests never block on it.
#pragma once

#include <QObject>
#include <QPoint>

#include "MenuItem.h"

class QAction;
class QMenu;

class TRatMenu : public QObject {
    Q_OBJECT
public:
    explicit TRatMenu(QObject* parent = nullptr);
    ~TRatMenu() override;

    TMenuItem cmNewGame{"New Game"};
    TMenuItem cmPauseOrResume{"Pause"};
    TMenuItem cmHide{"Hide"};
    TMenuItem cmHighscore{"Highscore"};
    TMenuItem cmQuit{"Quit"};
    TMenuItem N1{"-"};
    TMenuItem cmAbout{"About"};

    // The Chinese captions set at start.
    void ApplyCaptions();
    // Refreshes the Hide/Show and Pause/Resume items for the current state;
    // run on every opening, before the menu shows.
    void Refresh(bool playfieldVisible, bool playing, bool paused);
    // Emits Popup (whose handler calls Refresh), then shows the menu with its
    // top-left corner at `screenPoint`; choosing an item clicks it.
    void PopupAt(QPoint screenPoint);

    // The menu widget, for finding it on the screen (null before the first
    // opening is not a case: it exists from construction).
    QMenu* Menu() const { return menu_; }
    // The menu entry that shows `item`.
    QAction* ActionOf(const TMenuItem& item) const;

signals:
    void Popup();

private:
    void SyncActions();

    QMenu* menu_ = nullptr;
};
