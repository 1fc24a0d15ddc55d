// The words the game asks: two fixed lists of seventy for each level.
#pragma once

#include <array>
#include <string_view>

namespace wordlists {

inline constexpr int wordsPerList = 70;
using WordList = std::array<std::string_view, wordsPerList>;

extern const WordList easyFirst;
extern const WordList easySecond;
extern const WordList mediumFirst;
extern const WordList mediumSecond;
extern const WordList harderFirst;
extern const WordList harderSecond;
extern const WordList difficultFirst;
extern const WordList difficultSecond;

}  // namespace wordlists
