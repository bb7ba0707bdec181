#include "about/SysInfoServices.h"

#include "about/DetachedProgramStarter.h"
#include "about/DiskFileLookup.h"

namespace lumora {

namespace {

SysInfoServices &current()
{
    static const std::unique_ptr<Registry> registry = systemRegistry();
    static DiskFileLookup files;
    static DetachedProgramStarter starter;
    static SysInfoServices services{registry.get(), &files, &starter};
    return services;
}

} // namespace

const SysInfoServices &sysInfoServices()
{
    return current();
}

SysInfoServicesOverride::SysInfoServicesOverride(const SysInfoServices &replacement)
    : Override(current(), replacement)
{
}

} // namespace lumora
