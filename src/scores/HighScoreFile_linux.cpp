// Every call the high-score file makes to Linux (HighScoreFile_p.h says what each does): POSIX's
// files, folders, flock and errno, and Linux's O_PATH.
#include "scores/HighScoreFile_p.h"

#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumora {

void FileHandle::close()
{
    if (isOpen())
        ::close(int(std::exchange(m_native, kClosed)));
}

namespace sys {

namespace {

// A failed attempt at a removal is tried this often in all before the save reports it.
constexpr int kRemoveTries = 3;

// A call a signal interrupted did nothing: it is made again.
template <typename Call>
auto uninterrupted(Call call)
{
    for (;;) {
        const auto result = call();
        if (result >= 0 || errno != EINTR)
            return result;
    }
}

std::error_code lastError()
{
    return {errno, std::system_category()};
}

int fd(const FileHandle &file)
{
    return int(file.native());
}

FileHandle openFile(const QByteArray &name, int flags, mode_t mode = 0)
{
    return FileHandle(uninterrupted([&] { return ::open(name.constData(), flags, mode); }));
}

// Why a file of this mode is not read or written; none for a regular file.
std::error_code kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return FileError::FolderInPlace;
    if (S_ISFIFO(mode))
        return FileError::PipeInPlace;
    if (S_ISSOCK(mode))
        return FileError::SocketInPlace;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileError::DeviceInPlace;
    return FileError::NotRegularFile;
}

std::error_code kindOfOpenFile(const FileHandle &file)
{
    struct stat info
    {
    };
    return ::fstat(fd(file), &info) == 0 ? kindOf(info.st_mode) : lastError();
}

QByteArray folderOf(const QByteArray &name)
{
    const qsizetype slash = name.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : name.left(slash);
}

QString dataFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/LumoraHigh.Dll");
}

} // namespace

QString platformLoadFile()
{
    return dataFile();
}

QString platformSaveFile()
{
    return dataFile();
}

std::error_code readRegularFile(const QString &path, qsizetype limit, QByteArray &bytes)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const FileHandle file = openFile(QFile::encodeName(path), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat info
    {
    };
    if (!file.isOpen() || ::fstat(fd(file), &info) != 0)
        return lastError();
    if (const std::error_code kind = kindOf(info.st_mode))
        return kind;

    QByteArray read(std::min<qsizetype>(limit, std::max<qsizetype>(info.st_size, 0) + 1), Qt::Uninitialized);
    qsizetype size = 0;
    while (size < limit) {
        if (size == read.size())
            read.resize(std::min(limit, 2 * read.size()));
        const ssize_t got =
            uninterrupted([&] { return ::read(fd(file), read.data() + size, size_t(read.size() - size)); });
        if (got < 0)
            return lastError();
        if (got == 0)
            break;
        size += got;
    }
    read.resize(size);
    bytes = read;
    return {};
}

bool isMissing(const std::error_code &error)
{
    return isSystemError(error, {ENOENT});
}

QString linkTarget(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    char target[PATH_MAX];
    const ssize_t size = ::readlink(name.constData(), target, sizeof target);
    if (size < 0 || size_t(size) >= sizeof target)
        return QString();
    const QByteArray link(target, size);
    if (link.startsWith('/'))
        return QFile::decodeName(link);
    // As the system takes it: from the real folder the link is in, so that a `..` climbs from
    // where a linked folder leads, not from the path's text.
    char real[PATH_MAX];
    if (!::realpath(folderOf(name).constData(), real))
        return QString();
    QByteArray folder(real);
    if (!folder.endsWith('/'))
        folder += '/';
    return QFile::decodeName(folder + link);
}

std::error_code tooManyLinks()
{
    return {ELOOP, std::system_category()};
}

// O_PATH opens even a FIFO or a file without permissions at once; O_NOFOLLOW shows a link put
// there since the links were followed as a link, which is refused.
FileAt fileAt(const QString &path)
{
    const FileHandle file = openFile(QFile::encodeName(path), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    struct stat info
    {
    };
    if (!file.isOpen())
        return {errno == ENOENT ? std::error_code() : lastError()};
    if (::fstat(fd(file), &info) != 0)
        return {lastError()};
    // Read-only by the file itself: root, whom no mode stops, is refused as everyone is.
    const bool readOnly = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return {kindOf(info.st_mode), readOnly, int(info.st_mode & 0777)};
}

std::error_code makeFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0777) == 0)
        return {};
    const std::error_code error = lastError();
    struct stat info
    {
    };
    return error.value() == EEXIST && ::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) ? std::error_code()
                                                                                                    : error;
}

