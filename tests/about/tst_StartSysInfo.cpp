#include "FakeRegistry.h"
#include "SysInfoRecorders.h"

#include "about/DetachedProgramStarter.h"
#include "about/StartSysInfo.h"

#include "support/TestMain.h"
#include <QTest>

using namespace lumora;

const std::string kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const std::string kLocationKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
const QStringList kUnavailableOnce{QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません")};

class tst_StartSysInfo : public QObject
{
    Q_OBJECT

private slots:
    void theToolTheRegistryNamesIsStartedOrTheMessageShownOnce_data()
    {
        QTest::addColumn<QString>("toolPath");  // null: no first key
        QTest::addColumn<QString>("folder");    // null: no second key
        QTest::addColumn<QString>("started");   // empty: the message instead
        QTest::newRow("the first key, before the second")
            << R"(C:\Tools\sysinfo.exe)" << R"(C:\Tools)" << R"(C:\Tools\sysinfo.exe)";
        QTest::newRow("the second key's folder with the tool file")
            << QString() << R"(C:\Tools)" << R"(C:\Tools\MSINFO32.EXE)";
        QTest::newRow("a folder ending in a backslash gives two")
            << QString() << R"(C:\Tools\)" << R"(C:\Tools\\MSINFO32.EXE)";
        QTest::newRow("neither key") << QString() << QString() << QString();
        QTest::newRow("a folder without the tool file") << QString() << R"(C:\Empty)" << QString();
        QTest::newRow("a path filling the buffer without a zero byte")
            << QString(1024, u'x') << QString() << QString();
    }

    void theToolTheRegistryNamesIsStartedOrTheMessageShownOnce()
    {
        QFETCH(QString, toolPath);
        QFETCH(QString, folder);
        QFETCH(QString, started);
        FakeRegistry registry;
        // Stored without a zero byte, which the zero-filled buffer supplies unless the path fills it.
        if (!toolPath.isNull())
            registry.set(kToolKey, "PATH", {REG_SZ, toolPath.toStdString()});
        if (!folder.isNull())
            registry.setText(kLocationKey, "MSINFO", folder.toStdString());
        RecordingFileLookup files;
        files.existing = QStringList{R"(C:\Tools\MSINFO32.EXE)", R"(C:\Tools\\MSINFO32.EXE)"};
        RecordingStarter starter;
        RecordingMessages messages;
        StartSysInfo(registry, files, starter, messages);
        QCOMPARE(starter.started, started.isEmpty() ? QStringList() : QStringList{started});
        QCOMPARE(messages.shown, started.isEmpty() ? kUnavailableOnce : QStringList());
        QCOMPARE(registry.openKeys, 0);
    }

    void aProgramThatCannotBeStartedShowsTheMessage_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("stored");
        // An expandable string counts as found but leaves the path empty.
        QTest::newRow("expandable string") << uint(REG_EXPAND_SZ) << QByteArray("/bin/true\0", 10);
        QTest::newRow("dword") << uint(REG_DWORD) << QByteArray("\x01\x02\x00\x00", 4);
        QTest::newRow("missing program") << uint(REG_SZ) << QByteArray("/nonexistent/sysinfo") + '\0';
    }

    void aProgramThatCannotBeStartedShowsTheMessage()
    {
        QFETCH(uint, type);
        QFETCH(QByteArray, stored);
        FakeRegistry registry;
        registry.set(kToolKey, "PATH", {type, stored.toStdString()});
        registry.setText(kLocationKey, "MSINFO", "/bin");
        RecordingFileLookup files;
        DetachedProgramStarter starter;
        RecordingMessages messages;
        StartSysInfo(registry, files, starter, messages);
        QCOMPARE(messages.shown, kUnavailableOnce);
        QVERIFY(files.asked.isEmpty());  // the second key is not tried after the first was found
    }
};

LUMORA_REGISTER_TEST(tst_StartSysInfo)
#include "tst_StartSysInfo.moc"
