#include "app/LevelSelectionDesign.h"
#include "ui/DesignFonts.h"

namespace lumora::ui {

FormDesign levelSelectionDesign()
{
    using namespace fonts;
    using Control = LevelSelectionNames::Control;
    // A design is a table, one control or menu entry a row.
    // clang-format off
    FormDesign d;
    d.name = "frmMain";
    d.caption = "級選択";
    d.clientWidth = 2775;
    d.clientHeight = 3270;
    d.controls = {
        {.kind = ControlKind::CommandButton, .name = Control::cmdFirst, .caption = "初級(&F)",
         .left = 0, .top = 0, .width = 2775, .height = 1095, .font = mincho(27.75), .tabIndex = 0},
        {.kind = ControlKind::CommandButton, .name = Control::cmdSecond, .caption = "中級(&S)",
         .left = 0, .top = 1080, .width = 2775, .height = 1095, .font = mincho(27.75), .tabIndex = 1},
        {.kind = ControlKind::CommandButton, .name = Control::cmdThird, .caption = "上級(&T)",
         .left = 0, .top = 2160, .width = 2775, .height = 1095, .font = mincho(27.75), .tabIndex = 2},
    };
    // clang-format on
    return d;
}

} // namespace lumora::ui
