// Prints, as JSON, where the program puts what the desktop tests look for (screens.py, keyboard.py): the
// LEVEL menu's items with their shortcuts and ranks, the
// title window's OK button, the game window's play controls and the pirate as the game opens and
// after his first step, the first pirate's falling frames, the certificate's wording in a system
// colour over its parchment, in pixels of each window's inside, read off the windows the program builds.
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "app/Frmfirst.h"
#include "game/GameLayout.h"
#include "game/Levels.h"
#include "game/frmScallywise.h"
#include "sprite/Compositor.h"
#include "windows/Frmreward.h"
#include "windows/RewardLayout.h"

namespace {

QJsonArray placeOf(const toolkit::Form &form, const QWidget *control)
{
    const QPoint at = control->mapTo(form.clientArea(), QPoint(0, 0));
    return {at.x(), at.y(), control->width(), control->height()};
}

QString qstr(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

struct NoLevel : RankSource {
    std::string_view rankTitle() const override { return {}; }
};

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Frmfirst title;
    frmScallywise game;

    // The controls the game window shows as it opens; a label draws only its text over the scene.
    QJsonObject controls;
    for (const toolkit::ControlSpec &spec : gamelayout::layout.controls) {
        if (spec.has(toolkit::Hidden))
            continue;
        controls.insert(qstr(spec.name), QJsonObject{
                                             {"place", placeOf(game, game.control(spec.name))},
                                             {"whole", spec.kind != toolkit::ControlKind::Label},
                                         });
    }
    const PirateWalk &pirate = game.pirate();
    // The pirate after one right answer, stepped on a copy that draws nothing.
    PirateWalk stepped = pirate;
    stepped.setHooks({});
    stepped.pirateleft();
    // The first pirate's falling frames (the held ones left out), walked on another copy.
    PirateWalk walker = pirate;
    QJsonArray falling;
    int fallingFrames = 0;
    for (const PirateWalk::FallFrames &run : PirateWalk::fallFrames)
        fallingFrames += run.count;
    walker.setHooks({.moveIt = [&] {
        if (walker.pirateCount == 1 && falling.size() < fallingFrames)
            falling.append(QJsonArray{walker.x, walker.y, walker.sx, walker.sy});
    }});
    while (walker.pirateCount == 0)
        walker.pirateleft();
    // The LEVEL menu's items in menu order, each with its shortcut and the rank it earns.
    QJsonArray levelItems;
    for (const Level &level : levels)
        levelItems.append(QJsonObject{{"item", qstr(level.menuItem)},
                                      {"caption", qstr(level.caption)},
                                      {"shortcut", game.levelItem(level)->shortcut().toString()},
                                      {"rank", qstr(level.rank)}});
    // The certificate's labels that take the desktop's text colours over the parchment.
    const NoLevel noLevel;
    Frmreward certificate(noLevel);
    QJsonObject wording;
    for (const toolkit::ControlSpec &spec : rewardlayout::layout.controls)
        if (spec.kind == toolkit::ControlKind::Label && spec.has(toolkit::Transparent)
            && spec.foreColour.role != toolkit::Colour::Role::Rgb && !spec.has(toolkit::Hidden))
            wording.insert(qstr(spec.name), placeOf(certificate, certificate.control(spec.name)));
    const QSize certificateSize = certificate.clientSize();
    const QJsonObject places{
        {"certificate_size", QJsonArray{certificateSize.width(), certificateSize.height()}},
        {"certificate_wording", wording},
        {"certificate_name_box", placeOf(certificate, certificate.Txtmyname)},
        {"levels", levelItems},
        {"ok_button", placeOf(title, title.Cmdokay)},
        {"play_controls", controls},
        {"pirate_place", QJsonArray{pirate.x, pirate.y}},
        {"pirate_frame", QJsonArray{pirate.sx, pirate.sy}},
        {"stepped_place", QJsonArray{stepped.x, stepped.y}},
        {"stepped_frame", QJsonArray{stepped.sx, stepped.sy}},
        {"falling", falling},
        {"cell", QJsonArray{Compositor::cellWidth, Compositor::cellHeight}},
    };
    std::fputs(QJsonDocument(places).toJson().constData(), stdout);
    return 0;
}
