// The pirate on the game window's canvas, with the real sheets and scene: where he stands, that he
// leaves no trail, and that the window shows what the canvas holds.
#include <gtest/gtest.h>

#include "sprite/Compositor.h"
#include "support/GameDriver.h"

namespace {

class Canvas : public ::testing::Test {
protected:
    void SetUp() override { game.chooseLevel("easy"); }

    // The scene with exactly one pirate drawn at the given place and frame, the long way.
    QImage sceneWithOnePirate(QPoint place, QPoint frame)
    {
        QImage expected = w.background().copy();
        Compositor fresh(w.Picsprite->image(), w.Picmask->image());
        fresh.moveItFull(expected, w.background(), place, frame);
        return expected;
    }
    QPoint place() const { return {w.pirate().x, w.pirate().y}; }
    QPoint frame() const { return {w.pirate().sx, w.pirate().sy}; }

    GameDriver game;
    frmScallywise &w = game.w();
};

}  // namespace

TEST_F(Canvas, ThePirateStandsWithHisBootsOnTheBoard)
{
    const QImage &mask = w.Picmask->image();
    ASSERT_EQ(mask.size(), QSize(174, 364));
    // The lowest row of the standing cell that holds any of the pirate.
    int lowest = -1;
    for (int y = 8; y < 8 + 84; ++y)
        for (int x = 0; x < 50; ++x)
            if (QColor(mask.pixel(x, y)) == Qt::black)
                lowest = y;
    const int bootsBottom = 135 + (lowest - 8);
    EXPECT_GE(bootsBottom, 216);  // on the board's top edge...
    EXPECT_LE(bootsBottom, 218);  // ...not sunk into it
    EXPECT_EQ(place(), QPoint(340, 135));
    EXPECT_EQ(w.canvas(), sceneWithOnePirate({340, 135}, {0, 8}));
}

TEST_F(Canvas, NoTrailAfterAnySequenceOfSteps)
{
    const char moves[] = "RRWRRRWWRRRRRRRRRWRRRRRRRRRRW";
    for (char m : moves) {
        if (m == 'R')
            game.answerRight();
        else if (m == 'W')
            game.answerWrong();
        else
            continue;
        ASSERT_EQ(w.canvas(), sceneWithOnePirate(place(), frame())) << "after a move to " << place().x();
    }
    EXPECT_GE(w.pirate().pirateCount, 1);
}

TEST_F(Canvas, TheWindowShowsTheCanvasAgainAfterItIsHiddenOrMinimised)
{
    game.answerRight();
    const QRect cell(place(), QSize(50, 84));
    const QImage before = w.clientArea()->grab(cell).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(before, w.canvas().copy(cell));
    w.showMinimized();
    w.showMaximized();
    w.hide();
    w.show();
    const QImage after = w.clientArea()->grab(cell).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(after, before);
}

TEST_F(Canvas, CoversTheSceneOnlyAndTheWindowShowsItsColourAroundIt)
{
    // The pirate never leaves the scene, so neither the canvas nor its clean copy need more room,
    // whatever the size of the screen the window is maximised on.
    EXPECT_EQ(w.canvas().size(), QSize(735, 456));
    EXPECT_EQ(w.background().size(), QSize(735, 456));
    w.resize(1000, 800);  // a window larger than the scene: the rest is the window's dark teal
    QTRY_COMPARE(w.clientArea()->width(), 1000);
    game.answerRight();
    const QImage shown = w.clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect aboveTheControls(0, 0, 735, 360);
    EXPECT_EQ(shown.copy(aboveTheControls), w.canvas().copy(aboveTheControls));
    for (const QPoint beyond : {QPoint(735, 0), QPoint(999, 100), QPoint(0, 456), QPoint(900, 700)})
        EXPECT_EQ(QColor(shown.pixel(beyond)), QColor(0x004040)) << beyond.x() << "," << beyond.y();
}
