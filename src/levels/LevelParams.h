#pragma once

#include <QString>

#include <array>
#include <string>
#include <string_view>

namespace lumora {

enum class Level { Beginner, Intermediate, Advanced };

// Everything that differs between the three level windows. Positions and sizes in twips.
struct LevelParams
{
    Level level;
    const char *formName;       // frmFirst, frmSecond, frmThird
    const char *titleWord;      // 初級, 中級, 上級
    std::string_view menuEntry; // the level entry that carries the check mark
    int boardSize;              // N
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

// clang-format off
inline constexpr std::array<LevelParams, 3> kLevels{{
    {.level = Level::Beginner, .formName = "frmFirst", .titleWord = "初級", .menuEntry = "menFirst",
     .boardSize = 25, .columns = 5, .highScoreSlot = 1, .clientWidth = 4620, .clientHeight = 5475,
     .startLeft = 360, .nextWidth = 855, .pointsLeft = 2760, .pointsSupportLeft = 4200,
     .frameWidth = 4455, .frameHeight = 4575, .againLeft = 360, .againTop = 2640, .endLeft = 2280, .endTop = 2640},
    {.level = Level::Intermediate, .formName = "frmSecond", .titleWord = "中級", .menuEntry = "menSecond",
     .boardSize = 49, .columns = 7, .highScoreSlot = 2, .clientWidth = 6375, .clientHeight = 7155,
     .startLeft = 240, .nextWidth = 1695, .pointsLeft = 4440, .pointsSupportLeft = 5880,
     .frameWidth = 6135, .frameHeight = 6255, .againLeft = 1200, .againTop = 3360, .endLeft = 3120, .endTop = 3360},
    {.level = Level::Advanced, .formName = "frmThird", .titleWord = "上級", .menuEntry = "menThird",
     .boardSize = 96, .columns = 12, .highScoreSlot = 3, .clientWidth = 10620, .clientHeight = 8040,
     .startLeft = 360, .nextWidth = 855, .pointsLeft = 8400, .pointsSupportLeft = 9840,
     .frameWidth = 10425, .frameHeight = 7095, .againLeft = 3360, .againTop = 3960, .endLeft = 5280, .endTop = 3960},
}};
// clang-format on

const LevelParams &levelParams(Level level);

// Top-left corner of board button `index` (1..N) inside fraNumbars, in twips.
struct TwipPoint
{
    int left;
    int top;
};

constexpr TwipPoint boardPosition(const LevelParams &params, int index)
{
    constexpr int kMargin = 120;
    constexpr int kTopMargin = 240;
    // One pixel less than the 855-twip button, so neighbouring borders meet.
    constexpr int kStep = 840;
    const int column = (index - 1) % params.columns;
    const int row = (index - 1) / params.columns;
    return {kMargin + kStep * column, kTopMargin + kStep * row};
}

// The level window's title, messages::kLevelTitle with the version text and the level's word.
QString levelTitle(const LevelParams &params, const std::string &versionText);

} // namespace lumora
