#pragma once

#include <string>

namespace lumora {

// "Version 2.1.7": built once by Main before any window exists, read by every window after.
const std::string &versionText();
void buildVersionText();

} // namespace lumora
