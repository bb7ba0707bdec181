#include "app/basPublic.h"

#include "Version.h"
#include "app/SplashForm.h"

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
    g_versionText = "Version " + std::to_string(build::kVersionMajor) + "." + std::to_string(build::kVersionMinor)
                  + "." + std::to_string(build::kVersionRevision);
}

void Main()
{
    buildVersionText();
    frmSplash().showForm();
}

} // namespace lumora
