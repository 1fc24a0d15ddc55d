// The game window's layout table.
#include "game/GameLayout.h"

#include <vector>

#include "app/toolkit/Pictures.h"
#include "game/Levels.h"

namespace gamelayout {
namespace {

using namespace toolkit;
using K = ControlKind;

constexpr FontSpec nameFont{"MS Sans Serif", 8.25};
constexpr Colour white = rgb(0xFFFFFF);
constexpr std::uint32_t face = Hidden;
constexpr std::uint32_t name = Hidden | Transparent;

constexpr ControlSpec controls[] = {
    // The play controls, over the sea at the lower left of the scene.
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

    // The crew roster under the scene: faces in blocks of four, names under them, then the fleet.
    {.name = "Imgpatchy", .kind = K::Image, .left = 0, .top = 6840, .width = 600, .height = 600, .flags = face,
     .picture = ":/icons/patchy.ico", .accessibleName = "Patchy"},
    {.name = "Imgcurly", .kind = K::Image, .left = 1080, .top = 6840, .width = 600, .height = 600, .flags = face,
     .picture = ":/icons/curly.ico", .accessibleName = "Curly"},
    {.name = "Imgscarf", .kind = K::Image, .left = 0, .top = 7560, .width = 600, .height = 600, .flags = face,
     .picture = ":/icons/scarface.ico", .accessibleName = "Scarface"},
    {.name = "Imgjames", .kind = K::Image, .left = 1080, .top = 7560, .width = 585, .height = 600, .flags = face,
     .picture = ":/icons/james.ico", .accessibleName = "Gentleman James"},
    {.name = "Imgindianjoe", .kind = K::Image, .left = 1920, .top = 6840, .width = 600, .height = 585,
     .flags = face, .picture = ":/icons/indianjoe.ico", .accessibleName = "Indian Joe"},
    {.name = "Imgsilas", .kind = K::Image, .left = 2760, .top = 6840, .width = 600, .height = 600, .flags = face,
     .picture = ":/icons/silas.ico", .accessibleName = "Silas"},
    {.name = "Imgtar", .kind = K::Image, .left = 2040, .top = 7560, .width = 495, .height = 615, .flags = face,
     .picture = ":/icons/tar.ico", .accessibleName = "Tar"},
    {.name = "Imgblackjack", .kind = K::Image, .left = 2760, .top = 7560, .width = 585, .height = 600,
     .flags = face, .picture = ":/icons/blackjack.ico", .accessibleName = "Black Jack"},
    {.name = "Imgbigned", .kind = K::Image, .left = 3600, .top = 6840, .width = 555, .height = 585, .flags = face,
     .picture = ":/icons/bigned.ico", .accessibleName = "Big Ned"},
    {.name = "Imgchinabob", .kind = K::Image, .left = 4440, .top = 6840, .width = 615, .height = 585,
     .flags = face, .picture = ":/icons/chinabob.ico", .accessibleName = "China Bob"},
    {.name = "Imgskullface", .kind = K::Image, .left = 3600, .top = 7560, .width = 600, .height = 585,
     .flags = face, .picture = ":/icons/skullface.ico", .accessibleName = "Skull Face"},
    {.name = "Imgfreckles", .kind = K::Image, .left = 4440, .top = 7560, .width = 615, .height = 615,
     .flags = face, .picture = ":/icons/freckles.ico", .accessibleName = "Freckles"},
    // Names come after the faces, so an upper-row name lies over the top of the face below it.
    {.name = "Lblpatchy", .kind = K::Label, .left = 0, .top = 7440, .width = 735, .height = 255, .caption = "Patchy",
     .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Lblcurly", .kind = K::Label, .left = 1080, .top = 7440, .width = 615, .height = 255,
     .caption = "Curly", .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Lblscarf", .kind = K::Label, .left = 0, .top = 8160, .width = 615, .height = 255,
     .caption = "Scarface", .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Lbljames", .kind = K::Label, .left = 840, .top = 8160, .width = 1335, .height = 375,
     .caption = "Gentleman James", .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Lblindianjoe", .kind = K::Label, .left = 1800, .top = 7440, .width = 1095, .height = 255,
     .caption = "Indian Joe", .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Lblsilas", .kind = K::Label, .left = 2760, .top = 7440, .width = 615, .height = 255,
     .caption = "Silas", .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Lbltar", .kind = K::Label, .left = 2040, .top = 8160, .width = 615, .height = 255, .caption = "Tar",
     .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Lblblackjack", .kind = K::Label, .left = 2640, .top = 8160, .width = 855, .height = 255,
     .caption = "Black Jack", .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Lblbigned", .kind = K::Label, .left = 3480, .top = 7440, .width = 855, .height = 255,
     .caption = "Big Ned", .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Lblchina", .kind = K::Label, .left = 4320, .top = 7440, .width = 975, .height = 255,
     .caption = "China Bob", .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Lblskull", .kind = K::Label, .left = 3480, .top = 8160, .width = 975, .height = 255,
     .caption = "Skull Face", .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Lblfreckles", .kind = K::Label, .left = 4320, .top = 8160, .width = 975, .height = 255,
     .caption = "Freckles", .font = nameFont, .foreColour = white, .align = Align::Centre, .flags = name},
    {.name = "Imgship3", .kind = K::Image, .left = 5280, .top = 6840, .width = 1890, .height = 1455,
     .flags = Hidden | Bordered, .picture = art::ship, .accessibleName = "ship"},
    {.name = "Imgship2", .kind = K::Image, .left = 7200, .top = 6840, .width = 1860, .height = 1425,
     .flags = Hidden | Bordered, .picture = art::ship, .accessibleName = "ship"},
    {.name = "Imgship1", .kind = K::Image, .left = 9120, .top = 6840, .width = 1890, .height = 1455,
     .flags = Hidden | Bordered, .picture = art::ship, .accessibleName = "ship"},

    // Never visible: the sheets the pirate is drawn from, and the sound players (their clips: roster/Cues.h).
    {.name = "Picsprite", .kind = K::PictureBox, .left = 120, .top = 120, .width = 2655, .height = 5535,
     .flags = Hidden | Bordered, .picture = art::spriteSheet},
    {.name = "Picmask", .kind = K::PictureBox, .left = 120, .top = 120, .width = 2655, .height = 5535,
     .flags = Hidden | Bordered, .picture = art::maskSheet},
    {.name = "MMcurses", .kind = K::Player, .left = 3120, .top = 120, .width = 420, .height = 615,
     .flags = Hidden},
    {.name = "MMmust", .kind = K::Player, .left = 3600, .top = 120, .width = 420, .height = 615,
     .flags = Hidden},
    {.name = "MMfleet", .kind = K::Player, .left = 4080, .top = 120, .width = 420, .height = 615,
     .flags = Hidden},
    {.name = "MMvoices", .kind = K::Player, .left = 4680, .top = 120, .width = 420, .height = 615,
     .flags = Hidden},
};

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
