#include "SharedBitmaps.h"

#include <QImage>
#include <QResource>
#include <stdexcept>

#include "BmpDecoder.h"
#include "Playfield.h"

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
    const QString path = BitmapResource(name);
    // Our own bitmaps decode straight from the embedded bytes into 32-bit
    // pixels; anything else goes through Qt's reader (the format is named,
    // so no image plugin is probed for it).
    QImage image;
    const QResource resource(path);
    if (resource.isValid()) {
        image = resource.compressionAlgorithm() == QResource::NoCompression
                    ? DecodePalettedBmp(QByteArrayView(resource.data(), resource.size()))
                    : DecodePalettedBmp(resource.uncompressedData());
    }
    if (image.isNull()) image = QImage(path, "BMP");
    // Every asset is embedded, so a missing one is a build fault.
    if (image.isNull())
        throw std::runtime_error(std::string("Resource ") + name + " not found");
    return image;
}

QPixmap LoadBitmapPixmap(const char* name) { return QPixmap::fromImage(LoadBitmapImage(name)); }

burrowbop::RgbBitmap ToRgbBitmap(const QImage& image) {
    // A shallow copy when the image is RGB32 already, as decoded bitmaps are.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    burrowbop::RgbBitmap bitmap(rgb.width(), rgb.height());
    uint32_t* out = bitmap.Pixels.data();
    for (int y = 0; y < rgb.height(); ++y, out += bitmap.Width) {
        const auto* line = reinterpret_cast<const uint32_t*>(rgb.constScanLine(y));
        for (int x = 0; x < bitmap.Width; ++x) out[x] = line[x] | 0xFF000000u;
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
    b.Cutout = burrowbop::MakeCutout(b.SpriteBitmap, b.MaskBitmap);
    b.BackBuffer.Pixels = b.BackgroundBitmap.Pixels;
}

void FreeSharedBitmaps(TSharedBitmaps& b) { b = TSharedBitmaps{}; }
