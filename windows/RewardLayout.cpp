// The certificate window's layout table.
#include "windows/RewardLayout.h"

#include "app/toolkit/Pictures.h"

namespace rewardlayout {
namespace {

using namespace toolkit;
using K = ControlKind;

constexpr FontSpec buttonFont{"Book Antiqua", 9.75, true};
constexpr FontSpec wording{"Book Antiqua", 21.75, true, true};
constexpr FontSpec motto{"Book Antiqua", 26.25, true, true};

// From top to bottom; the exit button, in the top left corner, comes last.
constexpr ControlSpec controls[] = {
    {.name = "Txtmyname", .kind = K::TextBox, .left = 3480, .top = 0, .width = 4935, .height = 615,
     .align = Align::Centre, .tabIndex = 5, .accessibleName = "your name for the certificate"},
    {.name = "Cmdmyname", .kind = K::CommandButton, .left = 3480, .top = 720, .width = 4935, .height = 735,
     .caption = "Type your name in the box above then Press here to put your name on the certificate!",
     .font = buttonFont, .flags = DefaultButton, .tabIndex = 6},
    {.name = "Lblfirst", .kind = K::Label, .left = 2760, .top = 1440, .width = 6375, .height = 735,
     .caption = "By order of her Majesty ", .font = {"Book Antiqua", 20.25, true, true},
     .foreColour = windowTextColour, .align = Align::Centre, .flags = Transparent, .tabIndex = 0},
    {.name = "Lblsecond", .kind = K::Label, .left = 1080, .top = 2520, .width = 9375, .height = 615,
     .caption = "you are hereby awarded the title of ", .font = wording, .foreColour = buttonTextColour,
     .align = Align::Centre, .flags = Transparent, .tabIndex = 1},
    // The name line: the rank title and the player's name go here, made smaller until they fit,
    // for a certificate that leaves out part of the child's name is no certificate.
    {.name = "Label1", .kind = K::Label, .left = 3480, .top = 3720, .width = 5055, .height = 855,
     .font = {"Book Antiqua", 26.25, true, true, true}, .foreColour = rgb(0x800000), .align = Align::Centre,
     .flags = Transparent | FitOnOneLine, .tabIndex = 4},
    {.name = "Lblthree", .kind = K::Label, .left = 1560, .top = 4920, .width = 8535, .height = 615,
     .caption = "For services to her Majestys Royal Navy", .font = wording, .foreColour = buttonTextColour,
     .flags = Transparent, .tabIndex = 2},
    {.name = "Lblfour", .kind = K::Label, .left = 2640, .top = 5640, .width = 7575, .height = 735,
     .caption = "GOD SAVE THE QUEEN", .font = motto, .foreColour = windowTextColour, .flags = Transparent,
     .tabIndex = 3},
    {.name = "Cmdprintit", .kind = K::CommandButton, .left = 3240, .top = 6360, .width = 4815, .height = 615,
     .caption = " Press here to PRINT OUT", .font = {"Book Antiqua", 18}, .tabIndex = 7},
    // What became of the certificate when no printer took it: on the dark ground below the
    // parchment, so that it never covers the wording.
    {.name = "Lblprintnote", .kind = K::Label, .left = 0, .top = 7875, .width = 11910, .height = 465,
     .font = {"Book Antiqua", 9.75, true}, .foreColour = rgb(0xF4F1E6), .align = Align::Centre,
     .flags = Hidden | Transparent},
    // The runs of spaces in its caption break it into lines in the narrow button.
    {.name = "Cmdexit", .kind = K::CommandButton, .left = 120, .top = 120, .width = 1695, .height = 1455,
     .caption = "   PRESS HERE   TO EXIT PROGRAM", .font = buttonFont, .backColour = rgb(0xFF0000),
     .flags = Hidden | Graphical, .tabIndex = 8, .accessibleName = "PRESS HERE TO EXIT PROGRAM"},
};

// One menu with an empty caption and no items: a blank entry on the bar that does nothing.
constexpr MenuSpec menus[] = {
    {.name = "mnuput", .caption = ""},
};

}  // namespace

const Layout layout{
    .form =
        {
            .name = "Frmreward",
            .caption = "THANKYOU!",
            .border = Border::FixedSingle,
            .maxButton = false,
            .minButton = false,
            .clientLeft = 45,
            .clientTop = 870,
            .clientWidth = 11910,
            .clientHeight = 8340,
            .picture = art::certificate,
        },
    .controls = controls,
    .menus = menus,
};

}  // namespace rewardlayout
