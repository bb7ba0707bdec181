#pragma once

#include "ui/DesignFonts.h"

namespace lumora::ui {

constexpr FormDesign splashDesign()
{
    using namespace fonts;
    // A design is a table, one control or menu entry a row.
    // clang-format off
    return {.name = "frmSplash", .caption = "", .clientWidth = 7095, .clientHeight = 4155,
            .border = WindowBorder::FixedDialogNoTitle, .controls = {
        {.kind = ControlKind::Frame, .name = "Frame1", .left = 0, .top = 0, .width = 7080, .height = 4050},
        {.kind = ControlKind::Label, .name = "lblCompanyProduct", .container = "Frame1",
         .caption = "ノルカン",
         .left = 1800, .top = 600, .width = 1755, .height = 495, .font = pGothic(24),
         .foreColor = Rgb{64, 64, 0}, .autoSize = true},
        {.kind = ControlKind::Label, .name = "lblProductName", .index = 0, .container = "Frame1",
         .caption = "ルモラ++",
         .left = 2640, .top = 1200, .width = 3150, .height = 720, .font = pMincho(36),
         .foreColor = Rgb{0, 64, 0}, .autoSize = true},
        {.kind = ControlKind::Label, .name = "lblProductName", .index = 2, .container = "Frame1",
         .caption = "TM",
         .left = 5640, .top = 1080, .width = 345, .height = 285, .font = times(12),
         .foreColor = Rgb{0, 64, 0}, .autoSize = true},
        {.kind = ControlKind::Image, .name = "imgLogo", .container = "Frame1", .caption = "ルモラ++のアイコン",
         .left = 360, .top = 1080, .width = 1815, .height = 1905, .picture = Picture::ProgramIcon},
        {.kind = ControlKind::Label, .name = "lblVersion", .container = "Frame1", .caption = "Version",
         .left = 4485, .top = 1920, .width = 1245, .height = 360, .font = timesItalic(15.75),
         .foreColor = Rgb{0, 0, 192}, .alignment = Alignment::Right, .autoSize = true},
        {.kind = ControlKind::Label, .name = "lblCompany", .container = "Frame1", .caption = "ノルカン",
         .left = 4560, .top = 3240, .width = 2175, .height = 405, .font = pMincho(20.25),
         .foreColor = Rgb{0, 0, 128}},
        {.kind = ControlKind::Label, .name = "lblWarning", .container = "Frame1",
         .caption = "何かキーを押して下さい。",
         .left = 150, .top = 3660, .width = 3075, .height = 285, .font = pGothic(14.25), .autoSize = true},
    }};
    // clang-format on
}

} // namespace lumora::ui
