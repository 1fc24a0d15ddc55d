// The game window as it first shows: its layout table control by control, and what the child sees.
#include <gtest/gtest.h>

#include "app/toolkit/Pictures.h"
#include "support/GameDriver.h"
#include "support/LayoutCheck.h"

TEST(GameWindowLayout, EveryControlAndMenuIsAsTheTableSays)
{
    GameDriver game;
    // The load handler writes the prompt and disables NEW WORD; everything else is the table's.
    layoutcheck::expectMatchesLayout(game.w(), {"Txtspell", "Cmdnextword"});
    const QStringList barOrder = [&] {
        QStringList captions;
        for (QAction *a : game.w().menuWidget()->actions())
            captions << a->text();
        return captions;
    }();
    EXPECT_EQ(barOrder, (QStringList{"LEVEL", "ABOUT"}));
}

TEST(GameWindowLayout, TheWindowIsAFixedMaximisedWindowWithItsCaption)
{
    GameDriver game;
    frmScallywise &w = game.w();
    EXPECT_EQ(w.windowTitle(), "Scallywise!");
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(w.clientSize(), QSize(732, 556));
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST(GameWindowLayout, TheSceneShowsOnTheBackgroundColourWithNoRoster)
{
    GameDriver game;
    frmScallywise &w = game.w();
    const QImage shown = w.clientArea()->grab().toImage();
    const QImage scene = toolkit::loadImage(art::seaScene);
    ASSERT_EQ(scene.size(), QSize(735, 456));
    // Outside the scene: the dark teal background, where the roster will stand.
    for (QPoint p : {QPoint(740, 10), QPoint(20, 470), QPoint(400, 540), QPoint(shown.width() - 1, shown.height() - 1)})
        EXPECT_EQ(QColor(shown.pixel(p)), QColor(0x004040)) << p.x() << "," << p.y();
    // The scene itself, unscaled, where no control and no pirate covers it.
    for (QPoint p : {QPoint(5, 5), QPoint(600, 200), QPoint(100, 300), QPoint(700, 440)})
        EXPECT_EQ(QColor(shown.pixel(p)), QColor(scene.pixel(p))) << p.x() << "," << p.y();
    for (QWidget *child : w.clientArea()->findChildren<QWidget *>())
        if (child->objectName().startsWith("Img") || child->objectName().startsWith("Lbl")) {
            EXPECT_FALSE(child->isVisible()) << child->objectName().toStdString();
        }
}
