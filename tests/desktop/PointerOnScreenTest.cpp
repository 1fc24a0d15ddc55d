// On a real X display the pointer a person sees, read back from the X server: the parrot over the
// title and game windows and over the title window's OK button, the arrow over the game's buttons
// and its menu bar, the I-beam over its answer box.
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include "game/Levels.h"
#include "app/Frmfirst.h"
#include "app/toolkit/Pictures.h"
#include "app/toolkit/Program.h"
#include "game/frmScallywise.h"
#include "support/WaitUntil.h"

namespace {

// The pointer's picture as the X server shows it, with its hot spot.
struct Shown {
    QImage picture;
    QPoint hotSpot;
    bool operator==(const Shown &other) const { return picture == other.picture && hotSpot == other.hotSpot; }
};

class PointerOnScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        display_ = XOpenDisplay(nullptr);
        ASSERT_NE(display_, nullptr);
        int event = 0, error = 0;
        ASSERT_TRUE(XFixesQueryExtension(display_, &event, &error)) << "the X server has no XFIXES";
        previousEnder_ = toolkit::setProgramEnder([] {});
    }
    void TearDown() override
    {
        toolkit::setProgramEnder(previousEnder_);
        if (display_)
            XCloseDisplay(display_);
    }

    // Moves the real pointer to a point of the widget and reads what the server then shows.
    Shown pointerOver(QWidget *widget, QPoint point)
    {
        QCursor::setPos(widget->mapToGlobal(point));
        // The program learns of the move from the server and sets the window's pointer.
        QTest::qWait(150);
        XFixesCursorImage *image = XFixesGetCursorImage(display_);
        if (!image)
            return {};
        QImage picture(image->width, image->height, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < image->height; ++y)
            for (int x = 0; x < image->width; ++x)
                picture.setPixel(x, y, QRgb(image->pixels[y * image->width + x]));
        Shown shown{picture, QPoint(image->xhot, image->yhot)};
        XFree(image);
        return shown;
    }
    Shown pointerOver(QWidget *widget) { return pointerOver(widget, widget->rect().center()); }

    static Shown parrot()
    {
        const QCursor &cursor = toolkit::parrotCursor();
        return {cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), cursor.hotSpot()};
    }

private:
    Display *display_ = nullptr;
    std::function<void()> previousEnder_;
};

}  // namespace

TEST_F(PointerOnScreen, TheParrotOverTheWindowsAndOkTheNormalPointerOverOtherControls)
{
    Frmfirst title;
    title.showForm();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&title));
    EXPECT_EQ(pointerOver(title.clientArea(), {600, 500}), parrot()) << "over the title scene";
    EXPECT_EQ(pointerOver(title.Cmdokay), parrot()) << "over OK";

    title.Cmdokay_Click();
    frmScallywise *game = title.game();
    ASSERT_NE(game, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(game));
    EXPECT_EQ(pointerOver(game->clientArea(), {600, 100}), parrot()) << "over the sea scene";
    const Shown arrow = pointerOver(game->Cmdclear);
    EXPECT_FALSE(arrow == parrot()) << "over Clear";
    EXPECT_FALSE(arrow.picture.isNull());
    for (QWidget *button : {(QWidget *)game->Cmdquit, (QWidget *)game->Cmdamiright})
        EXPECT_EQ(pointerOver(button), arrow) << button->objectName().toStdString();
    // A disabled control takes no mouse, so the window's own pointer shows over it, as over any
    // window's disabled control; once enabled it shows the arrow.
    ASSERT_FALSE(game->Cmdnextword->isEnabled());
    EXPECT_EQ(pointerOver(game->Cmdnextword), parrot()) << "over NEW WORD, disabled";
    game->levelItem(*levelNamed("easy"))->trigger();
    pointerOver(game->clientArea(), {600, 100});
    EXPECT_EQ(pointerOver(game->Cmdnextword), arrow) << "over NEW WORD, enabled";
    EXPECT_EQ(pointerOver(game->menuBar(), game->menuBar()->actionGeometry(game->mnuabout).center()), arrow)
        << "over the menu bar";
    const Shown textPointer = pointerOver(game->Txtspell->editor());
    EXPECT_FALSE(textPointer == parrot()) << "over the answer box";
    EXPECT_FALSE(textPointer == arrow) << "over the answer box: the I-beam";
}
