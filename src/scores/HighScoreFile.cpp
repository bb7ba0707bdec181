#include "scores/HighScoreFile.h"

#include "scores/FileErrorText.h"
#include "scores/HighScorePlaces.h"
#include "scores/MomentaryRetry.h"
#include "scores/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>

namespace lumora {

namespace {

QString &fileOverride()
{
    static QString path;
    return path;
}

constexpr int kLockWaitMs = 3000;
// Far longer than any save takes; a copy that holds the lock longer has hung.
constexpr int kStaleLockMs = 10000;

// About what a lock file holds: the process, the program and the machine.
constexpr qsizetype kLockFileBytes = 64;

std::optional<SaveResult> makeFolderOf(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QDir().mkpath(folder))
        return std::nullopt;
    return SaveResult{SaveOutcome::CannotCreate, path,
                      QStringLiteral("フォルダー %1 を作成できません。").arg(QDir::toNativeSeparators(folder))};
}

// QLockFile tells no reason when it cannot make its file: making one the same way finds it again.
QString lockFailureReason(const QString &lockPath)
{
    const NewFile probe = writeNewFile(lockPath, QByteArray(kLockFileBytes, ' '));
    if (probe.error == 0)
        QFile::remove(lockPath);
    return probe.error > 0 ? fileErrorText(probe.error) : QString();
}

SaveResult lockFailure(const QString &path, const QString &lockPath, const QString &reason)
{
    const QString lock = QDir::toNativeSeparators(lockPath);
    return {SaveOutcome::Locked, path,
            reason.isEmpty() ? QStringLiteral("ロックファイル %1 を作成できません。").arg(lock)
                             : QStringLiteral("ロックファイル %1 を作成できません（%2）。").arg(lock, reason)};
}

} // namespace

QString HighScoreFile()
{
    return fileOverride().isEmpty() ? platformLoadFile() : fileOverride();
}

QString highScoreSaveFile()
{
    return fileOverride().isEmpty() ? platformSaveFile() : fileOverride();
}

HighScoreFileOverride::HighScoreFileOverride(const QString &path)
    : Override(fileOverride(), path)
{
}

LoadResult LoadHighScores(HighScoreTable &table)
{
    const FileRead file = readRegularFile(HighScoreFile(), kMaxHighScoreBytes);
    if (!file.bytes)
        return {LoadOutcome::CannotOpen, 0, QStringLiteral("ファイルを開けません（%1）。").arg(file.reason)};
    return readHighScores(*file.bytes, table);
}

SaveResult SaveHighScores(const HighScoreFields &fields)
{
    const QString path = highScoreSaveFile();
    const EncodedLine line = encodeHighScoreLine(fields);
    if (!line.problem.isEmpty())
        return {SaveOutcome::NameNotWritable, path, line.problem};

    if (const std::optional<SaveResult> failure = makeFolderOf(path))
        return *failure;

    const RegularFilePath target = resolveRegularFile(path);
    if (!target.problem.isEmpty())
        return {SaveOutcome::CannotWrite, path, QStringLiteral("ファイルに書き込めません（%1）。").arg(target.problem)};
    // A name of its own beside the file, so that neither another copy's save nor a file an
    // interrupted save left behind is in its way.
    const QString temporary = target.path + u'.' + QString::number(QRandomGenerator::system()->generate(), 16);
    const NewFile made = writeNewFile(temporary, line.bytes);
    if (!made.created)
        return {SaveOutcome::CannotCreate, path,
                QStringLiteral("ファイルを作成できません（%1）。").arg(fileErrorText(made.error))};
    if (made.error == kWriteCutShort)
        return {SaveOutcome::CannotWrite, path, QStringLiteral("ファイルを最後まで書き込めませんでした。")};
    int error = made.error;
    if (error == 0) {
        // The new file keeps the old one's permissions; a read-only one is not replaced.
        if (const QFileInfo old(target.path); old.exists() && old.isWritable())
            QFile::setPermissions(temporary, old.permissions());
        error = retryWhileMomentary([&] { return replaceFile(temporary, target.path); }, isMomentaryRefusal);
        if (error != 0)
            QFile::remove(temporary);
    }
    if (error != 0)
        return {SaveOutcome::CannotWrite, path,
                QStringLiteral("ファイルに書き込めません（%1）。").arg(fileErrorText(error))};
    return {SaveOutcome::Saved, path, QString()};
}

SaveResult UpdateHighScores(const HighScoreTable &table,
                            const std::function<std::optional<HighScoreFields>(const HighScoreTable &)> &update)
{
    const QString path = highScoreSaveFile();
    if (const std::optional<SaveResult> failure = makeFolderOf(path))
        return *failure;
    const QString lockPath = path + QStringLiteral(".lock");
    // QLockFile reads a lock file it finds there, and would wait for good on a FIFO.
    if (const QString problem = resolveRegularFile(lockPath).problem; !problem.isEmpty())
        return lockFailure(path, lockPath, problem);
    QLockFile lock(lockPath);
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs)) {
        if (lock.error() == QLockFile::LockFailedError)
            return {SaveOutcome::Locked, path, QStringLiteral("ほかのルモラ＋＋がファイルを使用中です。")};
        return lockFailure(path, lockPath, lockFailureReason(lockPath));
    }
    HighScoreTable current = table;
    LoadHighScores(current);
    const std::optional<HighScoreFields> fields = update(current);
    if (!fields)
        return {SaveOutcome::Unchanged, path, QString()};
    return SaveHighScores(*fields);
}

QString saveFailureMessage(const SaveResult &result)
{
    return QStringLiteral("ハイスコアを保存できませんでした。\nファイル: %1\n%2")
        .arg(QDir::toNativeSeparators(result.path), result.reason);
}

} // namespace lumora
