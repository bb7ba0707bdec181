#pragma once

#include "about/SysInfoPorts.h"

namespace lumora {

class DiskFileLookup : public FileLookup
{
public:
    bool fileExists(const std::string &path) override;
};

} // namespace lumora
