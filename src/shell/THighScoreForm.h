// The leaderboard window: the ten records over the HIGHSCORE picture.
#pragma once

#include <QDialog>

#include "HighScores.h"

struct TSharedBitmaps;

class THighScoreForm : public QDialog {
    Q_OBJECT
public:
    // Creation uses HighScoreBitmap, OkUpBitmap and OkDownBitmap.
    explicit THighScoreForm(const TSharedBitmaps& bitmaps, QWidget* parent = nullptr);
    // Creates the thirty labels for `table`, shows the window modally and
    // frees the labels after it closes. Returns the modal result.
    int ShowTable(const burrowbop::THighScores& table);
    // True while a display is shown (a second display must not nest).
    bool IsShowing() const { return showing_; }
    // Refreshes the labels of the shown display and raises it.
    void BringToFront(const burrowbop::THighScores& table);

private:
    const TSharedBitmaps& bitmaps_;
    bool showing_ = false;
};
