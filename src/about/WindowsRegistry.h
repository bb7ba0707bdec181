#pragma once

#include "about/Registry.h"

namespace lumora {

// The registry itself, through advapi32.
class WindowsRegistry : public Registry
{
public:
    std::int32_t RegOpenKeyExA(HKEY root, const std::string &subKey, std::uint32_t options,
                               std::uint32_t access, HKEY &opened) override;
    std::int32_t RegQueryValueExA(HKEY key, const std::string &valueName,
                                  std::uint32_t &valueType, unsigned char *data,
                                  std::uint32_t &dataSize) override;
    std::int32_t RegCloseKey(HKEY key) override;
};

} // namespace lumora
