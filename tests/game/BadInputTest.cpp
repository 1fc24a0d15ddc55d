// Whatever a child types or pastes into the boxes is judged without a crash or a hang, and the
// word index never leaves the list.
#include <gtest/gtest.h>

#include "game/Levels.h"
#include "support/GameDriver.h"

TEST(BadInput, AnyTextInTheAnswerBoxIsJudgedWrong)
{
    GameDriver game;
    game.chooseLevel("easy");
    const QString cases[] = {
        QString(1 << 20, QChar('a')),                                       // a megabyte pasted
        QStringLiteral("t\ta\u0001l\u007Fk\u0000"),                         // control characters
        QStringLiteral("\U0001F3F4\u200D\u2620\uFE0F talk \U0001F99C"),     // emoji
        QStringLiteral("\u05D3\u05D1\u05E8 talk \u202Eklat"),               // right-to-left
        QString(QChar(0xD800)),                                             // a lone surrogate
    };
    for (const QString &text : cases) {
        const int index = game.w().wordIndex();
        game.newWord();
        game.pasteAnswer(text);
        game.amIRight();
        EXPECT_EQ(game.answerText(), "OOPS!");
        EXPECT_EQ(game.w().wordIndex(), index + 1);
    }
}

TEST(BadInput, TheWordIndexStaysInTheListAcrossManyTurnsAndLevels)
{
    GameDriver game;
    for (int turn = 0; turn < 400; ++turn) {
        // Every level in turn, backwards through the menu, so that each choice changes the list.
        if (turn % 37 == 0)
            game.chooseLevel(levels[size_t(turn / 37) * (levels.size() - 1) % levels.size()].caption);
        if (turn % 3 == 0)
            game.answerRight();
        else
            game.answerWrong();
        ASSERT_GE(game.w().wordIndex(), 0);
        ASSERT_LE(game.w().wordIndex(), 69);
        ASSERT_FALSE(game.w().currentWord().isEmpty());
    }
}

TEST(BadInput, AMegabytePastedIntoTheScoreBoxIsHarmless)
{
    GameDriver game;
    game.chooseLevel("easy");
    game.w().Txtscore->setFocus();
    QApplication::clipboard()->setText(QString(1 << 20, QChar('9')));
    QTest::keyClick(game.w().Txtscore->editor(), Qt::Key_V, Qt::ControlModifier);
    game.answerRight();
    EXPECT_EQ(game.scoreText(), "1");
}
