#include "about/FakeSysInfo.h"
#include "about/GetKeyValue.h"
#include "about/StartSysInfo.h"
#include "support/RaisedError.h"
#include "support/ScriptedDialogs.h"

#include <QTest>

using namespace lumora;
using namespace Qt::StringLiterals;
using test::FakeSysInfo;

// Reading the registry, and finding and starting the system-information tool it names.
class SysInfoTest : public QObject
{
    Q_OBJECT

    test::ScriptedDialogs m_dialogs;

private slots:
    void init() { m_dialogs = {}; }

    void getKeyValue_data()
    {
        // clang-format off
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
        // Each byte in hex without a leading zero, the last first.
        row("dword as hex, cut at its first zero byte", REG_DWORD, QByteArray("\x0A\x10\x00\x0B", 4), "&h10A");
        row("expandable text keeps what was passed", REG_EXPAND_SZ, QByteArray("%x%\0", 4), "as passed");
        row("missing key", REG_SZ, "abc", QByteArray(), 0, "Elsewhere,Value");
        row("missing value", REG_SZ, "abc", QByteArray(), 0, "Test,Other");
        row("value longer than the buffer", REG_SZ, QByteArray(1025, 'x'), QByteArray());
        row("value filling the buffer without a zero byte", REG_SZ, QByteArray(1024, 'x'), "as passed", 5);
        // clang-format on
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
        QCOMPARE(test::raisedError([&] {
                     read = GetKeyValue(registry, HKEY_LOCAL_MACHINE, asked.section(',', 0, 0).toStdString(),
                                        asked.section(',', 1).toStdString(), keyVal);
                 }),
                 error);
        QCOMPARE(read, !text.isNull() && !error);
        QCOMPARE(QByteArray::fromStdString(keyVal), text);
        QCOMPARE(registry.offeredBuffer, std::string(asked.startsWith("Test") ? 1024 : 0, '\0'));
        QCOMPARE(registry.openKeys, 0);
    }

    void startSysInfo_data()
    {
        // clang-format off
        QTest::addColumn<QString>("toolPath");  // null: no first key
        QTest::addColumn<QString>("folder");    // null: no second key
        QTest::addColumn<QString>("started");   // what was started, or tried
        QTest::addColumn<bool>("unavailable");  // the message shown
        QTest::newRow("the first key wins") << R"(C:\T\info.exe)" << R"(C:\T)" << R"(C:\T\info.exe)" << false;
        QTest::newRow("a folder ending in \\") << QString() << R"(C:\T\)" << R"(C:\T\\MSINFO32.EXE)" << false;
        QTest::newRow("a folder without the tool") << QString() << R"(C:\Empty)" << QString() << true;
        QTest::newRow("an error reading the key") << QString(1024, u'x') << R"(C:\T)" << QString() << true;
        // clang-format on
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
        StartSysInfo(system, system, system, m_dialogs, nullptr);
        QCOMPARE(system.started, started.isEmpty() ? QStringList() : QStringList{started});
        QCOMPARE(m_dialogs.messages.size(), std::size_t(unavailable));
        if (unavailable)
            QCOMPARE(m_dialogs.messages[0].prompt, u"現時点ではｼｽﾃﾑ情報を使用できません"_s);
    }
};

QTEST_GUILESS_MAIN(SysInfoTest)
#include "tst_sysinfo.moc"
