#pragma once

#include "ui/DesignFonts.h"

namespace lumora::ui {

constexpr FormDesign aboutDesign()
{
    using namespace fonts;
    constexpr Rgb kLightYellow{255, 255, 192};
    // A design is a table, one control or menu entry a row.
    // clang-format off
    // The caption is never seen: the load step puts the application title in front.
    return {.name = "frmAbout", .caption = "ﾊﾞｰｼﾞｮﾝ情報", .clientWidth = 8565, .clientHeight = 7410,
            .backColor = kLightYellow, .icon = Picture::AboutIcon, .controls = {
        {.kind = ControlKind::PictureBox, .name = "picIcon", .caption = "ルモラ++のアイコン",
         .left = 240, .top = 240, .width = 540, .height = 540, .backColor = kLightYellow,
         .picture = Picture::ProgramIcon},
        {.kind = ControlKind::Label, .name = "lblTitle", .index = 1, .caption = "ルモラ++",
         .left = 1680, .top = 360, .width = 4485, .height = 720, .font = mincho(36),
         .foreColor = Rgb{0, 128, 0}, .alignment = Alignment::Center},
        {.kind = ControlKind::Label, .name = "Label1", .caption = "TM",
         .left = 6000, .top = 360, .width = 435, .height = 330, .font = timesItalic(14.25),
         .foreColor = Rgb{0, 0, 128}},
        {.kind = ControlKind::Label, .name = "lblVersion", .caption = "Version 1.00",
         .left = 4080, .top = 960, .width = 3885, .height = 405, .font = timesItalic(18),
         .alignment = Alignment::Right},
        {.kind = ControlKind::Frame, .name = "lblDescription", .caption = "このプログラムについて...",
         .left = 120, .top = 1320, .width = 8295, .height = 4575, .font = pMincho(14.25),
         .foreColor = Rgb{0, 0, 0}, .backColor = kLightYellow},
        {.kind = ControlKind::TextBox, .name = "txtComent", .container = "lblDescription",
         .caption = "ささらぎProject\r\n",
         .left = 120, .top = 480, .width = 8055, .height = 3975, .font = pGothic(48),
         .tabIndex = 2, .readOnly = true},
        // Grey over white: an etched rule above the buttons.
        {.kind = ControlKind::Line, .name = "Line1", .index = 1,
         .left = 90, .top = 6045, .width = 8400, .height = 6045, .foreColor = Rgb{128, 128, 128}},
        {.kind = ControlKind::Line, .name = "Line1", .index = 0,
         .left = 105, .top = 6060, .width = 8400, .height = 6060, .foreColor = Rgb{255, 255, 255},
         .lineWidth = 2},
        {.kind = ControlKind::Label, .name = "lblDisclaimer", .caption = "警告: ...",
         .left = 120, .top = 6480, .width = 6975, .height = 825, .foreColor = Rgb{0, 0, 0}},
        {.kind = ControlKind::CommandButton, .name = "cmdOK", .caption = "OK",
         .left = 7200, .top = 6480, .width = 1310, .height = 345, .tabIndex = 0,
         .role = ButtonRole::DefaultAndCancel},
        {.kind = ControlKind::CommandButton, .name = "cmdSysInfo", .caption = "ｼｽﾃﾑ情報(&S)...",
         .left = 7200, .top = 6960, .width = 1310, .height = 345, .tabIndex = 1},
        {.kind = ControlKind::Timer, .name = "Timer1", .interval = 100},
    }};
    // clang-format on
}

} // namespace lumora::ui
