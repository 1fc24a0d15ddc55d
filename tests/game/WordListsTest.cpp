// The word lists: seventy lower-case words each, the known repeats, and spot checks by index.
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "game/WordLists.h"

using namespace wordlists;

namespace {

const WordList *const allLists[] = {&easyFirst,   &easySecond,   &mediumFirst,    &mediumSecond,
                                    &harderFirst, &harderSecond, &difficultFirst, &difficultSecond};

int occurrences(const WordList &list, std::string_view word)
{
    return int(std::count(list.begin(), list.end(), word));
}

}  // namespace

TEST(WordLists, EveryWordIsThreeToFifteenLowerCaseLetters)
{
    for (const WordList *list : allLists) {
        for (std::string_view word : *list) {
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
    for (const WordList *list : allLists) {
        std::set<std::string_view> seen(list->begin(), list->end());
        repeatsWithinLists += int(list->size() - seen.size());
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

struct SpotCheck {
    const WordList *list;
    int index;
    std::string_view word;
};

TEST(WordLists, WordsStandAtTheirIndexAsWritten)
{
    const SpotCheck checks[] = {
        {&easyFirst, 0, "talk"},          {&easyFirst, 30, "sail"},           {&easyFirst, 69, "moon"},
        {&easySecond, 0, "holy"},         {&easySecond, 31, "drey"},          {&easySecond, 69, "entrap"},
        {&mediumFirst, 0, "dread"},       {&mediumFirst, 30, "battled"},      {&mediumFirst, 69, "wetten"},
        {&mediumSecond, 23, "conforting"}, {&mediumSecond, 30, "vallet"},     {&mediumSecond, 69, "nylon"},
        {&harderFirst, 9, "discussion"},  {&harderFirst, 37, "familiar"},     {&harderFirst, 69, "marvellous"},
        {&harderSecond, 43, "decietfully"}, {&harderSecond, 69, "eroneous"}, {&harderSecond, 38, "incinerate"},
        {&difficultFirst, 2, "inscrutible"}, {&difficultFirst, 13, "uninitiate"},
        {&difficultFirst, 33, "hillarious"}, {&difficultFirst, 69, "mercifully"},
        {&difficultSecond, 4, "engratiate"}, {&difficultSecond, 47, "dissatisfaction"},
        {&difficultSecond, 61, "itinery"},  {&difficultSecond, 69, "hymn"},
    };
    for (const SpotCheck &c : checks)
        EXPECT_EQ((*c.list)[size_t(c.index)], c.word) << "index " << c.index;
}
