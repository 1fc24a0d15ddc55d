// Turns and scoring, played through the game window's buttons, keys and menu.
#include <gtest/gtest.h>

#include "game/Levels.h"
#include "support/GameDriver.h"

namespace {

class Turns : public ::testing::Test {
protected:
    GameDriver game;
    frmScallywise &w = game.w();

    // Judged answers that move the word index without moving the pirate: wrong answers beside the ship.
    void skipWords(int n)
    {
        for (int i = 0; i < n; ++i)
            game.answerWrong();
    }
    QString shownWord()
    {
        game.newWord();
        return game.answerText();
    }
};

// The word a level's first or second list holds at the index, as the level table gives it.
QString listWord(std::string_view level, bool second, int index)
{
    const Level *l = levelNamed(level);
    const std::string_view word = (second ? l->second : l->first)[size_t(index)];
    return QString::fromLatin1(word.data(), qsizetype(word.size()));
}

}  // namespace

TEST_F(Turns, TheWindowOpensAskingForALevel)
{
    EXPECT_EQ(game.answerText(), "Choose a level");
    EXPECT_TRUE(w.Txtspell->isEnabled());
    EXPECT_FALSE(w.Cmdnextword->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), game.answerEditor());
    for (const Level &level : levels)
        EXPECT_FALSE(w.levelItem(level)->isChecked());
    EXPECT_EQ(game.scoreText(), "");
    EXPECT_EQ(w.wordIndex(), 0);
    EXPECT_EQ(w.scoreCounter(), 1);
}

// Each step of a turn, and what the answer box then shows.
TEST_F(Turns, TheAnswerBoxWalksThroughItsStates)
{
    // "<word>": the word at the step's word index in the checked level's first list.
    struct Step {
        const char *action;
        const char *text;
        bool enabled;
        int wordIndex;
    };
    const Step steps[] = {
        {"easy", "press NEW-WORD", true, 0},
        {"new word", "<word>", false, 0},
        {"new word", "<word>", false, 0},          // only a judged answer moves on
        {"am i right", "Type the answer!", false, 0},  // the word is still on show
        {"am i right", "Type the answer!", false, 0},
        {"new word", "<word>", false, 0},
        {"clear", "", true, 0},
        {"type the word", "<word>", true, 0},
        {"am i right", "YES!", true, 1},
        {"am i right", "OOPS!", true, 2},          // "YES!" judged as the next word's answer
        {"new word", "<word>", false, 2},
        {"medium", "press NEW-WORD", false, 2},    // a level over a word on show leaves the box disabled
        {"am i right", "Type the answer!", false, 2},
        {"clear", "", true, 2},
        {"difficult", "press NEW-WORD", true, 2},  // over an enabled box: its text is the next answer
        {"am i right", "OOPS!", true, 3},
    };
    for (const Step &s : steps) {
        const std::string a = s.action;
        if (levelNamed(a)) game.chooseLevel(a);
        else if (a == "new word") game.newWord();
        else if (a == "clear") game.clear();
        else if (a == "am i right") game.amIRight();
        else if (a == "type the word") QTest::keyClicks(game.answerEditor(), listWord("easy", false, 0));
        SCOPED_TRACE(a);
        const QString text = s.text == std::string_view("<word>") ? listWord("easy", false, s.wordIndex) : s.text;
        EXPECT_EQ(game.answerText(), text);
        EXPECT_EQ(w.Txtspell->isEnabled(), s.enabled);
        EXPECT_EQ(w.wordIndex(), s.wordIndex);
    }
    EXPECT_EQ(game.scoreText(), "1");
}

