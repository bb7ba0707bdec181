#pragma once

#include <optional>
#include <string_view>
#include <vector>

// Window designs as plain data: what each control is, where it stands (in twips), how its text
// looks. FormBuilder turns a FormDesign into Qt widgets; handler code never holds geometry. The
// designs are constexpr, so a window's code is checked against its design when it is compiled
// (ui/DesignName.h); their texts are literals, which the views here point into.
namespace lumora::ui {

enum class ControlKind { CommandButton, Label, Frame, TextBox, PictureBox, Image, Line, Timer };
enum class Alignment { Left, Right, Center };
enum class Charset { Western, ShiftJis };
enum class ButtonRole { None, Default, Cancel, DefaultAndCancel };
enum class Picture { None, ProgramIcon, AboutIcon };
enum class WindowBorder { FixedSingle, FixedDialogNoTitle };

struct FontDesign
{
    std::string_view face;
    double points = 9;
    bool italic = false;
    Charset charset = Charset::ShiftJis;
};

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
};

struct ControlDesign
{
    ControlKind kind = ControlKind::Label;
    std::string_view name;      // as the window's code spells it: cmdStart, lblNext…
    int index = -1;             // element of a control array; -1 for a single control
    std::string_view container; // the frame it lies in; empty for the window itself
    std::string_view caption;   // UTF-8; '&' marks an access key; a picture's names it to assistive tools
    int left = 0;               // for a Line: x1, y1, x2, y2
    int top = 0;
    int width = 0;
    int height = 0;
    std::optional<FontDesign> font; // unset: the window's font
    std::optional<Rgb> foreColor;   // unset: the system's colours
    std::optional<Rgb> backColor;   // unset on a label: transparent
    Alignment alignment = Alignment::Left;
    bool border = false;   // single-line border on a label
    bool autoSize = false; // label keeps its left/top and fits its text
    bool visible = true;
    bool tabStop = true;
    int tabIndex = -1; // order among controls that take focus; -1 ones come first, in design order
    ButtonRole role = ButtonRole::None;
    Picture picture = Picture::None; // picture boxes and images, stretched to the size
    int lineWidth = 1;               // pixels, for a Line
    int interval = 0;                // milliseconds, for a Timer
    bool readOnly = false;           // text boxes
};

struct MenuDesign
{
    std::string_view name;
    std::string_view caption;  // "-" is a separator
    std::string_view parent;   // empty: on the menu bar
    std::string_view shortcut; // QKeySequence text, e.g. "F4", "Ctrl+Q"
    bool checked = false;      // fixed for the window's life
};

struct FormDesign
{
    std::string_view name;
    std::string_view caption;
    int clientWidth = 0; // twips; the client height is below the menu bar
    int clientHeight = 0;
    WindowBorder border = WindowBorder::FixedSingle;
    bool minButton = false;
    std::optional<Rgb> backColor;
    Picture icon = Picture::ProgramIcon;
    FontDesign font{"ＭＳ Ｐゴシック", 9};
    std::vector<ControlDesign> controls;
    std::vector<MenuDesign> menus;
};

} // namespace lumora::ui
