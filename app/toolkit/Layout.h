// The vocabulary of a window's layout table: windows, controls and menus as constant data,
// measured in twips as a classic form designer stores them. FormBuilder turns a table into widgets.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace toolkit {

// 1440 twips to the inch, 15 to the pixel at 96 dots per inch.
inline constexpr int twipsPerPixel = 15;
constexpr int px(int twips) { return (twips + twipsPerPixel / 2) / twipsPerPixel; }

struct FontSpec {
    std::string_view face;  // empty: the window's font
    double points = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A colour as a form designer knows it: a fixed #RRGGBB, or one of the system's colours by role.
struct Colour {
    enum class Role : std::uint8_t { Default, Rgb, WindowText, ButtonText };
    Role role = Role::Default;
    std::uint32_t rgb = 0;
};
constexpr Colour rgb(std::uint32_t value) { return {Colour::Role::Rgb, value}; }
inline constexpr Colour systemColour{};
inline constexpr Colour windowTextColour{Colour::Role::WindowText, 0};
inline constexpr Colour buttonTextColour{Colour::Role::ButtonText, 0};

enum class ControlKind : std::uint8_t {
    CommandButton,
    TextBox,
    Label,
    Image,       // picture stretched to the control
    PictureBox,  // hidden holder of a persistent picture
    Line,
};

enum class Align : std::uint8_t { Left, Centre };

// Per-control switches, combined with |.
enum Flag : std::uint32_t {
    NoFlags = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    MultiLine = 1u << 2,
    DefaultButton = 1u << 3,  // Enter presses it while no other button has the focus
    CancelButton = 1u << 4,   // Esc presses it
    Graphical = 1u << 5,      // button drawn in its own back colour with its picture
    Bordered = 1u << 6,        // single border (images, picture boxes)
    Transparent = 1u << 7,    // label: the window shows through
    // The window's parrot pointer over this control too. Every other control shows the normal
    // pointer of its kind: the arrow, or a text box's I-beam.
    ParrotPointer = 1u << 8,
    // Label: a caption too long for one line is set smaller, in half-point steps, until it fits on
    // one line; from 12 points down it wraps onto two lines that both fit (FittingLabel).
    FitOnOneLine = 1u << 9,
};
constexpr std::uint32_t operator|(Flag a, Flag b) { return std::uint32_t(a) | std::uint32_t(b); }

struct ControlSpec {
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    int left = 0, top = 0, width = 0, height = 0;  // twips; a line's start is (left, top)
    std::string_view caption;                      // text or caption
    FontSpec font{};
    Colour foreColour = systemColour;
    Colour backColour = systemColour;
    Align align = Align::Left;
    std::uint32_t flags = NoFlags;
    int tabIndex = -1;                             // -1: takes no focus
    std::string_view picture;                      // resource path of the picture, if any
    int lineRight = 0, lineBottom = 0, lineWidth = 1;  // a line's end (twips) and pen width (pixels)
    // What a screen reader calls the control. Empty: a button's caption without its & marker; a
    // label is always called by its text.
    std::string_view accessibleName;

    constexpr bool has(Flag f) const { return (flags & f) != 0; }
};

struct MenuSpec {
    std::string_view name;
    std::string_view caption;
    std::string_view parent;    // empty: a menu on the menu bar
    std::string_view shortcut;  // e.g. "Ctrl+E"
    bool checkable = false;
};

enum class Border : std::uint8_t { Sizable, FixedSingle, FixedDialog };

struct FormSpec {
    std::string_view name;
    std::string_view caption;
    Border border = Border::Sizable;
    bool maxButton = true;
    bool minButton = true;
    bool startMaximised = false;
    // false: a dialog that belongs to the window it is opened from, with no task-bar entry of its own.
    bool inTaskbar = true;
    int clientLeft = 0, clientTop = 0, clientWidth = 0, clientHeight = 0;  // twips, on the screen
    Colour backColour = systemColour;
    std::string_view picture;  // background picture, drawn unscaled at the client area's top left
    FontSpec font{"MS Sans Serif", 8.25};
    bool persistentCanvas = false;  // the window keeps an image of its client area to draw on
};

struct Layout {
    FormSpec form;
    std::span<const ControlSpec> controls;
    std::span<const MenuSpec> menus;
};

}  // namespace toolkit
