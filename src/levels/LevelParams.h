#pragma once

#include "levels/LevelDesign.h"

#include <QString>

#include <array>
#include <string>

namespace lumora {

enum class Level { Beginner, Intermediate, Advanced };

// Everything that differs between the three level windows. Positions and sizes in twips.
struct LevelParams
{
    Level level;
    const char *formName;           // frmFirst, frmSecond, frmThird
    const char *titleWord;          // 初級, 中級, 上級
    ui::LevelNames::Menu menuEntry; // the level entry that carries the check mark
    int boardSize;                  // N
    int columns;
    int highScoreSlot; // 1..3
    int clientWidth;
    int clientHeight;
    int startLeft;         // cmdStart
    int nextWidth;         // lblNext
    int pointsLeft;        // lblPoints
    int pointsSupportLeft; // lblPointsSupport
    int frameWidth;        // fraNumbars
    int frameHeight;
    int againLeft; // cmdAgain
    int againTop;
    int endLeft; // cmdEnd
    int endTop;
};

// One level a row, in the order of the members above.
// clang-format off
inline constexpr std::array<LevelParams, 3> kLevels{{
    {Level::Beginner, "frmFirst", "初級", ui::LevelNames::Menu::menFirst, 25, 5, 1,
     4620, 5475, 360, 855, 2760, 4200, 4455, 4575, 360, 2640, 2280, 2640},
    {Level::Intermediate, "frmSecond", "中級", ui::LevelNames::Menu::menSecond, 49, 7, 2,
     6375, 7155, 240, 1695, 4440, 5880, 6135, 6255, 1200, 3360, 3120, 3360},
    {Level::Advanced, "frmThird", "上級", ui::LevelNames::Menu::menThird, 96, 12, 3,
     10620, 8040, 360, 855, 8400, 9840, 10425, 7095, 3360, 3960, 5280, 3960},
}};
// clang-format on

const LevelParams &levelParams(Level level);

// Top-left corner of board button `index` (1..N) inside fraNumbars, in twips.
struct TwipPoint
{
    int left;
    int top;
};
TwipPoint boardPosition(const LevelParams &params, int index);

// The level window's title, messages::kLevelTitle with the version text and the level's word.
QString levelTitle(const LevelParams &params, const std::string &versionText);

} // namespace lumora
