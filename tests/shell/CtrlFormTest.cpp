// The control panel driven through its window: placement, the drag strip,
// the button pictures and commands, the LED digits.
#include <QImage>

#include "WindowFixture.h"

using Picture = TCtrlForm::TButtonPicture;

namespace {

QImage Part(const QImage& image, QRect rect) {
    return image.copy(rect).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(LedDigits, TwoDigitsOfAValue) {
    const struct {
        int value, tens, units;
    } cases[] = {{0, 0, 0}, {7, 0, 7}, {10, 1, 0}, {59, 5, 9}, {99, 9, 9}, {100, 1, 0}, {123, 1, 2}, {-3, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(LedDigits(c.value), std::make_pair(c.tens, c.units)) << c.value;
}

TEST(DragStrip, PointsInAndOut) {
    const struct {
        QPoint point;
        bool inside;
    } cases[] = {{{16, 0}, true}, {{283, 14}, true}, {{15, 5}, false}, {{284, 5}, false}, {{100, 15}, false}};
    for (const auto& c : cases) EXPECT_EQ(InDragStrip(c.point), c.inside) << c.point.x() << "," << c.point.y();
}

TEST_F(WindowTest, PanelSitsOnThePlayfieldsTopEdge) {
    EXPECT_EQ(Panel().pos(), Main().pos() + QPoint(69, -100));
    EXPECT_EQ(Panel().size(), QSize(300, 100));
    EXPECT_EQ(Main().size(), QSize(437, 284));
    // Shown again after hiding, the panel is placed again.
    Main().hide();
    Panel().move(10, 10);
    Main().show();
    EXPECT_EQ(Panel().pos(), Main().pos() + QPoint(69, -100));
    EXPECT_TRUE(Panel().isVisible());
}

TEST_F(WindowTest, DraggingTheStripMovesThePanelAndThePlayfieldFollows) {
    const QPoint start = Panel().pos();
    QTest::mousePress(PanelWindow(), Qt::LeftButton, {}, {100, 5});
    QTest::mouseMove(PanelWindow(), {130, 25});
    EXPECT_EQ(Panel().pos(), start + QPoint(30, 20));
    EXPECT_EQ(Main().pos(), Panel().pos() + QPoint(-69, 100));
    // The panel moves with the pointer, so the pointer comes back to the
    // grip's local point (100, 5), where the release ends the drag.
    QTest::mouseMove(PanelWindow(), {110, 5});
    QTest::mouseRelease(PanelWindow(), Qt::LeftButton, {}, {100, 5});
    EXPECT_EQ(Panel().pos(), start + QPoint(40, 20));
    EXPECT_EQ(Main().pos(), Panel().pos() + QPoint(-69, 100));
}

TEST_F(WindowTest, AMoveInTheStripPlacesThePlayfield) {
    Main().move(5, 7);
    QTest::mouseMove(PanelWindow(), {100, 15});  // just below the strip
    EXPECT_EQ(Main().pos(), QPoint(5, 7));
    QTest::mouseMove(PanelWindow(), {100, 14});
    EXPECT_EQ(Main().pos(), Panel().pos() + QPoint(-69, 100));
}

TEST_F(WindowTest, ButtonPicturesFollowThePointer) {
    TCtrlForm& p = Panel();
    const QPoint newButton = CentreOf(p.NewBtnImage);
    const QPoint pauseButton = CentreOf(p.PauseBtnmage);
    QTest::mouseMove(PanelWindow(), newButton);
    EXPECT_EQ(p.ButtonPicture(0), Picture::Over);
    QTest::mouseMove(PanelWindow(), pauseButton);
    EXPECT_EQ(p.ButtonPicture(0), Picture::Up);
    EXPECT_EQ(p.ButtonPicture(1), Picture::Over);
    // The panel's own surface and the playfield reset all five.
    QTest::mouseMove(PanelWindow(), {150, 60});
    EXPECT_EQ(p.ButtonPicture(1), Picture::Up);
    QTest::mouseMove(PanelWindow(), pauseButton);
    QTest::mouseMove(MainWindow(), {200, 200});
    EXPECT_EQ(p.ButtonPicture(1), Picture::Up);
    // The picture shown is the entry of ButtonBitmaps.
    QTest::mouseMove(PanelWindow(), newButton);
    EXPECT_EQ(p.NewBtnImage.Picture().toImage(), Main().Bitmaps.ButtonBitmaps[0][Picture::Over].toImage());
}

TEST_F(WindowTest, HeldPressKeepsItsButtonDownAndReleaseOutsideRunsNothing) {
    TCtrlForm& p = Panel();
    QTest::mousePress(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.NewBtnImage));
    EXPECT_EQ(p.ButtonPicture(0), Picture::Down);
    EXPECT_TRUE(p.ButtonDown);
    QTest::mouseMove(PanelWindow(), CentreOf(p.PauseBtnmage));
    EXPECT_EQ(p.ButtonPicture(0), Picture::Down);
    EXPECT_EQ(p.ButtonPicture(1), Picture::Up);
    QTest::mouseRelease(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.PauseBtnmage));
    EXPECT_EQ(p.ButtonPicture(0), Picture::Up);
    EXPECT_FALSE(p.ButtonDown);
    EXPECT_FALSE(Main().GameState().Playing());
}

TEST_F(WindowTest, NewAndPauseButtonsRunTheirCommands) {
    TCtrlForm& p = Panel();
    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.NewBtnImage));
    EXPECT_TRUE(Main().GameState().Playing());
    EXPECT_TRUE(Main().RatTimer.Enabled());
    EXPECT_EQ(p.ButtonPicture(0), Picture::Up);
    // Other buttons neither change pictures nor run commands.
    QTest::mouseMove(PanelWindow(), CentreOf(p.PauseBtnmage));
    ASSERT_EQ(p.ButtonPicture(1), Picture::Over);
    QTest::mouseClick(PanelWindow(), Qt::RightButton, {}, CentreOf(p.PauseBtnmage));
    EXPECT_EQ(p.ButtonPicture(1), Picture::Over);
    EXPECT_FALSE(Main().GameState().Paused());
    // A double click toggles once: the second press clicks nothing.
    QTest::mouseDClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.PauseBtnmage));
    EXPECT_TRUE(Main().GameState().Paused());
    EXPECT_FALSE(Main().RatTimer.Enabled());
    EXPECT_EQ(p.ButtonPicture(1), Picture::Up);
    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.PauseBtnmage));
    EXPECT_FALSE(Main().GameState().Paused());
}

