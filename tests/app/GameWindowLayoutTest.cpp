// The game window as it first shows: its layout table control by control, where the controls lie
// over the scene, and what the child sees.
#include <gtest/gtest.h>
#include <utility>
#include <vector>

#include "app/toolkit/Pictures.h"
#include "game/GameLayout.h"
#include "roster/CrewRoster.h"
#include "support/GameDriver.h"
#include "support/LayoutCheck.h"

TEST(GameWindowLayout, EveryControlAndMenuIsAsTheTableSays)
{
    GameDriver game;
    // The load handler writes the prompt and disables NEW WORD; everything else is the table's.
    layoutcheck::expectMatchesLayout(game.w(), {"Txtspell", "Cmdnextword"});
    const QStringList barOrder = [&] {
        QStringList captions;
        for (QAction *a : game.w().menuWidget()->actions())
            captions << a->text();
        return captions;
    }();
    EXPECT_EQ(barOrder, (QStringList{"LEVEL", "ABOUT"}));
}

TEST(GameWindowLayout, TheWindowIsAFixedMaximisedWindowWithItsCaption)
{
    GameDriver game;
    frmScallywise &w = game.w();
    EXPECT_EQ(w.windowTitle(), "Scallywise!");
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(w.clientSize(), QSize(732, 556));
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST(GameWindowLayout, TheSceneShowsOnTheBackgroundColourWithNoRoster)
{
    GameDriver game;
    frmScallywise &w = game.w();
    const QImage shown = w.clientArea()->grab().toImage();
    const QImage scene = toolkit::loadImage(art::seaScene);
    ASSERT_EQ(scene.size(), QSize(735, 456));
    // Outside the scene: the dark teal background, where the roster will stand.
    for (QPoint p : {QPoint(740, 10), QPoint(20, 470), QPoint(400, 540), QPoint(shown.width() - 1, shown.height() - 1)})
        EXPECT_EQ(QColor(shown.pixel(p)), QColor(0x004040)) << p.x() << "," << p.y();
    // The scene itself, unscaled, where no control and no pirate covers it.
    for (QPoint p : {QPoint(5, 5), QPoint(600, 200), QPoint(100, 300), QPoint(700, 440)})
        EXPECT_EQ(QColor(shown.pixel(p)), QColor(scene.pixel(p))) << p.x() << "," << p.y();
    for (QWidget *child : w.clientArea()->findChildren<QWidget *>())
        if (child->objectName().startsWith("Img") || child->objectName().startsWith("Lbl")) {
            EXPECT_FALSE(child->isVisible()) << child->objectName().toStdString();
        }
}

namespace {

// Where a control stands in the client area, as the window placed it.
QRect placeOf(frmScallywise &w, std::string_view name)
{
    const QWidget *control = w.control(name);
    return QRect(control->mapTo(w.clientArea(), QPoint(0, 0)), control->size());
}

bool isSea(QRgb c) { return c == qRgb(0x00, 0x80, 0x80) || c == qRgb(0x00, 0xFF, 0xFF); }

}  // namespace

// Whatever places the layout table gives: the controls a child plays with lie over the sea, inside
// the scene; the roster's faces, names and ships lie under the scene, inside the window; and no two
// play controls, faces or ships cover each other. (A name may overlap the face below it: its label
// is transparent.)
TEST(GameWindowLayout, ThePlayControlsLieOverTheSeaTheRosterUnderItAndNoneOverlap)
{
    GameDriver game;
    frmScallywise &w = game.w();
    const QImage scene = toolkit::loadImage(art::seaScene).convertToFormat(QImage::Format_RGB32);
    const QRect sceneRect(QPoint(0, 0), scene.size());
    const QRect client(QPoint(0, 0), w.clientSize());

    std::vector<std::pair<std::string_view, QRect>> solid;  // must not overlap one another
    for (const toolkit::ControlSpec &spec : gamelayout::layout.controls) {
        if (spec.has(toolkit::Hidden))
            continue;
        SCOPED_TRACE(spec.name);
        const QRect place = placeOf(w, spec.name);
        ASSERT_TRUE(sceneRect.contains(place));
        int sea = 0;
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                sea += isSea(scene.pixel(x, y));
        EXPECT_EQ(sea, place.width() * place.height()) << "the control covers something other than sea";
        solid.emplace_back(spec.name, place);
    }
    EXPECT_GE(solid.size(), 7u);

    for (const roster::Pirate &fallen : roster::crew) {
        for (std::string_view name : {fallen.face, fallen.name, fallen.ship}) {
            if (name.empty())
                continue;
            SCOPED_TRACE(name);
            const QRect place = placeOf(w, name);
            EXPECT_GE(place.top(), sceneRect.bottom() + 1) << "in the scene";
            if (name == fallen.face)
                EXPECT_TRUE(client.contains(place)) << "outside the window";
            else  // a lower-row name's box and the last ship's edge run a little past the window's edges
                EXPECT_TRUE(client.contains(place.topLeft())) << "outside the window";
            if (name != fallen.name)
                solid.emplace_back(name, place);
        }
    }
    for (size_t i = 0; i < solid.size(); ++i)
        for (size_t j = i + 1; j < solid.size(); ++j)
            EXPECT_FALSE(solid[i].second.intersects(solid[j].second)) << solid[i].first << " and " << solid[j].first;
}
