#include "FakeRegistry.h"
#include "SysInfoRecorders.h"

#include "about/DetachedProgramStarter.h"
#include "about/StartSysInfo.h"

#include <QTest>

using namespace lumora;

namespace {

const std::string kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const std::string kLocationKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
const QStringList kUnavailableOnce{QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません")};

using RegistrySetup = void (*)(FakeRegistry &);

} // namespace

Q_DECLARE_METATYPE(RegistrySetup)

class tst_StartSysInfo : public QObject
{
    Q_OBJECT

private slots:
    void theToolTheRegistryNamesIsStartedOrTheMessageShownOnce_data()
    {
        QTest::addColumn<RegistrySetup>("setup");
        QTest::addColumn<QString>("started");  // empty: the message instead
        QTest::newRow("the first key, before the second") << RegistrySetup([](FakeRegistry &r) {
            r.setText(kToolKey, "PATH", R"(C:\Tools\sysinfo.exe)");
            r.setText(kLocationKey, "MSINFO", R"(C:\Tools)");
        }) << R"(C:\Tools\sysinfo.exe)";
        QTest::newRow("the second key's folder with the tool file") << RegistrySetup([](FakeRegistry &r) {
            r.setText(kLocationKey, "MSINFO", R"(C:\Tools)");
        }) << R"(C:\Tools\MSINFO32.EXE)";
        QTest::newRow("a folder ending in a backslash gives two") << RegistrySetup([](FakeRegistry &r) {
            r.setText(kLocationKey, "MSINFO", R"(C:\Tools\)");
        }) << R"(C:\Tools\\MSINFO32.EXE)";
        QTest::newRow("neither key") << RegistrySetup([](FakeRegistry &) {}) << QString();
        QTest::newRow("a folder without the tool file") << RegistrySetup([](FakeRegistry &r) {
            r.setText(kLocationKey, "MSINFO", R"(C:\Empty)");
        }) << QString();
        QTest::newRow("a value filling the buffer without a zero byte") << RegistrySetup([](FakeRegistry &r) {
            r.set(kToolKey, "PATH", {REG_SZ, std::string(1024, 'x')});
        }) << QString();
    }

    void theToolTheRegistryNamesIsStartedOrTheMessageShownOnce()
    {
        QFETCH(RegistrySetup, setup);
        QFETCH(QString, started);
        FakeRegistry registry;
        setup(registry);
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

QTEST_GUILESS_MAIN(tst_StartSysInfo)
#include "tst_StartSysInfo.moc"
