#include "about/GetKeyValue.h"

#include "core/RuntimeError.h"

#include <algorithm>
#include <array>

namespace lumora {

namespace {

class OpenKey
{
public:
    OpenKey(Registry &registry, HKEY key)
        : m_registry(registry)
        , m_key(key)
    {
    }
    ~OpenKey() { m_registry.RegCloseKey(m_key); }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

    HKEY handle() const { return m_key; }

private:
    Registry &m_registry;
    HKEY m_key;
};

std::string cutAtFirstZero(const std::array<unsigned char, kKeyValueBufferSize> &buffer)
{
    const auto zero = std::find(buffer.begin(), buffer.end(), 0);
    if (zero == buffer.end())
        raise(ErrorCode::InvalidProcedureCall);
    return std::string(buffer.begin(), zero);
}

// The bytes from the last to the first, each in upper-case hex without a leading zero.
std::string dwordText(const std::string &bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        const auto value = static_cast<unsigned char>(*byte);
        if (value >= 0x10)
            text += kDigits[value >> 4];
        text += kDigits[value & 0x0F];
    }
    return text;
}

} // namespace

bool GetKeyValue(Registry &registry, HKEY KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                 std::string &KeyVal)
{
    HKEY handle = 0;
    if (registry.RegOpenKeyExA(KeyRoot, KeyName, 0, kKeyValueAccess, handle) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    const OpenKey key(registry, handle);

    std::array<unsigned char, kKeyValueBufferSize> buffer{};
    std::uint32_t size = kKeyValueBufferSize;
    std::uint32_t valueType = 0;
    if (registry.RegQueryValueExA(key.handle(), SubKeyRef, valueType, buffer.data(), size) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }

    const std::string text = cutAtFirstZero(buffer);
    if (valueType == REG_SZ)
        KeyVal = text;
    else if (valueType == REG_DWORD)
        KeyVal = dwordText(text);
    return true;
}

} // namespace lumora
