// The portable half of the high-score file: the steps of a load and of a save, each system call
// made through the platform's file (HighScoreFile_p.h), and the messages that tell what failed,
// put together from the sentences in core/Messages.h.
#include "scores/HighScoreFile.h"

#include "core/Messages.h"
#include "scores/HighScoreFile_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <string>
#include <utility>

namespace lumora {

namespace {

QString &fileOverride()
{
    static QString path;
    return path;
}

std::function<quint32()> &temporaryNumbers()
{
    static std::function<quint32()> numbers = [] { return QRandomGenerator::system()->generate(); };
    return numbers;
}

constexpr int kLockWaitMs = 3000;
// Names tried for the new file before a save gives up: each clash is with a file left behind.
constexpr int kTemporaryNameTries = 8;
// As many links as the systems themselves follow before they give up.
constexpr int kMaxLinks = 40;

class FileErrorCategory final : public std::error_category
{
public:
    const char *name() const noexcept override { return "lumora.file"; }
    std::string message(int value) const override { return fileErrorText(std::error_code(value, *this)).toStdString(); }
};

const FileErrorCategory g_fileErrors;

// Makes `folder` and the folders above it that are missing.
std::error_code makeFolders(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return {};
    const QString above = QFileInfo(folder).path();
    if (above != folder) {
        if (const std::error_code error = makeFolders(above))
            return error;
    }
    return sys::makeFolder(folder);
}

// The file a save of `path` replaces: a file kept as a link elsewhere (in a synchronised folder,
// say) is written through the link, each link's target taken from the real folder the link is
// in, as the system takes it; only a regular file, or nothing yet, is replaced.
std::pair<QString, sys::FileAt> regularFileBehind(const QString &path)
{
    QString target = path;
    for (int links = 0;; ++links) {
        const QString next = sys::linkTarget(target);
        if (next.isEmpty())
            break;
        if (links == kMaxLinks)
            return {path, {sys::tooManyLinks()}};
        target = next;
    }
    return {target, sys::fileAt(target)};
}

// The new file's name: the target's with a number in hex, so that leftovers of interrupted saves
// are told apart from every other file.
QString temporaryName(const QString &target)
{
    return target + u'.' + QString::number(temporaryNumbers()(), 16);
}

// Under the lock, no other save is under way: a file of the new file's pattern beside the target
// is what an interrupted save left. A leftover that cannot go now goes with a later save.
void removeLeftovers(const QString &target)
{
    const QFileInfo info(target);
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(QRegularExpression::escape(info.fileName())
                                                                         + QStringLiteral("\\.[0-9a-f]{1,8}")));
    const QDir folder = info.dir();
    for (const QString &name :
         folder.entryList({info.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        if (pattern.match(name).hasMatch())
            QFile::remove(folder.filePath(name));
    }
}

// A file that cannot be read, and why: the step a load fails at, and a save's Read.
QString fileNotRead(const std::error_code &error)
{
    return QString::fromUtf8(messages::kFileNotRead).arg(fileErrorText(error));
}

// What the failed step could not do, and why.
QString failedStep(const SaveFailure &failure)
{
    const QString reason = fileErrorText(failure.error);
    const QString path = QDir::toNativeSeparators(failure.path);
    switch (failure.step) {
    case SaveFailure::Step::MakeFolder: return QString::fromUtf8(messages::kFolderNotMade).arg(path, reason);
    case SaveFailure::Step::Lock: return QString::fromUtf8(messages::kLockNotMade).arg(path, reason);
    case SaveFailure::Step::LockHeld: return QString::fromUtf8(messages::kLockHeld);
    case SaveFailure::Step::Read: return fileNotRead(failure.error);
    case SaveFailure::Step::Create: return QString::fromUtf8(messages::kFileNotMade).arg(reason);
    case SaveFailure::Step::Write: break;
    }
    return QString::fromUtf8(messages::kFileNotWritten).arg(reason);
}

// The reason for `error` when it is one of ours or one of the system's that players meet most.
const char *knownReason(const std::error_code &error)
{
    if (error.category() == g_fileErrors) {
        switch (FileError(error.value())) {
        case FileError::CutShort: return messages::kCutShort;
        case FileError::FolderInPlace: return messages::kFolderInPlace;
        case FileError::PipeInPlace: return messages::kPipeInPlace;
        case FileError::SocketInPlace: return messages::kSocketInPlace;
        case FileError::DeviceInPlace: return messages::kDeviceInPlace;
        case FileError::NotRegularFile: return messages::kNotRegularFile;
        case FileError::ReadOnlyFile: return messages::kReadOnlyFile;
        case FileError::NameNotWritable: return messages::kNameNotWritable;
        }
    }
    for (const sys::KnownError &known : sys::knownErrors()) {
        if (!sys::isSystemError(error, {known.code}))
            continue;
        switch (known.cause) {
        case sys::CommonCause::MissingFolder: return messages::kMissingFolder;
        case sys::CommonCause::NoPermission: return messages::kNoPermission;
        case sys::CommonCause::DiskFull: return messages::kDiskFull;
        case sys::CommonCause::ReadOnlyFileSystem: return messages::kReadOnlyFileSystem;
        case sys::CommonCause::InUse: return messages::kInUse;
        }
    }
    return nullptr;
}

} // namespace

QString HighScoreFile()
{
    return fileOverride().isEmpty() ? sys::platformLoadFile() : fileOverride();
}

QString highScoreSaveFile()
{
    return fileOverride().isEmpty() ? sys::platformSaveFile() : fileOverride();
}

HighScoreFileOverride::HighScoreFileOverride(const QString &path)
    : Override(fileOverride(), path)
{
}

TemporaryNumbersOverride::TemporaryNumbersOverride(std::function<quint32()> numbers)
    : Override(temporaryNumbers(), std::move(numbers))
{
}

QString loadPlace(const WindowsPlaces &places)
{
    return places.virtualCopyExists ? places.virtualCopy : places.fixed;
}

QString savePlace(const WindowsPlaces &places)
{
    return places.virtualCopyExists || !places.fixedWritable ? places.virtualCopy : places.fixed;
}

std::error_code make_error_code(FileError error)
{
    return {int(error), g_fileErrors};
}

QString fileErrorText(const std::error_code &error)
{
    if (const char *reason = knownReason(error))
        return QString::fromUtf8(reason);
    // qt_error_string words errno on Linux and a Win32 code on Windows, each as its system does.
    return qt_error_string(error.value());
}

std::error_code retryWhileMomentary(const QDeadlineTimer &deadline, const std::function<std::error_code()> &attempt,
                                    const std::function<bool(const std::error_code &)> &momentary)
{
    for (;;) {
        const std::error_code error = attempt();
        if (!error || !momentary(error) || deadline.hasExpired())
            return error;
        QThread::msleep(std::clamp<qint64>(deadline.remainingTime(), 1, kMomentaryPauseMs));
    }
}

LoadResult LoadHighScores(HighScoreTable &table)
{
    QByteArray bytes;
    if (const std::error_code error = sys::readRegularFile(HighScoreFile(), kMaxHighScoreBytes, bytes))
        return {sys::isMissing(error) ? LoadOutcome::Missing : LoadOutcome::CannotRead, 0, error};
    return readHighScores(bytes, table);
}

QString loadFailureMessage(const std::error_code &error)
{
    return QString::fromUtf8(messages::kLoadFailed).arg(QDir::toNativeSeparators(HighScoreFile()), fileNotRead(error));
}

QString saveFailureMessage(const SaveFailure &failure)
{
    QString what = failedStep(failure);
    if (failure.leftover) {
        const QString newFile = QDir::toNativeSeparators(failure.newFile);
        what += u'\n' + QString::fromUtf8(messages::kNewFileLeft).arg(newFile, fileErrorText(failure.leftover));
    }
    return QString::fromUtf8(messages::kSaveFailed).arg(QDir::toNativeSeparators(failure.file), what);
}

HighScoreSave::HighScoreSave()
    : m_file(highScoreSaveFile())
{
    const QString folder = QFileInfo(m_file).absolutePath();
    if (const std::error_code error = makeFolders(folder)) {
        fail(SaveFailure::Step::MakeFolder, error, folder);
        return;
    }

    const QString lockPath = m_file + QStringLiteral(".lock");
    const QDeadlineTimer lockWait(kLockWaitMs);
    std::error_code error;
    m_lock = sys::openLockFile(lockPath, error);
    if (error) {
        fail(SaveFailure::Step::Lock, error, lockPath);
        return;
    }
    error = retryWhileMomentary(
        lockWait, [this] { return sys::tryLock(m_lock); }, sys::isHeldElsewhere);
    if (error) {
        fail(sys::isHeldElsewhere(error) ? SaveFailure::Step::LockHeld : SaveFailure::Step::Lock, error, lockPath);
        return;
    }

    const auto [target, at] = regularFileBehind(m_file);
    if (at.problem || at.readOnly) {
        fail(SaveFailure::Step::Write, at.problem ? at.problem : make_error_code(FileError::ReadOnlyFile));
        return;
    }
    m_target = target;
    m_mode = at.mode;
    // One wait for every momentary hold of this save, so that the player waits about a second at most.
    m_deadline = QDeadlineTimer(kMomentaryRetryMs);
}

void HighScoreSave::read(HighScoreTable &table)
{
    if (failed())
        return;
    QByteArray bytes;
    const std::error_code error = retryWhileMomentary(
        m_deadline, [&] { return sys::readRegularFile(m_target, kMaxHighScoreBytes, bytes); }, sys::isMomentaryRefusal);
    if (!error)
        readHighScores(bytes, table);
    else if (!sys::isMissing(error))
        fail(SaveFailure::Step::Read, error);
}

void HighScoreSave::replace(const std::optional<QByteArray> &line)
{
    if (failed())
        return;
    if (!line)
        return fail(SaveFailure::Step::Write, FileError::NameNotWritable);
    removeLeftovers(m_target);
    FileHandle file;
    QString name;
    std::error_code error;
    for (int tries = 0; tries < kTemporaryNameTries && (tries == 0 || sys::isNameTaken(error)); ++tries) {
        name = temporaryName(m_target);
        file = sys::makeNewFile(name, m_mode, error);
    }
    if (!file.isOpen())
        return fail(SaveFailure::Step::Create, error);
    if (!error)
        error = sys::writeAndSync(file, *line);
    if (!error)
        error = retryWhileMomentary(
            m_deadline, [&] { return sys::renameOver(file, name, m_target); }, sys::isMomentaryRefusal);
    if (!error) {
        // In its place: a failure to force the rename to disk leaves nothing to remove.
        if (const std::error_code unsynced = sys::syncRename(file, m_target))
            fail(SaveFailure::Step::Write, unsynced);
        return;
    }
    fail(SaveFailure::Step::Write, error);
    m_failure->newFile = name;
    m_failure->leftover = sys::removeNewFile(file, name);
}

std::optional<SaveFailure> HighScoreSave::finish()
{
    m_lock.close();
    return m_failure;
}

void HighScoreSave::fail(SaveFailure::Step step, const std::error_code &error, const QString &path)
{
    if (!m_failure)
        m_failure = SaveFailure{m_file, step, error, path, QString(), std::error_code()};
}

} // namespace lumora
