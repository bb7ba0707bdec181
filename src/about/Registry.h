#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The three registry calls that the system-information launch needs, with the contract of
// their advapi32 namesakes: a result of 0 is success, anything else a failure. Texts are
// bytes in the system's ANSI code page.
//
// The constants below carry their Windows names, which <windows.h> defines as macros:
// a file that needs both includes this header first.
namespace lumora {

using HKEY = std::uintptr_t;

// The predefined root handle, sign-extended from 32 bits as advapi32 defines it.
inline constexpr HKEY HKEY_LOCAL_MACHINE =
    static_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(0x80000002u)));

inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_EXPAND_SZ = 2;
inline constexpr std::uint32_t REG_DWORD = 4;

inline constexpr std::int32_t ERROR_SUCCESS = 0;

class Registry
{
public:
    virtual ~Registry() = default;

    virtual std::int32_t RegOpenKeyExA(HKEY root, const std::string &subKey, std::uint32_t options,
                                       std::uint32_t access, HKEY &opened) = 0;
    // `dataSize` goes in as the buffer's size and comes back as the value's size.
    virtual std::int32_t RegQueryValueExA(HKEY key, const std::string &valueName, std::uint32_t &valueType,
                                          unsigned char *data, std::uint32_t &dataSize) = 0;
    virtual std::int32_t RegCloseKey(HKEY key) = 0;
};

// The registry of the platform the program runs on.
std::unique_ptr<Registry> systemRegistry();

} // namespace lumora
