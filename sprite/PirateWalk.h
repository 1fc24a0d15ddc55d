// The pirate on the board: his place, sheet frame, walk phase and the count of pirates fallen,
// his steps towards the board's end and back, and his fall into the sea. Drawing, pacing and what
// a fall reveals are the window's business, reached through hooks.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

class PirateWalk {
public:
    struct Hooks {
        std::function<void()> moveIt;      // draw the pirate at his place with his frame
        std::function<void()> frameShown;  // after each drawing of the fall: the pace of the animation
        std::function<void()> faces;       // after a fall: reveal who fell
    };

    static constexpr std::int16_t step = 36;
    static constexpr std::int16_t startX = 340, startY = 135;
    static constexpr std::int16_t respawnX = 380;
    static constexpr std::int16_t fallsAtOrBelow = 110;  // a right answer here pushes him off
    static constexpr std::int16_t backStepGuard = 340;   // a wrong answer here moves nobody
    static constexpr std::int16_t towardsEndRow = 8, backRow = 278;
    static constexpr int holdFrames = 20;  // the fall's last frame, drawn again this often

    // A run of the fall's frames: count drawings, each after the pirate drops drop pixels, with
    // the walk phase and sheet frame given.
    struct FallFrames {
        int count;
        std::int16_t phase;
        std::int16_t sx, sy;
        std::int16_t drop;
    };
    // Fifteen frames: tumbling down past the board, then sinking until only the hat shows.
    static const std::span<const FallFrames> fallFrames;

    void setHooks(Hooks hooks) { hooks_ = std::move(hooks); }

    // Puts the first pirate at the start place, frame (0, 8); the walk phase is left alone.
    void load();

    // One step towards the board's end; a pirate already at the end falls first and his
    // successor takes the step.
    void pirateleft();
    // One step back towards the ship.
    void pirateright();
    void piratefalls();

    bool standsBesideShip() const { return x >= backStepGuard; }

    std::int16_t x = 0, y = 0;
    std::int16_t sx = 0, sy = 0;
    std::int16_t phase = 0;
    int pirateCount = 0;

private:
    bool nextPhase();
    void draw() const;
    void shown() const;

    Hooks hooks_;
};