// O_NONBLOCK: a FIFO put at the path opens at once and is refused; O_NOFOLLOW: a link there is
// refused, not followed.
FileHandle openLockFile(const QString &path, std::error_code &error)
{
    FileHandle lock =
        openFile(QFile::encodeName(path), O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    error = lock.isOpen() ? kindOfOpenFile(lock) : lastError();
    return lock;
}

std::error_code tryLock(const FileHandle &lock)
{
    return ::flock(fd(lock), LOCK_EX | LOCK_NB) == 0 ? std::error_code() : lastError();
}

bool isHeldElsewhere(const std::error_code &error)
{
    return isSystemError(error, {EWOULDBLOCK, EINTR});
}

// O_EXCL: a file or link at the name fails the making (EEXIST), so nothing there is ever opened.
// Private until it has the old file's mode, which it takes before it holds a byte.
FileHandle makeNewFile(const QString &path, int mode, std::error_code &error)
{
    FileHandle file =
        openFile(QFile::encodeName(path), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode < 0 ? 0666 : 0600);
    const bool made =
        file.isOpen() && (mode < 0 || uninterrupted([&] { return ::fchmod(fd(file), mode_t(mode)); }) == 0);
    error = made ? std::error_code() : lastError();
    return file;
}

bool isNameTaken(const std::error_code &error)
{
    return isSystemError(error, {EEXIST});
}

std::error_code writeAndSync(const FileHandle &file, const QByteArray &bytes)
{
    // A write cut short tells no reason; writing the rest does (a full disk, a size limit).
    for (qsizetype count = 0; count < bytes.size();) {
        const ssize_t wrote =
            uninterrupted([&] { return ::write(fd(file), bytes.constData() + count, size_t(bytes.size() - count)); });
        if (wrote <= 0)
            return wrote == 0 ? make_error_code(FileError::CutShort) : lastError();
        count += wrote;
    }
    // On disk before it replaces anything, so that a crash leaves the old content or the new.
    return uninterrupted([&] { return ::fsync(fd(file)); }) == 0 ? std::error_code() : lastError();
}

std::error_code renameOver(const FileHandle &, const QString &from, const QString &to)
{
    const QByteArray target = QFile::encodeName(to);
    const QByteArray source = QFile::encodeName(from);
    return uninterrupted([&] { return ::rename(source.constData(), target.constData()); }) == 0 ? std::error_code()
                                                                                                : lastError();
}

// The rename changed the folder, not the file: only the folder's sync puts it on disk.
std::error_code syncRename(const FileHandle &, const QString &to)
{
    const FileHandle folder = openFile(folderOf(QFile::encodeName(to)), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (!folder.isOpen())
        return lastError();
    // EINVAL: a file system that keeps no folder to sync has nothing more to write.
    return uninterrupted([&] { return ::fsync(fd(folder)); }) == 0 || errno == EINVAL ? std::error_code() : lastError();
}

std::error_code removeNewFile(FileHandle &file, const QString &path)
{
    file.close();
    std::error_code error;
    for (int tries = 0; tries < kRemoveTries; ++tries) {
        error = ::unlink(QFile::encodeName(path).constData()) == 0 || errno == ENOENT ? std::error_code() : lastError();
        if (!error)
            break;
    }
    return error;
}

// A file others hold open is replaced all the same.
bool isMomentaryRefusal(const std::error_code &)
{
    return false;
}

std::span<const KnownError> knownErrors()
{
    using enum CommonCause;
    static constexpr KnownError kErrors[] = {
        {ENOENT, MissingFolder}, {EACCES, NoPermission}, {EPERM, NoPermission},
        {ENOSPC, DiskFull},      {EDQUOT, DiskFull},     {EROFS, ReadOnlyFileSystem},
    };
    return kErrors;
}

} // namespace sys

} // namespace lumora
