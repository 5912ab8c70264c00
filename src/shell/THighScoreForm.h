// The leaderboard window: the ten records over the HIGHSCORE picture.
//
// Object names as in the window layout: ScoreImage, CloseImage, OKButton.
// The thirty text labels exist only while a display is shown.
#pragma once

#include <QDialog>
#include <QList>

#include "HighScores.h"

struct TSharedBitmaps;
class TClosePicture;
class TMnemonicLabel;

class THighScoreForm : public QDialog {
    Q_OBJECT
public:
    // Creation uses HighScoreBitmap, OkUpBitmap and OkDownBitmap.
    explicit THighScoreForm(const TSharedBitmaps& bitmaps, QWidget* parent = nullptr);
    // Creates the thirty labels for `table`, shows the window modally and
    // frees the labels after it closes. Returns the modal result. While a
    // display is already shown it only brings that one to the front with
    // `table` (returning 0): displays never nest.
    int ShowTable(const burrowbop::THighScores& table);
    // True while a display is shown (a second display must not nest).
    bool IsShowing() const { return showing_; }
    // Refreshes the labels of the shown display and raises it.
    void BringToFront(const burrowbop::THighScores& table);

    // The labels of the display being shown, row by row, three per row
    // (name, date, score); empty when no display is shown.
    const QList<TMnemonicLabel*>& DisplayLabels() const { return labels_; }

private:
    void FormCreate();
    void CreateLabels();
    void FillLabels(const burrowbop::THighScores& table);
    void FreeLabels();

    const TSharedBitmaps& bitmaps_;
    TClosePicture* closeImage_ = nullptr;
    QList<TMnemonicLabel*> labels_;
    bool showing_ = false;
};
