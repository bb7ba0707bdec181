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
const QByteArray kRecorded = "5,\"A\",999999,\"NEW\",888888,\"C\"\r\n"_ba;
// The system's reasons players meet most, told in Japanese wherever a save fails with them.
const QHash<QString, QString> kToldInJapanese = {{"ENOSPC", u"ディスクの空き領域が足りません"_s},
                                                 {"EACCES", u"アクセスする権限がありません"_s}};
// Memory, not files: an allocation that fails is no fault the save could answer.
const QStringList kMemoryCalls = {"brk", "mmap", "munmap", "mprotect", "mremap", "madvise"};

struct Call
{
    QString name;
    int occurrence; // among the calls of its name since the probe started, as strace counts them
    QString line;
};

// The probe's output lines, run under strace; nothing when it did not end normally.
QStringList runProbe(const QStringList &options, const QString &file, const QString &mode)
{
    QProcess strace;
    strace.start(QStandardPaths::findExecutable("strace"), options + QStringList{"-qq", "--", SAVE_PROBE, file, mode});
    const bool ended = strace.waitForFinished(60000) && strace.exitStatus() == QProcess::NormalExit;
    return ended && strace.exitCode() == 0 ? QString::fromUtf8(strace.readAllStandardOutput()).split(u'\n')
                                           : QStringList();
}

// The calls between the probe's two marks in a save without faults; nothing when strace cannot trace.
QList<Call> saveCalls(const QString &mode)
{
    const test::TempHighScoreFile file;
    file.write(kThreeRecords);
    QFile trace(file.folder() + "/../trace");
    if (runProbe({"-o", trace.fileName()}, file.path(), mode).isEmpty() || !trace.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression callLine(u"^(\\w+)\\((\\d*)"_s), pipe(u"^pipe2\\(\\[(\\d+), (\\d+)\\]"_s);
    QHash<QString, int> seen;
    QList<Call> calls;
    bool inSave = false;
    // The sanitizers look at memory by writing it to a pipe of their own (UBSan at its first
    // sight of a type): those calls are not the save's, and failing them is a sanitizer's report.
    QStringList pipeEnds;
    for (const QString &line : QString::fromUtf8(trace.readAll()).split(u'\n')) {
        const QRegularExpressionMatch call = callLine.match(line), made = pipe.match(line);
        const QString name = call.captured(1);
        const int occurrence = ++seen[name];
        const bool sanitizers = made.hasMatch() || pipeEnds.contains(call.captured(2));
        if (made.hasMatch())
            pipeEnds = {made.captured(1), made.captured(2)};
        else if (name == "close")
            pipeEnds.removeOne(call.captured(2));
        if (line.contains("/lumora-save-probe/"))
            inSave = line.contains("begin");
        else if (inSave && !name.isEmpty() && !sanitizers)
            calls.append({name, occurrence, line});
    }
    return calls;
}

} // namespace

