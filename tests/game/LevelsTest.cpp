// The level table and the LEVEL menu built from it: every row is one item with its own caption,
// shortcut, rank and pair of lists, in the table's order, and the menu holds nothing else.
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <set>

#include "game/Levels.h"
#include "support/GameDriver.h"

namespace {

QString qstr(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}  // namespace

TEST(Levels, EachRowHasItsOwnItemCaptionShortcutRankAndLists)
{
    ASSERT_FALSE(levels.empty());
    std::set<std::string_view> items, captions, shortcuts, ranks;
    std::set<const std::string_view *> lists;
    for (const Level &level : levels) {
        SCOPED_TRACE(level.caption);
        items.insert(level.menuItem);
        captions.insert(level.caption);
        shortcuts.insert(level.shortcut);
        ranks.insert(level.rank);
        lists.insert(level.first.data());
        lists.insert(level.second.data());
        EXPECT_TRUE(level.menuItem.starts_with("mnu"));
        EXPECT_FALSE(QKeySequence(qstr(level.shortcut)).isEmpty());
        // The name follows the rank directly, so the rank brings exactly one space of its own.
        ASSERT_GE(level.rank.size(), 2u);
        EXPECT_EQ(level.rank.back(), ' ');
        EXPECT_NE(level.rank[level.rank.size() - 2], ' ');
        EXPECT_EQ(levelNamed(level.caption), &level);
        EXPECT_EQ(levelNamed(level.menuItem), &level);
    }
    EXPECT_EQ(items.size(), levels.size());
    EXPECT_EQ(captions.size(), levels.size());
    EXPECT_EQ(shortcuts.size(), levels.size());
    EXPECT_EQ(ranks.size(), levels.size());
    EXPECT_EQ(lists.size(), 2 * levels.size());
    EXPECT_EQ(levelNamed("no such level"), nullptr);
}

TEST(Levels, TheLevelMenuHoldsOneCheckableItemPerRowInTableOrder)
{
    GameDriver game;
    auto *menu = game.w().menuBar()->findChild<QMenu *>("mnulevel");
    ASSERT_TRUE(menu);
    const QList<QAction *> items = menu->actions();
    ASSERT_EQ(size_t(items.size()), levels.size());
    for (size_t i = 0; i < levels.size(); ++i) {
        const Level &level = levels[i];
        SCOPED_TRACE(level.caption);
        EXPECT_EQ(items[qsizetype(i)], game.w().levelItem(level));
        EXPECT_EQ(items[qsizetype(i)]->objectName(), qstr(level.menuItem));
        EXPECT_EQ(items[qsizetype(i)]->text(), qstr(level.caption));
        EXPECT_EQ(items[qsizetype(i)]->shortcut(), QKeySequence(qstr(level.shortcut)));
        EXPECT_TRUE(items[qsizetype(i)]->isCheckable());
        EXPECT_FALSE(items[qsizetype(i)]->isChecked());
    }
}

TEST(Levels, ChoosingAnItemChecksItAloneAndLoadsItsFirstListThenItsSecond)
{
    GameDriver game;
    for (const Level &level : levels) {
        SCOPED_TRACE(level.caption);
        game.w().levelItem(level)->trigger();
        for (const Level &other : levels)
            EXPECT_EQ(game.w().levelItem(other)->isChecked(), &other == &level);
        EXPECT_EQ(game.w().currentList().data(), level.first.data());
        EXPECT_EQ(qstr(game.w().rankTitle()), qstr(level.rank));
    }
    // The last level's first list runs out after its last word, however many it holds: its second
    // list follows, from the top.
    const Level &last = levels.back();
    ASSERT_EQ(game.w().wordIndex(), 0);
    size_t answers = 0;
    while (game.w().currentList().data() == last.first.data() && answers <= last.first.size()) {
        game.answerWrong();
        ++answers;
    }
    EXPECT_EQ(answers, last.first.size());
    EXPECT_EQ(game.w().currentList().data(), last.second.data());
    EXPECT_EQ(game.w().wordIndex(), 0);
}
