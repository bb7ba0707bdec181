#pragma once

#include "about/Registry.h"
#include "about/SysInfoPorts.h"
#include "core/RuntimeError.h"

#include <QStringList>

#include <cstring>
#include <map>
#include <utility>

namespace lumora::test {

// The registry, disk and process table held in memory. It counts the keys left open and remembers
// what it started; only the files in `existing` can be started.
class FakeSysInfo : public Registry, public FileLookup, public ProgramStarter
{
public:
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::string>>> keys; // type, bytes
    int openKeys = 0;
    std::string offeredBuffer;
    QStringList existing, started;
    std::string openedKey;

    std::int32_t RegOpenKeyExA(HKEY root, const std::string &subKey, std::uint32_t, std::uint32_t,
                               HKEY &opened) override
    {
        if (root != HKEY_LOCAL_MACHINE || !keys.contains(subKey))
            return 2; // ERROR_FILE_NOT_FOUND
        openedKey = subKey;
        opened = ++openKeys;
        return ERROR_SUCCESS;
    }

    std::int32_t RegQueryValueExA(HKEY, const std::string &valueName, std::uint32_t &valueType, unsigned char *data,
                                  std::uint32_t &dataSize) override
    {
        offeredBuffer.assign(data, data + dataSize);
        if (!keys[openedKey].contains(valueName))
            return 2; // ERROR_FILE_NOT_FOUND
        const auto &[type, bytes] = keys[openedKey][valueName];
        if (std::exchange(dataSize, std::uint32_t(bytes.size())) < bytes.size())
            return 234; // ERROR_MORE_DATA
        valueType = type;
        std::memcpy(data, bytes.data(), dataSize);
        return ERROR_SUCCESS;
    }

    std::int32_t RegCloseKey(HKEY) override { return --openKeys, ERROR_SUCCESS; }
    bool fileExists(const std::string &path) override { return existing.contains(path.c_str()); }

    void start(const std::string &path) override
    {
        started << path.c_str();
        if (!existing.contains(path.c_str()))
            raise(ErrorCode::FileNotFound);
    }
};

} // namespace lumora::test
