#include "scores/RegularFile.h"

#include "scores/FileErrorText.h"
#include "scores/MomentaryRetry.h"
#include "scores/RegularFile_p.h"

#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace lumora {

namespace {

constexpr DWORD kChunkBytes = 64 * 1024;
// A failed attempt at a removal is tried this often in all before the save reports it.
constexpr int kRemoveTries = 3;

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

bool isMissing(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
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
    if (!file.isOpen()) {
        const DWORD error = GetLastError();
        return {std::nullopt, isMissing(error), int(error), systemReason(error)};
    }
    if (const QString problem = problemWith(file.get()); !problem.isEmpty())
        return {std::nullopt, false, 0, problem};
    QByteArray bytes;
    while (bytes.size() < limit) {
        const qsizetype size = bytes.size();
        const auto wanted = DWORD(std::min<qsizetype>(kChunkBytes, limit - size));
        bytes.resize(size + wanted);
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + size, wanted, &got, nullptr)) {
            const DWORD error = GetLastError();
            return {std::nullopt, false, int(error), systemReason(error)};
        }
        bytes.resize(size + got);
        if (got == 0)
            break;
    }
    return {bytes};
}

namespace detail {

const int kTooManyLinks = ERROR_CANT_RESOLVE_FILENAME;

// The system follows the whole chain itself when it opens the file, so its final path is where
// every link leads, taken as Windows takes each one; a link to a missing file is taken as Qt reads it.
QString linkTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymbolicLink() && !info.isJunction())
        return QString();
    const Handle file = openExisting(path, 0, 0);
    std::vector<wchar_t> name(MAX_PATH);
    for (DWORD size = 0; file.isOpen();) {
        size = GetFinalPathNameByHandleW(file.get(), name.data(), DWORD(name.size()), FILE_NAME_NORMALIZED);
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

RegularFilePath fileAt(const QString &path)
{
    const Handle file = openExisting(path, 0, FILE_FLAG_OPEN_REPARSE_POINT);
    if (!file.isOpen()) {
        const DWORD error = GetLastError();
        return {path, isMissing(error) ? QString() : systemReason(error)};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool readOnly =
        GetFileInformationByHandle(file.get(), &info) && (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
    return {path, problemWith(file.get()), readOnly};
}

QString problemOfOpenFile(qintptr handle)
{
    return problemWith(reinterpret_cast<HANDLE>(handle));
}

int makeFolder(const QString &folder)
{
    const QString name = QDir::toNativeSeparators(folder);
    if (CreateDirectoryW(native(name), nullptr))
        return 0;
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(native(name));
    const bool isFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    return error == ERROR_ALREADY_EXISTS && isFolder ? 0 : int(error);
}

} // namespace detail

// DELETE: the file is renamed and removed through its handle, so neither can reach another file
// put at its name. Shared with no one until it has taken its place.
NewFile::NewFile(QString path, int)
    : m_path(std::move(path))
    , m_handle(reinterpret_cast<qintptr>(CreateFileW(native(QDir::toNativeSeparators(m_path)), GENERIC_WRITE | DELETE,
                                                     0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)))
{
    if (!isOpen())
        m_error = int(GetLastError());
}

NewFile::~NewFile()
{
    discard();
}

bool NewFile::isOpen() const
{
    return reinterpret_cast<HANDLE>(m_handle) != INVALID_HANDLE_VALUE;
}

int NewFile::write(const QByteArray &bytes)
{
    const auto file = reinterpret_cast<HANDLE>(m_handle);
    for (qsizetype count = 0; count < bytes.size();) {
        DWORD wrote = 0;
        const auto wanted = DWORD(std::min<qsizetype>(kChunkBytes, bytes.size() - count));
        if (!WriteFile(file, bytes.constData() + count, wanted, &wrote, nullptr))
            return int(GetLastError());
        if (wrote == 0)
            return kWriteCutShort;
        count += wrote;
    }
    // On disk before it replaces anything, so that a crash leaves the old content or the new.
    return FlushFileBuffers(file) ? 0 : int(GetLastError());
}

// The rename is made on the open handle, and the handle flushed after it. NTFS journals a rename
// as a change of the file's metadata; FlushFileBuffers on a handle of the file writes that file's
// data and metadata and commits NTFS's journal up to them, which holds the rename made before it.
// MoveFileEx's MOVEFILE_WRITE_THROUGH does not: it waits only for the copy of a move between
// volumes, and a rename within one volume returns before its journal entry is on disk.
int NewFile::replace(const QString &target, const QDeadlineTimer &deadline)
{
    const std::wstring to = QDir::toNativeSeparators(target).toStdWString();
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + to.size() * sizeof(wchar_t));
    auto *rename = reinterpret_cast<FILE_RENAME_INFO *>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = DWORD(to.size() * sizeof(wchar_t));
    std::memcpy(rename->FileName, to.c_str(), (to.size() + 1) * sizeof(wchar_t));
    const auto file = reinterpret_cast<HANDLE>(m_handle);
    const int error = retryWhileMomentary(
        deadline,
        [&] {
            return SetFileInformationByHandle(file, FileRenameInfo, rename, DWORD(buffer.size())) ? 0
                                                                                                  : int(GetLastError());
        },
        isMomentaryRefusal);
    if (error != 0)
        return error;
    m_placed = true;
    return FlushFileBuffers(file) ? 0 : int(GetLastError());
}

// Marked for deletion through its own handle, then closed: Windows removes it once no one holds it.
int NewFile::discard()
{
    if (!isOpen())
        return 0;
    const auto file = reinterpret_cast<HANDLE>(m_handle);
    int error = 0;
    for (int tries = 0; !m_placed && tries < kRemoveTries; ++tries) {
        FILE_DISPOSITION_INFO remove{TRUE};
        error = SetFileInformationByHandle(file, FileDispositionInfo, &remove, sizeof remove) ? 0 : int(GetLastError());
        if (error == 0)
            break;
    }
    CloseHandle(file);
    m_handle = reinterpret_cast<qintptr>(INVALID_HANDLE_VALUE);
    return error;
}

bool isNameTaken(int error)
{
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
}

// Both are what a replace or a read meets while another program holds the file open; neither
// outlasts it. A read-only file is refused before, so that it is not waited for.
bool isMomentaryRefusal(int error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
}

} // namespace lumora
