#include "scores/HighScoreFile.h"
#include "scores/HighScoreFormat.h"
#include "scores/HighScoreTestSupport.h"

#include <QTest>

#include <csignal>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lumora;
using namespace Qt::StringLiterals;

namespace {

enum class Outcome { Killed, Finished, Failed, NotPermitted };

constexpr int kCannotTrace = 77;
// What waitpid reports for a system-call stop once PTRACE_O_TRACESYSGOOD is set.
constexpr int kSystemCallStop = SIGTRAP | 0x80;

// Saves `fields` in a forked child under ptrace and kills it with SIGKILL at its n-th system-call
// stop. Every change to a file goes through a system call, stopped at entry and again at exit, so
// killing at stop 1, 2, 3, ... interrupts the save at every point where it can leave a file behind.
Outcome killSaveAtStop(const HighScoreFields &fields, int stop)
{
    const pid_t child = fork();
    if (child == 0) {
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
            _exit(kCannotTrace);
        raise(SIGSTOP); // waits here until the parent has set its tracing options
        // _exit: the child must not run the parent's exit handlers or flush its buffers twice.
        _exit(SaveHighScores(fields).saved() ? 0 : 1);
    }
    int status = 0;
    int stopsSeen = 0;
    while (child > 0 && waitpid(child, &status, 0) == child && WIFSTOPPED(status)) {
        const int signal = WSTOPSIG(status);
        // EXITKILL: should this test die, its traced child dies with it.
        if (signal == SIGSTOP)
            ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);
        if (signal == kSystemCallStop && ++stopsSeen == stop) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return Outcome::Killed;
        }
        ptrace(PTRACE_SYSCALL, child, nullptr, signal == SIGSTOP || signal == kSystemCallStop ? 0 : signal);
    }
    const int exitCode = child > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return exitCode == 0 ? Outcome::Finished : exitCode == kCannotTrace ? Outcome::NotPermitted : Outcome::Failed;
}

} // namespace

class InterruptedSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void aSaveKilledAtAnySystemCallLeavesTheOldFileOrTheNewOne_data()
    {
        // clang-format off
        QTest::addColumn<bool>("hadFile");
        QTest::newRow("replacing the reset state") << true;
        QTest::newRow("writing the first file") << false;
        // clang-format on
    }

    // Guards against a save that empties or cuts the player's file when the program dies mid-way,
    // as one that opens the file itself for writing does.
    void aSaveKilledAtAnySystemCallLeavesTheOldFileOrTheNewOne()
    {
        QFETCH(bool, hadFile);
        const QByteArray missing = "missing"_ba;
        const QByteArray oldBytes = hadFile ? "0,\" \",0,\" \",0,\" \"\r\n"_ba : missing;
        const HighScoreFields fields = withSlot(resetHighScoreFields(), 3, 960000, u"森野　太郎"_s);
        const QByteArray newBytes = encodeHighScoreLine(fields).bytes;
        int kills[2] = {}; // leaving the old file, leaving the new one
        Outcome outcome = Outcome::Killed;
        // Far more stops than a save makes: a save still going after them is stuck, not slow.
        for (int stop = 1; outcome == Outcome::Killed; ++stop) {
            QVERIFY2(stop < 20000, "the save never finished");
            // A fresh folder each time, so what one kill leaves behind cannot help the next.
            test::TempHighScoreFile file;
            if (hadFile)
                file.write(oldBytes);
            outcome = killSaveAtStop(fields, stop);
            if (outcome == Outcome::NotPermitted)
                QSKIP("this machine does not let a process trace its child");
            QVERIFY2(outcome != Outcome::Failed, qPrintable(u"the save failed by itself at stop %1"_s.arg(stop)));
            const QByteArray left = QFile::exists(file.path()) ? file.bytes() : missing;
            QVERIFY2(left == oldBytes || left == newBytes,
                     qPrintable(u"killed at system-call stop %1, the file is '%2'"_s.arg(stop).arg(left.toHex(' '))));
            QVERIFY(outcome != Outcome::Finished || left == newBytes);
            ++kills[left == newBytes];
            // Whatever a kill left behind, the next save goes through and takes it away.
            QVERIFY(SaveHighScores(fields).saved());
            QCOMPARE(file.bytes(), newBytes);
            QCOMPARE(QDir(file.folder()).entryList(QDir::Files | QDir::Hidden),
                     (QStringList{"LumoraHigh.Dll", "LumoraHigh.Dll.lock"}));
        }
        // Kills on both sides of the replacement, or the moment that matters was never reached.
        QVERIFY(kills[0] > 0 && kills[1] > 0);
    }
};

QTEST_GUILESS_MAIN(InterruptedSaveTest)
#include "tst_interruptedsave.moc"
