#include "durability/SystemCallInterrupter.h"
#include "scores/HighScoreFile.h"
#include "scores/HighScoreFormat.h"
#include "scores/HighScoreTestSupport.h"

#include "support/TestMain.h"
#include <QTest>

using namespace lumora;
using namespace lumora::test;
using namespace Qt::StringLiterals;

namespace {

// Far more stops than a save makes: a save still going after them is stuck, not slow.
constexpr int kStopLimit = 20000;

HighScoreFields recordFields()
{
    return withSlot(resetHighScoreFields(), 3, 960000, u"森野　太郎"_s);
}

QString describe(const TempHighScoreFile &file)
{
    if (!file.exists())
        return u"missing"_s;
    const QByteArray bytes = file.bytes();
    return bytes.isEmpty() ? u"empty"_s : QString::fromLatin1(bytes.toHex(' '));
}

bool saveRecord()
{
    return SaveHighScores(recordFields()).saved();
}

} // namespace

class InterruptedSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void aSaveKilledAtAnySystemCallLeavesTheOldFileOrTheNewOne_data();
    void aSaveKilledAtAnySystemCallLeavesTheOldFileOrTheNewOne();
};

void InterruptedSaveTest::aSaveKilledAtAnySystemCallLeavesTheOldFileOrTheNewOne_data()
{
    QTest::addColumn<bool>("hadFile");
    QTest::newRow("replacing the reset state") << true;
    QTest::newRow("writing the first file") << false;
}

// Guards against a save that empties or cuts the player's file when the program dies mid-way,
// as one that opens the file itself for writing does.
void InterruptedSaveTest::aSaveKilledAtAnySystemCallLeavesTheOldFileOrTheNewOne()
{
    QFETCH(bool, hadFile);
    const QByteArray oldBytes = "0,\" \",0,\" \",0,\" \"\r\n"_ba;
    const EncodedLine newLine = encodeHighScoreLine(recordFields());
    QVERIFY(newLine.problem.isEmpty());

    int killsLeavingOld = 0;
    int killsLeavingNew = 0;
    for (int stop = 1;; ++stop) {
        QVERIFY2(stop < kStopLimit, "the save never finished");
        // A fresh folder each time, so what one kill leaves behind cannot help the next.
        TempHighScoreFile file;
        if (hadFile)
            file.write(oldBytes);

        const auto outcome = SystemCallInterrupter::killAtStop(saveRecord, stop);
        if (outcome == SystemCallInterrupter::Outcome::NotPermitted)
            QSKIP("this machine does not let a process trace its child");
        QVERIFY2(outcome != SystemCallInterrupter::Outcome::Failed,
                 qPrintable(u"the save failed by itself before system-call stop %1"_s.arg(stop)));

        const bool leftOld = hadFile ? file.exists() && file.bytes() == oldBytes : !file.exists();
        const bool leftNew = file.exists() && file.bytes() == newLine.bytes;
        QVERIFY2(leftOld || leftNew,
                 qPrintable(u"killed at system-call stop %1, the file is %2"_s.arg(stop).arg(describe(file))));
        ++(leftNew ? killsLeavingNew : killsLeavingOld);

        // Whatever a kill left behind, the next save goes through.
        QVERIFY(saveRecord());
        QCOMPARE(file.bytes(), newLine.bytes);

        if (outcome == SystemCallInterrupter::Outcome::Finished) {
            QVERIFY(leftNew);
            break;
        }
    }
    // Kills on both sides of the replacement, or the moment that matters was never reached.
    QVERIFY(killsLeavingOld > 0);
    QVERIFY(killsLeavingNew > 0);
}

LUMORA_REGISTER_TEST(InterruptedSaveTest)
#include "tst_interruptedsave.moc"
