#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <optional>

// The high-score file is only ever a regular file. Whatever else stands at its path (a FIFO, a
// socket, a device, a folder, or a link to one) is neither waited on, read, written nor replaced;
// each decision is made on what was opened, so a link changed in between cannot slip past.
namespace lumora {

// What a file operation reports: 0 when done, else the system's code (errno on Linux, a Win32
// error code on Windows) for fileErrorText.
constexpr int kWriteCutShort = -1; // a write the system cut short without a reason

struct FileRead
{
    std::optional<QByteArray> bytes; // nothing when the file could not be read
    bool missing = false;            // because there is no file at all
    int error = 0;                   // the system's code, when it has one
    QString reason;                  // why not, in fileErrorText's form
};

// At most `limit` bytes of the regular file at `path`, links followed. Never waits for a writer.
FileRead readRegularFile(const QString &path, qsizetype limit);

struct RegularFilePath
{
    QString path;          // `path` with its links followed
    QString problem;       // why that is no regular file, in fileErrorText's form; empty if it is one or is missing
    bool readOnly = false; // its mode has no write bit (Linux) or it has the read-only attribute (Windows)
    int mode = -1;         // its permission bits on Linux; -1 when missing or on Windows
};

// The file a save of `path` replaces: a file kept as a link elsewhere (in a synchronised folder,
// say) is written through the link, each link's target taken from the real folder the link is
// in, as the system takes it; only a regular file, or nothing yet, is replaced.
RegularFilePath resolveRegularFile(const QString &path);

// Makes `folder` and the folders above it that are missing.
int makeFolders(const QString &folder);

// A file made for a save beside the one it replaces. After any failure, and when it goes out of
// scope without having taken its place, it is removed.
class NewFile
{
public:
    // Makes the file `path`, which must not exist yet, private until it has `mode` (see
    // RegularFilePath::mode; -1: the system's default for a new file).
    NewFile(QString path, int mode);
    ~NewFile();
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;

    QString path() const { return m_path; }
    int error() const { return m_error; } // of the making
    bool isOpen() const;

    // Writes all of `bytes`, forced to disk.
    int write(const QByteArray &bytes);
    // Puts the file in the place of the regular file `target` (or of nothing) in one step, and
    // forces that step to disk, so that a power cut brings back no older file. A momentary
    // refusal is tried again until `deadline`.
    int replace(const QString &target, const QDeadlineTimer &deadline);
    // Removes the file now, trying again when that fails.
    int discard();

private:
    QString m_path;
    qintptr m_handle;
    int m_error = 0;
    bool m_placed = false;
};

// Whether making a file failed because its name was taken.
bool isNameTaken(int error);

// Whether an operation refused with `error` may go through a moment later: on Windows, a scanner,
// a backup or a sync client often holds a file open for a moment.
bool isMomentaryRefusal(int error);

} // namespace lumora
