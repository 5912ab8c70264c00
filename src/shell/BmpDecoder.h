// Decoding the program's own bitmaps (uncompressed device-independent
// bitmaps with a palette) straight into 32-bit pixels, without Qt's image
// reader and a second conversion from palette indices.
#pragma once

#include <QByteArrayView>
#include <QImage>

// The picture as Format_RGB32, or a null image for anything but an
// uncompressed 1, 4 or 8 bits-per-pixel bitmap with a palette (the caller
// then falls back to Qt's reader).
QImage DecodePalettedBmp(QByteArrayView file);
