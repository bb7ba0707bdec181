#include "levels/LevelParams.h"

#include "core/Messages.h"

namespace lumora {

const LevelParams &levelParams(Level level)
{
    return kLevels[static_cast<std::size_t>(level)];
}

QString levelTitle(const LevelParams &params, const std::string &versionText)
{
    return QString::fromUtf8(messages::kLevelTitle)
        .arg(QString::fromStdString(versionText), QString::fromUtf8(params.titleWord));
}

} // namespace lumora
