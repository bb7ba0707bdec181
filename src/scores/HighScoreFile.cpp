// The portable half of the high-score file: the steps of a load and of a save, each system call
// made through the platform's file (HighScoreFile_p.h), and the words that tell what failed.
#include "scores/HighScoreFile.h"

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

// What the failed step could not do, and why.
QString failedStep(const SaveFailure &failure)
{
    const QString reason = fileErrorText(failure.error);
    const QString path = QDir::toNativeSeparators(failure.path);
    switch (failure.step) {
    case SaveFailure::Step::MakeFolder:
        return QStringLiteral("フォルダー %1 を作成できません（%2）。").arg(path, reason);
    case SaveFailure::Step::Lock: return QStringLiteral("ロックファイル %1 を作成できません（%2）。").arg(path, reason);
    case SaveFailure::Step::LockHeld: return QStringLiteral("ほかのルモラ＋＋がファイルを使用中です。");
    case SaveFailure::Step::Read: return QStringLiteral("ファイルを読み取れません（%1）。").arg(reason);
    case SaveFailure::Step::Create: return QStringLiteral("ファイルを作成できません（%1）。").arg(reason);
    case SaveFailure::Step::Write: break;
    }
    return QStringLiteral("ファイルに書き込めません（%1）。").arg(reason);
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
    if (error.category() == g_fileErrors) {
        switch (FileError(error.value())) {
        case FileError::CutShort: return QStringLiteral("途中までしか書き込めませんでした");
        case FileError::FolderInPlace: return QStringLiteral("ファイルの代わりにフォルダーがあります");
        case FileError::PipeInPlace: return QStringLiteral("ファイルの代わりに名前付きパイプがあります");
        case FileError::SocketInPlace: return QStringLiteral("ファイルの代わりにソケットがあります");
        case FileError::DeviceInPlace: return QStringLiteral("ファイルの代わりにデバイスがあります");
        case FileError::NotRegularFile: return QStringLiteral("通常のファイルではありません");
        case FileError::ReadOnlyFile: return QStringLiteral("読み取り専用のファイルです");
        case FileError::NameNotWritable: return QStringLiteral("名前に書き込めない文字があるか、名前が長すぎます");
        }
    }
    for (const sys::KnownError &known : sys::knownErrors()) {
        if (!sys::isSystemError(error, {known.code}))
            continue;
        switch (known.cause) {
        case sys::CommonCause::MissingFolder: return QStringLiteral("フォルダーが見つかりません");
        case sys::CommonCause::NoPermission: return QStringLiteral("アクセスする権限がありません");
        case sys::CommonCause::DiskFull: return QStringLiteral("ディスクの空き領域が足りません");
        case sys::CommonCause::ReadOnlyFileSystem: return QStringLiteral("読み取り専用のファイル システムです");
        case sys::CommonCause::InUse: return QStringLiteral("ほかのプログラムがファイルを使用中です");
        }
    }
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
    return QStringLiteral("ハイスコアを読み込めませんでした。\nファイル: %1\nファイルを読み取れません（%2）。")
        .arg(QDir::toNativeSeparators(HighScoreFile()), fileErrorText(error));
}

QString saveFailureMessage(const SaveFailure &failure)
{
    QString what = failedStep(failure);
    if (failure.leftover)
        what += QStringLiteral("\n一時ファイル %1 を削除できません（%2）。")
                    .arg(QDir::toNativeSeparators(failure.newFile), fileErrorText(failure.leftover));
    return QStringLiteral("ハイスコアを保存できませんでした。\nファイル: %1\n%2")
        .arg(QDir::toNativeSeparators(failure.file), what);
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