TEST_F(Turns, LetterCaseAndOuterBlanksAreIgnoredButEverythingElseCounts)
{
    // Each case is typed or pasted into the box, then judged; a right answer walks the pirate a step.
    enum How { Typed, Pasted, CtrlEnterAfter };
    struct Case {
        const char *name;
        QString (*answer)(const QString &word);
        How how;
        bool right;
    };
    const Case cases[] = {
        {"as shown", [](const QString &w) { return w; }, Typed, true},
        {"capitals", [](const QString &w) { return w.toUpper(); }, Typed, true},
        {"first capital", [](const QString &w) { return w.left(1).toUpper() + w.mid(1); }, Typed, true},
        {"leading space", [](const QString &w) { return " " + w; }, Typed, true},
        {"trailing space", [](const QString &w) { return w + " "; }, Typed, true},
        {"spaces both sides", [](const QString &w) { return "  " + w + "  "; }, Typed, true},
        {"trailing line break", [](const QString &w) { return w; }, CtrlEnterAfter, true},
        {"pasted with its line break", [](const QString &w) { return w + "\n"; }, Pasted, true},
        {"pasted between tabs", [](const QString &w) { return "\t" + w + "\t"; }, Pasted, true},
        {"a space inside", [](const QString &w) { return w.left(1) + " " + w.mid(1); }, Typed, false},
        {"a tab inside", [](const QString &w) { return w.left(1) + "\t" + w.mid(1); }, Pasted, false},
        {"only blanks", [](const QString &) { return QStringLiteral(" \t "); }, Pasted, false},
        {"empty", [](const QString &) { return QString(); }, Typed, false},
        {"a letter short", [](const QString &w) { return w.chopped(1); }, Typed, false},
        {"a letter more", [](const QString &w) { return w + "s"; }, Typed, false},
    };
    game.chooseLevel("easy");
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const int index = w.wordIndex();
        const int x = w.pirate().x;
        const int fallen = w.pirate().pirateCount;
        const QString word = shownWord();
        const QString answer = c.answer(word);
        if (c.how == Pasted) {
            game.pasteAnswer(answer);
        } else {
            game.typeAnswer(answer);
            if (c.how == CtrlEnterAfter)
                QTest::keyClick(game.answerEditor(), Qt::Key_Return, Qt::ControlModifier);
        }
        ASSERT_TRUE(game.answerText().contains(answer)) << "the box holds what was given";
        game.amIRight();
        EXPECT_EQ(game.answerText(), c.right ? "YES!" : "OOPS!");
        EXPECT_EQ(w.wordIndex(), index + 1);
        const bool stepped = w.pirate().x < x || w.pirate().pirateCount > fallen;  // a step, or off the end
        EXPECT_EQ(stepped, c.right) << "only a right answer walks the pirate on";
    }
}

