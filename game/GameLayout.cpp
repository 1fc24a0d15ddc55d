// The game window's layout table.
#include "game/GameLayout.h"

#include <iterator>
#include <vector>

#include "app/toolkit/Pictures.h"
#include "game/Levels.h"
#include "roster/CrewRoster.h"

namespace gamelayout {
namespace {

using namespace toolkit;
using K = ControlKind;

constexpr FontSpec nameFont{"MS Sans Serif", 8.25};
constexpr Colour white = rgb(0xFFFFFF);

// The play controls, over the sea at the lower left of the scene.
constexpr ControlSpec playControls[] = {
    {.name = "Txtspell", .kind = K::TextBox, .left = 120, .top = 5400, .width = 3135, .height = 615,
     .font = {"Verdana", 14.25}, .align = Align::Centre, .flags = MultiLine, .tabIndex = 2,
     .accessibleName = "answer box"},
    {.name = "Txtscore", .kind = K::TextBox, .left = 4800, .top = 5400, .width = 735, .height = 615,
     .font = {"Courier New", 18, true}, .align = Align::Centre, .tabIndex = 5, .accessibleName = "score"},
    {.name = "Label1", .kind = K::Label, .left = 4800, .top = 6120, .width = 855, .height = 615,
     .caption = "YOUR SCORE", .font = {"MS Serif", 12, true}, .foreColour = white, .align = Align::Centre,
     .flags = Transparent},
    {.name = "Cmdclear", .kind = K::CommandButton, .left = 3360, .top = 5400, .width = 1215, .height = 615,
     .caption = "&Clear", .font = {"MS Sans Serif", 8.25}, .tabIndex = 4},
    {.name = "Cmdquit", .kind = K::CommandButton, .left = 120, .top = 6120, .width = 735, .height = 615,
     .caption = "&Quit", .font = {"MS Sans Serif", 12, true}, .tabIndex = 3},
    {.name = "Cmdnextword", .kind = K::CommandButton, .left = 960, .top = 6120, .width = 2295, .height = 615,
     .caption = "&NEW WORD", .tabIndex = 7},
    {.name = "Cmdamiright", .kind = K::CommandButton, .left = 3360, .top = 6120, .width = 1215, .height = 615,
     .caption = "AM I RIGHT?", .font = {"System", 9.75, true}, .flags = DefaultButton, .tabIndex = 8},
};

// The fleet, to the right of the crew's faces and level with their upper row.
constexpr ControlSpec ships[] = {
    {.name = "Imgship3", .kind = K::Image, .left = 5280, .top = 6840, .width = 1890, .height = 1455,
     .flags = Hidden | Bordered, .picture = art::ship, .accessibleName = "ship"},
    {.name = "Imgship2", .kind = K::Image, .left = 7200, .top = 6840, .width = 1860, .height = 1425,
     .flags = Hidden | Bordered, .picture = art::ship, .accessibleName = "ship"},
    {.name = "Imgship1", .kind = K::Image, .left = 9120, .top = 6840, .width = 1890, .height = 1455,
     .flags = Hidden | Bordered, .picture = art::ship, .accessibleName = "ship"},
};

// Never visible: the sheets the pirate is drawn from.
constexpr ControlSpec sheets[] = {
    {.name = "Picsprite", .kind = K::PictureBox, .left = 120, .top = 120, .width = 2655, .height = 5535,
     .flags = Hidden | Bordered, .picture = art::spriteSheet},
    {.name = "Picmask", .kind = K::PictureBox, .left = 120, .top = 120, .width = 2655, .height = 5535,
     .flags = Hidden | Bordered, .picture = art::maskSheet},
};

// The controls in the order they are stacked: play controls, then the crew roster under the scene
// (each pirate's face and name from his row, hidden until he falls), the fleet and the sheets.
std::vector<ControlSpec> buildControls()
{
    std::vector<ControlSpec> controls(std::begin(playControls), std::end(playControls));
    for (const roster::Pirate &p : roster::crew)
        controls.push_back({.name = p.face, .kind = K::Image, .left = p.facePlace.left, .top = p.facePlace.top,
                            .width = p.facePlace.width, .height = p.facePlace.height, .flags = Hidden,
                            .picture = p.picture, .accessibleName = p.caption});
    // Names come after the faces, so an upper-row name lies over the top of the face below it.
    for (const roster::Pirate &p : roster::crew)
        controls.push_back({.name = p.name, .kind = K::Label, .left = p.namePlace.left, .top = p.namePlace.top,
                            .width = p.namePlace.width, .height = p.namePlace.height, .caption = p.caption,
                            .font = nameFont, .foreColour = white, .align = Align::Centre,
                            .flags = Hidden | Transparent});
    controls.insert(controls.end(), std::begin(ships), std::end(ships));
    controls.insert(controls.end(), std::begin(sheets), std::end(sheets));
    return controls;
}

// The menu bar: LEVEL, holding one checkable item per row of the level table, then ABOUT.
std::vector<MenuSpec> buildMenus()
{
    std::vector<MenuSpec> menus{{.name = "mnulevel", .caption = "LEVEL"}};
    for (const Level &level : levels)
        menus.push_back({.name = level.menuItem, .caption = level.caption, .parent = "mnulevel",
                         .shortcut = level.shortcut, .checkable = true});
    menus.push_back({.name = "mnuabout", .caption = "ABOUT"});
    return menus;
}

const std::vector<ControlSpec> controls = buildControls();
const std::vector<MenuSpec> menus = buildMenus();

}  // namespace

const Layout layout{
    .form =
        {
            .name = "frmScallywise",
            .caption = "Scallywise!",
            .border = Border::FixedSingle,
            .maxButton = false,
            .minButton = false,
            .startMaximised = true,
            .clientLeft = 300,
            .clientTop = 360,
            .clientWidth = 10980,
            .clientHeight = 8340,
            .backColour = rgb(0x004040),
            .picture = art::seaScene,
            .font = {"MS Sans Serif", 13.5},
            .persistentCanvas = true,
        },
    .controls = controls,
    .menus = menus,
};

}  // namespace gamelayout
