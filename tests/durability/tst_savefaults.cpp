#include "scores/HighScoreFormat.h"
#include "scores/HighScoreTestSupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace lumora;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kThreeRecords = "5,\"A\",777777,\"B\",888888,\"C\"\r\n"_ba;
const QStringList kErrors = {"EIO", "ENOSPC", "EACCES", "EINTR"};
// Memory, not files: an allocation that fails is no fault the save could answer.
const QStringList kMemoryCalls = {"brk", "mmap", "munmap", "mprotect", "mremap", "madvise"};

struct Call
{
    QString name;
    int occurrence; // among the calls of its name since the probe started, as strace counts
    QString line;
};

// Runs the probe under strace; its output lines, or nothing when it did not end normally.
QStringList runProbe(const QString &strace, const QStringList &options, const QString &file, const QString &mode)
{
    QProcess process;
    process.start(strace, options + QStringList{"-qq", "--", SAVE_PROBE, file, mode});
    const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return ended && process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()).split(u'\n')
                                            : QStringList();
}

// The calls between the probe's two marks.
QList<Call> saveCalls(const QString &trace)
{
    static const QRegularExpression callLine(u"^(\\w+)\\("_s);
    QHash<QString, int> seen;
    QList<Call> calls;
    bool inSave = false;
    for (const QString &line : trace.split(u'\n')) {
        const QRegularExpressionMatch call = callLine.match(line);
        if (!call.hasMatch())
            continue;
        const int occurrence = ++seen[call.captured(1)];
        if (line.contains("/lumora-save-probe/"))
            inSave = line.contains("begin");
        else if (inSave)
            calls.append({call.captured(1), occurrence, line});
    }
    return calls;
}

// Index of the first fsync, after `from`, of a descriptor opened on `path` (-1: none).
qsizetype syncOf(const QList<Call> &calls, const QString &path, qsizetype from = 0)
{
    static const QRegularExpression opened(u"^openat\\(\\w+, \"([^\"]+)\".*= (\\d+)$"_s);
    QHash<QString, QString> paths; // descriptor -> what it is open on
    for (qsizetype i = 0; i < calls.size(); ++i) {
        if (const QRegularExpressionMatch open = opened.match(calls[i].line); open.hasMatch())
            paths[open.captured(2)] = open.captured(1);
        if (i > from && calls[i].name == "fsync"
            && paths.value(calls[i].line.section(u'(', 1).section(u')', 0, 0)) == path)
            return i;
    }
    return -1;
}

// The save's calls, as a run of the probe without faults makes them; nothing when strace cannot trace.
QList<Call> recordSave(const QString &strace, const QString &mode)
{
    const test::TempHighScoreFile file;
    file.write(kThreeRecords);
    const QString trace = file.folder() + "/../trace";
    if (runProbe(strace, {"-o", trace}, file.path(), mode).isEmpty())
        return {};
    QFile traced(trace);
    return traced.open(QIODevice::ReadOnly) ? saveCalls(QString::fromUtf8(traced.readAll())) : QList<Call>();
}

QStringList besideTheFile(const test::TempHighScoreFile &file)
{
    QStringList beside = QDir(file.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    beside.removeOne("LumoraHigh.Dll.lock"); // when made, it stays
    beside.removeOne("LumoraHigh.Dll");
    return beside;
}

} // namespace

