#include "FakeRegistry.h"

#include "about/GetKeyValue.h"
#include "ui/RuntimeError.h"

#include <QTest>

using namespace lumora;

namespace {

const std::string kKey = R"(SOFTWARE\Test)";

std::string bytes(const QByteArray &data)
{
    return data.toStdString();
}

} // namespace

class tst_GetKeyValue : public QObject
{
    Q_OBJECT

private slots:
    void readValueBecomesTextByItsType_data();
    void readValueBecomesTextByItsType();
    void failedReadEmptiesTheTextAndLeavesNoKeyOpen_data();
    void failedReadEmptiesTheTextAndLeavesNoKeyOpen();
    void valueFillingTheBufferWithoutZeroByteRaisesAndClosesTheKey();
    void keyIsOpenedWithItsAccessAndQueriedWithZeroFilledBuffer();
};

void tst_GetKeyValue::readValueBecomesTextByItsType_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QByteArray>("expected");

    const auto add = [](const char *name, uint type, QByteArray stored, QByteArray expected) {
        QTest::newRow(name) << type << stored << expected;
    };
    add("text", REG_SZ, QByteArray(R"(C:\Tools\msinfo32.exe)") + '\0', R"(C:\Tools\msinfo32.exe)");
    add("text cut at its first zero byte", REG_SZ, QByteArray("abc\0def\0", 8), "abc");
    add("text stored without a zero byte", REG_SZ, "abc", "abc");
    add("empty text", REG_SZ, QByteArray(1, '\0'), "");
    add("text that just fits with its zero byte", REG_SZ, QByteArray(1023, 'x') + '\0',
        QByteArray(1023, 'x'));
    add("code page bytes pass unchanged", REG_SZ, QByteArray("\x83\x65\x83\x58\x83\x67\0", 7),
        "\x83\x65\x83\x58\x83\x67");
    add("dword bytes last to first", REG_DWORD, QByteArray("\x0D\x0C\x0B\x0A", 4), "&hABCD");
    add("dword bytes without leading zeros", REG_DWORD, QByteArray("\x04\x03\x02\x01", 4),
        "&h1234");
    add("dword cut at its first zero byte", REG_DWORD, QByteArray("\x02\x01\x00\x00", 4), "&h12");
    add("dword with a zero byte inside", REG_DWORD, QByteArray("\x02\x00\x00\x01", 4), "&h2");
    add("dword of zero", REG_DWORD, QByteArray(4, '\0'), "&h");
    add("dword with two-digit bytes", REG_DWORD, QByteArray("\x10\xFF\x00\x00", 4), "&hFF10");
    add("expandable text keeps what was passed", REG_EXPAND_SZ,
        QByteArray(R"(%SystemRoot%\x.exe)") + '\0', "as passed");
    add("binary keeps what was passed", 3, QByteArray("\x01\x02", 2), "as passed");
}

void tst_GetKeyValue::readValueBecomesTextByItsType()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, expected);

    FakeRegistry registry;
    registry.set(kKey, "Value", {type, bytes(stored)});
    std::string keyVal = "as passed";

    QVERIFY(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey, "Value", keyVal));
    QCOMPARE(QByteArray::fromStdString(keyVal), expected);
    QCOMPARE(registry.openKeys, 0);
}

void tst_GetKeyValue::failedReadEmptiesTheTextAndLeavesNoKeyOpen_data()
{
    QTest::addColumn<QString>("keyName");
    QTest::addColumn<QString>("valueName");

    QTest::newRow("missing key") << R"(SOFTWARE\Elsewhere)" << "Value";
    QTest::newRow("missing value") << R"(SOFTWARE\Test)" << "Other";
    QTest::newRow("value longer than the buffer") << R"(SOFTWARE\Test)" << "Long";
}

void tst_GetKeyValue::failedReadEmptiesTheTextAndLeavesNoKeyOpen()
{
    QFETCH(QString, keyName);
    QFETCH(QString, valueName);

    FakeRegistry registry;
    registry.setText(kKey, "Value", "present");
    registry.setText(kKey, "Long", std::string(1024, 'x'));
    std::string keyVal = "as passed";

    QVERIFY(!GetKeyValue(registry, HKEY_LOCAL_MACHINE, keyName.toStdString(),
                         valueName.toStdString(), keyVal));
    QCOMPARE(keyVal, std::string());
    QCOMPARE(registry.openKeys, 0);
}

void tst_GetKeyValue::valueFillingTheBufferWithoutZeroByteRaisesAndClosesTheKey()
{
    FakeRegistry registry;
    registry.set(kKey, "Value", {REG_SZ, std::string(1024, 'x')});
    std::string keyVal;

    try {
        GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey, "Value", keyVal);
        QFAIL("no run-time error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.code(), ErrorCode::InvalidProcedureCall);
    }
    // Guards against leaking the open key when the cut raises.
    QCOMPARE(registry.openKeys, 0);
}

void tst_GetKeyValue::keyIsOpenedWithItsAccessAndQueriedWithZeroFilledBuffer()
{
    FakeRegistry registry;
    registry.setText(kKey, "Value", "x");
    std::string keyVal;

    QVERIFY(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey, "Value", keyVal));
    QCOMPARE(registry.lastOptions, 0u);
    QCOMPARE(registry.lastAccess, 0x2003Fu);
    QCOMPARE(registry.offeredSize, 1024u);
    QVERIFY(registry.offeredZeroFilled);
}

QTEST_GUILESS_MAIN(tst_GetKeyValue)
#include "tst_GetKeyValue.moc"
