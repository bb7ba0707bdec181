#include "scores/HighScoreFile.h"

#include "scores/FileErrorText.h"
#include "scores/HighScorePlaces.h"
#include "scores/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

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

// A write cut short tells no reason; writing the rest does (a full disk, a size limit), and the
// file's error then holds it.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qsizetype count = 0;
    while (count < bytes.size()) {
        const qint64 wrote = file.write(bytes.sliced(count));
        if (wrote <= 0)
            return false;
        count += wrote;
    }
    return true;
}

// QLockFile tells no reason when it cannot make its file: making one the same way finds it again.
QString lockFailureReason(const QString &lockPath)
{
    QFile probe(lockPath);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return fileErrorText(probe.errorString());
    const bool written = writeAll(probe, QByteArray(kLockFileBytes, ' '));
    QString reason = written ? QString() : fileErrorText(probe.errorString());
    probe.remove();
    return reason;
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

void setHighScoreFileOverride(const QString &path)
{
    fileOverride() = path;
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
    QSaveFile file(target.path);
    // Unbuffered, so that a short write shows in write()'s count: a buffered flush loses it, and
    // commit() would then put a cut-off file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {SaveOutcome::CannotCreate, path,
                QStringLiteral("ファイルを作成できません（%1）。").arg(fileErrorText(file.errorString()))};
    const bool written = writeAll(file, line.bytes);
    if (!written && file.error() == QFileDevice::NoError)
        return {SaveOutcome::CannotWrite, path, QStringLiteral("ファイルを最後まで書き込めませんでした。")};
    // A full disk usually fails the write itself, before the commit.
    if (!written || !file.commit())
        return {SaveOutcome::CannotWrite, path,
                QStringLiteral("ファイルに書き込めません（%1）。").arg(fileErrorText(file.errorString()))};
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
