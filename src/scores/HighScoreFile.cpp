#include "scores/HighScoreFile.h"

#include "scores/FileErrorText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

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

std::optional<SaveResult> makeFolderOf(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QDir().mkpath(folder))
        return std::nullopt;
    return SaveResult{SaveOutcome::CannotCreate, path,
                      QStringLiteral("フォルダー %1 を作成できません。").arg(QDir::toNativeSeparators(folder))};
}

} // namespace

QString HighScoreFile()
{
    if (!fileOverride().isEmpty())
        return fileOverride();
#ifdef Q_OS_WIN
    // C:\Windows\System\LumoraHigh.Dll, written with Qt's separator; messages show it natively.
    return QStringLiteral("C:/Windows/System/LumoraHigh.Dll");
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/LumoraHigh.Dll");
#endif
}

void setHighScoreFileOverride(const QString &path)
{
    fileOverride() = path;
}

LoadResult LoadHighScores(HighScoreTable &table)
{
    QFile file(HighScoreFile());
    if (!file.open(QIODevice::ReadOnly))
        return {LoadOutcome::CannotOpen, 0,
                QStringLiteral("ファイルを開けません（%1）。").arg(file.errorString())};
    return readHighScores(file.read(kMaxHighScoreBytes), table);
}

SaveResult SaveHighScores(const HighScoreFields &fields)
{
    const QString path = HighScoreFile();
    const EncodedLine line = encodeHighScoreLine(fields);
    if (!line.problem.isEmpty())
        return {SaveOutcome::NameNotWritable, path, line.problem};

    if (const std::optional<SaveResult> failure = makeFolderOf(path))
        return *failure;

    QSaveFile file(path);
    // Unbuffered, so that a short write shows in write()'s count: a buffered flush loses it, and
    // commit() would then put a cut-off file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {SaveOutcome::CannotCreate, path,
                QStringLiteral("ファイルを作成できません（%1）。").arg(fileErrorText(file.errorString()))};
    const bool written = file.write(line.bytes) == line.bytes.size();
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
    const QString path = HighScoreFile();
    if (const std::optional<SaveResult> failure = makeFolderOf(path))
        return *failure;
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    if (!lock.tryLock(kLockWaitMs))
        return {SaveOutcome::Locked, path,
                lock.error() == QLockFile::LockFailedError
                    ? QStringLiteral("ほかのルモラ＋＋がファイルを使用中です。")
                    : QStringLiteral("ロックファイル %1 を作成できません。")
                          .arg(QDir::toNativeSeparators(path + QStringLiteral(".lock")))};
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
