#include "levels/SeededRandom.h"
#include "levels/SystemClock.h"

#include "support/TestMain.h"
#include <QTest>
#include <QTime>

#include <cmath>

using namespace lumora;

class ClockAndRandomTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsRepeatWithTheSeedAndFillZeroToOne()
    {
        SeededRandom first, second, other;
        first.seed(43200.5f);
        second.seed(43200.5f);
        other.seed(43200.75f);
        int differing = 0;
        float highest = 0;
        for (int i = 0; i < 200000; ++i) {
            const float draw = first.next();
            QCOMPARE(second.next(), draw);
            QVERIFY(draw >= 0.0f && draw < 1.0f);
            differing += other.next() != draw;
            highest = std::max(highest, draw);
        }
        QVERIFY(differing > 199000);
        QVERIFY(highest > 0.9999f);
    }

    void systemClockReadsTheTimeOfDay()
    {
        const float seconds = SystemClock().secondsSinceMidnight();
        const double apart = std::abs(QTime::currentTime().msecsSinceStartOfDay() / 1000.0 - seconds);
        QVERIFY(seconds >= 0.0f && seconds < 86400.0f);
        // A read just before midnight may be compared with one just after it.
        QVERIFY(apart < 1.0 || apart > 86399.0);
    }
};

LUMORA_REGISTER_TEST(ClockAndRandomTest)
#include "tst_clockandrandom.moc"
