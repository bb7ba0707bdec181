#include "scores/FieldValue.h"

#include <QTest>

using namespace lumora;

Q_DECLARE_METATYPE(lumora::FieldValue)

class FieldValueTest : public QObject
{
    Q_OBJECT

private slots:
    void labelsShowWholeNumbersAsPlainDigits_data()
    {
        QTest::addColumn<FieldValue>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("negative zero") << FieldValue::number(-0.0) << "0";
        QTest::newRow("negative number") << FieldValue::number(-35) << "-35";
        QTest::newRow("beyond 32 bits") << FieldValue::number(12345678901.0) << "12345678901";
        QTest::newRow("fraction") << FieldValue::number(1.5) << "1.5";
        QTest::newRow("beyond 64 bits, in shortest form") << FieldValue::number(1e300) << "1e+300";
    }

    void labelsShowWholeNumbersAsPlainDigits()
    {
        QFETCH(FieldValue, value);
        QFETCH(QString, text);
        QCOMPARE(value.displayText(), text);
    }

    void recordValueCountsEmptyAndOtherTextAsZero_data()
    {
        QTest::addColumn<FieldValue>("value");
        QTest::addColumn<double>("recordValue");
        QTest::newRow("empty") << FieldValue() << 0.0;
        QTest::newRow("text spelling a number") << FieldValue::text(" -2.5 ") << -2.5;
        QTest::newRow("name") << FieldValue::text("ab") << 0.0;
        QTest::newRow("infinity is no number") << FieldValue::text("inf") << 0.0;
    }

    void recordValueCountsEmptyAndOtherTextAsZero()
    {
        QFETCH(FieldValue, value);
        QFETCH(double, recordValue);
        QCOMPARE(value.recordValue(), recordValue);
    }
};

QTEST_APPLESS_MAIN(FieldValueTest)
#include "tst_fieldvalue.moc"
