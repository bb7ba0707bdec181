#include "about/Registry_linux.h"

#include "about/SysInfoKeys.h"

#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>

namespace lumora {

namespace {

constexpr HKEY kToolKeyHandle = 1;

// Windows error codes, so callers see the results they would see there.
constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kInvalidHandle = 6;
constexpr std::int32_t kMoreData = 234;

bool sameName(const std::string &a, const std::string &b)
{
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

std::string findSysInfoProgram(const QStringList &searchPaths)
{
    for (const QString &program : LinuxRegistry::sysInfoPrograms()) {
        const QString found = QStandardPaths::findExecutable(program, searchPaths);
        if (!found.isEmpty())
            return QFile::encodeName(found).toStdString();
    }
    return {};
}

} // namespace

LinuxRegistry::LinuxRegistry(const QStringList &searchPaths)
    : m_programPath(findSysInfoProgram(searchPaths))
{
}

const QStringList &LinuxRegistry::sysInfoPrograms()
{
    static const QStringList programs = QString::fromLatin1(LUMORA_SYSINFO_PROGRAMS).split(u',');
    return programs;
}

std::int32_t LinuxRegistry::RegOpenKeyExA(HKEY root, const std::string &subKey, std::uint32_t, std::uint32_t,
                                          HKEY &opened)
{
    if (root != HKEY_LOCAL_MACHINE || !sameName(subKey, kSysInfoToolKey) || m_programPath.empty())
        return kFileNotFound;
    opened = kToolKeyHandle;
    return ERROR_SUCCESS;
}

std::int32_t LinuxRegistry::RegQueryValueExA(HKEY key, const std::string &valueName, std::uint32_t &valueType,
                                             unsigned char *data, std::uint32_t &dataSize)
{
    if (key != kToolKeyHandle)
        return kInvalidHandle;
    if (!sameName(valueName, kSysInfoToolValue))
        return kFileNotFound;
    // A REG_SZ value is stored with its terminating zero.
    const auto needed = static_cast<std::uint32_t>(m_programPath.size() + 1);
    const auto offered = dataSize;
    dataSize = needed;
    if (needed > offered)
        return kMoreData;
    valueType = REG_SZ;
    std::memcpy(data, m_programPath.c_str(), needed);
    return ERROR_SUCCESS;
}

std::int32_t LinuxRegistry::RegCloseKey(HKEY key)
{
    return key == kToolKeyHandle ? ERROR_SUCCESS : kInvalidHandle;
}

std::unique_ptr<Registry> systemRegistry()
{
    return std::make_unique<LinuxRegistry>();
}

} // namespace lumora
