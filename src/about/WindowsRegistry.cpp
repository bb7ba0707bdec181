// Registry.h before <windows.h>: the constants it declares are macros there.
#include "about/WindowsRegistry.h"

#include <windows.h>

namespace lumora {

namespace {

::HKEY native(HKEY key)
{
    return reinterpret_cast<::HKEY>(key);
}

} // namespace

std::int32_t WindowsRegistry::RegOpenKeyExA(HKEY root, const std::string &subKey,
                                            std::uint32_t options, std::uint32_t access,
                                            HKEY &opened)
{
    ::HKEY key = nullptr;
    const LSTATUS status = ::RegOpenKeyExA(native(root), subKey.c_str(), options, access, &key);
    opened = reinterpret_cast<HKEY>(key);
    return status;
}

std::int32_t WindowsRegistry::RegQueryValueExA(HKEY key, const std::string &valueName,
                                               std::uint32_t &valueType, unsigned char *data,
                                               std::uint32_t &dataSize)
{
    DWORD type = 0;
    DWORD size = dataSize;
    const LSTATUS status =
        ::RegQueryValueExA(native(key), valueName.c_str(), nullptr, &type, data, &size);
    valueType = type;
    dataSize = size;
    return status;
}

std::int32_t WindowsRegistry::RegCloseKey(HKEY key)
{
    return ::RegCloseKey(native(key));
}

std::unique_ptr<Registry> systemRegistry()
{
    return std::make_unique<WindowsRegistry>();
}

} // namespace lumora
