#include "FakeRegistry.h"

#include "about/GetKeyValue.h"
#include "ui/RuntimeError.h"

#include "support/TestMain.h"
#include <QTest>

using namespace lumora;

const std::string kKey = R"(SOFTWARE\Test)";

class tst_GetKeyValue : public QObject
{
    Q_OBJECT

private slots:
    void aValueBecomesTextByItsType_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("text");
        const auto add = [](const char *name, uint type, const QByteArray &stored, const QByteArray &text) {
            QTest::newRow(name) << type << stored << text;
        };
        add("text cut at its first zero byte", REG_SZ, QByteArray("abc\0def\0", 8), "abc");
        add("text ended by the zero-filled buffer", REG_SZ, "abc", "abc");
        add("text that just fits with its zero byte", REG_SZ, QByteArray(1023, 'x') + '\0', QByteArray(1023, 'x'));
        add("dword bytes last to first", REG_DWORD, QByteArray("\x0D\x0C\x0B\x0A", 4), "&hABCD");
        add("dword cut at its first zero byte", REG_DWORD, QByteArray("\x10\xFF\x00\x01", 4), "&hFF10");
        add("expandable text keeps what was passed", REG_EXPAND_SZ, QByteArray("%x%\0", 4), "as passed");
    }

    void aValueBecomesTextByItsType()
    {
        QFETCH(uint, type);
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, text);
        FakeRegistry registry;
        registry.set(kKey, "Value", {type, stored.toStdString()});
        std::string keyVal = "as passed";
        QVERIFY(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kKey, "Value", keyVal));
        QCOMPARE(QByteArray::fromStdString(keyVal), text);
        QCOMPARE(registry.offeredBuffer, std::string(1024, '\0'));
        QCOMPARE(registry.openKeys, 0);
    }

    void aValueThatCannotBeReadLeavesNoKeyOpen_data()
    {
        QTest::addColumn<QString>("keyName");
        QTest::addColumn<QString>("valueName");
        QTest::addColumn<bool>("raises");  // otherwise false with the text emptied
        QTest::newRow("missing key") << R"(SOFTWARE\Elsewhere)" << "Value" << false;
        QTest::newRow("missing value") << R"(SOFTWARE\Test)" << "Other" << false;
        QTest::newRow("value longer than the buffer") << R"(SOFTWARE\Test)" << "Long" << false;
        QTest::newRow("value filling the buffer without a zero byte") << R"(SOFTWARE\Test)" << "Full" << true;
    }

    void aValueThatCannotBeReadLeavesNoKeyOpen()
    {
        QFETCH(QString, keyName);
        QFETCH(QString, valueName);
        QFETCH(bool, raises);
        FakeRegistry registry;
        registry.setText(kKey, "Long", std::string(1024, 'x'));
        registry.set(kKey, "Full", {REG_SZ, std::string(1024, 'x')});
        std::string keyVal = "as passed";
        const auto read = [&] {
            return GetKeyValue(registry, HKEY_LOCAL_MACHINE, keyName.toStdString(), valueName.toStdString(), keyVal);
        };
        if (raises) {
            QVERIFY_THROWS_EXCEPTION(RuntimeError, read());
        } else {
            QVERIFY(!read());
            QCOMPARE(keyVal, std::string());
        }
        QCOMPARE(registry.openKeys, 0);
    }
};

LUMORA_REGISTER_TEST(tst_GetKeyValue)
#include "tst_GetKeyValue.moc"
