#include "levels/LevelDesign.h"
#include "levels/LevelParams.h"
#include "ui/DesignFonts.h"

namespace lumora::ui {

FormDesign levelDesign(const LevelParams &level)
{
    using namespace fonts;
    using Control = LevelNames::Control;
    using Menu = LevelNames::Menu;
    // A design is a table, one control or menu entry a row.
    // clang-format off
    FormDesign d;
    d.name = level.formName;
    // Never seen: the load step replaces it with the level's own title.
    d.caption = "ルモラ＋＋　　初級　　-by ささらぎ-";
    d.clientWidth = level.clientWidth;
    d.clientHeight = level.clientHeight;
    d.controls = {
        {.kind = ControlKind::CommandButton, .name = Control::cmdStart, .caption = "Start",
         .left = level.startLeft, .top = 120, .width = 1815, .height = 735, .font = timesItalic(21.75)},
        {.kind = ControlKind::Label, .name = Control::lblNextSupport, .caption = "次は",
         .left = 120, .top = 240, .width = 915, .height = 435, .font = pMincho(21.75), .visible = false},
        {.kind = ControlKind::Label, .name = Control::lblNext, .caption = "0",
         .left = 1080, .top = 240, .width = level.nextWidth, .height = 495, .font = timesItalic(20.25),
         .foreColor = Rgb{255, 0, 0}, .alignment = Alignment::Right, .border = true, .visible = false},
        {.kind = ControlKind::Label, .name = Control::lblPoints, .caption = "0",
         .left = level.pointsLeft, .top = 240, .width = 1455, .height = 495, .font = timesItalic(20.25),
         .foreColor = Rgb{0, 0, 255}, .alignment = Alignment::Right, .border = true, .visible = false},
        {.kind = ControlKind::Label, .name = Control::lblPointsSupport, .caption = "点",
         .left = level.pointsSupportLeft, .top = 240, .width = 435, .height = 435, .font = pMincho(21.75),
         .visible = false},
        {.kind = ControlKind::Frame, .name = Control::fraNumbars,
         .left = 120, .top = 840, .width = level.frameWidth, .height = level.frameHeight, .visible = false},
        {.kind = ControlKind::CommandButton, .name = Control::cmdAgain, .caption = "もう一度",
         .left = level.againLeft, .top = level.againTop, .width = 1935, .height = 1095, .font = pMincho(20.25),
         .visible = false},
        {.kind = ControlKind::CommandButton, .name = Control::cmdEnd, .caption = "終わる",
         .left = level.endLeft, .top = level.endTop, .width = 2055, .height = 1095, .font = pMincho(20.25),
         .visible = false},
        {.kind = ControlKind::CommonDialog, .name = Control::cdlHelp, .left = 2280, .top = 240},
    };
    for (int index = 1; index <= level.boardSize; ++index) {
        const TwipPoint at = boardPosition(level, index);
        d.controls.push_back({.kind = ControlKind::CommandButton, .name = Control::cmdNumbar, .index = index,
                              .container = Control::fraNumbars, .left = at.left, .top = at.top,
                              .width = 855, .height = 855, .font = timesItalic(24), .tabStop = false});
    }
    const auto checkedIf = [&](Menu entry) { return entry == level.menuEntry; };
    d.menus = {
        {.name = Menu::menFile, .caption = "ファイル(&F)"},
        {.name = Menu::menAgain, .caption = "最初から(&A)", .parent = Menu::menFile, .shortcut = "F4"},
        {.name = Menu::menGrade, .caption = "グレードの変更(&G)", .parent = Menu::menFile},
        {.name = Menu::menFirst, .caption = "初級(&F)", .parent = Menu::menGrade, .checked = checkedIf(Menu::menFirst)},
        {.name = Menu::menSecond, .caption = "中級(&S)", .parent = Menu::menGrade, .checked = checkedIf(Menu::menSecond)},
        {.name = Menu::menThird, .caption = "上級(&T)", .parent = Menu::menGrade, .checked = checkedIf(Menu::menThird)},
        {.name = Menu::Bar1, .caption = "-", .parent = Menu::menFile},
        {.name = Menu::menHigh, .caption = "ハイスコア(&H)", .parent = Menu::menFile},
        {.name = Menu::Bar2, .caption = "-", .parent = Menu::menFile},
        {.name = Menu::menEnd, .caption = "終了(&Q)", .parent = Menu::menFile, .shortcut = "Ctrl+Q"},
        {.name = Menu::menHelp, .caption = "ヘルプ(&H)"},
        {.name = Menu::menOnlineHelp, .caption = "オンラインヘルプ(&H)", .parent = Menu::menHelp, .shortcut = "F1"},
        {.name = Menu::menAbout, .caption = "バージョン情報(&A)", .parent = Menu::menHelp},
    };
    // clang-format on
    return d;
}

} // namespace lumora::ui
