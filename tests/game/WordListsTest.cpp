// The word lists: lower-case words with no empty ones, the known repeats, and every word of the
// eight lists pinned by a digest.
#include <QCryptographicHash>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <map>
#include <set>

#include "game/Levels.h"
#include "game/WordLists.h"

using namespace wordlists;

namespace {

// Every list the levels ask.
std::vector<WordList> allLists()
{
    std::vector<WordList> lists;
    for (const Level &level : levels)
        lists.insert(lists.end(), {level.first, level.second});
    return lists;
}

int occurrences(WordList list, std::string_view word)
{
    return int(std::count(list.begin(), list.end(), word));
}

}  // namespace

TEST(WordLists, EveryWordIsThreeToFifteenLowerCaseLetters)
{
    for (WordList list : allLists()) {
        EXPECT_FALSE(list.empty());
        for (std::string_view word : list) {
            EXPECT_GE(word.size(), 3u) << word;
            EXPECT_LE(word.size(), 15u) << word;
            for (char c : word)
                EXPECT_TRUE(c >= 'a' && c <= 'z') << word;
        }
    }
}

TEST(WordLists, RepeatsStandAsOftenAsTheyAreAsked)
{
    EXPECT_EQ(occurrences(easyFirst, "lost"), 2);
    EXPECT_EQ(occurrences(easyFirst, "cost"), 2);
    EXPECT_EQ(occurrences(mediumFirst, "laughter"), 2);
    EXPECT_EQ(occurrences(harderFirst, "discussion"), 2);
    EXPECT_EQ(occurrences(difficultSecond, "manoeuvrable"), 2);

    // Words that stand in more than one list, and no other repeats within a list.
    std::map<std::string_view, int> listsHolding;
    int repeatsWithinLists = 0;
    for (WordList list : {WordList(easyFirst), WordList(easySecond), WordList(mediumFirst), WordList(mediumSecond),
                          WordList(harderFirst), WordList(harderSecond), WordList(difficultFirst),
                          WordList(difficultSecond)}) {
        std::set<std::string_view> seen(list.begin(), list.end());
        repeatsWithinLists += int(list.size() - seen.size());
        for (std::string_view w : seen)
            ++listsHolding[w];
    }
    EXPECT_EQ(repeatsWithinLists, 5);
    EXPECT_EQ(listsHolding["familiar"], 3);
    EXPECT_EQ(listsHolding["famished"], 2);
    EXPECT_EQ(listsHolding["incinerate"], 2);
    int inSeveral = 0;
    for (auto &[word, count] : listsHolding)
        inSeveral += count > 1;
    EXPECT_EQ(inSeveral, 3);
    EXPECT_EQ(listsHolding.size(), 8u * 70u - 5u - 4u);
}

// The eight lists as the game has always asked them, pinned apart from the code that holds them:
// each list's length, its first and last word and a SHA-256 digest of its words, one to a line in
// index order with no line break after the last. The digest catches a single respelt or moved word.
struct Golden {
    std::string_view level;  // caption of the level that asks the list
    bool second;             // its second list rather than its first
    size_t length;
    std::string_view firstWord;
    std::string_view lastWord;
    std::string_view sha256;
};

constexpr Golden golden[] = {
    {"easy", false, 70, "talk", "moon", "4401397a97a110c35e3c745223fc5e0cdb5e2a8940e06b12942679c9d34c789f"},
    {"easy", true, 70, "holy", "entrap", "aaeb8eabfd13a91a9bf067bd733a28149bc3ea6883b0e19d0f183da759c0612c"},
    {"medium", false, 70, "dread", "wetten", "8ee2fb11dbeef7d209fd54b1130fedc11a7cfc51d0bdb29e0f75aaf878f885ef"},
    {"medium", true, 70, "further", "nylon", "49e3cb747862e18556c7d872296ad5c05df8f01f4e5a16cc1325b5dfe83671ec"},
    {"harder", false, 70, "discussion", "marvellous", "743683f298fcebd1fbb6e75b05910b84c4fef20df110c5a68ee3b55c269b6e30"},
    {"harder", true, 70, "blunderbuss", "eroneous", "a4bf78f3c6ca2b5619dd21af573f0173f21ef93dda460ca99e81b51aa0d78eec"},
    {"difficult", false, 70, "devious", "mercifully", "60e525fa9a31315ab5891f40b6e8c378cfa4704e9b8ab68abf6530c27b8d5f55"},
    {"difficult", true, 70, "enthusiasm", "hymn", "12bf007f0ff849bcd130778ea4becd05cd9af72a53a2405369a1f5dfd18b6f51"},
};

std::string digestOf(WordList list)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (size_t i = 0; i < list.size(); ++i) {
        if (i > 0)
            hash.addData(QByteArrayView("\n"));
        hash.addData(QByteArrayView(list[i].data(), qsizetype(list[i].size())));
    }
    return hash.result().toHex().toStdString();
}

TEST(WordLists, EachLevelAsksItsListsWordForWordAsTheGameAlwaysHas)
{
    for (const Golden &g : golden) {
        SCOPED_TRACE(std::string(g.level) + (g.second ? ", second list" : ", first list"));
        const Level *level = levelNamed(g.level);
        ASSERT_TRUE(level);
        const WordList list = g.second ? level->second : level->first;
        ASSERT_EQ(list.size(), g.length);
        EXPECT_EQ(list.front(), g.firstWord);
        EXPECT_EQ(list.back(), g.lastWord);
        EXPECT_EQ(digestOf(list), g.sha256);
    }
}

// A new level's lists are pinned here too, or this fails: no list is asked that nobody checked.
TEST(WordLists, EveryListALevelAsksIsPinned)
{
    for (const Level &level : levels) {
        for (bool second : {false, true}) {
            const auto pinned = std::count_if(std::begin(golden), std::end(golden), [&](const Golden &g) {
                return g.level == level.caption && g.second == second;
            });
            EXPECT_EQ(pinned, 1) << level.caption << (second ? ", second list" : ", first list");
        }
    }
}
