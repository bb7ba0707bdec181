#pragma once

#include "core/Override.h"
#include "scores/HighScoreFile.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <functional>
#include <initializer_list>
#include <span>
#include <system_error>

namespace lumora {

// How long in all a save tries again what is refused for a momentary reason, and the pause
// between the tries.
constexpr int kMomentaryRetryMs = 1000;
constexpr int kMomentaryPauseMs = 50;

// Runs `attempt`, and again while `momentary` takes its refusal for one that may pass, until
// `deadline`. Returns the last code.
std::error_code retryWhileMomentary(const QDeadlineTimer &deadline, const std::function<std::error_code()> &attempt,
                                    const std::function<bool(const std::error_code &)> &momentary);

// The old game was a 32-bit program without a manifest. Windows redirected its writes to the fixed
// place, which a standard user cannot write, into the player's VirtualStore, and from then on read
// and wrote the copy there. Choosing the same way carries records over in both directions.
struct WindowsPlaces
{
    QString fixed;       // C:\Windows\System\LumoraHigh.Dll
    QString virtualCopy; // %LOCALAPPDATA%\VirtualStore\Windows\System\LumoraHigh.Dll
    bool virtualCopyExists = false;
    bool fixedWritable = false; // a file can be made in the fixed place's folder
};

// The virtual copy once it exists, else the fixed file.
QString loadPlace(const WindowsPlaces &places);
// The virtual copy once it exists, else the fixed file where it can be written, else the copy.
QString savePlace(const WindowsPlaces &places);

// The numbers a save's new file is named with, one a try: the system's random numbers, so that no
// other copy's save is in the way. A test fixes them to put something at a name first.
class TemporaryNumbersOverride : public Override<std::function<quint32()>>
{
public:
    explicit TemporaryNumbersOverride(std::function<quint32()> numbers);
};

} // namespace lumora

// Every call the high-score file makes to the system, as Qt's qfilesystemengine_p.h declares
// QFile's: declared once here, made in one file per platform (HighScoreFile_linux.cpp,
// HighScoreFile_win.cpp), called by the portable steps of HighScoreFile.cpp. Nothing here waits on
// what stands at a path, and each decision is made on what was opened, so that a link changed in
// between cannot slip past.
namespace lumora::sys {

// Whether `error` is the system's and one of `codes`.
inline bool isSystemError(const std::error_code &error, std::initializer_list<int> codes)
{
    if (error.category() != std::system_category())
        return false;
    for (const int code : codes) {
        if (error.value() == code)
            return true;
    }
    return false;
}

// The place of the file a load reads and of the one a save writes, which differ only on Windows.
QString platformLoadFile();
QString platformSaveFile();

// Reads at most `limit` bytes of the regular file at `path`, links followed, into `bytes`; never
// waits for a writer.
std::error_code readRegularFile(const QString &path, qsizetype limit, QByteArray &bytes);
// Whether a read or an open failed because nothing is there.
bool isMissing(const std::error_code &error);

// The path the link at `path` points to, made absolute as the system takes it; empty when `path`
// is no link.
QString linkTarget(const QString &path);
// The code for a chain of links too long to follow.
std::error_code tooManyLinks();

// What stands at `path`, not followed if it is a link.
struct FileAt
{
    std::error_code problem; // why it is no regular file; none for one, or for nothing at all
    bool readOnly = false;   // no write bit in its mode (Linux), the read-only attribute (Windows)
    int mode = -1;           // its permission bits on Linux; -1 when missing or on Windows
};
FileAt fileAt(const QString &path);

// Makes the one folder `folder` in a folder that exists; no error when it exists already.
std::error_code makeFolder(const QString &folder);

// The lock file at `path`, made when missing, opened as it stands (a link there is refused, not
// followed) and without waiting on it; `error` says why it failed or is no regular file.
FileHandle openLockFile(const QString &path, std::error_code &error);
// Takes the system's lock on it once, without waiting; the system lets go when it is closed.
std::error_code tryLock(const FileHandle &lock);
// Whether the lock failed because another holds it.
bool isHeldElsewhere(const std::error_code &error);

// Makes the new file `path`, which must not exist: a file or a link at that name is never opened.
// It stays private until it has `mode` (FileAt::mode; -1: the system's default for a new file).
// `error` may come with an open file, which is then removed.
FileHandle makeNewFile(const QString &path, int mode, std::error_code &error);
// Whether a new file could not be made because its name was taken.
bool isNameTaken(const std::error_code &error);
// Writes all of `bytes` and forces them to disk.
std::error_code writeAndSync(const FileHandle &file, const QByteArray &bytes);
// Renames the new file `from` over `to` (a regular file, or nothing) in one step.
std::error_code renameOver(const FileHandle &file, const QString &from, const QString &to);
// Forces that rename to disk, so that a power cut brings back no older file.
std::error_code syncRename(const FileHandle &file, const QString &to);
// Removes the new file `path` before it took its place, trying again when that fails; closes it.
std::error_code removeNewFile(FileHandle &file, const QString &path);

// Whether a refusal may pass a moment later: on Windows, a scanner, a backup or a sync client
// often holds a file open for a moment.
bool isMomentaryRefusal(const std::error_code &error);

// The causes players meet most, told in sentences of our own.
enum class CommonCause { MissingFolder, NoPermission, DiskFull, ReadOnlyFileSystem, InUse };

struct KnownError
{
    int code;
    CommonCause cause;
};

// This platform's codes for them.
std::span<const KnownError> knownErrors();

} // namespace lumora::sys
