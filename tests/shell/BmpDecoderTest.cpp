// The program's own bitmap decoder gives the pixels Qt's reader gives, and
// refuses what it cannot decode rather than reading past the file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QImage>
#include <QString>

#include "BmpDecoder.h"
#include "SharedBitmaps.h"

namespace {

QByteArray ResourceBytes(const char* name) {
    QFile file(BitmapResource(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every embedded bitmap, by name: what the resource system holds.
QStringList EmbeddedBitmaps() {
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.bmp")}, QDir::Files))
        names << file.chopped(4);
    return names;
}

TEST(BmpDecoder, GivesQtsPixelsForEveryEmbeddedBitmap) {
    const QStringList bitmaps = EmbeddedBitmaps();
    // The 4-bit bitmap must be among them.
    ASSERT_TRUE(bitmaps.contains(QStringLiteral("MINDOWN"))) << bitmaps.join(' ').toStdString();
    for (const QString& each : bitmaps) {
        const QByteArray latin = each.toLatin1();
        const char* name = latin.constData();
        const QByteArray bytes = ResourceBytes(name);
        const QImage fast = DecodePalettedBmp(bytes);
        const QImage qt = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(fast.isNull()) << name;
        EXPECT_EQ(fast.format(), QImage::Format_RGB32) << name;
        EXPECT_EQ(fast, qt) << name;
        EXPECT_EQ(LoadBitmapImage(name), qt) << name;
    }
}

TEST(BmpDecoder, RefusesWhatItCannotDecode) {
    const QByteArray good = ResourceBytes("MINDOWN");
    ASSERT_FALSE(DecodePalettedBmp(good).isNull());
    auto with = [&](qsizetype at, std::initializer_list<uint8_t> bytes) {
        QByteArray b = good;
        for (uint8_t v : bytes) b[at++] = char(v);
        return b;
    };
    const struct {
        const char* What;
        QByteArray Bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"cut short in the pixels", good.left(good.size() - 1)},
        {"cut short in the header", good.left(30)},
        {"not a bitmap", with(0, {'P', 'K'})},
        {"run-length compressed", with(30, {2, 0, 0, 0})},
        {"24 bits per pixel", with(28, {24, 0})},
        {"zero width", with(18, {0, 0, 0, 0})},
        {"a palette larger than the depth allows", with(46, {17, 0, 0, 0})},
        {"pixels placed past the end", with(10, {0xFF, 0xFF, 0, 0})},
    };
    for (const auto& c : cases) EXPECT_TRUE(DecodePalettedBmp(c.Bytes).isNull()) << c.What;
}

}  // namespace