// Every system call a record's save and Clear make, failed in turn as a disk, a full volume, a
// refusal or a signal fails it, or the game killed there. Guards against the unreadable file
// written over with defaults, the temporary file left behind, a rename a power cut can undo, and
// a file emptied or cut by a save that dies mid-way.
class SaveFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    // A power cut after the save must find the new file: it is synced before the rename, and its
    // folder after it.
    void aSaveSyncsTheNewFileBeforeTheRenameAndTheFolderAfter()
    {
        QVERIFY2(!QStandardPaths::findExecutable("strace").isEmpty(), "strace is missing (a Build-Depends)");
        const QList<Call> calls = saveCalls("clear");
        if (calls.isEmpty())
            QSKIP("strace cannot trace a child process here");
        static const QRegularExpression opened(u"^openat\\(\\w+, \"([^\"]+)\".*= (\\d+)$"_s),
            synced(u"^fsync\\((\\d+)\\)"_s), renamed(u"^rename\\(\"([^\"]+)\", \"([^\"]+)\"\\) = 0"_s);
        QHash<QString, QString> paths; // descriptor -> what it is open on
        QStringList steps;             // each sync and the rename, in order
        for (const Call &call : calls) {
            if (const QRegularExpressionMatch open = opened.match(call.line); open.hasMatch())
                paths[open.captured(2)] = open.captured(1);
            else if (const QRegularExpressionMatch sync = synced.match(call.line); sync.hasMatch())
                steps << u"sync "_s + paths.value(sync.captured(1));
            else if (const QRegularExpressionMatch rename = renamed.match(call.line); rename.hasMatch())
                steps << u"rename "_s + rename.captured(1) + u" to "_s + rename.captured(2);
        }
        static const QRegularExpression order(u"^sync (\\S+)\\|rename \\1 to (\\S+)/LumoraHigh.Dll\\|sync \\2$"_s);
        QVERIFY2(order.match(steps.join(u'|')).hasMatch(), qPrintable(steps.join(u'|')));
    }

    void theRecordsStayOrAreNewAndAFailureTellsWhy_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("injections");
        QTest::addColumn<int>("saved");   // -1: either
        QTest::addColumn<int>("left");    // temporary files left, each named in the reason
        QTest::addColumn<bool>("killed"); // then saved again, which takes away what the kill left
        for (const QString mode : {"record", "clear"}) {
            const QList<Call> calls = saveCalls(mode);
            if (calls.isEmpty())
                QSKIP("strace cannot trace a child process here");
            int faults = 0;
            for (const Call &call : calls) {
                for (const QString error :
                     {"error=EIO", "error=ENOSPC", "error=EACCES", "error=EINTR", "signal=KILL"}) {
                    if (kMemoryCalls.contains(call.name))
                        break;
                    const QString inject = u"%1:%2:when=%3"_s.arg(call.name, error).arg(call.occurrence);
                    const bool killed = error == u"signal=KILL";
                    QTest::addRow("%s %s", qPrintable(mode), qPrintable(inject))
                        << mode << QStringList{inject} << (killed ? 1 : -1) << 0 << killed;
                    ++faults;
                }
            }
            qInfo("%s: %lld system calls, %d faults", qPrintable(mode), qlonglong(calls.size()), faults);
            // A failed removal of the save's own file went unsaid.
            if (mode == "clear") {
                QTest::newRow("the rename failed, the removal once")
                    << mode << QStringList{"rename:error=EIO", "unlink:error=EIO:when=1"} << 0 << 0 << false;
                QTest::newRow("the rename failed, the removal for good")
                    << mode << QStringList{"rename:error=EIO", "unlink:error=EIO"} << 0 << 1 << false;
            }
        }
    }

    void theRecordsStayOrAreNewAndAFailureTellsWhy()
    {
        QFETCH(QString, mode);
        QFETCH(QStringList, injections);
        QFETCH(int, saved);
        QFETCH(int, left);
        QFETCH(bool, killed);
        const QByteArray newBytes = mode == "record" ? kRecorded : test::kResetLine;
        const test::TempHighScoreFile file;
        file.write(kThreeRecords);
        QStringList options = {"-o", "/dev/null"};
        for (const QString &injection : injections)
            options += {"-e", "inject=" + injection};
        QStringList out = runProbe(options, file.path(), mode);
        QByteArray before = kThreeRecords;
        if (killed) {
            before = file.bytes();
            QVERIFY2(before == kThreeRecords || before == newBytes, before.constData());
            out = runProbe({"-o", "/dev/null"}, file.path(), mode);
        }
        QVERIFY(out.size() >= 5);
        const QString reason = out.mid(4).join(u'\n');
        const bool isSaved = out[3] == u"saved"_s;
        const QByteArray bytes = file.bytes();
        QVERIFY2(isSaved ? bytes == newBytes : bytes == kThreeRecords || bytes == newBytes, bytes.constData());
        QVERIFY2(isSaved || !reason.trimmed().isEmpty(), "a failed save without a reason");
        const QString told = kToldInJapanese.value(injections[0].section(u'=', 1).section(u':', 0, 0));
        QVERIFY2(isSaved || told.isEmpty() || reason.contains(told), qPrintable(reason));
        QVERIFY(saved < 0 || isSaved == bool(saved));
        // A load that fails reads as "not read": the table as it was, never defaults to save.
        if (mode == "record") {
            const bool loaded = out[0].toInt() == int(LoadOutcome::Loaded);
            QCOMPARE(out[2].toLatin1(),
                     (loaded ? before : encodeHighScoreLine(HighScoreTable().fields()).value_or("")).toHex());
            QVERIFY(loaded || (out[0].toInt() == int(LoadOutcome::CannotRead) && !out[1].isEmpty()));
        }
        QStringList beside = QDir(file.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        beside.removeOne("LumoraHigh.Dll.lock"); // when made, it stays
        beside.removeOne("LumoraHigh.Dll");
        QCOMPARE(beside.size(), left);
        for (const QString &name : beside)
            QVERIFY2(reason.contains(u"一時ファイル "_s + file.folder() + u'/' + name), qPrintable(reason));
    }
};

QTEST_GUILESS_MAIN(SaveFaultsTest)
#include "tst_savefaults.moc"
