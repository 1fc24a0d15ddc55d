// The pirate's walk and fall in the game window, played through clicks: every drawing is recorded.
#include <QSignalSpy>
#include <algorithm>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "app/toolkit/Pictures.h"
#include "sprite/Compositor.h"
#include "sprite/PirateWalk.h"
#include "support/GameDriver.h"

namespace {

struct Drawn {
    QPoint place;
    QPoint frame;
    bool operator==(const Drawn &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Drawn &d)
{
    return os << "(" << d.place.x() << "," << d.place.y() << ") frame (" << d.frame.x() << "," << d.frame.y() << ")";
}

class Walk : public ::testing::Test {
protected:
    void SetUp() override
    {
        QObject::connect(&w, &frmScallywise::pirateDrawn,
                         [this](QPoint place, QPoint frame) { drawn.push_back({place, frame}); });
        game.chooseLevel("easy");
    }
    void rightAnswers(int n)
    {
        for (int i = 0; i < n; ++i)
            game.answerRight();
    }
    QPoint place() const { return {w.pirate().x, w.pirate().y}; }
    QPoint frame() const { return {w.pirate().sx, w.pirate().sy}; }

    GameDriver game;
    frmScallywise &w = game.w();
    std::vector<Drawn> drawn;
};

// The drawings of a fall from x as the program's frame table gives them: its falling frames, the
// last held, the new pirate beside the ship, and his first step.
std::vector<Drawn> fallFrom(int x)
{
    std::vector<Drawn> frames;
    int y = PirateWalk::startY;
    for (const PirateWalk::FallFrames &run : PirateWalk::fallFrames)
        for (int i = 0; i < run.count; ++i)
            frames.push_back({{x, y += run.drop}, {run.sx, run.sy}});
    for (int i = 0; i < PirateWalk::holdFrames; ++i)
        frames.push_back(frames.back());
    frames.push_back({{PirateWalk::respawnX, PirateWalk::startY}, {0, PirateWalk::towardsEndRow}});
    frames.push_back({{PirateWalk::respawnX - PirateWalk::step, PirateWalk::startY}, {55, PirateWalk::towardsEndRow}});
    return frames;
}

int fallingFrameCount()
{
    int count = 0;
    for (const PirateWalk::FallFrames &run : PirateWalk::fallFrames)
        count += run.count;
    return count;
}

// The highest and lowest row of the sea's surface under the columns, as the sea scene shows it.
std::pair<int, int> surfaceUnder(int left, int width)
{
    const QImage sea = toolkit::loadImage(art::seaScene).convertToFormat(QImage::Format_RGB32);
    const auto isSea = [&](int x, int y) {
        const QRgb c = sea.pixel(x, y);  // teal, or a light-cyan wave line on it
        return c == qRgb(0x00, 0x80, 0x80) || c == qRgb(0x00, 0xFF, 0xFF);
    };
    int highest = sea.height(), lowest = 0;
    for (int x = left; x < left + width; ++x) {
        int y = sea.height() - 1;
        while (y > 0 && isSea(x, y - 1))
            --y;
        highest = std::min(highest, y);
        lowest = std::max(lowest, y);
    }
    return {highest, lowest};
}

// The rows of the cell at the frame where the mask sheet puts the pirate's ink (black).
std::vector<int> inkedRows(QPoint frame)
{
    const QImage mask = toolkit::loadImage(art::maskSheet).convertToFormat(QImage::Format_RGB32);
    std::vector<int> rows;
    for (int y = 0; y < Compositor::cellHeight; ++y)
        for (int x = 0; x < Compositor::cellWidth; ++x)
            if (qGray(mask.pixel(frame.x() + x, frame.y() + y)) < 128) {
                rows.push_back(y);
                break;
            }
    return rows;
}

}  // namespace

TEST_F(Walk, TheFirstPirateWalksOffTheBoardOnTheEighthRightAnswer)
{
    const int places[] = {304, 268, 232, 196, 160, 124, 88};
    const int columns[] = {55, 115, 0, 55, 115, 0, 55};
    for (int i = 0; i < 7; ++i) {
        rightAnswers(1);
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(drawn.back(), (Drawn{{places[i], 135}, {columns[i], 8}}));
        drawn.clear();
    }
    rightAnswers(1);
    EXPECT_EQ(drawn, fallFrom(88));
    EXPECT_EQ(w.pirate().pirateCount, 1);
    EXPECT_EQ(w.pirate().phase, 1);
}

// Whatever the frame table holds, the pirate goes strictly down, never sideways, and comes to rest
// at the sea's surface: his last cell begins above the water, and all that is drawn of him, the
// floating hat, lies on the sea.
TEST_F(Walk, TheFallGoesStrictlyDownAndEndsAtTheSeasSurface)
{
    rightAnswers(7);
    drawn.clear();
    rightAnswers(1);
    const int falling = fallingFrameCount();
    ASSERT_GE(int(drawn.size()), falling + PirateWalk::holdFrames);
    const Drawn first = drawn.front();
    EXPECT_GT(first.place.y(), PirateWalk::startY);
    for (int i = 1; i < falling; ++i) {
        EXPECT_EQ(drawn[size_t(i)].place.x(), first.place.x()) << i;
        EXPECT_GT(drawn[size_t(i)].place.y(), drawn[size_t(i - 1)].place.y()) << i;
    }
    const Drawn last = drawn[size_t(falling - 1)];
    for (int i = 0; i < PirateWalk::holdFrames; ++i)
        EXPECT_EQ(drawn[size_t(falling + i)], last);

    const auto [surfaceTop, surfaceBottom] = surfaceUnder(last.place.x(), Compositor::cellWidth);
    const std::vector<int> rows = inkedRows(last.frame);
    ASSERT_FALSE(rows.empty());
    EXPECT_LT(last.place.y(), surfaceTop) << "he sank past the surface";
    EXPECT_GE(last.place.y() + rows.front(), surfaceBottom) << "he still stands out of the water";
}

TEST_F(Walk, LaterPiratesWalkFrom344To92AndFall)
{
    rightAnswers(8);
    drawn.clear();
    const int places[] = {308, 272, 236, 200, 164, 128, 92};
    for (int x : places) {
        rightAnswers(1);
        EXPECT_EQ(place(), QPoint(x, 135));
    }
    drawn.clear();
    rightAnswers(1);
    EXPECT_EQ(drawn, fallFrom(92));
    EXPECT_EQ(w.pirate().pirateCount, 2);
}

TEST_F(Walk, WrongAnswersWalkBackButNeverPastTheShip)
{
    rightAnswers(1);
    EXPECT_EQ(place(), QPoint(304, 135));
    game.answerWrong();
    EXPECT_EQ(place(), QPoint(340, 135));
    EXPECT_EQ(frame(), QPoint(115, 278));  // phase 1 then 2: the cycle goes on across directions
    drawn.clear();
    game.answerWrong();
    EXPECT_EQ(place(), QPoint(340, 135));
    EXPECT_TRUE(drawn.empty());
    rightAnswers(1);
    EXPECT_EQ(frame(), QPoint(0, 8));
    EXPECT_EQ(place(), QPoint(304, 135));
}

TEST_F(Walk, LeftThenRightContinuesThePhaseCycle)
{
    rightAnswers(2);  // phases 1, 2
    rightAnswers(1);  // phase 0
    EXPECT_EQ(frame(), QPoint(0, 8));
    rightAnswers(1);
    EXPECT_EQ(frame(), QPoint(55, 8));
    game.answerWrong();
    EXPECT_EQ(frame(), QPoint(115, 278));
    EXPECT_EQ(place(), QPoint(232, 135));
}

TEST_F(Walk, InputMadeDuringTheFallIsHandledAfterItNotLost)
{
    w.setFallPaced(true);
    rightAnswers(7);
    game.newWord();
    game.typeAnswer(w.currentWord());
    std::vector<QString> textDuringFall;
    QObject::connect(&w, &frmScallywise::pirateDrawn, [&] { textDuringFall.push_back(game.answerText()); });
    // A child clicks Clear while the pirate falls: the click waits in the queue.
    const QPoint centre = w.Cmdclear->rect().center();
    QCoreApplication::postEvent(w.Cmdclear, new QMouseEvent(QEvent::MouseButtonPress, centre,
                                                             w.Cmdclear->mapToGlobal(centre), Qt::LeftButton,
                                                             Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(w.Cmdclear, new QMouseEvent(QEvent::MouseButtonRelease, centre,
                                                             w.Cmdclear->mapToGlobal(centre), Qt::LeftButton,
                                                             Qt::NoButton, Qt::NoModifier));
    w.Cmdamiright->click();
    ASSERT_EQ(textDuringFall.size(), fallFrom(88).size());
    for (const QString &text : textDuringFall)
        EXPECT_EQ(text, "YES!");
    QCoreApplication::processEvents();
    EXPECT_EQ(game.answerText(), "");
    EXPECT_TRUE(w.Txtspell->isEnabled());
}
