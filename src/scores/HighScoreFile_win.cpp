// Every call the high-score file makes to Windows (HighScoreFile_p.h says what each does): files
// opened by handle and renamed, flushed and removed through it, LockFileEx, Win32 error codes, and
// the old game's places.
#include "scores/HighScoreFile_p.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace lumora {

void FileHandle::close()
{
    if (isOpen())
        CloseHandle(reinterpret_cast<HANDLE>(std::exchange(m_native, kClosed)));
}

namespace sys {

namespace {

constexpr DWORD kChunkBytes = 64 * 1024;
// A failed attempt at a removal is tried this often in all before the save reports it.
constexpr int kRemoveTries = 3;

// C:\Windows\System\LumoraHigh.Dll, written with Qt's separator; messages show it natively.
const QString kFixedFolder = QStringLiteral("C:/Windows/System");
const QString kFileName = QStringLiteral("/LumoraHigh.Dll");

std::error_code win32Error(DWORD error)
{
    return {int(error), std::system_category()};
}

std::error_code lastError()
{
    return win32Error(GetLastError());
}

HANDLE handle(const FileHandle &file)
{
    return reinterpret_cast<HANDLE>(file.native());
}

const wchar_t *native(const QString &path)
{
    return reinterpret_cast<const wchar_t *>(path.utf16());
}

// Backup semantics open a folder too, so that it is told as one.
FileHandle openExisting(const QString &path, DWORD access, DWORD flags)
{
    return FileHandle(reinterpret_cast<qintptr>(CreateFileW(
        native(QDir::toNativeSeparators(path)), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, flags | FILE_FLAG_BACKUP_SEMANTICS, nullptr)));
}

// Why what `file` is open on is not read or written; none for a regular file.
std::error_code kindOf(const FileHandle &file)
{
    switch (GetFileType(handle(file))) {
    case FILE_TYPE_DISK: break;
    case FILE_TYPE_PIPE: return FileError::PipeInPlace;
    case FILE_TYPE_CHAR: return FileError::DeviceInPlace;
    default: return FileError::NotRegularFile;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(handle(file), &info))
        return lastError();
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return FileError::FolderInPlace;
    // Opened without following it: a link put there since the links were followed.
    if (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return FileError::NotRegularFile;
    return {};
}

QString virtualCopy()
{
    // The local application data folder, as Windows' VirtualStore mirrors C:\ there.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/VirtualStore/Windows/System") + kFileName;
}

bool canMakeFileIn(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/LumoraHigh.XXXXXX"));
    return probe.open();
}

} // namespace

QString platformLoadFile()
{
    const QString copy = virtualCopy();
    return loadPlace(
        {.fixed = kFixedFolder + kFileName, .virtualCopy = copy, .virtualCopyExists = QFileInfo::exists(copy)});
}

QString platformSaveFile()
{
    const QString copy = virtualCopy();
    const bool copyExists = QFileInfo::exists(copy);
    return savePlace({.fixed = kFixedFolder + kFileName,
                      .virtualCopy = copy,
                      .virtualCopyExists = copyExists,
                      .fixedWritable = !copyExists && canMakeFileIn(kFixedFolder)});
}

std::error_code readRegularFile(const QString &path, qsizetype limit, QByteArray &bytes)
{
    const FileHandle file = openExisting(path, GENERIC_READ, 0);
    if (!file.isOpen())
        return lastError();
    if (const std::error_code kind = kindOf(file))
        return kind;
    QByteArray content;
    while (content.size() < limit) {
        const qsizetype size = content.size();
        const auto wanted = DWORD(std::min<qsizetype>(kChunkBytes, limit - size));
        content.resize(size + wanted);
        DWORD got = 0;
        if (!ReadFile(handle(file), content.data() + size, wanted, &got, nullptr))
            return lastError();
        content.resize(size + got);
        if (got == 0)
            break;
    }
    bytes = content;
    return {};
}

bool isMissing(const std::error_code &error)
{
    return isSystemError(error, {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND});
}

// The system follows the whole chain itself when it opens the file, so its final path is where
// every link leads, taken as Windows takes each one; a link to a missing file is taken as Qt reads it.
QString linkTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymbolicLink() && !info.isJunction())
        return QString();
    const FileHandle file = openExisting(path, 0, 0);
    std::vector<wchar_t> name(MAX_PATH);
    for (DWORD size = 0; file.isOpen();) {
        size = GetFinalPathNameByHandleW(handle(file), name.data(), DWORD(name.size()), FILE_NAME_NORMALIZED);
        if (size == 0)
            break;
        if (size < name.size()) {
            QString target = QString::fromWCharArray(name.data(), qsizetype(size));
            if (target.startsWith(QStringLiteral("\\\\?\\UNC\\")))
                target = QStringLiteral("\\\\") + target.mid(8);
            else if (target.startsWith(QStringLiteral("\\\\?\\")))
                target = target.mid(4);
            return QDir::fromNativeSeparators(target);
        }
        name.resize(size);
    }
    return info.symLinkTarget();
}

std::error_code tooManyLinks()
{
    return win32Error(ERROR_CANT_RESOLVE_FILENAME);
}

