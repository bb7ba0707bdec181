#include "FakeSysInfo.h"

#include "about/GetKeyValue.h"
#include "about/StartSysInfo.h"

#include "support/TestMain.h"
#include <QTest>

using namespace lumora;

class tst_SysInfo : public QObject
{
    Q_OBJECT

private slots:
    void getKeyValue_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("stored");  // under Test, Value
        QTest::addColumn<QString>("asked");      // key, value
        QTest::addColumn<QByteArray>("text");    // null: false, with the text emptied
        QTest::addColumn<int>("error");
        const auto row = [](const char *name, uint type, const QByteArray &stored, const QByteArray &text,
                            int error = 0, const QString &asked = "Test,Value") {
            QTest::newRow(name) << type << stored << asked << text << error;
        };
        row("text cut at its first zero byte", REG_SZ, QByteArray("abc\0def\0", 8), "abc");
        row("dword bytes last to first", REG_DWORD, QByteArray("\x0D\x0C\x0B\x0A", 4), "&hABCD");
        row("dword cut at its first zero byte", REG_DWORD, QByteArray("\x10\xFF\x00\x01", 4), "&hFF10");
        row("expandable text keeps what was passed", REG_EXPAND_SZ, QByteArray("%x%\0", 4), "as passed");
        row("missing key", REG_SZ, "abc", QByteArray(), 0, "Elsewhere,Value");
        row("missing value", REG_SZ, "abc", QByteArray(), 0, "Test,Other");
        row("value longer than the buffer", REG_SZ, QByteArray(1025, 'x'), QByteArray());
        row("value filling the buffer without a zero byte", REG_SZ, QByteArray(1024, 'x'), "as passed", 5);
    }

    void getKeyValue()
    {
        QFETCH(uint, type);
        QFETCH(QByteArray, stored);
        QFETCH(QString, asked);
        QFETCH(QByteArray, text);
        QFETCH(int, error);
        FakeSysInfo registry;
        registry.keys["Test"]["Value"] = {type, stored.toStdString()};
        std::string keyVal = "as passed";
        bool read = false;
        QCOMPARE(raisedError([&] {
            read = GetKeyValue(registry, HKEY_LOCAL_MACHINE, asked.section(',', 0, 0).toStdString(),
                               asked.section(',', 1).toStdString(), keyVal);
        }), error);
        QCOMPARE(read, !text.isNull() && !error);
        QCOMPARE(QByteArray::fromStdString(keyVal), text);
        QCOMPARE(registry.offeredBuffer, std::string(asked.startsWith("Test") ? 1024 : 0, '\0'));
        QCOMPARE(registry.openKeys, 0);
    }

    void startSysInfo_data()
    {
        QTest::addColumn<QString>("toolPath");  // null: no first key
        QTest::addColumn<QString>("folder");    // null: no second key
        QTest::addColumn<QString>("started");   // what was started, or tried
        QTest::addColumn<bool>("unavailable");  // the message shown
        QTest::newRow("the first key wins") << R"(C:\T\info.exe)" << R"(C:\T)" << R"(C:\T\info.exe)" << false;
        QTest::newRow("the second key's folder") << QString() << R"(C:\T)" << R"(C:\T\MSINFO32.EXE)" << false;
        QTest::newRow("a folder ending in \\") << QString() << R"(C:\T\)" << R"(C:\T\\MSINFO32.EXE)" << false;
        QTest::newRow("neither key") << QString() << QString() << QString() << true;
        QTest::newRow("a folder without the tool") << QString() << R"(C:\Empty)" << QString() << true;
        QTest::newRow("an error reading the key") << QString(1024, u'x') << R"(C:\T)" << QString() << true;
        QTest::newRow("a tool that cannot start") << R"(C:\Gone.exe)" << R"(C:\T)" << R"(C:\Gone.exe)" << true;
    }

    void startSysInfo()
    {
        QFETCH(QString, toolPath);
        QFETCH(QString, folder);
        QFETCH(QString, started);
        QFETCH(bool, unavailable);
        FakeSysInfo system;
        // Stored without a zero byte, which the zero-filled buffer supplies unless the path fills it.
        if (!toolPath.isNull())
            system.keys[R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)"]["PATH"] = {REG_SZ, toolPath.toStdString()};
        if (!folder.isNull())
            system.keys[R"(SOFTWARE\Microsoft\Shared Tools Location)"]["MSINFO"] = {REG_SZ, folder.toStdString()};
        system.existing = {R"(C:\T\info.exe)", R"(C:\T\MSINFO32.EXE)", R"(C:\T\\MSINFO32.EXE)"};
        StartSysInfo(system, system, system, system);
        QCOMPARE(system.started, started.isEmpty() ? QStringList() : QStringList{started});
        QCOMPARE(system.shown, unavailable ? QStringList{"現時点ではｼｽﾃﾑ情報を使用できません"} : QStringList());
        QCOMPARE(system.openKeys, 0);
    }
};

LUMORA_REGISTER_TEST(tst_SysInfo)
#include "tst_SysInfo.moc"
