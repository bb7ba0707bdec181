// A record's save, as the name prompt's OK makes it, beside its floor: a plain Qt program that
// reads its small file, changes one value and writes it back through QSaveFile. What lies between
// them is the price of keeping every record: the lock, the reading under it, the folder forced to
// disk after the rename and the sweep for what interrupted saves left.
#include "SaveBenchmarks.h"

#include "scores/HighScoreFile.h"

#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace lumora::bench {

namespace {

const QByteArray kThreeRecords = "5,\"A\",777777,\"B\",888888,\"C\"\r\n";

// The folder the file lives in, with the file as a player's three records left it.
struct Folder
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("LumoraHigh.Dll"));

    Folder()
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(kThreeRecords) != kThreeRecords.size())
            qFatal("cannot write %s", qPrintable(path));
    }
};

void gameSave(benchmark::State &state)
{
    const Folder folder;
    const HighScoreFileOverride place(folder.path);
    double score = 0;
    for (auto _ : state) {
        HighScoreSave save;
        HighScoreTable current;
        save.read(current);
        save.replace(encodeHighScoreLine(withSlot(current.fields(), 2, ++score, QStringLiteral("NEW"))));
        if (const std::optional<SaveFailure> failure = save.finish()) {
            state.SkipWithError(qPrintable(saveFailureMessage(*failure)));
            break;
        }
    }
}

void plainSave(benchmark::State &state)
{
    const Folder folder;
    int score = 0;
    for (auto _ : state) {
        QFile in(folder.path);
        QList<QByteArray> fields = in.open(QIODevice::ReadOnly) ? in.readAll().split(',') : QList<QByteArray>();
        if (fields.size() != 6) {
            state.SkipWithError("the plain save read no six fields");
            break;
        }
        fields[2] = QByteArray::number(++score);
        QSaveFile out(folder.path);
        if (!out.open(QIODevice::WriteOnly) || out.write(fields.join(',')) < 0 || !out.commit())
            state.SkipWithError("the plain save failed");
    }
}

} // namespace

void registerSaveBenchmarks()
{
    benchmark::RegisterBenchmark("save/game", gameSave)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("save/plain", plainSave)->Unit(benchmark::kMicrosecond);
}

} // namespace lumora::bench
