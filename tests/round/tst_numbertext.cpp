#include "round/ErrorNumber.h"
#include "round/NumberText.h"

#include <QTest>

#include <cstdint>

using namespace lumora;
using lumora::test::errorNumber;

class NumberTextTest : public QObject
{
    Q_OBJECT

private slots:
    void wholeNumbersShowAsPlainDigits_data();
    void wholeNumbersShowAsPlainDigits();
    void integersShowAsPlainDigits();
    void captionsReadBackAsNumbers_data();
    void captionsReadBackAsNumbers();
};

void NumberTextTest::wholeNumbersShowAsPlainDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("wrong first click") << -5.0 << "-5";
    QTest::newRow("score without grouping") << 12500.0 << "12500";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("beyond exact integers, no exponent") << 1e20 << "100000000000000000000";
}

void NumberTextTest::wholeNumbersShowAsPlainDigits()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(numberText(value)), text);
}

void NumberTextTest::integersShowAsPlainDigits()
{
    // A byte must not come out as a character.
    QCOMPARE(numberText(std::uint8_t(7)), "7");
    QCOMPARE(numberText(std::int32_t(-2147483647 - 1)), "-2147483648");
}

void NumberTextTest::captionsReadBackAsNumbers_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("error");
    QTest::newRow("dealt number") << "96" << 96.0 << 0;
    QTest::newRow("surrounding spaces") << " 7 " << 7.0 << 0;
    QTest::newRow("negative") << "-5" << -5.0 << 0;
    QTest::newRow("empty caption") << "" << 0.0 << 13;
    QTest::newRow("only spaces") << "  " << 0.0 << 13;
    QTest::newRow("word") << "Start" << 0.0 << 13;
    QTest::newRow("trailing letter") << "1x" << 0.0 << 13;
    QTest::newRow("infinity") << "inf" << 0.0 << 13;
}

void NumberTextTest::captionsReadBackAsNumbers()
{
    QFETCH(QString, caption);
    QFETCH(double, value);
    QFETCH(int, error);
    double read = 0;
    QCOMPARE(errorNumber([&] { read = numberValue(caption.toStdString()); }), error);
    QCOMPARE(read, value);
}

QTEST_GUILESS_MAIN(NumberTextTest)
#include "tst_numbertext.moc"
