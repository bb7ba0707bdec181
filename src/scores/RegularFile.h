#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The high-score file is only ever a regular file. Whatever else stands at its path (a FIFO, a
// socket, a device, a folder, or a link to one) is neither waited on, read, written nor replaced;
// each decision is made on what was opened, so a link changed in between cannot slip past.
namespace lumora {

struct FileRead
{
    std::optional<QByteArray> bytes; // nothing when the file could not be read
    QString reason;                  // why not, in fileErrorText's form
};

// At most `limit` bytes of the regular file at `path`, links followed. Never waits for a writer.
FileRead readRegularFile(const QString &path, qsizetype limit);

struct RegularFilePath
{
    QString path;    // `path` with its links followed
    QString problem; // why that is no regular file, in fileErrorText's form; empty if it is one or is missing
};

// The file a save of `path` replaces: a file kept as a link elsewhere (in a synchronised folder,
// say) is written through the link, and only a regular file, or nothing yet, is replaced.
RegularFilePath resolveRegularFile(const QString &path);

// What a save's own file operations report: 0 when done, else the system's code (errno on Linux,
// a Win32 error code on Windows) for fileErrorText.
constexpr int kWriteCutShort = -1; // a write the system cut short without a reason

struct NewFile
{
    bool created = false; // whether the file was made (and the failure, if any, in writing it)
    int error = 0;
};

// Makes the file `path`, which must not exist yet, holding `bytes` forced to disk. After a
// failure nothing is left at `path`.
NewFile writeNewFile(const QString &path, const QByteArray &bytes);

// Puts the file `from` in the place of the regular file `to` (or of nothing) in one step. A file
// that cannot be written is left alone, as Windows refuses to replace a read-only one.
int replaceFile(const QString &from, const QString &to);

// Whether a replace refused with `error` may go through a moment later: on Windows, a scanner, a
// backup or a sync client often holds a freshly written file open for a moment.
bool isMomentaryRefusal(int error);

} // namespace lumora
