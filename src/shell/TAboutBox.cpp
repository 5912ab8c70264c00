#include "TAboutBox.h"

#include "SharedBitmaps.h"

TAboutBox::TAboutBox(const TSharedBitmaps& bitmaps, QWidget* parent)
    : QDialog(parent), bitmaps_(bitmaps) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(330, 269);
}

int TAboutBox::ShowModal() { return exec(); }
