#include "scores/FileLock.h"

#include "scores/FileErrorText.h"
#include "scores/RegularFile_p.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace lumora {

// O_NONBLOCK: a FIFO put at the path opens at once and is refused; O_NOFOLLOW: a link there is
// refused, not followed.
QString FileLock::open()
{
    const QByteArray name = QFile::encodeName(m_path);
    int fd = -1;
    do
        fd = ::open(name.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return fileErrorText(errno);
    m_handle = fd;
    return detail::problemOfOpenFile(m_handle);
}

int FileLock::tryLock()
{
    return ::flock(int(m_handle), LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

bool FileLock::isHeldElsewhere(int error)
{
    return error == EWOULDBLOCK || error == EINTR;
}

void FileLock::close()
{
    if (m_handle >= 0)
        ::close(int(m_handle));
    m_handle = -1;
}

} // namespace lumora
