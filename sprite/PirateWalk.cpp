// The pirate's walk along the board and his fall, frame by frame, from constant tables.
#include "sprite/PirateWalk.h"

namespace {

// The sheet column of each walk phase.
constexpr std::int16_t phaseColumn[] = {0, 55, 115};

constexpr PirateWalk::FallFrames fall[] = {
    {3, 0, 0, 97, 15},
    {4, 0, 0, 97, 16},
    {3, 0, 0, 97, 6},
    {1, 1, 55, 97, 6},
    {1, 2, 115, 97, 6},
    {1, 3, 0, 186, 6},
    {1, 4, 55, 186, 6},
    {1, 5, 115, 186, 6},
};

}  // namespace

constinit const std::span<const PirateWalk::FallFrames> PirateWalk::fallFrames = fall;

void PirateWalk::load()
{
    x = startX;
    y = startY;
    sx = 0;
    sy = towardsEndRow;
    draw();
    pirateCount = 0;
}

bool PirateWalk::nextPhase()
{
    if (phase < 0 || phase > 2)
        return false;  // only possible in the middle of a fall
    phase = std::int16_t((phase + 1) % 3);
    sx = phaseColumn[phase];
    return true;
}

void PirateWalk::pirateleft()
{
    if (x <= fallsAtOrBelow)
        piratefalls();
    if (!nextPhase())
        return;
    sy = towardsEndRow;
    x = std::int16_t(x - step);
    draw();
}

void PirateWalk::pirateright()
{
    if (!nextPhase())
        return;
    sy = backRow;
    x = std::int16_t(x + step);
    draw();
}

void PirateWalk::piratefalls()
{
    ++pirateCount;
    for (const FallFrames &f : fallFrames) {
        for (int i = 0; i < f.count; ++i) {
            phase = f.phase;
            sx = f.sx;
            sy = f.sy;
            y = std::int16_t(y + f.drop);
            draw();
            shown();
        }
    }
    for (int i = 0; i < holdFrames; ++i) {
        draw();
        shown();
    }
    x = respawnX;
    y = startY;
    sx = 0;
    sy = towardsEndRow;
    phase = 0;
    draw();
    shown();
    if (hooks_.faces)
        hooks_.faces();
}

void PirateWalk::draw() const
{
    if (hooks_.moveIt)
        hooks_.moveIt();
}

void PirateWalk::shown() const
{
    if (hooks_.frameShown)
        hooks_.frameShown();
}
