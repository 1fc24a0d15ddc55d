// The game window's keys: Enter, the level shortcuts from the answer box, access keys, Tab.
#include <gtest/gtest.h>

#include "game/Levels.h"
#include "support/WaitUntil.h"

#include "support/GameDriver.h"

namespace {

class Keys : public ::testing::Test {
protected:
    GameDriver game;
    frmScallywise &w = game.w();
};

}  // namespace

TEST_F(Keys, EnterInTheAnswerBoxJudgesTheAnswer)
{
    game.chooseLevel("easy");
    game.newWord();
    game.typeAnswer(w.currentWord());
    QTest::keyClick(game.answerEditor(), Qt::Key_Return);
    EXPECT_EQ(game.answerText(), "YES!");
    game.newWord();
    game.typeAnswer(game.answerText());
    QTest::keyClick(game.answerEditor(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(game.answerText(), "YES!");
    EXPECT_EQ(game.scoreText(), "2");
}

TEST_F(Keys, EnterPressesTheFocusedButtonInsteadOfTheDefault)
{
    game.chooseLevel("easy");
    game.newWord();
    const QString word = game.answerText();
    EXPECT_EQ(QApplication::focusWidget(), w.Cmdnextword);
    QTest::keyClick(w.Cmdnextword, Qt::Key_Return);  // shows the word again rather than judging
    EXPECT_EQ(game.answerText(), word);
    EXPECT_EQ(w.wordIndex(), 0);
    game.clear();
    EXPECT_EQ(QApplication::focusWidget(), game.answerEditor());
    QTest::keyClicks(game.answerEditor(), word);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(game.answerText(), "YES!");
}

TEST_F(Keys, LevelShortcutsWorkFromTheAnswerBoxWithoutEditingIt)
{
    // Backwards through the menu, so that each key has to move the check mark.
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        QAction *item = w.levelItem(*level);
        ASSERT_FALSE(item->shortcut().isEmpty()) << level->caption;
        game.clear();
        QTest::keyClicks(game.answerEditor(), "abc");
        QTest::keySequence(game.answerEditor(), item->shortcut());
        EXPECT_TRUE(item->isChecked()) << item->text().toStdString();
        // Not a backspace, not a new line: the level's prompt replaced the text whole.
        EXPECT_EQ(game.answerText(), "press NEW-WORD");
    }
}

TEST_F(Keys, AccessKeysPressTheirButtonsUnlessDisabled)
{
    QTest::keyClick(game.answerEditor(), Qt::Key_N, Qt::AltModifier);
    QTest::qWait(250);
    EXPECT_EQ(game.answerText(), "Choose a level");  // NEW WORD is disabled until a level is chosen

    game.chooseLevel("easy");
    QTest::keyClick(game.focused(), Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(waitUntil([&] { return !w.Txtspell->isEnabled(); }));
    EXPECT_EQ(game.answerText(), w.currentWord());  // the word on show
    QTest::keyClick(game.focused(), Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(waitUntil([&] { return game.answerText() == QString(); }));
    EXPECT_TRUE(waitUntil([&] { return w.Txtspell->isEnabled(); }));
    QTest::keyClick(game.focused(), Qt::Key_Q, Qt::AltModifier);
    EXPECT_TRUE(waitUntil([&] { return game.programEnds == 1; }));
}

TEST_F(Keys, AnAccessKeyLeavesTheFocusOnItsButtonAsAClickDoes)
{
    game.chooseLevel("easy");
    game.clear();
    QTest::keyClick(game.answerEditor(), Qt::Key_N, Qt::AltModifier);
    ASSERT_TRUE(waitUntil([&] { return !w.Txtspell->isEnabled(); }));
    EXPECT_EQ(QApplication::focusWidget(), w.Cmdnextword);
    game.w().Txtspell->setText(QStringLiteral("changed"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // shows the word again
    EXPECT_EQ(game.answerText(), w.currentWord());  // the word on show
    EXPECT_EQ(w.wordIndex(), 0);
}

TEST_F(Keys, TabVisitsTheControlsInTheirOrderSkippingDisabledOnes)
{
    auto tabFrom = [&](int times) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget();
    };
    QWidget *const withNewWordDisabled[] = {w.Cmdquit, w.Cmdclear, w.Txtscore->editor(), w.Cmdamiright,
                                            game.answerEditor()};
    for (QWidget *expected : withNewWordDisabled)
        EXPECT_EQ(tabFrom(1), expected) << expected->objectName().toStdString();

    game.chooseLevel("easy");
    game.answerEditor()->setFocus();
    QWidget *const withAll[] = {w.Cmdquit, w.Cmdclear, w.Txtscore->editor(), w.Cmdnextword, w.Cmdamiright,
                                game.answerEditor()};
    for (QWidget *expected : withAll)
        EXPECT_EQ(tabFrom(1), expected) << expected->objectName().toStdString();
}

TEST_F(Keys, ShiftTabWalksTheSameOrderBackwards)
{
    auto backtab = [&] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        return QApplication::focusWidget();
    };
    // From the answer box back round to it, NEW WORD skipped while it is disabled.
    QWidget *const withNewWordDisabled[] = {w.Cmdamiright, w.Txtscore->editor(), w.Cmdclear, w.Cmdquit,
                                            game.answerEditor()};
    for (QWidget *expected : withNewWordDisabled)
        EXPECT_EQ(backtab(), expected) << expected->objectName().toStdString();

    game.chooseLevel("easy");
    game.answerEditor()->setFocus();
    QWidget *const withAll[] = {w.Cmdamiright, w.Cmdnextword, w.Txtscore->editor(), w.Cmdclear, w.Cmdquit,
                                game.answerEditor()};
    for (QWidget *expected : withAll)
        EXPECT_EQ(backtab(), expected) << expected->objectName().toStdString();
}

// An access key presses its button before the next key or click is handled, as a click would:
// nothing waits for an animated press.
TEST_F(Keys, AnAccessKeyPressesAtOnce)
{
    game.chooseLevel("easy");
    QTest::keyClick(game.focused(), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(game.answerText(), w.currentWord());
    QTest::keyClick(game.focused(), Qt::Key_C, Qt::AltModifier);
    QTest::keyClicks(game.focused(), "xyz");  // straight after, with no pause between
    EXPECT_EQ(game.answerText(), "xyz");

    QTest::keyClick(game.focused(), Qt::Key_N, Qt::AltModifier);
    game.amIRight();  // a click straight after Alt+N finds the word shown, not an answer to judge
    EXPECT_EQ(game.answerText(), "Type the answer!");
    EXPECT_EQ(w.wordIndex(), 0);
    QTest::keyClick(game.focused(), Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(game.programEnds, 1);
}

TEST_F(Keys, EscPressesNothing)
{
    game.chooseLevel("easy");
    game.typeAnswer("tal");
    QTest::keyClick(game.answerEditor(), Qt::Key_Escape);
    EXPECT_EQ(game.answerText(), "tal");
    EXPECT_EQ(game.programEnds, 0);
}
