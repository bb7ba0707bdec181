#pragma once

#include "about/Registry.h"

#include <QStringList>

namespace lumora {

// A registry with a single entry: HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO,
// value PATH (REG_SZ), naming the first system-information program found on this machine.
// Without such a program the key does not exist. Key and value names match regardless of
// ASCII case, as in the Windows registry.
class LinuxRegistry : public Registry
{
public:
    // Programs are searched in `searchPaths`, or in PATH when it is empty.
    explicit LinuxRegistry(const QStringList &searchPaths = {});

    // The candidates, most informative first.
    static const QStringList &sysInfoPrograms();

    std::int32_t RegOpenKeyExA(HKEY root, const std::string &subKey, std::uint32_t options, std::uint32_t access,
                               HKEY &opened) override;
    std::int32_t RegQueryValueExA(HKEY key, const std::string &valueName, std::uint32_t &valueType, unsigned char *data,
                                  std::uint32_t &dataSize) override;
    std::int32_t RegCloseKey(HKEY key) override;

private:
    std::string m_programPath;
};

} // namespace lumora