FileAt fileAt(const QString &path)
{
    const FileHandle file = openExisting(path, 0, FILE_FLAG_OPEN_REPARSE_POINT);
    if (!file.isOpen()) {
        const std::error_code error = lastError();
        return {isMissing(error) ? std::error_code() : error};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool readOnly =
        GetFileInformationByHandle(handle(file), &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
    return {kindOf(file), readOnly};
}

std::error_code makeFolder(const QString &folder)
{
    const QString name = QDir::toNativeSeparators(folder);
    if (CreateDirectoryW(native(name), nullptr))
        return {};
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(native(name));
    const bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return error == ERROR_ALREADY_EXISTS && isFolder ? std::error_code() : win32Error(error);
}

// Opened as it stands, never through a link put there (a folder is opened to be told as one);
// shared, so that another copy can open it to wait for the lock.
FileHandle openLockFile(const QString &path, std::error_code &error)
{
    FileHandle lock(reinterpret_cast<qintptr>(
        CreateFileW(native(QDir::toNativeSeparators(path)), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr)));
    error = lock.isOpen() ? kindOf(lock) : lastError();
    return lock;
}

std::error_code tryLock(const FileHandle &lock)
{
    OVERLAPPED start{};
    const bool taken = LockFileEx(handle(lock), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start);
    return taken ? std::error_code() : lastError();
}

bool isHeldElsewhere(const std::error_code &error)
{
    return isSystemError(error, {ERROR_LOCK_VIOLATION});
}

// CREATE_NEW: a file or link at the name fails the making, so nothing there is ever opened.
// DELETE: the file is renamed and removed through its handle, so neither can reach another file
// put at its name. Shared with no one until it has taken its place.
FileHandle makeNewFile(const QString &path, int, std::error_code &error)
{
    FileHandle file(
        reinterpret_cast<qintptr>(CreateFileW(native(QDir::toNativeSeparators(path)), GENERIC_WRITE | DELETE, 0,
                                              nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)));
    error = file.isOpen() ? std::error_code() : lastError();
    return file;
}

bool isNameTaken(const std::error_code &error)
{
    return isSystemError(error, {ERROR_FILE_EXISTS, ERROR_ALREADY_EXISTS});
}

std::error_code writeAndSync(const FileHandle &file, const QByteArray &bytes)
{
    for (qsizetype count = 0; count < bytes.size();) {
        DWORD wrote = 0;
        const auto wanted = DWORD(std::min<qsizetype>(kChunkBytes, bytes.size() - count));
        if (!WriteFile(handle(file), bytes.constData() + count, wanted, &wrote, nullptr))
            return lastError();
        if (wrote == 0)
            return FileError::CutShort;
        count += wrote;
    }
    // On disk before it replaces anything, so that a crash leaves the old content or the new.
    return FlushFileBuffers(handle(file)) ? std::error_code() : lastError();
}

// The rename is made on the open handle, and the handle flushed after it (syncRename). NTFS
// journals a rename as a change of the file's metadata; FlushFileBuffers on a handle of the file
// writes that file's data and metadata and commits NTFS's journal up to them, which holds the
// rename made before it. MoveFileEx's MOVEFILE_WRITE_THROUGH does not: it waits only for the copy
// of a move between volumes, and a rename within one volume returns before its journal entry is
// on disk.
std::error_code renameOver(const FileHandle &file, const QString &, const QString &to)
{
    const std::wstring target = QDir::toNativeSeparators(to).toStdWString();
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t));
    auto *rename = reinterpret_cast<FILE_RENAME_INFO *>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = DWORD(target.size() * sizeof(wchar_t));
    std::memcpy(rename->FileName, target.c_str(), (target.size() + 1) * sizeof(wchar_t));
    return SetFileInformationByHandle(handle(file), FileRenameInfo, rename, DWORD(buffer.size())) ? std::error_code()
                                                                                                  : lastError();
}

std::error_code syncRename(const FileHandle &file, const QString &)
{
    return FlushFileBuffers(handle(file)) ? std::error_code() : lastError();
}

// Marked for deletion through its own handle, then closed: Windows removes it once no one holds it.
std::error_code removeNewFile(FileHandle &file, const QString &)
{
    std::error_code error;
    for (int tries = 0; tries < kRemoveTries; ++tries) {
        FILE_DISPOSITION_INFO remove{TRUE};
        error = SetFileInformationByHandle(handle(file), FileDispositionInfo, &remove, sizeof remove)
            ? std::error_code()
            : lastError();
        if (!error)
            break;
    }
    file.close();
    return error;
}

// Each is what a replace or a read meets while another program holds the file open; none outlasts
// it. A read-only file is refused before, so that it is not waited for.
bool isMomentaryRefusal(const std::error_code &error)
{
    return isSystemError(error, {ERROR_SHARING_VIOLATION, ERROR_ACCESS_DENIED, ERROR_LOCK_VIOLATION});
}

std::span<const KnownError> knownErrors()
{
    using enum CommonCause;
    // A file another program holds open (a scanner, a backup) is told as such, not as a denied one.
    static constexpr KnownError kErrors[] = {
        {ERROR_FILE_NOT_FOUND, MissingFolder}, {ERROR_PATH_NOT_FOUND, MissingFolder},
        {ERROR_ACCESS_DENIED, NoPermission},   {ERROR_SHARING_VIOLATION, InUse},
        {ERROR_LOCK_VIOLATION, InUse},         {ERROR_DISK_FULL, DiskFull},
        {ERROR_HANDLE_DISK_FULL, DiskFull},    {ERROR_WRITE_PROTECT, ReadOnlyFileSystem},
    };
    return kErrors;
}

} // namespace sys

} // namespace lumora
