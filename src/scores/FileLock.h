#pragma once

#include <QDeadlineTimer>
#include <QString>

namespace lumora {

// A lock no other running copy of the game holds at the same time: the system's own lock on the
// file `path`, which is made when missing and is never read, written or removed, so nothing that
// stands there (a FIFO, a huge file) can hold a save up. The system lets go of it when the
// process ends, however it ends: a copy that died leaves no lock behind. Held while it lives.
class FileLock
{
public:
    enum class State { Locked, HeldElsewhere, Failed };

    explicit FileLock(QString path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    // Takes the lock, waiting for another copy that holds it until `deadline`.
    State lock(const QDeadlineTimer &deadline);
    // Why it failed, in fileErrorText's form.
    QString reason() const { return m_reason; }

private:
    // Each platform's file: opens the lock file, returning why that failed or is no regular file;
    // tries the lock once (0 when taken, else the system's code); tells a code that says another
    // holds it; closes the file, which lets go of the lock.
    QString open();
    int tryLock();
    static bool isHeldElsewhere(int error);
    void close();

    QString m_path;
    qintptr m_handle = -1;
    QString m_reason;
};

} // namespace lumora
