// The title window: the scene on yellow, OK focused, and OK (or Enter, or Space) opening the game.
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "support/ActiveWindow.h"
#include "app/Frmfirst.h"
#include "app/toolkit/Ahead.h"
#include "app/toolkit/Pictures.h"
#include "app/toolkit/Program.h"
#include "game/GameLayout.h"
#include "game/frmScallywise.h"
#include "support/LayoutCheck.h"

namespace {

class TitleWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = toolkit::setProgramEnder([this] { ++programEnds; });
        title.showForm();
        testsupport::makeActive(&title);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&title));
    }
    void TearDown() override { toolkit::setProgramEnder(std::move(previous_)); }

    Frmfirst title;
    int programEnds = 0;

private:
    std::function<void()> previous_;
};

}  // namespace

TEST_F(TitleWindow, ShowsTheSceneOnYellowWithTheFocusOnOk)
{
    layoutcheck::expectMatchesLayout(title);
    EXPECT_EQ(title.windowTitle(), "SCALLYWISE");
    EXPECT_TRUE(title.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(QApplication::focusWidget(), title.Cmdokay);

    const QImage scene = toolkit::loadImage(art::titleScene);
    ASSERT_EQ(scene.size(), QSize(800, 600));
    title.resize(1000, 700);  // a screen larger than the scene shows yellow around it
    const QImage shown = title.clientArea()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(900, 100)), QColor(0xFFFF00));
    EXPECT_EQ(QColor(shown.pixel(100, 650)), QColor(0xFFFF00));
    EXPECT_EQ(QColor(shown.pixel(400, 40)), QColor(scene.pixel(400, 40)));
    EXPECT_EQ(QColor(shown.pixel(780, 580)), QColor(scene.pixel(780, 580)));
}

TEST_F(TitleWindow, EnterSpaceOrAClickOpensTheGameOnce)
{
    struct Way {
        const char *name;
        std::function<void(QWidget *)> press;
    };
    const Way ways[] = {
        {"Enter", [](QWidget *ok) { QTest::keyClick(ok, Qt::Key_Return); }},
        {"Space", [](QWidget *ok) { QTest::keyClick(ok, Qt::Key_Space); }},
        {"click", [](QWidget *ok) { QTest::mouseClick(ok, Qt::LeftButton); }},
    };
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        Frmfirst another;
        another.showForm();
        testsupport::makeActive(&another);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&another));
        way.press(another.Cmdokay);
        ASSERT_NE(another.game(), nullptr);
        EXPECT_FALSE(another.isVisible());
        EXPECT_TRUE(another.game()->isVisible());
        EXPECT_EQ(another.game()->Txtspell->text(), "Choose a level");
        // The game window takes the keyboard as it opens.
        EXPECT_TRUE(QTest::qWaitForWindowActive(another.game()));
        EXPECT_EQ(QApplication::focusWidget(), another.game()->Txtspell->editor());
    }
}

TEST_F(TitleWindow, AfterOkItGivesBackWhatItHeldForTheScreenAndStaysLoaded)
{
    QTest::keyClick(title.Cmdokay, Qt::Key_Return);
    ASSERT_NE(title.game(), nullptr);
    // Its window on the display, with the backing store behind it, and its decoded scene go.
    QTRY_VERIFY(title.windowHandle() == nullptr);
    EXPECT_TRUE(title.background().isNull());
    // The window object and its controls stay, and it would show its scene again.
    EXPECT_EQ(title.Cmdokay->parentWidget(), title.clientArea());
    title.show();
    const QImage scene = toolkit::loadImage(art::titleScene);
    const QImage shown = title.clientArea()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(400, 40)), QColor(scene.pixel(400, 40)));
    title.hide();
}

TEST_F(TitleWindow, ClosingItBeforeOkEndsTheProgramWithoutAGame)
{
    title.close();
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(title.game(), nullptr);
}

TEST_F(TitleWindow, ClosingTheGameWindowEndsTheProgram)
{
    QTest::keyClick(title.Cmdokay, Qt::Key_Return);
    ASSERT_NE(title.game(), nullptr);
    title.game()->close();
    EXPECT_EQ(programEnds, 1);
}

TEST(GameWindowPreparedAhead, LooksTheSameAndTakesWhatWasPrepared)
{
    const auto ender = toolkit::setProgramEnder([] {});
    frmScallywise unprepared;
    QObject context;
    toolkit::prepareAhead(gamelayout::layout, &context);
    QTest::qWait(500);  // the steps run one per turn of the event loop
    EXPECT_EQ(toolkit::takeCopyAhead(art::seaScene).size(), QSize(735, 456));  // a copy for the canvas
    toolkit::prepareAhead(gamelayout::layout, &context);
    QTest::qWait(500);
    frmScallywise prepared;
    EXPECT_EQ(prepared.background(), unprepared.background());
    EXPECT_EQ(prepared.canvas(), unprepared.canvas());
    EXPECT_EQ(prepared.Picsprite->image(), unprepared.Picsprite->image());
    EXPECT_EQ(prepared.Picmask->image(), unprepared.Picmask->image());
    // The canvas is the copy made ahead, its own memory, and nothing is left waiting.
    EXPECT_NE(prepared.canvas().constBits(), prepared.background().constBits());
    EXPECT_TRUE(toolkit::takeCopyAhead(art::seaScene).isNull());
    toolkit::setProgramEnder(ender);
}
