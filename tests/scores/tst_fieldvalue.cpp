#include "scores/FieldValue.h"

#include <QTest>

using namespace lumora;

Q_DECLARE_METATYPE(lumora::FieldValue)

class FieldValueTest : public QObject
{
    Q_OBJECT

private slots:
    void displayTextShowsWhatTheLabelsShow_data();
    void displayTextShowsWhatTheLabelsShow();
    void recordValueCountsEmptyAndOtherTextAsZero_data();
    void recordValueCountsEmptyAndOtherTextAsZero();
};

void FieldValueTest::displayTextShowsWhatTheLabelsShow_data()
{
    QTest::addColumn<FieldValue>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << FieldValue() << QString();
    QTest::newRow("zero") << FieldValue::number(0) << "0";
    QTest::newRow("negative zero") << FieldValue::number(-0.0) << "0";
    QTest::newRow("whole number") << FieldValue::number(250000) << "250000";
    QTest::newRow("negative number") << FieldValue::number(-35) << "-35";
    QTest::newRow("beyond 32 bits") << FieldValue::number(12345678901.0) << "12345678901";
    QTest::newRow("fraction") << FieldValue::number(1.5) << "1.5";
    QTest::newRow("huge number") << FieldValue::number(1e300) << "1e+300";
    QTest::newRow("one space") << FieldValue::text(" ") << " ";
    QTest::newRow("empty text") << FieldValue::text("") << "";
    QTest::newRow("Japanese text") << FieldValue::text("森野　太郎") << "森野　太郎";
}

void FieldValueTest::displayTextShowsWhatTheLabelsShow()
{
    QFETCH(FieldValue, value);
    QFETCH(QString, text);
    QCOMPARE(value.displayText(), text);
}

void FieldValueTest::recordValueCountsEmptyAndOtherTextAsZero_data()
{
    QTest::addColumn<FieldValue>("value");
    QTest::addColumn<double>("recordValue");
    QTest::newRow("empty") << FieldValue() << 0.0;
    QTest::newRow("number") << FieldValue::number(830) << 830.0;
    QTest::newRow("negative number") << FieldValue::number(-50) << -50.0;
    QTest::newRow("text spelling a number") << FieldValue::text(" 120 ") << 120.0;
    QTest::newRow("text spelling a negative fraction") << FieldValue::text("-2.5") << -2.5;
    QTest::newRow("name") << FieldValue::text("ab") << 0.0;
    QTest::newRow("empty text") << FieldValue::text("") << 0.0;
    QTest::newRow("infinity is no number") << FieldValue::text("inf") << 0.0;
    QTest::newRow("NaN is no number") << FieldValue::text("nan") << 0.0;
}

void FieldValueTest::recordValueCountsEmptyAndOtherTextAsZero()
{
    QFETCH(FieldValue, value);
    QFETCH(double, recordValue);
    QCOMPARE(value.recordValue(), recordValue);
}

QTEST_APPLESS_MAIN(FieldValueTest)
#include "tst_fieldvalue.moc"
