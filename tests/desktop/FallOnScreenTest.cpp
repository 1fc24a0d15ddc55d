// On a real X display the fall reaches the screen frame by frame: while the game's thread draws
// the paced fall, a second connection to the X server watches the board's end and sees the
// pirate sink through many different pictures, not one jump from standing to gone.
#include <QApplication>
#include <QTest>
#include <atomic>
#include <iostream>
#include <gtest/gtest.h>
#include <set>
#include <thread>
#include <xcb/xcb.h>

#include "support/GameDriver.h"

namespace {

// Grabs one column of the window, where the pirate falls, over and over until told to stop;
// keeps each picture that differs from the one before.
class Watcher {
public:
    Watcher(xcb_window_t window, QRect area) : window_(window), area_(area)
    {
        thread_ = std::thread([this] { watch(); });
    }
    ~Watcher()
    {
        stop_ = true;
        thread_.join();
    }
    std::set<std::string> pictures() const { return pictures_; }

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
                    pictures_.insert(last = picture);
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
    std::set<std::string> pictures_;
};

}  // namespace

TEST(FallOnScreen, EveryFewFramesOfThePacedFallReachTheScreen)
{
    GameDriver game;
    frmScallywise &w = game.w();
    game.chooseLevel(Level::Easy);
    for (int i = 0; i < 7; ++i)
        game.answerRight();
    ASSERT_EQ(w.pirate().x, 88);
    game.newWord();
    game.typeAnswer(w.currentWord());
    QTest::qWait(200);  // let the screen catch up with the walk

    // The column the pirate falls through, in the client area's native window.
    const QPoint corner = w.clientArea()->mapTo(&w, QPoint(88, 135));
    const QRect column(corner, QSize(50, 292 + 84 - 135));
    w.setFallPaced(true);
    std::set<std::string> seen;
    {
        Watcher watcher(xcb_window_t(w.winId()), column);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        w.Cmdamiright->click();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        seen = watcher.pictures();
    }
    ASSERT_EQ(w.pirate().pirateCount, 1);
    // Fifteen falling frames and the last one held are distinct pictures, shown 40 ms apart; a
    // fall drawn only at its end would show two or three.
    EXPECT_GE(seen.size(), 10u);
    std::cout << "distinct pictures seen: " << seen.size() << std::endl;
}
