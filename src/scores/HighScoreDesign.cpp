#include "scores/HighScoreDesign.h"
#include "ui/DesignFonts.h"

namespace lumora::ui {

namespace {

using Control = HighScoreNames::Control;

constexpr Rgb kBeginnerColour{0xC0, 0xFF, 0xFF};
constexpr Rgb kIntermediateColour{0xC0, 0xFF, 0xC0};
constexpr Rgb kAdvancedColour{0xFF, 0xFF, 0xC0};

// One row of the table: the level word, the holder's name, the score.
void addRow(std::vector<ControlDesign> &controls, int wordIndex, const char *word, Control nameLabel,
            const char *nameCaption, Control pointLabel, int top, Rgb colour)
{
    using namespace fonts;
    // A design is a table, one control a row.
    // clang-format off
    controls.push_back({.kind = ControlKind::Label, .name = Control::Label1, .index = wordIndex, .caption = word,
                        .left = 120, .top = top, .width = 1215, .height = 495, .font = pMincho(26.25),
                        .foreColor = colour});
    controls.push_back({.kind = ControlKind::Label, .name = nameLabel, .caption = nameCaption,
                        .left = 1440, .top = top, .width = 3495, .height = 555, .font = mincho(24),
                        .foreColor = colour, .alignment = Alignment::Center});
    controls.push_back({.kind = ControlKind::Label, .name = pointLabel, .caption = "123123",
                        .left = 5040, .top = top, .width = 1815, .height = 555, .font = timesItalic(24),
                        .foreColor = colour, .alignment = Alignment::Right});
    // clang-format on
}

} // namespace

FormDesign highScoreDesign()
{
    using namespace fonts;
    // A design is a table, one control or menu entry a row.
    // clang-format off
    FormDesign d;
    d.name = "frmHighScore";
    d.caption = "ルモラ＋＋　ハイスコア！";
    d.clientWidth = 6915;
    d.clientHeight = 2445;
    d.backColor = Rgb{0, 0, 0};
    // The level words' indexes do not follow the rows: 0 beginner, 2 intermediate, 1 advanced.
    addRow(d.controls, 0, "初級", Control::lblFirstName, "森野　太郎", Control::lblFirstPoint, 120, kBeginnerColour);
    addRow(d.controls, 2, "中級", Control::lblSecondName, "川辺　次郎", Control::lblSecondPoint, 720, kIntermediateColour);
    addRow(d.controls, 1, "上級", Control::lblThirdName, "空木　三郎", Control::lblThirdPoint, 1320, kAdvancedColour);
    d.controls.push_back({.kind = ControlKind::CommandButton, .name = Control::cmdClear, .caption = "&Clear",
                          .left = 1080, .top = 1920, .width = 1815, .height = 495, .font = timesItalic(21.75),
                          .tabIndex = 10});
    d.controls.push_back({.kind = ControlKind::CommandButton, .name = Control::cmdOK, .caption = "OK",
                          .left = 5040, .top = 1920, .width = 1815, .height = 495, .font = timesItalic(21.75),
                          .tabIndex = 9, .role = ButtonRole::Default});
    // clang-format on
    return d;
}

} // namespace lumora::ui