// Every system call a save makes, failed in turn as a disk, a full volume, a refusal or a signal
// fails it: the records stay as they were or become the new ones, and a save that did not
// replace them says why. Guards against the unreadable file written over with defaults, the
// temporary file left behind, and a rename a power cut can undo.
class SaveFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyFailedSystemCallLeavesTheOldRecordsOrTheNewAndTellsWhy_data()
    {
        // clang-format off
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("a record: the load, then the save") << "record" << "5,\"A\",999999,\"NEW\",888888,\"C\"\r\n"_ba;
        QTest::newRow("Clear") << "clear" << test::kResetLine;
        // clang-format on
    }

    void everyFailedSystemCallLeavesTheOldRecordsOrTheNewAndTellsWhy()
    {
        QFETCH(QString, mode);
        QFETCH(QByteArray, saved);
        const QString strace = QStandardPaths::findExecutable("strace");
        QVERIFY2(!strace.isEmpty(), "strace is missing (debian/control's Build-Depends bring it)");
        const QList<Call> calls = recordSave(strace, mode);
        if (calls.isEmpty())
            QSKIP("strace cannot trace a child process here");
        // The order that makes it last: the new file on disk before the rename, the rename after it.
        static const QRegularExpression renamed(u"^rename\\(\"([^\"]+)\", \"([^\"]+)\"\\) = 0"_s);
        const auto rename =
            std::find_if(calls.cbegin(), calls.cend(), [](const Call &c) { return c.name == "rename"; });
        QVERIFY(rename != calls.cend());
        const QRegularExpressionMatch names = renamed.match(rename->line);
        QVERIFY(names.hasMatch());
        const qsizetype at = rename - calls.cbegin();
        const qsizetype newFileSynced = syncOf(calls, names.captured(1));
        QVERIFY2(newFileSynced >= 0 && newFileSynced < at, "the new file is not synced before the rename");
        QVERIFY2(syncOf(calls, QFileInfo(names.captured(2)).path(), at) > at,
                 "the folder is not synced after the rename");

        const QByteArray untouched = encodeHighScoreLine(HighScoreTable().fields()).bytes.toHex();
        int faults = 0, refused = 0;
        for (const Call &call : calls) {
            if (kMemoryCalls.contains(call.name))
                continue;
            for (const QString &error : kErrors) {
                const test::TempHighScoreFile file;
                file.write(kThreeRecords);
                const QString inject = u"inject=%1:error=%2:when=%3"_s.arg(call.name, error).arg(call.occurrence);
                const QStringList out =
                    runProbe(strace, {"-o", "/dev/null", "-e", "trace=" + call.name, "-e", inject}, file.path(), mode);
                const QString where = u"%1 failed with %2: %3"_s.arg(call.line, error, out.join(u'|'));
                QVERIFY2(out.size() >= 5, qPrintable(where));
                const bool loaded = out[0].toInt() == int(LoadOutcome::Loaded), isSaved = out[3].toInt() == 0;
                const QByteArray left = file.bytes();
                QVERIFY2(left == kThreeRecords || left == saved, qPrintable(where + " left " + left));
                QVERIFY2(isSaved ? left == saved : !out[4].isEmpty(), qPrintable(where));
                // A load that fails reads as "not read": the table as it was, never defaults to save.
                if (mode == "record")
                    QVERIFY2(loaded ? out[2].toLatin1() == kThreeRecords.toHex()
                                    : out[0].toInt() == int(LoadOutcome::CannotRead) && !out[1].isEmpty()
                                     && out[2].toLatin1() == untouched,
                             qPrintable(where));
                // Nothing of this save's left beside the file; the lock file, when made, stays.
                QStringList beside =
                    QDir(file.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
                beside.removeOne("LumoraHigh.Dll.lock");
                QVERIFY2(beside == QStringList{"LumoraHigh.Dll"}, qPrintable(where + beside.join(u' ')));
                ++faults;
                refused += !isSaved;
            }
        }
        QVERIFY(refused > 0);
        qInfo("%lld system calls of the save, %d faults injected, %d saves refused", qlonglong(calls.size()), faults,
              refused);
    }

    // A clash of names gave up the save; a failed removal of the save's own file went unsaid.
    void theSavesOwnFileIsRenamedOrRemovedOrReported_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("injections");  // %1: the new file's open among the opens
        QTest::addColumn<bool>("saved");
        QTest::addColumn<int>("left");  // temporary files left, each named in the reason
        QTest::newRow("its name taken") << QStringList{"openat:error=EEXIST:when=%1"} << true << 0;
        QTest::newRow("the rename failed, the removal once")
            << QStringList{"rename:error=EIO", "unlink:error=EIO:when=1"} << false << 0;
        QTest::newRow("the rename failed, the removal for good")
            << QStringList{"rename:error=EIO", "unlink:error=EIO"} << false << 1;
        // clang-format on
    }

    void theSavesOwnFileIsRenamedOrRemovedOrReported()
    {
        QFETCH(QStringList, injections);
        QFETCH(bool, saved);
        QFETCH(int, left);
        const QString strace = QStandardPaths::findExecutable("strace");
        const QList<Call> calls = strace.isEmpty() ? QList<Call>() : recordSave(strace, "clear");
        if (calls.isEmpty())
            QSKIP("strace cannot trace a child process here");
        const auto made =
            std::find_if(calls.cbegin(), calls.cend(), [](const Call &c) { return c.line.contains("O_EXCL"); });
        QVERIFY(made != calls.cend());
        QStringList options = {"-o", "/dev/null"};
        for (const QString &injection : injections)
            options << "-e"
                    << "inject=" + QString(injection).replace("%1", QString::number(made->occurrence));
        const test::TempHighScoreFile file;
        file.write(kThreeRecords);
        const QStringList out = runProbe(strace, options, file.path(), "clear");
        QVERIFY(out.size() >= 5);
        QCOMPARE(out[3].toInt() == 0, saved);
        QCOMPARE(file.bytes(), saved ? test::kResetLine : kThreeRecords);
        const QStringList beside = besideTheFile(file);
        QCOMPARE(beside.size(), left);
        for (const QString &name : beside)
            QVERIFY2(out.mid(4).join(u'\n').contains(u"一時ファイル "_s
                                                     + QDir::toNativeSeparators(file.folder() + u'/' + name)),
                     qPrintable(out.mid(4).join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(SaveFaultsTest)
#include "tst_savefaults.moc"
