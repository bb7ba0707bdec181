#include "round/SeededRandom.h"
#include "round/SystemClock.h"

#include <QTest>
#include <QTime>

#include <cmath>

using namespace lumora;

class ClockAndRandomTest : public QObject
{
    Q_OBJECT

private slots:
    void sameSeedRepeatsTheDraws();
    void drawsStayWithinZeroToOne();
    void systemClockReadsTheTimeOfDay();
};

void ClockAndRandomTest::sameSeedRepeatsTheDraws()
{
    SeededRandom first, second, other;
    first.seed(43200.5f);
    second.seed(43200.5f);
    other.seed(43200.75f);
    int differing = 0;
    for (int i = 0; i < 100; ++i) {
        const float draw = first.next();
        QCOMPARE(second.next(), draw);
        differing += other.next() != draw;
    }
    QVERIFY(differing > 90);
}

void ClockAndRandomTest::drawsStayWithinZeroToOne()
{
    SeededRandom random;
    random.seed(0.0f);
    float highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const float draw = random.next();
        QVERIFY(draw >= 0.0f && draw < 1.0f);
        highest = std::max(highest, draw);
    }
    // The whole range is reached, not some narrower one.
    QVERIFY(highest > 0.9999f);
}

void ClockAndRandomTest::systemClockReadsTheTimeOfDay()
{
    SystemClock clock;
    const float seconds = clock.secondsSinceMidnight();
    const double reference = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
    QVERIFY(seconds >= 0.0f && seconds < 86400.0f);
    // A read just before midnight may be compared with one just after it.
    const double apart = std::abs(reference - seconds);
    QVERIFY(apart < 1.0 || apart > 86399.0);
}

QTEST_GUILESS_MAIN(ClockAndRandomTest)
#include "tst_clockandrandom.moc"
