// The command menu: seven items in menu order, opened at a screen point.
#pragma once

#include <QObject>
#include <QPoint>

#include "MenuItem.h"

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

signals:
    void Popup();

private:
    QMenu* menu_ = nullptr;
};
