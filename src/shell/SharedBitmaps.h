// The bitmaps that more than one window uses, loaded once at start-up by the
// playfield window and owned by it until it closes.
//
// Resources are embedded under ":/NAME.ext": bitmaps ":/BACKGROUND.bmp",
// ":/SPRITE.bmp", ... the digit strips ":/LEDDIGITS.bmp" and
// ":/SCOREDIGITS.bmp" (ten 16 x 21 digits side by side), the icons
// ":/TRAYICON.ico", ":/MAINICON.ico", ":/ABOUTICON.png", the sound ":/HIT.wav".
#pragma once

#include <QPixmap>
#include <QString>
#include <array>

#include "Bitmap.h"

struct TSharedBitmaps {
    // The playfield's pictures in the engine's own pixel format.
    burrowbop::RgbBitmap BackgroundBitmap;
    burrowbop::RgbBitmap BackBuffer;
    burrowbop::RgbBitmap SpriteBitmap;
    burrowbop::RgbBitmap MaskBitmap;
    // SpriteBitmap and MaskBitmap in one sheet (MakeCutout), made once after
    // they are loaded; empty if they are not a clean pair.
    burrowbop::RgbBitmap Cutout;
    // Window pictures.
    QPixmap Background;  // BACKGROUND, for drawing the plain board
    QPixmap AboutBitmap;
    QPixmap HighScoreBitmap;
    QPixmap OkUpBitmap;
    QPixmap OkDownBitmap;
    QPixmap PanelBitmap;
    // Entries 0 New, 1 Pause, 2 Close, 3 HighScore, 4 About; each Up, Over, Down.
    std::array<std::array<QPixmap, 3>, 5> ButtonBitmaps;
};

// ":/NAME.bmp" for a bitmap resource name such as "BACKGROUND".
QString BitmapResource(const char* name);

class QImage;
// A bitmap resource by name; throws std::runtime_error when it is missing.
QImage LoadBitmapImage(const char* name);
QPixmap LoadBitmapPixmap(const char* name);
// Between Qt's images and the engine's pixels (0xFFRRGGBB).
burrowbop::RgbBitmap ToRgbBitmap(const QImage& image);
// A view of the bitmap's pixels; valid while the bitmap lives unchanged.
QImage ImageOf(const burrowbop::RgbBitmap& bitmap);
// Creates every shared bitmap from its resource, in the start-up order,
// and the back buffer as a copy of the board.
void LoadSharedBitmaps(TSharedBitmaps& bitmaps);
// Frees them all (the playfield's teardown).
void FreeSharedBitmaps(TSharedBitmaps& bitmaps);