TEST_F(WindowTest, DisabledPauseItemMakesThePauseButtonDoNothing) {
    Main().RatMenu.cmPauseOrResume.SetEnabled(false);
    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(Panel().NewBtnImage));
    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(Panel().PauseBtnmage));
    EXPECT_TRUE(Main().GameState().Playing());
    EXPECT_FALSE(Main().GameState().Paused());
}

TEST_F(WindowTest, MinimiseHidesBothWindowsAndNeverResumes) {
    TCtrlForm& p = Panel();
    const QPoint min = CentreOf(p.MinImage);
    // A right click shows the pressed picture while held and hides nothing.
    QTest::mousePress(PanelWindow(), Qt::RightButton, {}, min);
    EXPECT_EQ(p.MinImage.Picture().toImage(), p.MinDownBitmap.toImage());
    QTest::mouseRelease(PanelWindow(), Qt::RightButton, {}, min);
    EXPECT_EQ(p.MinImage.Picture().toImage(), p.MinUpBitmap.toImage());
    EXPECT_TRUE(p.isVisible());

    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.NewBtnImage));
    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.PauseBtnmage));
    ASSERT_TRUE(Main().GameState().Paused());
    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, min);
    EXPECT_FALSE(Main().isVisible());
    EXPECT_FALSE(p.isVisible());
    EXPECT_TRUE(Main().GameState().Paused());
}

TEST_F(WindowTest, LedDigitsShowTimeAndScore) {
    TCtrlForm& p = Panel();
    auto digit = [](const QPixmap& strip, int d) { return Part(strip.toImage(), {16 * d, 0, 16, 21}); };
    auto expectShown = [&](int t1, int t2, int s1, int s2) {
        const QImage shown = p.grab().toImage();
        EXPECT_EQ(Part(shown, {88, 36, 16, 21}), digit(p.LEDImageList, t1));
        EXPECT_EQ(Part(shown, {104, 36, 16, 21}), digit(p.LEDImageList, t2));
        EXPECT_EQ(Part(shown, {208, 36, 16, 21}), digit(p.ScoreImageList, s1));
        EXPECT_EQ(Part(shown, {224, 36, 16, 21}), digit(p.ScoreImageList, s2));
    };
    expectShown(5, 9, 0, 0);
    // The skin shows around the digits.
    EXPECT_EQ(Part(p.grab().toImage(), {0, 20, 80, 10}), Part(Main().Bitmaps.PanelBitmap.toImage(), {0, 20, 80, 10}));
    QTest::mouseClick(PanelWindow(), Qt::LeftButton, {}, CentreOf(p.NewBtnImage));
    ASSERT_TRUE(WaitFor([&] { return Main().GameState().TimeLeft() == 58; }, 3000));
    expectShown(5, 8, 0, 0);
}
