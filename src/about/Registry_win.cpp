// Registry.h before <windows.h>: the constants it declares are macros there.
#include "about/Registry.h"

#include <windows.h>

namespace lumora {

namespace {

::HKEY native(HKEY key)
{
    return reinterpret_cast<::HKEY>(key);
}

class WindowsRegistry : public Registry
{
public:
    std::int32_t RegOpenKeyExA(HKEY root, const std::string &subKey, std::uint32_t options, std::uint32_t access,
                               HKEY &opened) override
    {
        ::HKEY key = nullptr;
        const LSTATUS status = ::RegOpenKeyExA(native(root), subKey.c_str(), options, access, &key);
        opened = reinterpret_cast<HKEY>(key);
        return status;
    }

    std::int32_t RegQueryValueExA(HKEY key, const std::string &valueName, std::uint32_t &valueType, unsigned char *data,
                                  std::uint32_t &dataSize) override
    {
        DWORD type = 0;
        DWORD size = dataSize;
        const LSTATUS status = ::RegQueryValueExA(native(key), valueName.c_str(), nullptr, &type, data, &size);
        valueType = type;
        dataSize = size;
        return status;
    }

    std::int32_t RegCloseKey(HKEY key) override { return ::RegCloseKey(native(key)); }
};

} // namespace

std::unique_ptr<Registry> systemRegistry()
{
    return std::make_unique<WindowsRegistry>();
}

} // namespace lumora
