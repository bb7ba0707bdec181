#include "scores/RegularFile.h"

#include "scores/FileErrorText.h"
#include "scores/RegularFile_p.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumora {

namespace {

// A failed attempt at a removal is tried this often in all before the save reports it.
constexpr int kRemoveTries = 3;

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    bool isOpen() const { return m_fd >= 0; }
    int get() const { return m_fd; }

private:
    int m_fd;
};

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

int openFile(const QByteArray &name, int flags, mode_t mode = 0)
{
    return uninterrupted([&] { return ::open(name.constData(), flags, mode); });
}

// Why a file of this mode is not read or written; empty for a regular file.
QString problemWith(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return notARegularFileText(FileKind::Folder);
    if (S_ISFIFO(mode))
        return notARegularFileText(FileKind::Pipe);
    if (S_ISSOCK(mode))
        return notARegularFileText(FileKind::Socket);
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return notARegularFileText(FileKind::Device);
    return notARegularFileText(FileKind::Other);
}

QByteArray folderOf(const QByteArray &name)
{
    const qsizetype slash = name.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : name.left(slash);
}

} // namespace

FileRead readRegularFile(const QString &path, qsizetype limit)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const Descriptor file(openFile(QFile::encodeName(path), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info
    {
    };
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0)
        return {std::nullopt, errno == ENOENT, errno, fileErrorText(errno)};
    if (const QString problem = problemWith(info.st_mode); !problem.isEmpty())
        return {std::nullopt, false, 0, problem};

    QByteArray bytes(std::min<qsizetype>(limit, std::max<qsizetype>(info.st_size, 0) + 1), Qt::Uninitialized);
    qsizetype size = 0;
    while (size < limit) {
        if (size == bytes.size())
            bytes.resize(std::min(limit, 2 * bytes.size()));
        const ssize_t got =
            uninterrupted([&] { return ::read(file.get(), bytes.data() + size, size_t(bytes.size() - size)); });
        if (got < 0)
            return {std::nullopt, false, errno, fileErrorText(errno)};
        if (got == 0)
            break;
        size += got;
    }
    bytes.resize(size);
    return {bytes};
}

namespace detail {

const int kTooManyLinks = ELOOP;

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

// O_PATH opens even a FIFO or a file without permissions at once; O_NOFOLLOW shows a link put
// there since the links were followed as a link, which is refused.
RegularFilePath fileAt(const QString &path)
{
    const Descriptor file(openFile(QFile::encodeName(path), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat info
    {
    };
    if (!file.isOpen())
        return {path, errno == ENOENT ? QString() : fileErrorText(errno)};
    if (::fstat(file.get(), &info) != 0)
        return {path, fileErrorText(errno)};
    // Read-only by the file itself: root, whom no mode stops, is refused as everyone is.
    const bool readOnly = (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    return {path, problemWith(info.st_mode), readOnly, int(info.st_mode & 0777)};
}

QString problemOfOpenFile(qintptr handle)
{
    struct stat info
    {
    };
    return ::fstat(int(handle), &info) == 0 ? problemWith(info.st_mode) : fileErrorText(errno);
}

int makeFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0777) == 0)
        return 0;
    const int error = errno;
    struct stat info
    {
    };
    return error == EEXIST && ::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) ? 0 : error;
}

} // namespace detail

NewFile::NewFile(QString path, int mode)
    : m_path(std::move(path))
    , m_handle(openFile(QFile::encodeName(m_path), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        mode < 0 ? 0666 : 0600))
{
    // Private until it has the old file's mode, which it takes before it holds a byte.
    const bool made =
        m_handle >= 0 && (mode < 0 || uninterrupted([&] { return ::fchmod(int(m_handle), mode_t(mode)); }) == 0);
    if (!made)
        m_error = errno;
}

NewFile::~NewFile()
{
    discard();
}

bool NewFile::isOpen() const
{
    return m_handle >= 0;
}

int NewFile::write(const QByteArray &bytes)
{
    // A write cut short tells no reason; writing the rest does (a full disk, a size limit).
    for (qsizetype count = 0; count < bytes.size();) {
        const ssize_t wrote = uninterrupted(
            [&] { return ::write(int(m_handle), bytes.constData() + count, size_t(bytes.size() - count)); });
        if (wrote <= 0)
            return wrote == 0 ? kWriteCutShort : errno;
        count += wrote;
    }
    // On disk before it replaces anything, so that a crash leaves the old content or the new.
    return uninterrupted([&] { return ::fsync(int(m_handle)); }) == 0 ? 0 : errno;
}

int NewFile::replace(const QString &target, const QDeadlineTimer &)
{
    const QByteArray to = QFile::encodeName(target);
    const QByteArray from = QFile::encodeName(m_path);
    if (uninterrupted([&] { return ::rename(from.constData(), to.constData()); }) != 0)
        return errno;
    m_placed = true;
    // The rename changed the folder, not the file: only the folder's sync puts it on disk.
    const Descriptor folder(openFile(folderOf(to), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isOpen())
        return errno;
    // EINVAL: a file system that keeps no folder to sync has nothing more to write.
    return uninterrupted([&] { return ::fsync(folder.get()); }) == 0 || errno == EINVAL ? 0 : errno;
}

int NewFile::discard()
{
    if (m_handle < 0)
        return 0;
    ::close(int(m_handle));
    m_handle = -1;
    if (m_placed)
        return 0;
    int error = 0;
    for (int tries = 0; tries < kRemoveTries; ++tries) {
        error = ::unlink(QFile::encodeName(m_path).constData()) == 0 || errno == ENOENT ? 0 : errno;
        if (error == 0)
            break;
    }
    return error;
}

bool isNameTaken(int error)
{
    return error == EEXIST;
}

// A file others hold open is replaced all the same.
bool isMomentaryRefusal(int)
{
    return false;
}

} // namespace lumora
