// The ranks the level table gives, for the certificate's tests.
#pragma once

#include <QString>
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

inline QString qstr(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
