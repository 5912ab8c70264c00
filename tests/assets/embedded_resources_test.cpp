// The program finds every picture, icon and the sound in its own resources,
// by name, in a form Qt reads.
#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QString>

namespace {

struct Expected {
    const char* Name;
    int Width, Height;
};

const Expected kBitmaps[] = {
    {"BACKGROUND", 437, 284}, {"SPRITE", 275, 179}, {"MASK", 275, 179}, {"CONTROL1", 300, 100},
    {"HIGHSCORE", 240, 320}, {"ABOUT", 320, 180}, {"OKUP", 60, 25}, {"OKDOWN", 60, 25},
    {"NEWUP", 30, 25}, {"NEWOVER", 30, 25}, {"NEWDOWN", 30, 25},
    {"PAUSEUP", 30, 25}, {"PAUSEOVER", 30, 25}, {"PAUSEDOWN", 30, 25},
    {"CLOSEUP", 30, 25}, {"CLOSEOVER", 30, 25}, {"CLOSEDOWN", 30, 25},
    {"HIGHSCOREUP", 30, 25}, {"HIGHSCOREOVER", 30, 25}, {"HIGHSCOREDOWN", 30, 25},
    {"ABOUTUP", 30, 25}, {"ABOUTOVER", 30, 25}, {"ABOUTDOWN", 30, 25},
    {"MINUP", 12, 12}, {"MINDOWN", 12, 12}, {"MENU", 12, 12},
    {"LEDDIGITS", 160, 21}, {"SCOREDIGITS", 160, 21},
};

TEST(EmbeddedResources, EveryBitmapLoadsByNameAtItsSize) {
    for (const Expected& e : kBitmaps) {
        const QImage img(QString(":/%1.bmp").arg(e.Name));
        ASSERT_FALSE(img.isNull()) << e.Name;
        EXPECT_EQ(img.width(), e.Width) << e.Name;
        EXPECT_EQ(img.height(), e.Height) << e.Name;
    }
    EXPECT_EQ(QImage(":/ABOUT.bmp").pixel(100, 100), qRgb(34, 40, 55));
}

TEST(EmbeddedResources, IconsHoldTheirImageSizes) {
    QImageReader tray(":/TRAYICON.ico");
    ASSERT_TRUE(tray.canRead());
    std::vector<int> sizes;
    for (int i = 0; i < tray.imageCount(); ++i) {
        tray.jumpToImage(i);
        sizes.push_back(tray.read().width());
    }
    EXPECT_EQ(sizes, (std::vector<int>{32, 16}));
    EXPECT_EQ(QImage(":/MAINICON.ico").size(), QSize(32, 32));
    const QImage about(":/ABOUTICON.png");
    EXPECT_EQ(about.size(), QSize(32, 32));
    EXPECT_TRUE(about.hasAlphaChannel());
    EXPECT_EQ(qAlpha(about.pixel(0, 0)), 0);  // the corner is transparent
}

TEST(EmbeddedResources, TheHitSoundIsThere) {
    QFile hit(":/HIT.wav");
    ASSERT_TRUE(hit.open(QIODevice::ReadOnly));
    EXPECT_EQ(hit.read(4), QByteArray("RIFF"));
}

}  // namespace
