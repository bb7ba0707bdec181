#include "scores/FileLock.h"

#include "scores/FileErrorText.h"
#include "scores/RegularFile_p.h"

#include <QDir>

#include <windows.h>

namespace lumora {

// Opened as it stands, never through a link put there (a folder is opened to be told as one);
// shared, so that another copy can open it to wait for the lock.
QString FileLock::open()
{
    const HANDLE file = CreateFileW(
        reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(m_path).utf16()), GENERIC_READ | GENERIC_WRITE,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return fileErrorText(int(GetLastError()));
    m_handle = reinterpret_cast<qintptr>(file);
    return detail::problemOfOpenFile(m_handle);
}

int FileLock::tryLock()
{
    OVERLAPPED start{};
    const bool taken = LockFileEx(reinterpret_cast<HANDLE>(m_handle),
                                  LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start);
    return taken ? 0 : int(GetLastError());
}

bool FileLock::isHeldElsewhere(int error)
{
    return error == ERROR_LOCK_VIOLATION;
}

void FileLock::close()
{
    if (m_handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = -1;
}

} // namespace lumora
