#pragma once

#include "about/SysInfoPorts.h"

namespace lumora {

// The started program outlives this process and is never waited for.
class DetachedProgramStarter : public ProgramStarter
{
public:
    void start(const std::string &path) override;
};

} // namespace lumora
