#pragma once

#include "ui/DesignFonts.h"

namespace lumora::ui {

constexpr FormDesign levelSelectionDesign()
{
    using namespace fonts;
    // A design is a table, one control or menu entry a row.
    // clang-format off
    return {.name = "frmMain", .caption = "級選択", .clientWidth = 2775, .clientHeight = 3270, .controls = {
        {.kind = ControlKind::CommandButton, .name = "cmdFirst", .caption = "初級(&F)",
         .left = 0, .top = 0, .width = 2775, .height = 1095, .font = mincho(27.75), .tabIndex = 0},
        {.kind = ControlKind::CommandButton, .name = "cmdSecond", .caption = "中級(&S)",
         .left = 0, .top = 1080, .width = 2775, .height = 1095, .font = mincho(27.75), .tabIndex = 1},
        {.kind = ControlKind::CommandButton, .name = "cmdThird", .caption = "上級(&T)",
         .left = 0, .top = 2160, .width = 2775, .height = 1095, .font = mincho(27.75), .tabIndex = 2},
    }};
    // clang-format on
}

} // namespace lumora::ui
