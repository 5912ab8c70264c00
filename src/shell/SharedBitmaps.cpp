#include "SharedBitmaps.h"

#include <QImage>
#include <stdexcept>

namespace {

const char* const kButtonResourceNames[15] = {
    "NEWUP",       "NEWOVER",       "NEWDOWN",       "PAUSEUP", "PAUSEOVER", "PAUSEDOWN",
    "CLOSEUP",     "CLOSEOVER",     "CLOSEDOWN",     "HIGHSCOREUP", "HIGHSCOREOVER",
    "HIGHSCOREDOWN", "ABOUTUP",     "ABOUTOVER",     "ABOUTDOWN",
};

}  // namespace

QString BitmapResource(const char* name) {
    return QStringLiteral(":/") + QString::fromLatin1(name) + QStringLiteral(".bmp");
}

QImage LoadBitmapImage(const char* name) {
    // The format is named, so no image plugin is probed for it.
    QImage image(BitmapResource(name), "BMP");
    // Every asset is embedded, so a missing one is a build fault.
    if (image.isNull())
        throw std::runtime_error(std::string("Resource ") + name + " not found");
    return image;
}

QPixmap LoadBitmapPixmap(const char* name) { return QPixmap::fromImage(LoadBitmapImage(name)); }

burrowbop::RgbBitmap ToRgbBitmap(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    burrowbop::RgbBitmap bitmap(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const uint32_t*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) bitmap.At(x, y) = line[x] | 0xFF000000u;
    }
    return bitmap;
}

QImage ImageOf(const burrowbop::RgbBitmap& bitmap) {
    // Shares the pixels: RgbBitmap's layout is QImage's RGB32.
    return QImage(reinterpret_cast<const uchar*>(bitmap.Pixels.data()), bitmap.Width,
                  bitmap.Height, bitmap.Width * 4, QImage::Format_RGB32);
}

void LoadSharedBitmaps(TSharedBitmaps& b) {
    const QImage background = LoadBitmapImage("BACKGROUND");
    b.BackgroundBitmap = ToRgbBitmap(background);
    b.Background = QPixmap::fromImage(background);
    b.BackBuffer = burrowbop::RgbBitmap(background.width(), background.height());
    b.AboutBitmap = LoadBitmapPixmap("ABOUT");
    b.HighScoreBitmap = LoadBitmapPixmap("HIGHSCORE");
    b.OkUpBitmap = LoadBitmapPixmap("OKUP");
    b.OkDownBitmap = LoadBitmapPixmap("OKDOWN");
    b.PanelBitmap = LoadBitmapPixmap("CONTROL1");
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 3; ++j) b.ButtonBitmaps[i][j] = LoadBitmapPixmap(kButtonResourceNames[3 * i + j]);
    b.SpriteBitmap = ToRgbBitmap(LoadBitmapImage("SPRITE"));
    b.MaskBitmap = ToRgbBitmap(LoadBitmapImage("MASK"));
    b.BackBuffer.Pixels = b.BackgroundBitmap.Pixels;
}

void FreeSharedBitmaps(TSharedBitmaps& b) { b = TSharedBitmaps{}; }
