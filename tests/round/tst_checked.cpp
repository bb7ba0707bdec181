#include "round/Checked.h"
#include "round/ErrorNumber.h"

#include <QTest>

#include <cfloat>
#include <cstdint>
#include <functional>
#include <limits>

using namespace lumora;
using lumora::test::errorNumber;

using Step = std::function<void()>;
Q_DECLARE_METATYPE(Step)

class CheckedTest : public QObject
{
    Q_OBJECT

private slots:
    void stepsOutsideTheirRangeRaiseTheClassicError_data();
    void stepsOutsideTheirRangeRaiseTheClassicError();
};

void CheckedTest::stepsOutsideTheirRangeRaiseTheClassicError_data()
{
    using namespace checked;
    constexpr float inf = std::numeric_limits<float>::infinity();
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("error");

    QTest::newRow("byte counter reaching 255") << Step([] { add<std::uint8_t>(254, 1); }) << 0;
    QTest::newRow("byte counter stepping past 255") << Step([] { add<std::uint8_t>(255, 1); }) << 6;
    QTest::newRow("16-bit 255 back to a byte") << Step([] { narrow<std::uint8_t>(std::int16_t(255)); }) << 0;
    QTest::newRow("16-bit 256 back to a byte") << Step([] { narrow<std::uint8_t>(std::int16_t(256)); }) << 6;
    QTest::newRow("negative into a byte") << Step([] { narrow<std::uint8_t>(-1); }) << 6;
    QTest::newRow("32-bit sum past the top") << Step([] { add<std::int32_t>(INT32_MAX, 1); }) << 6;
    QTest::newRow("a day minus the lowest reading") << Step([] { subtract<std::int32_t>(86400, INT32_MIN); }) << 6;
    QTest::newRow("double sum overflowing") << Step([] { add(DBL_MAX, DBL_MAX); }) << 6;
    QTest::newRow("double difference overflowing") << Step([] { subtract(-DBL_MAX, DBL_MAX); }) << 6;
    QTest::newRow("float product overflowing") << Step([] { multiply(FLT_MAX, 2.0f); }) << 6;
    QTest::newRow("infinity minus infinity") << Step([=] { subtract(inf, inf); }) << 6;
    QTest::newRow("ordinary division") << Step([] { divide(-5000.0, 30.0); }) << 0;
    QTest::newRow("division by zero") << Step([] { divide(-5.0, 0.0); }) << 11;
    QTest::newRow("zero by zero is invalid") << Step([] { divide(0.0, 0.0); }) << 6;
    QTest::newRow("reading beyond 32 bits") << Step([] { roundTo<std::int32_t>(3e9f); }) << 6;
    QTest::newRow("reading of NaN") << Step([] { roundTo<std::int32_t>(std::nanf("")); }) << 6;
    QTest::newRow("255.4 into a byte") << Step([] { roundTo<std::uint8_t>(255.4f); }) << 0;
    QTest::newRow("255.5 rounds to 256") << Step([] { roundTo<std::uint8_t>(255.5f); }) << 6;
    QTest::newRow("-0.5 rounds to zero") << Step([] { roundTo<std::uint8_t>(-0.5f); }) << 0;
    QTest::newRow("-0.6 rounds below a byte") << Step([] { roundTo<std::uint8_t>(-0.6f); }) << 6;
}

void CheckedTest::stepsOutsideTheirRangeRaiseTheClassicError()
{
    QFETCH(Step, step);
    QFETCH(int, error);
    QCOMPARE(errorNumber(step), error);
}

QTEST_GUILESS_MAIN(CheckedTest)
#include "tst_checked.moc"
