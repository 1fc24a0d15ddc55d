// What the certificate needs of the game: the rank title earned by the level checked at the
// moment it is asked, so that a level changed while the certificate is open counts.
#pragma once

#include <string_view>

class RankSource {
public:
    virtual ~RankSource() = default;
    // Empty while no level is checked; otherwise ends in a space, ready for the name.
    virtual std::string_view rankTitle() const = 0;
};
