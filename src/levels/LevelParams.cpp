#include "levels/LevelParams.h"

namespace lumora {

const LevelParams &levelParams(Level level)
{
    return kLevels[static_cast<std::size_t>(level)];
}

std::string levelTitle(const LevelParams &params, const std::string &versionText)
{
    return std::string("ルモラ＋＋　") + versionText + "　" + params.titleWord + "　-by ささらぎ-";
}

} // namespace lumora
