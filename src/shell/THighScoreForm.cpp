#include "THighScoreForm.h"

#include "SharedBitmaps.h"

THighScoreForm::THighScoreForm(const TSharedBitmaps& bitmaps, QWidget* parent)
    : QDialog(parent), bitmaps_(bitmaps) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(240, 320);
}

int THighScoreForm::ShowTable(const burrowbop::THighScores&) {
    showing_ = true;
    const int result = exec();
    showing_ = false;
    return result;
}

void THighScoreForm::BringToFront(const burrowbop::THighScores&) { raise(); }
