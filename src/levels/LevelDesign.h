#pragma once

#include "levels/LevelParams.h"
#include "ui/DesignFonts.h"

namespace lumora::ui {

// A level window's design. The three levels' have the same rows, in other places and with boards
// of other sizes.
constexpr FormDesign levelDesign(const LevelParams &level)
{
    using namespace fonts;
    // A design is a table, one control or menu entry a row.
    // clang-format off
    // The caption is never seen: the load step replaces it with the level's own title.
    FormDesign d{.name = level.formName, .caption = "ルモラ＋＋　　初級　　-by ささらぎ-",
                 .clientWidth = level.clientWidth, .clientHeight = level.clientHeight};
    d.controls = {
        {.kind = ControlKind::CommandButton, .name = "cmdStart", .caption = "Start",
         .left = level.startLeft, .top = 120, .width = 1815, .height = 735, .font = timesItalic(21.75)},
        {.kind = ControlKind::Label, .name = "lblNextSupport", .caption = "次は",
         .left = 120, .top = 240, .width = 915, .height = 435, .font = pMincho(21.75), .visible = false},
        {.kind = ControlKind::Label, .name = "lblNext", .caption = "0",
         .left = 1080, .top = 240, .width = level.nextWidth, .height = 495, .font = timesItalic(20.25),
         .foreColor = Rgb{255, 0, 0}, .alignment = Alignment::Right, .border = true, .visible = false},
        {.kind = ControlKind::Label, .name = "lblPoints", .caption = "0",
         .left = level.pointsLeft, .top = 240, .width = 1455, .height = 495, .font = timesItalic(20.25),
         .foreColor = Rgb{0, 0, 255}, .alignment = Alignment::Right, .border = true, .visible = false},
        {.kind = ControlKind::Label, .name = "lblPointsSupport", .caption = "点",
         .left = level.pointsSupportLeft, .top = 240, .width = 435, .height = 435, .font = pMincho(21.75),
         .visible = false},
        {.kind = ControlKind::Frame, .name = "fraNumbars",
         .left = 120, .top = 840, .width = level.frameWidth, .height = level.frameHeight, .visible = false},
        {.kind = ControlKind::CommandButton, .name = "cmdAgain", .caption = "もう一度",
         .left = level.againLeft, .top = level.againTop, .width = 1935, .height = 1095, .font = pMincho(20.25),
         .visible = false},
        {.kind = ControlKind::CommandButton, .name = "cmdEnd", .caption = "終わる",
         .left = level.endLeft, .top = level.endTop, .width = 2055, .height = 1095, .font = pMincho(20.25),
         .visible = false},
    };
    for (int index = 1; index <= level.boardSize; ++index) {
        const TwipPoint at = boardPosition(level, index);
        d.controls.push_back({.kind = ControlKind::CommandButton, .name = "cmdNumbar", .index = index,
                              .container = "fraNumbars", .left = at.left, .top = at.top,
                              .width = 855, .height = 855, .font = timesItalic(24), .tabStop = false});
    }
    const auto checkedIf = [&](std::string_view entry) { return entry == level.menuEntry; };
    d.menus = {
        {.name = "menFile", .caption = "ファイル(&F)"},
        {.name = "menAgain", .caption = "最初から(&A)", .parent = "menFile", .shortcut = "F4"},
        {.name = "menGrade", .caption = "グレードの変更(&G)", .parent = "menFile"},
        {.name = "menFirst", .caption = "初級(&F)", .parent = "menGrade", .checked = checkedIf("menFirst")},
        {.name = "menSecond", .caption = "中級(&S)", .parent = "menGrade", .checked = checkedIf("menSecond")},
        {.name = "menThird", .caption = "上級(&T)", .parent = "menGrade", .checked = checkedIf("menThird")},
        {.name = "Bar1", .caption = "-", .parent = "menFile"},
        {.name = "menHigh", .caption = "ハイスコア(&H)", .parent = "menFile"},
        {.name = "Bar2", .caption = "-", .parent = "menFile"},
        {.name = "menEnd", .caption = "終了(&Q)", .parent = "menFile", .shortcut = "Ctrl+Q"},
        {.name = "menHelp", .caption = "ヘルプ(&H)"},
        {.name = "menOnlineHelp", .caption = "オンラインヘルプ(&H)", .parent = "menHelp", .shortcut = "F1"},
        {.name = "menAbout", .caption = "バージョン情報(&A)", .parent = "menHelp"},
    };
    // clang-format on
    return d;
}

// The rows every level window has, which the window's code is checked against.
constexpr FormDesign levelRows()
{
    return levelDesign(kLevels.front());
}

} // namespace lumora::ui
