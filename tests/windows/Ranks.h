// The ranks the level table gives, for the certificate's tests.
#pragma once

#include <QString>
#include <algorithm>
#include <gtest/gtest.h>
#include <string_view>

#include "game/Levels.h"

// The rank the level table gives the level of this caption.
inline std::string_view rankOf(std::string_view caption)
{
    const Level *level = levelNamed(caption);
    EXPECT_TRUE(level) << caption;
    return level ? level->rank : std::string_view();
}

// The caption of the level whose rank is the longest: the hardest to fit on the name line.
inline std::string_view longestRankCaption()
{
    return std::max_element(levels.begin(), levels.end(), [](const Level &a, const Level &b) {
        return a.rank.size() < b.rank.size();
    })->caption;
}

inline QString qstr(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
