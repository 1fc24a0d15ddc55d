// The about window: opened from the game's ABOUT menu, filled in from the version record each
// time it loads, closed by OK, Enter or Esc, one at a time, with no task-bar entry; its rights
// notice fits its label.
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenuBar>
#include <QTextLayout>
#include <gtest/gtest.h>

#include "support/ActiveWindow.h"
#include "support/GameDriver.h"
#include "windows/frmAboutScallywise.h"
#include "support/WaitUntil.h"

namespace {

class About : public ::testing::Test {
protected:
    ~About() override { delete frmAboutScallywise::loaded(); }

    // Clicks ABOUT on the game window's menu bar and waits for the about window.
    frmAboutScallywise *chooseAbout()
    {
        QMenuBar *bar = game.w().menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(game.w().mnuabout).center());
        frmAboutScallywise *about = frmAboutScallywise::loaded();
        EXPECT_NE(about, nullptr);
        if (about) {
            testsupport::makeActive(about);
            EXPECT_TRUE(QTest::qWaitForWindowActive(about));
        }
        return about;
    }
    static void expectLoaded(frmAboutScallywise *about)
    {
        EXPECT_TRUE(about->isVisible());
        EXPECT_EQ(about->windowTitle(), "About scallywise");
        EXPECT_EQ(about->lblVersion->text(), "Version 1.0.0");
        EXPECT_EQ(about->lblTitle->text(), "scallywise");
    }

    GameDriver game;
};

}  // namespace

TEST_F(About, TheAboutMenuShowsTitleAndVersion)
{
    frmAboutScallywise *about = chooseAbout();
    ASSERT_NE(about, nullptr);
    expectLoaded(about);
    EXPECT_TRUE(about->lblDescription->text().contains("Scallywise developers"));
    EXPECT_EQ(QApplication::focusWidget(), about->cmdOK);
}

TEST_F(About, OkEnterAndEscEachUnloadIt)
{
    struct Case {
        const char *how;
        std::function<void(frmAboutScallywise *)> close;
    };
    const Case cases[] = {
        {"OK", [](frmAboutScallywise *a) { QTest::mouseClick(a->cmdOK, Qt::LeftButton); }},
        {"Enter", [](frmAboutScallywise *) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }},
        {"keypad Enter",
         [](frmAboutScallywise *) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier); }},
        {"Esc", [](frmAboutScallywise *) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.how);
        QPointer<frmAboutScallywise> about = chooseAbout();
        ASSERT_FALSE(about.isNull());
        c.close(about);
        ASSERT_TRUE(waitUntil([&] { return about.isNull(); }));
        EXPECT_EQ(frmAboutScallywise::loaded(), nullptr);
    }
    EXPECT_TRUE(game.w().isVisible());
    EXPECT_EQ(game.programEnds, 0);
}

TEST_F(About, ReopenedItLoadsAgainAsNew)
{
    QPointer<frmAboutScallywise> first = chooseAbout();
    ASSERT_FALSE(first.isNull());
    first->lblTitle->setText("scribbled on");
    QTest::mouseClick(first->cmdOK, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return first.isNull(); }));

    frmAboutScallywise *second = chooseAbout();
    ASSERT_NE(second, nullptr);
    expectLoaded(second);
}

TEST_F(About, ChoosingAboutAgainOpensNoSecondWindow)
{
    frmAboutScallywise *first = chooseAbout();
    first->lblTitle->setText("not loaded again");
    testsupport::makeActive(&game.w());
    frmAboutScallywise *second = chooseAbout();

    EXPECT_EQ(second, first);
    EXPECT_EQ(second->lblTitle->text(), "not loaded again");
    int abouts = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        abouts += qobject_cast<frmAboutScallywise *>(top) != nullptr;
    EXPECT_EQ(abouts, 1);
}

// A dialog that belongs to the game window, as dialogs have no task-bar entry of their own; not a
// tool palette, which window managers do not give the keyboard. It takes the keyboard as it opens.
TEST_F(About, ItIsADialogOfTheGameWindowThatTakesTheKeyboardAndTheGameStaysUsable)
{
    QMenuBar *bar = game.w().menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(game.w().mnuabout).center());
    frmAboutScallywise *about = frmAboutScallywise::loaded();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(about));
    EXPECT_EQ(about->windowType(), Qt::Dialog);
    EXPECT_EQ(about->parentWidget(), &game.w());
    EXPECT_FALSE(about->isModal());

    testsupport::makeActive(&game.w());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&game.w()));
    game.chooseLevel("easy");
    game.answerRight();
    EXPECT_EQ(game.answerText(), "YES!");
    EXPECT_TRUE(about->isVisible());
}

// The rights notice is set over three lines by runs of spaces. Each line must break where its run
// is and fit the label's width, and all three its height: a word too many would be cut off unseen.
TEST(AboutRightsNotice, ItsThreeLinesFitTheLabel)
{
    GameDriver game;
    frmAboutScallywise *about = frmAboutScallywise::showAbout(&game.w());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    QLabel *notice = about->lblDisclaimer;
    ASSERT_EQ(QFontInfo(notice->font()).family(), "Comic Neue");  // what the lines are measured in
    const QRect box = notice->contentsRect();

    // Laid out as the label paints plain text: wrapped at word boundaries to its width.
    QTextLayout layout(notice->text(), notice->font());
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrapping);
    const QFontMetricsF metrics(notice->font());
    QStringList lines;
    qreal bottom = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, bottom));
        bottom += line.height() + metrics.leading();
        const QString shown = notice->text().mid(line.textStart(), line.textLength()).trimmed();
        lines << shown;
        EXPECT_LE(line.naturalTextWidth(), box.width()) << shown.toStdString();
    }
    layout.endLayout();
    EXPECT_EQ(lines.join(" / ").toStdString(),
              "Copyright 2026 / the Scallywise developers. / Share it! GNU GPL 3 or later.");
    EXPECT_LE(bottom, box.height());

    // On the screen: three bands of dark ink, all above where a fourth line would begin.
    // (Grabbed from the window beneath it: the label itself is transparent.)
    const QImage shown = about->clientArea()->grab(notice->geometry()).toImage();
    QList<int> inkedRows;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (qGray(shown.pixel(x, y)) < 64) {
                inkedRows << y;
                break;
            }
        }
    }
    ASSERT_FALSE(inkedRows.isEmpty());
    int bands = 1;
    for (int i = 1; i < inkedRows.size(); ++i)
        bands += inkedRows[i] > inkedRows[i - 1] + 1;
    EXPECT_EQ(bands, 3);
    EXPECT_LT(inkedRows.last(), 3 * metrics.lineSpacing());
    delete about;
}
