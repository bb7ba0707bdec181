#include "scores/HighScoreFile.h"

#include "scores/FileErrorText.h"
#include "scores/FileLock.h"
#include "scores/HighScorePlaces.h"
#include "scores/MomentaryRetry.h"
#include "scores/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace lumora {

namespace {

QString &fileOverride()
{
    static QString path;
    return path;
}

constexpr int kLockWaitMs = 3000;
// Names tried for the new file before a save gives up: each clash is with a file left behind.
constexpr int kTemporaryNameTries = 8;

std::optional<SaveResult> makeFolderOf(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const int error = makeFolders(folder);
    if (error == 0)
        return std::nullopt;
    return SaveResult{SaveOutcome::CannotCreate, path,
                      QStringLiteral("フォルダー %1 を作成できません（%2）。")
                          .arg(QDir::toNativeSeparators(folder), fileErrorText(error))};
}

// The new file's name: the target's with a random number in hex, so that no other copy's save is
// in its way, and leftovers of interrupted saves are told apart from every other file.
QString temporaryName(const QString &target)
{
    return target + u'.' + QString::number(QRandomGenerator::system()->generate(), 16);
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

SaveResult writeFailure(const QString &path, SaveOutcome outcome, const QString &what, int error)
{
    return {outcome, path,
            error == kWriteCutShort ? QStringLiteral("ファイルを最後まで書き込めませんでした。")
                                    : what.arg(fileErrorText(error))};
}

// Writes the line in a new file and puts it in the target's place; the caller holds the lock.
SaveResult writeLine(const QString &path, const QByteArray &line, const RegularFilePath &target,
                     const QDeadlineTimer &deadline)
{
    removeLeftovers(target.path);
    std::optional<NewFile> file;
    for (int tries = 0; tries < kTemporaryNameTries && (!file || isNameTaken(file->error())); ++tries)
        file.emplace(temporaryName(target.path), target.mode);
    if (!file->isOpen())
        return writeFailure(path, SaveOutcome::CannotCreate, QStringLiteral("ファイルを作成できません（%1）。"),
                            file->error());
    int error = file->error();
    if (error == 0)
        error = file->write(line);
    if (error == 0)
        error = file->replace(target.path, deadline);
    if (error == 0)
        return {SaveOutcome::Saved, path, QString()};
    SaveResult failure =
        writeFailure(path, SaveOutcome::CannotWrite, QStringLiteral("ファイルに書き込めません（%1）。"), error);
    if (const int left = file->discard())
        failure.reason += QStringLiteral("\n一時ファイル %1 を削除できません（%2）。")
                              .arg(QDir::toNativeSeparators(file->path()), fileErrorText(left));
    return failure;
}

// The steps every save takes: the folder, the lock, the target; `write` does the rest.
SaveResult
saveLocked(const std::function<SaveResult(const QString &, const RegularFilePath &, const QDeadlineTimer &)> &write)
{
    const QString path = highScoreSaveFile();
    if (const std::optional<SaveResult> failure = makeFolderOf(path))
        return *failure;
    const QString lockPath = path + QStringLiteral(".lock");
    FileLock lock(lockPath);
    switch (lock.lock(QDeadlineTimer(kLockWaitMs))) {
    case FileLock::State::Locked: break;
    case FileLock::State::HeldElsewhere:
        return {SaveOutcome::Locked, path, QStringLiteral("ほかのルモラ＋＋がファイルを使用中です。")};
    case FileLock::State::Failed:
        return {SaveOutcome::Locked, path,
                QStringLiteral("ロックファイル %1 を作成できません（%2）。")
                    .arg(QDir::toNativeSeparators(lockPath), lock.reason())};
    }
    const RegularFilePath target = resolveRegularFile(path);
    const QString problem =
        target.readOnly && target.problem.isEmpty() ? fileErrorText(FileErrorCause::ReadOnlyFile) : target.problem;
    if (!problem.isEmpty())
        return {SaveOutcome::CannotWrite, path, QStringLiteral("ファイルに書き込めません（%1）。").arg(problem)};
    // One wait for every momentary hold of this save, so that the player waits about a second at most.
    return write(path, target, QDeadlineTimer(kMomentaryRetryMs));
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
        return {file.missing ? LoadOutcome::Missing : LoadOutcome::CannotRead, 0,
                QStringLiteral("ファイルを読み取れません（%1）。").arg(file.reason)};
    return readHighScores(*file.bytes, table);
}

SaveResult SaveHighScores(const HighScoreFields &fields)
{
    const EncodedLine line = encodeHighScoreLine(fields);
    if (!line.problem.isEmpty())
        return {SaveOutcome::NameNotWritable, highScoreSaveFile(), line.problem};
    return saveLocked([&](const QString &path, const RegularFilePath &target, const QDeadlineTimer &deadline) {
        return writeLine(path, line.bytes, target, deadline);
    });
}

SaveResult UpdateHighScores(const HighScoreTable &table,
                            const std::function<std::optional<HighScoreFields>(const HighScoreTable &)> &update)
{
    return saveLocked([&](const QString &path, const RegularFilePath &target, const QDeadlineTimer &deadline) {
        // What cannot be read is never written over: only a file that is not there starts from the table.
        FileRead file;
        retryWhileMomentary(
            deadline,
            [&] {
                file = readRegularFile(target.path, kMaxHighScoreBytes);
                return file.error;
            },
            isMomentaryRefusal);
        HighScoreTable current = table;
        if (file.bytes)
            readHighScores(*file.bytes, current);
        else if (!file.missing)
            return SaveResult{SaveOutcome::CannotRead, path,
                              QStringLiteral("ファイルを読み取れません（%1）。").arg(file.reason)};
        const std::optional<HighScoreFields> fields = update(current);
        if (!fields)
            return SaveResult{SaveOutcome::Unchanged, path, QString()};
        const EncodedLine line = encodeHighScoreLine(*fields);
        if (!line.problem.isEmpty())
            return SaveResult{SaveOutcome::NameNotWritable, path, line.problem};
        return writeLine(path, line.bytes, target, deadline);
    });
}

QString saveFailureMessage(const SaveResult &result)
{
    return QStringLiteral("ハイスコアを保存できませんでした。\nファイル: %1\n%2")
        .arg(QDir::toNativeSeparators(result.path), result.reason);
}

} // namespace lumora
