#include "core/VersionText.h"

#include "Version.h"

namespace lumora {

namespace {
std::string g_versionText;
}

const std::string &versionText()
{
    return g_versionText;
}

void buildVersionText()
{
    g_versionText = "Version " + std::to_string(build::kVersionMajor) + "." + std::to_string(build::kVersionMinor) + "."
        + std::to_string(build::kVersionRevision);
}

} // namespace lumora
