// The game window minimised and restored during play, once between answers and once in the middle
// of a fall: afterwards the screen shows the canvas, the canvas is what a window never minimised
// holds, and the game plays on.
#include <QBackingStore>
#include <gtest/gtest.h>

#include "support/ActiveWindow.h"
#include "StillPlays.h"
#include "support/WaitUntil.h"

namespace {

// The part of the scene where the pirate walks and falls, above the play controls.
const QRect scenePart(0, 0, 735, 360);

// What the screen shows there: the window's backing store, which the offscreen platform keeps as
// an image, once the window has painted what it had to.
QImage shownScene(frmScallywise &w)
{
    QCoreApplication::processEvents();
    const auto *screen = dynamic_cast<const QImage *>(w.backingStore()->paintDevice());
    if (!screen)
        return {};
    const QPoint client = w.clientArea()->mapTo(&w, QPoint(0, 0));
    return screen->copy(scenePart.translated(client)).convertToFormat(QImage::Format_RGB32);
}

QImage canvasScene(frmScallywise &w) { return w.canvas().copy(scenePart).convertToFormat(QImage::Format_RGB32); }

void minimiseAndRestore(frmScallywise &w)
{
    if (!w.isMinimized())
        w.showMinimized();
    ASSERT_TRUE(waitUntil([&] { return w.isMinimized(); }));
    w.showMaximized();  // as it first showed
    ASSERT_TRUE(waitUntil([&] { return !w.isMinimized() && w.isVisible(); }));
    testsupport::makeActive(&w);
}

}  // namespace

TEST(Minimised, RestoredBetweenAnswersOrInTheMiddleOfAFallItShowsWhatItShouldAndPlaysOn)
{
    GameDriver game, untouched;
    // Each window plays the same; keys go to the active one.
    auto both = [&](const std::function<void(GameDriver &)> &play) {
        for (GameDriver *g : {&game, &untouched}) {
            testsupport::makeActive(&g->w());
            play(*g);
        }
    };
    auto sameScene = [&] { return canvasScene(game.w()) == canvasScene(untouched.w()); };
    auto showsCanvas = [&] { return shownScene(game.w()) == canvasScene(game.w()); };
    both([](GameDriver &g) {
        g.chooseLevel("easy");
        for (int i = 0; i < 7; ++i)
            g.answerRight();
    });
    minimiseAndRestore(game.w());
    EXPECT_TRUE(sameScene());
    EXPECT_TRUE(showsCanvas());

    // The next right answer pushes the pirate off the board; the window goes down during his fall.
    int drawn = 0;
    const auto connection = QObject::connect(&game.w(), &frmScallywise::pirateDrawn, [&] {
        if (++drawn == 10)
            game.w().showMinimized();
    });
    both([](GameDriver &g) { g.answerRight(); });
    QObject::disconnect(connection);
    EXPECT_TRUE(game.w().isMinimized());
    EXPECT_EQ(game.w().pirate().pirateCount, 1);
    minimiseAndRestore(game.w());
    EXPECT_TRUE(sameScene());
    EXPECT_TRUE(showsCanvas());

    both([](GameDriver &g) { expectTheGameStillPlays(g); });
    EXPECT_TRUE(sameScene());
    EXPECT_TRUE(showsCanvas());
}
