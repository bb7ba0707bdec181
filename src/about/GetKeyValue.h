#pragma once

#include "about/Registry.h"

#include <string>

namespace lumora {

// Access asked when opening a key: read-control plus query value, set value, create
// sub-key, enumerate sub-keys, notify and create link.
inline constexpr std::uint32_t kKeyValueAccess = 0x2003F;
inline constexpr std::uint32_t kKeyValueBufferSize = 1024;

// Reads the value `SubKeyRef` of the key `KeyName` under `KeyRoot` into `KeyVal`.
// False, with `KeyVal` emptied, when the key cannot be opened or the value not read.
// A REG_SZ value becomes its text, a REG_DWORD value a text beginning "&h"; a value of any
// other type leaves `KeyVal` as it was and still counts as found.
// Throws RuntimeError (InvalidProcedureCall) when the value fills the buffer without a zero
// byte; the key is closed on that path too.
bool GetKeyValue(Registry &registry, HKEY KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                 std::string &KeyVal);

} // namespace lumora
