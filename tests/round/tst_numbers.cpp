#include "round/Checked.h"
#include "round/NumberText.h"

#include "support/TestMain.h"
#include <QTest>

#include <cfloat>
#include <cstdint>
#include <functional>

using namespace lumora;

using Step = std::function<void()>;
Q_DECLARE_METATYPE(Step)

namespace {

// The run-time error number a step raises, 0 when it raises none.
int errorNumber(const Step &step)
{
    try {
        step();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

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
        QTest::newRow("byte counter stepping past 255") << Step([] { add<std::uint8_t>(255, 1); }) << 6;
        QTest::newRow("16-bit 256 back to a byte") << Step([] { narrow<std::uint8_t>(std::int16_t(256)); }) << 6;
        QTest::newRow("32-bit sum past the top") << Step([] { add<std::int32_t>(INT32_MAX, 1); }) << 6;
        QTest::newRow("double sum overflowing") << Step([] { add(DBL_MAX, DBL_MAX); }) << 6;
        QTest::newRow("division by zero") << Step([] { divide(-5.0, 0.0); }) << 11;
        QTest::newRow("zero by zero is invalid") << Step([] { divide(0.0, 0.0); }) << 6;
        QTest::newRow("reading beyond 32 bits") << Step([] { roundTo<std::int32_t>(3e9f); }) << 6;
        QTest::newRow("255.5 rounds to 256") << Step([] { roundTo<std::uint8_t>(255.5f); }) << 6;
        QTest::newRow("empty caption") << Step([] { numberValue(""); }) << 13;
        QTest::newRow("caption of spaces") << Step([] { numberValue("  "); }) << 13;
        QTest::newRow("caption with a trailing letter") << Step([] { numberValue("1x"); }) << 13;
        QTest::newRow("caption of infinity") << Step([] { numberValue("inf"); }) << 13;
    }

    void stepsOutOfRangeOrTypeRaiseTheClassicError()
    {
        QFETCH(Step, step);
        QFETCH(int, error);
        QCOMPARE(errorNumber(step), error);
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
};

LUMORA_REGISTER_TEST(NumbersTest)
#include "tst_numbers.moc"
