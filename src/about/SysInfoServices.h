#pragma once

#include "about/Registry.h"
#include "about/SysInfoPorts.h"
#include "core/Override.h"

namespace lumora {

// What the About window's system-information button reaches: the platform's registry, disk
// and process table.
struct SysInfoServices
{
    Registry *registry;
    FileLookup *files;
    ProgramStarter *starter;
};

const SysInfoServices &sysInfoServices();

// Replaces the services until the guard goes away (tests).
class SysInfoServicesOverride : public Override<SysInfoServices>
{
public:
    explicit SysInfoServicesOverride(const SysInfoServices &replacement);
};

} // namespace lumora
