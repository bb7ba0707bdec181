#include "scores/RegularFile.h"

#include "scores/FileErrorText.h"
#include "scores/RegularFile_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumora {

namespace {

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

} // namespace

FileRead readRegularFile(const QString &path, qsizetype limit)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info
    {
    };
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0)
        return {std::nullopt, fileErrorText(errno)};
    if (const QString problem = problemWith(info.st_mode); !problem.isEmpty())
        return {std::nullopt, problem};

    QByteArray bytes(std::min<qsizetype>(limit, std::max<qsizetype>(info.st_size, 0) + 1), Qt::Uninitialized);
    qsizetype size = 0;
    while (size < limit) {
        if (size == bytes.size())
            bytes.resize(std::min(limit, 2 * bytes.size()));
        const ssize_t got = ::read(file.get(), bytes.data() + size, size_t(bytes.size() - size));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {std::nullopt, fileErrorText(errno)};
        if (got == 0)
            break;
        size += got;
    }
    bytes.resize(size);
    return {bytes, QString()};
}

namespace detail {

const int kTooManyLinks = ELOOP;

QString linkTarget(const QString &path)
{
    char target[PATH_MAX];
    const ssize_t size = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
    if (size < 0 || size_t(size) >= sizeof target)
        return QString();
    return QDir(QFileInfo(path).absolutePath()).filePath(QFile::decodeName(QByteArray(target, size)));
}

// O_PATH opens even a FIFO or a file without permissions at once; O_NOFOLLOW shows a link put
// there since the links were followed as a link, which is refused.
QString problemAt(const QString &path)
{
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat info
    {
    };
    if (!file.isOpen())
        return errno == ENOENT ? QString() : fileErrorText(errno);
    if (::fstat(file.get(), &info) != 0)
        return fileErrorText(errno);
    return problemWith(info.st_mode);
}

} // namespace detail

NewFile writeNewFile(const QString &path, const QByteArray &bytes)
{
    const QByteArray name = QFile::encodeName(path);
    int error = 0;
    {
        const Descriptor file(::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!file.isOpen())
            return {false, errno};
        // A write cut short tells no reason; writing the rest does (a full disk, a size limit).
        for (qsizetype count = 0; count < bytes.size() && error == 0;) {
            const ssize_t wrote = ::write(file.get(), bytes.constData() + count, size_t(bytes.size() - count));
            if (wrote > 0)
                count += wrote;
            else if (wrote == 0 || errno != EINTR)
                error = wrote == 0 ? kWriteCutShort : errno;
        }
        // On disk before it replaces anything, so that a crash leaves the old content or the new.
        if (error == 0 && ::fsync(file.get()) != 0)
            error = errno;
    }
    if (error != 0)
        ::unlink(name.constData());
    return {true, error};
}

int replaceFile(const QString &from, const QString &to)
{
    const QByteArray target = QFile::encodeName(to);
    if (::access(target.constData(), W_OK) != 0 && errno != ENOENT)
        return errno;
    return ::rename(QFile::encodeName(from).constData(), target.constData()) == 0 ? 0 : errno;
}

// A file others hold open is replaced all the same.
bool isMomentaryRefusal(int)
{
    return false;
}

} // namespace lumora
