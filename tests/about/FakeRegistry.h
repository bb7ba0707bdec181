#pragma once

#include "about/Registry.h"

#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

// A registry held in memory that counts the keys left open and keeps what it was asked.
class FakeRegistry : public lumora::Registry
{
public:
    struct Value { std::uint32_t type; std::string bytes; };

    void set(const std::string &key, const std::string &name, Value value) { m_keys[key][name] = std::move(value); }
    void setText(const std::string &key, const std::string &name, const std::string &text)
    {
        set(key, name, {lumora::REG_SZ, text + '\0'});
    }

    std::int32_t RegOpenKeyExA(lumora::HKEY root, const std::string &subKey, std::uint32_t, std::uint32_t,
                               lumora::HKEY &opened) override
    {
        if (root != lumora::HKEY_LOCAL_MACHINE || !m_keys.contains(subKey))
            return 2;  // ERROR_FILE_NOT_FOUND
        m_handles.push_back(subKey);
        opened = m_handles.size();
        ++openKeys;
        return lumora::ERROR_SUCCESS;
    }

    std::int32_t RegQueryValueExA(lumora::HKEY key, const std::string &valueName, std::uint32_t &valueType,
                                  unsigned char *data, std::uint32_t &dataSize) override
    {
        offeredBuffer.assign(data, data + dataSize);
        const auto &values = m_keys.at(m_handles.at(key - 1));
        const auto found = values.find(valueName);
        if (found == values.end())
            return 2;  // ERROR_FILE_NOT_FOUND
        const auto offered = std::exchange(dataSize, std::uint32_t(found->second.bytes.size()));
        if (dataSize > offered)
            return 234;  // ERROR_MORE_DATA
        valueType = found->second.type;
        std::memcpy(data, found->second.bytes.data(), dataSize);
        return lumora::ERROR_SUCCESS;
    }

    std::int32_t RegCloseKey(lumora::HKEY) override
    {
        --openKeys;
        return lumora::ERROR_SUCCESS;
    }

    int openKeys = 0;
    std::string offeredBuffer;

private:
    std::map<std::string, std::map<std::string, Value>> m_keys;
    std::vector<std::string> m_handles;
};
