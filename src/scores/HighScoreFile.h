#pragma once

#include "core/Override.h"
#include "scores/HighScoreFormat.h"
#include "scores/HighScoreTable.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <optional>
#include <system_error>
#include <utility>

// The high-score file as the game reaches it: where it lives, its load, and a save made step by
// step under a lock. Every failure travels as a std::error_code, the system's own (errno on
// Linux, a Win32 error code on Windows, in std::system_category()) or one of FileError's, and is
// put into words only where the player is told, by fileErrorText.
namespace lumora {

// The high-score file a load reads: on Windows the fixed path C:\Windows\System\LumoraHigh.Dll or
// the player's VirtualStore copy of it, elsewhere LumoraHigh.Dll in the player's application data
// folder.
QString HighScoreFile();

// The file a save writes, and the lock beside it: HighScoreFile(), but on Windows the VirtualStore
// copy when the fixed place cannot be written.
QString highScoreSaveFile();

// Points both at `path` until the guard goes away. For tests only, so that no test reaches the
// player's file.
class HighScoreFileOverride : public Override<QString>
{
public:
    explicit HighScoreFileOverride(const QString &path);
};

// What fails a load or a save that the system has no code for: a write cut short without a
// reason; something else than a regular file where the file is, from which nothing is read and in
// whose place nothing is written (NotRegularFile: any other thing, a link put there since the
// links were followed included); a file without a write permission (Linux) or with the read-only
// attribute (Windows); a line the file cannot hold (see encodeHighScoreLine).
enum class FileError {
    CutShort = 1,
    FolderInPlace,
    PipeInPlace,
    SocketInPlace,
    DeviceInPlace,
    NotRegularFile,
    ReadOnlyFile,
    NameNotWritable,
};

std::error_code make_error_code(FileError error);

// The reason for a Japanese message, in parentheses after what failed (no closing "。"): the
// causes players meet most and FileError's in sentences of our own, any other in the system's
// words.
QString fileErrorText(const std::error_code &error);

// Reads HighScoreFile() into `table` (see readHighScores). A file that is not there is Missing,
// one that is there but cannot be read CannotRead, with the code. Shows nothing to the player.
LoadResult LoadHighScores(HighScoreTable &table = highScores());

// The message that tells the player the high-score window found a file it cannot read.
QString loadFailureMessage(const std::error_code &error);

// Where a save stopped, and why.
struct SaveFailure
{
    enum class Step { MakeFolder, Lock, LockHeld, Read, Create, Write };

    QString file; // the high-score file the save was for
    Step step = Step::Write;
    std::error_code error;
    QString path;             // the folder a MakeFolder, or the lock file a Lock, could not make
    QString newFile;          // the new file, when it could not be removed after the failure
    std::error_code leftover; // why it could not
};

// The Japanese message that tells the player a save failed, naming the file and the reason.
QString saveFailureMessage(const SaveFailure &failure);

// A file the system holds open for the game (a descriptor on Linux, a HANDLE on Windows), closed
// when its holder goes.
class FileHandle
{
public:
    FileHandle() = default;
    explicit FileHandle(qintptr native)
        : m_native(native)
    {
    }
    ~FileHandle() { close(); }
    FileHandle(FileHandle &&other) noexcept
        : m_native(std::exchange(other.m_native, kClosed))
    {
    }
    FileHandle &operator=(FileHandle &&other) noexcept
    {
        if (this != &other) {
            close();
            m_native = std::exchange(other.m_native, kClosed);
        }
        return *this;
    }
    FileHandle(const FileHandle &) = delete;
    FileHandle &operator=(const FileHandle &) = delete;

    bool isOpen() const { return m_native != kClosed; }
    qintptr native() const { return m_native; }
    void close(); // each platform's file

private:
    static constexpr qintptr kClosed = -1; // what a failed open gives: -1, and INVALID_HANDLE_VALUE
    qintptr m_native = kClosed;
};

// One save of the high-score file, as a caller of QSaveFile opens, writes and commits: made, it
// makes the folder, takes the lock beside the file, so that no other running copy saves until
// finish(), and finds the file it replaces, refusing one that is read-only or no regular file.
// Each step does nothing once one has failed; finish() tells the first failure.
class HighScoreSave
{
public:
    HighScoreSave();
    HighScoreSave(const HighScoreSave &) = delete;
    HighScoreSave &operator=(const HighScoreSave &) = delete;

    // Reads the file again into `table`. A file that is not there leaves `table` as it is; one
    // that cannot be read fails the save, so that it is never written over.
    void read(HighScoreTable &table);

    // Puts `line` (nothing: one the file cannot hold) in the file's place, through the links that
    // lead to it: written to a new file beside it, forced to disk and renamed over it, the rename
    // forced to disk too, so that a save that fails leaves the previous file as it was and one that
    // is done survives a power cut.
    void replace(const std::optional<QByteArray> &line);

    bool failed() const { return m_failure.has_value(); }

    // Lets go of the lock, so that nothing told to the player keeps another copy waiting.
    std::optional<SaveFailure> finish();

private:
    void fail(SaveFailure::Step step, const std::error_code &error, const QString &path = QString());

    QString m_file;
    FileHandle m_lock;
    QString m_target; // m_file with its links followed
    int m_mode = -1;  // the target's permission bits on Linux; -1 when missing or on Windows
    QDeadlineTimer m_deadline;
    std::optional<SaveFailure> m_failure;
};

} // namespace lumora

template <>
struct std::is_error_code_enum<lumora::FileError> : std::true_type
{
};
