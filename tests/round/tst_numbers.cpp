#include "levels/SeededRandom.h"
#include "round/Checked.h"
#include "round/NumberText.h"

#include "support/TestMain.h"
#include <QTest>

#include <cstdint>
#include <functional>

using namespace lumora;

using Step = std::function<void()>;
Q_DECLARE_METATYPE(Step)

// The numbers a round computes, shows and draws.
class NumbersTest : public QObject
{
    Q_OBJECT

private slots:
    void stepsOutOfRangeOrTypeRaiseTheClassicError_data()
    {
        using namespace checked;
        QTest::addColumn<Step>("step");
        QTest::addColumn<int>("error");
        QTest::newRow("byte counter reaching 255") << Step([] { add<std::uint8_t>(254, 1); }) << 0;
        QTest::newRow("byte sum past 255") << Step([] { add<std::uint8_t>(1, 255); }) << 6;
        QTest::newRow("16-bit 256 back to a byte") << Step([] { narrow<std::uint8_t>(std::int16_t(256)); }) << 6;
        QTest::newRow("division by zero") << Step([] { divide(-5.0, 0.0); }) << 11;
        QTest::newRow("zero by zero is invalid") << Step([] { divide(0.0, 0.0); }) << 6;
        QTest::newRow("empty caption") << Step([] { numberValue(""); }) << 13;
        QTest::newRow("caption with a trailing letter") << Step([] { numberValue("1x"); }) << 13;
    }

    void stepsOutOfRangeOrTypeRaiseTheClassicError()
    {
        QFETCH(Step, step);
        QFETCH(int, error);
        int raised = 0;
        try {
            step();
        } catch (const RuntimeError &runtimeError) {
            raised = runtimeError.number();
        }
        QCOMPARE(raised, error);
    }

    void numbersShowAsPlainDigitsAndReadBack_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("wrong first click") << -5.0 << "-5";
        QTest::newRow("score without grouping") << 12500.0 << "12500";
        QTest::newRow("beyond exact integers, no exponent") << 1e20 << "100000000000000000000";
    }

    void numbersShowAsPlainDigitsAndReadBack()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(numberText(value)), text);
        QCOMPARE(numberValue(text.toStdString()), value);
    }

    void drawsRepeatWithTheSeedAndStayBelowOne()
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
        QVERIFY(highest > 0.9999f); // the whole range, up to just below 1
    }
};

LUMORA_REGISTER_TEST(NumbersTest)
#include "tst_numbers.moc"
