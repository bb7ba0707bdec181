#pragma once

#include <QMetaEnum>

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// Window designs as plain data: what each control is, where it stands (in twips), how its text
// looks. FormBuilder turns a FormDesign into Qt widgets; handler code never holds geometry.
namespace lumora::ui {

enum class ControlKind { CommandButton, Label, Frame, TextBox, PictureBox, Image, Line, Timer, CommonDialog };
enum class Alignment { Left, Right, Center };
enum class Charset { Western, ShiftJis };
enum class ButtonRole { None, Default, Cancel, DefaultAndCancel };
enum class Picture { None, ProgramIcon, AboutIcon };
enum class WindowBorder { FixedSingle, FixedDialogNoTitle };

// The name of a control or menu entry: an enumerator of its window's own enums (Q_ENUM in a
// Q_GADGET beside the design), spelt as the design and the window's code both spell it. Rows
// carry it and the window looks its controls up by it, so a misspelt name fails the build.
class DesignName
{
public:
    DesignName() = default;
    template <typename E>
    requires std::is_enum_v<E> DesignName(E id)
        : m_text(QMetaEnum::fromType<E>().valueToKey(static_cast<int>(id)))
    {
    }

    const char *text() const { return m_text; }
    bool empty() const { return *m_text == '\0'; }
    friend bool operator==(DesignName a, DesignName b) { return std::string_view(a.m_text) == b.m_text; }
    friend auto operator<=>(DesignName a, DesignName b) { return std::string_view(a.m_text) <=> b.m_text; }

private:
    const char *m_text = "";
};

struct FontDesign
{
    std::string face;
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
    DesignName name;
    int index = -1;       // element of a control array; -1 for a single control
    DesignName container; // the frame it lies in; empty for the window itself
    std::string caption;  // UTF-8; '&' marks an access key
    int left = 0;         // for a Line: x1, y1, x2, y2
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
    DesignName name;
    std::string caption;  // "-" is a separator
    DesignName parent;    // empty: on the menu bar
    std::string shortcut; // QKeySequence text, e.g. "F4", "Ctrl+Q"
    bool checked = false; // fixed for the window's life
};

struct FormDesign
{
    std::string name;
    std::string caption;
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
