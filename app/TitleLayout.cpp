// The title window's layout table.
#include "app/TitleLayout.h"

#include "app/toolkit/Pictures.h"

namespace titlelayout {
namespace {

using namespace toolkit;

constexpr ControlSpec controls[] = {
    {.name = "Cmdokay", .kind = ControlKind::CommandButton, .left = 240, .top = 1320, .width = 1335,
     .height = 1335, .backColour = rgb(0xFFFF00), .flags = Graphical | DefaultButton | ParrotPointer,
     .tabIndex = 0, .picture = art::okPicture, .accessibleName = "OK"},
};

}  // namespace

const Layout layout{
    .form =
        {
            .name = "Frmfirst",
            .caption = "SCALLYWISE",
            .border = Border::Sizable,
            .startMaximised = true,
            .clientLeft = 60,
            .clientTop = 90,
            .clientWidth = 11880,
            .clientHeight = 8595,
            .backColour = rgb(0xFFFF00),
            .picture = art::titleScene,
        },
    .controls = controls,
    .menus = {},
};

}  // namespace titlelayout
