#include "levels/LevelParams.h"

#include "core/Messages.h"

namespace lumora {

const LevelParams &levelParams(Level level)
{
    return kLevels[static_cast<std::size_t>(level)];
}

TwipPoint boardPosition(const LevelParams &params, int index)
{
    constexpr int kMargin = 120;
    constexpr int kTopMargin = 240;
    // One pixel less than the 855-twip button, so neighbouring borders meet.
    constexpr int kStep = 840;
    const int column = (index - 1) % params.columns;
    const int row = (index - 1) / params.columns;
    return {kMargin + kStep * column, kTopMargin + kStep * row};
}

QString levelTitle(const LevelParams &params, const std::string &versionText)
{
    return QString::fromUtf8(messages::kLevelTitle)
        .arg(QString::fromStdString(versionText), QString::fromUtf8(params.titleWord));
}

} // namespace lumora
