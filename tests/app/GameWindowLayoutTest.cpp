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
