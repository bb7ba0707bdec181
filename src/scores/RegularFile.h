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
    std::optional<QByteArray> bytes;  // nothing when the file could not be read
    QString reason;                   // why not, in fileErrorText's form
};

// At most `limit` bytes of the regular file at `path`, links followed. Never waits for a writer.
FileRead readRegularFile(const QString &path, qsizetype limit);

struct RegularFilePath
{
    QString path;     // `path` with its links followed
    QString problem;  // why that is no regular file, in fileErrorText's form; empty if it is one or is missing
};

// The file a save of `path` replaces: a file kept as a link elsewhere (in a synchronised folder,
// say) is written through the link, and only a regular file, or nothing yet, is replaced.
RegularFilePath resolveRegularFile(const QString &path);

} // namespace lumora
