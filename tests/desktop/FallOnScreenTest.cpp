// On a real X display the fall reaches the screen frame by frame, at its pace: while the game's
// thread draws the paced fall, a second connection to the X server watches the board's end and
// sees the pirate sink through many different pictures, not one jump from standing to gone, and
// the fall with its hold and respawn takes 36 frames of 40 ms.
#include <QApplication>
#include <QTest>
#include <atomic>
#include <chrono>
#include <iostream>
#include <gtest/gtest.h>
#include <set>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

#include "support/GameDriver.h"

namespace {

using Clock = std::chrono::steady_clock;

// A picture of the watched area and when it first showed.
struct Seen {
    Clock::time_point at;
    std::string picture;
};

// Grabs an area of the window over and over until told to stop; keeps each picture that differs
// from the one before, with the moment it was first seen.
class Watcher {
public:
    Watcher(xcb_window_t window, QRect area) : window_(window), area_(area)
    {
        thread_ = std::thread([this] { watch(); });
    }
    ~Watcher() { stop(); }
    void stop()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    // Only once the watcher has stopped.
    const std::vector<Seen> &changes() const { return changes_; }

private:
    void watch()
    {
        xcb_connection_t *c = xcb_connect(nullptr, nullptr);
        std::string last;
        while (!stop_) {
            auto cookie = xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, area_.x(), area_.y(),
                                        area_.width(), area_.height(), ~0u);
            if (xcb_get_image_reply_t *reply = xcb_get_image_reply(c, cookie, nullptr)) {
                std::string picture(reinterpret_cast<const char *>(xcb_get_image_data(reply)),
                                    size_t(xcb_get_image_data_length(reply)));
                if (picture != last)
                    changes_.push_back({Clock::now(), last = picture});
                free(reply);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        xcb_disconnect(c);
    }

    xcb_window_t window_;
    QRect area_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::vector<Seen> changes_;
};

// Walks the first pirate to the board's end, then watches the area of the client area while the
// answer that pushes him off is judged, and gives what the screen showed.
std::vector<Seen> watchFall(GameDriver &game, const QRect &area)
{
    frmScallywise &w = game.w();
    game.chooseLevel("easy");
    for (int i = 0; i < 7; ++i)
        game.answerRight();
    EXPECT_EQ(w.pirate().x, 88);
    game.newWord();
    game.typeAnswer(w.currentWord());
    QTest::qWait(200);  // let the screen catch up with the walk

    const QRect inWindow(w.clientArea()->mapTo(&w, area.topLeft()), area.size());
    w.setFallPaced(true);
    std::vector<Seen> changes;
    {
        Watcher watcher(xcb_window_t(w.winId()), inWindow);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        w.Cmdamiright->click();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        watcher.stop();
        changes = watcher.changes();
    }
    EXPECT_EQ(w.pirate().pirateCount, 1);
    return changes;
}

}  // namespace

TEST(FallOnScreen, EveryFewFramesOfThePacedFallReachTheScreen)
{
    GameDriver game;
    // The column the pirate falls through.
    const std::vector<Seen> changes = watchFall(game, QRect(88, 135, 50, 292 + 84 - 135));
    std::set<std::string> seen;
    for (const Seen &change : changes)
        seen.insert(change.picture);
    // Fifteen falling frames and the last one held are distinct pictures, shown 40 ms apart; a
    // fall drawn only at its end would show two or three.
    EXPECT_GE(seen.size(), 10u);
    std::cout << "distinct pictures seen: " << seen.size() << std::endl;
}

TEST(FallOnScreen, TheFallWithItsHoldAndRespawnLasts36FramesOf40ms)
{
    GameDriver game;
    // From the board's end, where he falls, to beside the ship, where the next pirate stands and
    // takes his first step once the fall is over.
    const std::vector<Seen> changes = watchFall(game, QRect(88, 135, 380 + 55 - 88, 292 + 84 - 135));
    ASSERT_GE(changes.size(), 3u);
    // The first change is the first falling frame; the last, the new pirate's step, which comes
    // one frame after the respawn: 15 falling frames, 20 held, the respawn, each 40 ms on screen.
    const auto lasted = std::chrono::duration_cast<std::chrono::milliseconds>(changes.back().at - changes[1].at);
    constexpr int expectedMs = 36 * 40;
    std::cout << "the fall lasted " << lasted.count() << " ms on the screen" << std::endl;
    EXPECT_NEAR(double(lasted.count()), expectedMs, expectedMs * 0.15);
}