TEST_F(Turns, CtrlEnterMakesALineBreakAndJudgesNothing)
{
    game.chooseLevel("easy");
    const QString word = shownWord();
    game.typeAnswer(word);
    QTest::keyClick(game.answerEditor(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(game.answerText(), word + "\n");
    EXPECT_EQ(w.wordIndex(), 0);  // Ctrl+Enter judged nothing
}

TEST_F(Turns, TheScoreCountsRightAnswersOnly)
{
    game.chooseLevel("easy");
    const bool right[] = {true, false, true, true, false, false, true};
    int rightSoFar = 0;
    for (bool r : right) {
        if (r)
            game.answerRight();
        else
            game.answerWrong();
        rightSoFar += r;
        EXPECT_EQ(game.scoreText(), rightSoFar ? QString::number(rightSoFar) : QString());
    }
}

TEST_F(Turns, TypedScoreStaysUntilTheNextRightAnswer)
{
    game.chooseLevel("easy");
    game.answerRight();
    QTest::keyClicks(w.Txtscore->editor(), "99");
    game.answerWrong();
    EXPECT_EQ(game.scoreText(), "199");
    game.answerRight();
    EXPECT_EQ(game.scoreText(), "2");
}

TEST_F(Turns, AfterSeventyWordsTheSecondListStartsAndThenRepeats)
{
    game.chooseLevel("easy");
    skipWords(69);
    EXPECT_EQ(shownWord(), listWord("easy", false, 69));  // the first list's last word
    game.clear();
    game.amIRight();
    EXPECT_EQ(w.currentList().data(), levelNamed("easy")->second.data());
    EXPECT_EQ(shownWord(), listWord("easy", true, 0));
    skipWords(70);
    EXPECT_EQ(w.currentList().data(), levelNamed("easy")->second.data());
    EXPECT_EQ(w.wordIndex(), 0);
    EXPECT_EQ(shownWord(), listWord("easy", true, 0));
}

TEST_F(Turns, RightAnswersRollOverToo)
{
    game.chooseLevel("harder");
    skipWords(60);
    for (int i = 0; i < 10; ++i)
        game.answerRight();  // one of these pushes the pirate off the board
    EXPECT_EQ(w.currentList().data(), levelNamed("harder")->second.data());
    EXPECT_EQ(w.wordIndex(), 0);
    EXPECT_EQ(shownWord(), listWord("harder", true, 0));
}

TEST_F(Turns, SwitchingLevelsKeepsTheWordIndex)
{
    game.chooseLevel("easy");
    skipWords(30);
    game.chooseLevel("medium");
    EXPECT_TRUE(w.levelItem(*levelNamed("medium"))->isChecked());
    EXPECT_FALSE(w.levelItem(*levelNamed("easy"))->isChecked());
    EXPECT_EQ(shownWord(), listWord("medium", false, 30));
}

TEST_F(Turns, ChoosingTheCheckedLevelAgainReloadsItsFirstList)
{
    game.chooseLevel("medium");
    skipWords(75);
    EXPECT_EQ(w.currentList().data(), levelNamed("medium")->second.data());
    game.chooseLevel("medium");
    EXPECT_TRUE(w.levelItem(*levelNamed("medium"))->isChecked());
    EXPECT_EQ(w.currentList().data(), levelNamed("medium")->first.data());
    EXPECT_EQ(w.wordIndex(), 5);
    EXPECT_EQ(shownWord(), listWord("medium", false, 5));
}

TEST_F(Turns, AmIRightBeforeAnyLevelAsksForOneAndChangesNothing)
{
    QTest::keyClicks(game.answerEditor(), " and a guess");
    game.amIRight();
    EXPECT_EQ(game.answerText(), "Choose a level");
    EXPECT_EQ(w.wordIndex(), 0);
    EXPECT_EQ(w.scoreCounter(), 1);
    EXPECT_EQ(game.scoreText(), "");
    EXPECT_EQ(w.pirate().x, 340);
    QTest::keyClick(game.answerEditor(), Qt::Key_Return);  // Enter too
    EXPECT_EQ(game.answerText(), "Choose a level");
    EXPECT_EQ(w.wordIndex(), 0);
}

TEST_F(Turns, AWrongAnswerBesideTheShipOnlyMovesOn)
{
    game.chooseLevel("easy");
    game.answerWrong();
    EXPECT_EQ(w.pirate().x, 340);
    EXPECT_EQ(w.wordIndex(), 1);
}

TEST_F(Turns, RightAnswersWalkThePirateOffTheBoardAndWrongOnesBack)
{
    game.chooseLevel("easy");
    const int firstPirate[] = {304, 268, 232, 196, 160, 124, 88};
    for (int x : firstPirate) {
        game.answerRight();
        EXPECT_EQ(w.pirate().x, x);
    }
    EXPECT_EQ(w.pirate().pirateCount, 0);
    game.answerRight();
    EXPECT_EQ(w.pirate().pirateCount, 1);
    EXPECT_EQ(w.pirate().x, 344);
    EXPECT_EQ(QPoint(w.pirate().sx, w.pirate().sy), QPoint(55, 8));
    game.answerRight();
    game.answerWrong();
    EXPECT_EQ(w.pirate().x, 344);
    EXPECT_EQ(w.pirate().sy, 278);
    game.answerWrong();
    EXPECT_EQ(w.pirate().x, 344);
    EXPECT_EQ(w.wordIndex(), 11);
    EXPECT_EQ(w.scoreCounter(), 10);
}

TEST_F(Turns, QuitEndsTheProgram)
{
    game.click(w.Cmdquit);
    EXPECT_EQ(game.programEnds, 1);
}
