// Plays the game window as a child does: clicks its buttons, types into its boxes, presses keys
// and chooses from its menus, then reads back what the window shows.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <string_view>

#include "support/ActiveWindow.h"
#include "app/toolkit/Program.h"
#include "game/frmScallywise.h"

class GameDriver {
public:
    GameDriver()
    {
        previousEnder_ = toolkit::setProgramEnder([this] { ++programEnds; });
        window = std::make_unique<frmScallywise>();
        window->setFallPaced(false);
        window->showForm();
        testsupport::makeActive(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    ~GameDriver()
    {
        window.reset();
        toolkit::setProgramEnder(std::move(previousEnder_));
    }

    frmScallywise &w() { return *window; }

    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void newWord() { click(window->Cmdnextword); }
    void clear() { click(window->Cmdclear); }
    void amIRight() { click(window->Cmdamiright); }

    // The shortcut of the LEVEL item with this caption, as the menu shows it, sent to whatever
    // has the focus.
    void chooseLevel(std::string_view caption)
    {
        const QString wanted = QString::fromUtf8(caption.data(), qsizetype(caption.size()));
        const auto *menu = window->menuBar()->findChild<QMenu *>(QStringLiteral("mnulevel"));
        ASSERT_TRUE(menu);
        const QList<QAction *> items = menu->actions();
        const auto item = std::find_if(items.begin(), items.end(), [&](QAction *a) { return a->text() == wanted; });
        ASSERT_NE(item, items.end()) << caption;
        ASSERT_FALSE((*item)->shortcut().isEmpty()) << caption;
        QTest::keySequence(focused(), (*item)->shortcut());
    }

    QWidget *focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : window.get(); }
    QWidget *answerEditor() { return window->Txtspell->editor(); }

    // Clear, then type the answer key by key into the answer box.
    void typeAnswer(const QString &text)
    {
        clear();
        QTest::keyClicks(answerEditor(), text);
    }
    // Clear, then paste the text into the answer box, as a child pastes a long text.
    void pasteAnswer(const QString &text)
    {
        clear();
        QApplication::clipboard()->setText(text);
        QTest::keyClick(answerEditor(), Qt::Key_V, Qt::ControlModifier);
    }
    // One whole turn: look at the word, hide it, type the given answer, ask.
    void answer(const QString &text)
    {
        newWord();
        typeAnswer(text);
        amIRight();
    }
    void answerRight() { answer(window->currentWord()); }
    void answerWrong() { answer(window->currentWord() + QStringLiteral("x")); }

    // Right answers until n more pirates have fallen (choosing easy first if no level is checked).
    void fallPirates(int n)
    {
        if (window->currentList().empty())
            chooseLevel("easy");
        const int target = window->pirate().pirateCount + n;
        while (window->pirate().pirateCount < target)
            answerRight();
    }

    QString answerText() { return window->Txtspell->text(); }
    QString scoreText() { return window->Txtscore->text(); }

    int programEnds = 0;
    std::unique_ptr<frmScallywise> window;

private:
    std::function<void()> previousEnder_;
};
