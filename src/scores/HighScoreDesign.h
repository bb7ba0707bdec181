#pragma once

#include "ui/DesignFonts.h"

namespace lumora::ui {

constexpr FormDesign highScoreDesign()
{
    using namespace fonts;
    constexpr Rgb kBeginnerColour{0xC0, 0xFF, 0xFF};
    constexpr Rgb kIntermediateColour{0xC0, 0xFF, 0xC0};
    constexpr Rgb kAdvancedColour{0xFF, 0xFF, 0xC0};
    // A design is a table, one control or menu entry a row.
    // clang-format off
    FormDesign d{.name = "frmHighScore", .caption = "ルモラ＋＋　ハイスコア！", .clientWidth = 6915, .clientHeight = 2445,
                 .backColor = Rgb{0, 0, 0}};
    // One row of the table: the level word, the holder's name, the score.
    const auto addRow = [&d](int wordIndex, std::string_view word, std::string_view nameLabel,
                             std::string_view nameCaption, std::string_view pointLabel, int top, Rgb colour) {
        d.controls.push_back({.kind = ControlKind::Label, .name = "Label1", .index = wordIndex, .caption = word,
                              .left = 120, .top = top, .width = 1215, .height = 495, .font = pMincho(26.25),
                              .foreColor = colour});
        d.controls.push_back({.kind = ControlKind::Label, .name = nameLabel, .caption = nameCaption,
                              .left = 1440, .top = top, .width = 3495, .height = 555, .font = mincho(24),
                              .foreColor = colour, .alignment = Alignment::Center});
        d.controls.push_back({.kind = ControlKind::Label, .name = pointLabel, .caption = "123123",
                              .left = 5040, .top = top, .width = 1815, .height = 555, .font = timesItalic(24),
                              .foreColor = colour, .alignment = Alignment::Right});
    };
    // The level words' indexes do not follow the rows: 0 beginner, 2 intermediate, 1 advanced.
    addRow(0, "初級", "lblFirstName", "森野　太郎", "lblFirstPoint", 120, kBeginnerColour);
    addRow(2, "中級", "lblSecondName", "川辺　次郎", "lblSecondPoint", 720, kIntermediateColour);
    addRow(1, "上級", "lblThirdName", "空木　三郎", "lblThirdPoint", 1320, kAdvancedColour);
    d.controls.push_back({.kind = ControlKind::CommandButton, .name = "cmdClear", .caption = "&Clear",
                          .left = 1080, .top = 1920, .width = 1815, .height = 495, .font = timesItalic(21.75),
                          .tabIndex = 10});
    d.controls.push_back({.kind = ControlKind::CommandButton, .name = "cmdOK", .caption = "OK",
                          .left = 5040, .top = 1920, .width = 1815, .height = 495, .font = timesItalic(21.75),
                          .tabIndex = 9, .role = ButtonRole::Default});
    // clang-format on
    return d;
}

} // namespace lumora::ui
