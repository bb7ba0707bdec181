#include "scores/RegularFile.h"

#include "scores/FileErrorText.h"
#include "scores/RegularFile_p.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <algorithm>

namespace lumora {

namespace {

constexpr DWORD kChunkBytes = 64 * 1024;

class Handle
{
public:
    explicit Handle(HANDLE handle)
        : m_handle(handle)
    {
    }
    ~Handle()
    {
        if (isOpen())
            CloseHandle(m_handle);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    bool isOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

QString systemReason(DWORD error)
{
    return fileErrorText(int(error));
}

const wchar_t *native(const QString &path)
{
    return reinterpret_cast<const wchar_t *>(path.utf16());
}

// Backup semantics open a folder too, so that it is told as one.
Handle openExisting(const QString &path, DWORD access, DWORD flags)
{
    return Handle(CreateFileW(native(QDir::toNativeSeparators(path)), access,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              flags | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// Why what `file` is open on is not read or written; empty for a regular file.
QString problemWith(HANDLE file)
{
    switch (GetFileType(file)) {
    case FILE_TYPE_DISK: break;
    case FILE_TYPE_PIPE: return notARegularFileText(FileKind::Pipe);
    case FILE_TYPE_CHAR: return notARegularFileText(FileKind::Device);
    default: return notARegularFileText(FileKind::Other);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info))
        return systemReason(GetLastError());
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return notARegularFileText(FileKind::Folder);
    // Opened without following it: a link put there since the links were followed.
    if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return notARegularFileText(FileKind::Other);
    return QString();
}

} // namespace

FileRead readRegularFile(const QString &path, qsizetype limit)
{
    const Handle file = openExisting(path, GENERIC_READ, 0);
    if (!file.isOpen())
        return {std::nullopt, systemReason(GetLastError())};
    if (const QString problem = problemWith(file.get()); !problem.isEmpty())
        return {std::nullopt, problem};
    QByteArray bytes;
    while (bytes.size() < limit) {
        const qsizetype size = bytes.size();
        const auto wanted = DWORD(std::min<qsizetype>(kChunkBytes, limit - size));
        bytes.resize(size + wanted);
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + size, wanted, &got, nullptr))
            return {std::nullopt, systemReason(GetLastError())};
        bytes.resize(size + got);
        if (got == 0)
            break;
    }
    return {bytes, QString()};
}

namespace detail {

const int kTooManyLinks = ERROR_CANT_RESOLVE_FILENAME;

QString linkTarget(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymbolicLink() || info.isJunction() ? info.symLinkTarget() : QString();
}

QString problemAt(const QString &path)
{
    const Handle file = openExisting(path, 0, FILE_FLAG_OPEN_REPARSE_POINT);
    if (!file.isOpen()) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return missing ? QString() : systemReason(error);
    }
    return problemWith(file.get());
}

} // namespace detail

NewFile writeNewFile(const QString &path, const QByteArray &bytes)
{
    const QString name = QDir::toNativeSeparators(path);
    DWORD error = 0;
    {
        const Handle file(
            CreateFileW(native(name), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.isOpen())
            return {false, int(GetLastError())};
        for (qsizetype count = 0; count < bytes.size() && error == 0;) {
            DWORD wrote = 0;
            const auto wanted = DWORD(std::min<qsizetype>(kChunkBytes, bytes.size() - count));
            if (!WriteFile(file.get(), bytes.constData() + count, wanted, &wrote, nullptr))
                error = GetLastError();
            else if (wrote == 0)
                error = DWORD(kWriteCutShort);
            count += wrote;
        }
        // On disk before it replaces anything, so that a crash leaves the old content or the new.
        if (error == 0 && !FlushFileBuffers(file.get()))
            error = GetLastError();
    }
    // Closed first: Windows deletes no file that is still open.
    if (error != 0)
        DeleteFileW(native(name));
    return {true, int(error)};
}

int replaceFile(const QString &from, const QString &to)
{
    const QString target = QDir::toNativeSeparators(to);
    // Windows refuses to replace a read-only file; Wine does not, so it is refused here as Windows does.
    const DWORD attributes = GetFileAttributesW(native(target));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return ERROR_ACCESS_DENIED;
    const bool moved = MoveFileExW(native(QDir::toNativeSeparators(from)), native(target),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    return moved ? 0 : int(GetLastError());
}

// Both are what a replace over a file another program holds open meets; neither outlasts it.
bool isMomentaryRefusal(int error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
}

} // namespace lumora
