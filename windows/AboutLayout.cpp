// The about window's layout table.
#include "windows/AboutLayout.h"

#include "app/toolkit/Pictures.h"

namespace aboutlayout {
namespace {

using namespace toolkit;
using K = ControlKind;

constexpr Colour black = rgb(0x000000);

constexpr ControlSpec controls[] = {
    {.name = "Image1", .kind = K::Image, .left = 0, .top = 0, .width = 1080, .height = 1200,
     .picture = art::pirateFace},
    // The version and the title are filled in when the window loads.
    {.name = "lblVersion", .kind = K::Label, .left = 1200, .top = 0, .width = 3885, .height = 345,
     .font = {"Comic Sans MS", 12, true}, .foreColour = rgb(0x400040), .flags = Transparent, .tabIndex = 4},
    {.name = "lblTitle", .kind = K::Label, .left = 1200, .top = 360, .width = 3885, .height = 480,
     .font = {"Comic Sans MS", 14.25, true}, .foreColour = black, .flags = Transparent, .tabIndex = 3},
    // The run of spaces pushes the sentence for the player onto the line after the credit.
    {.name = "lblDescription", .kind = K::Label, .left = 1080, .top = 720, .width = 3885, .height = 1530,
     .caption = "Made by the Scallywise developers.                    "
                "Spell the words correctly to send the pirates off the board!",
     .font = {"Comic Sans MS", 12, true}, .foreColour = black, .flags = Transparent, .tabIndex = 1},
    // An etched rule: a grey line with a white one just below it.
    {.name = "Line1(1)", .kind = K::Line, .left = 90, .top = 2445, .foreColour = rgb(0x808080), .lineRight = 5654,
     .lineBottom = 2445, .lineWidth = 1},
    {.name = "Line1(0)", .kind = K::Line, .left = 105, .top = 2460, .foreColour = rgb(0xFFFFFF), .lineRight = 5654,
     .lineBottom = 2460, .lineWidth = 2},
    {.name = "lblDisclaimer", .kind = K::Label, .left = 255, .top = 2385, .width = 3870, .height = 1185,
     .caption = "Copyright 2026                    the Scallywise developers.                    "
                "Share it! GNU GPL 3 or later.",
     .font = {"Comic Sans MS", 14.25, true}, .foreColour = black, .flags = Transparent, .tabIndex = 2},
    {.name = "cmdOK", .kind = K::CommandButton, .left = 4245, .top = 2625, .width = 1260, .height = 465,
     .caption = "OK", .font = {"Comic Sans MS", 12, true}, .backColour = rgb(0x8080FF),
     .flags = Graphical | DefaultButton | CancelButton, .tabIndex = 0},
};

}  // namespace

const Layout layout{
    .form =
        {
            .name = "frmAboutScallywise",
            .border = Border::FixedDialog,
            .maxButton = false,
            .minButton = false,
            .inTaskbar = false,
            .clientLeft = 3105,
            .clientTop = 2835,
            .clientWidth = 5730,
            .clientHeight = 3555,
            .backColour = rgb(0x00C0C0),
        },
    .controls = controls,
    .menus = {},
};

}  // namespace aboutlayout
