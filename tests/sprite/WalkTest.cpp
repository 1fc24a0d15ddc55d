// The pirate's walk and fall in the game window, played through clicks: every drawing is recorded.
#include <QSignalSpy>
#include <gtest/gtest.h>

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

// The fall from x 88: fifteen falling frames, the hat held twenty times, the new pirate beside
// the ship, and his first step.
std::vector<Drawn> fallFrom(int x)
{
    struct Row {
        int count, sx, sy, drop;
    };
    const Row rows[] = {{3, 0, 97, 15}, {4, 0, 97, 16}, {3, 0, 97, 6},   {1, 55, 97, 6},
                        {1, 115, 97, 6}, {1, 0, 186, 6}, {1, 55, 186, 6}, {1, 115, 186, 6}};
    std::vector<Drawn> frames;
    int y = 135;
    for (const Row &r : rows)
        for (int i = 0; i < r.count; ++i)
            frames.push_back({{x, y += r.drop}, {r.sx, r.sy}});
    EXPECT_EQ(y, 292);
    for (int i = 0; i < 20; ++i)
        frames.push_back({{x, 292}, {115, 186}});
    frames.push_back({{380, 135}, {0, 8}});
    frames.push_back({{344, 135}, {55, 8}});
    return frames;
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
