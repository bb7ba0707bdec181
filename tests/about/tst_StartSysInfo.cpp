#include "FakeRegistry.h"
#include "MarkScript.h"
#include "SysInfoRecorders.h"

#include "about/DetachedProgramStarter.h"
#include "about/StartSysInfo.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lumora;

namespace {

const std::string kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const std::string kLocationKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
const QStringList kUnavailableOnce{QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません")};

struct Launch
{
    FakeRegistry registry;
    RecordingFileLookup files;
    RecordingStarter starter;
    RecordingMessages messages;

    void run() { StartSysInfo(registry, files, starter, messages); }
};

using RegistrySetup = void (*)(FakeRegistry &);

} // namespace

Q_DECLARE_METATYPE(RegistrySetup)

class tst_StartSysInfo : public QObject
{
    Q_OBJECT

private slots:
    void firstKeyStartsItsProgramWithoutReadingTheSecond();
    void secondKeyFolderGetsToolFileAppendedAsItStands_data();
    void secondKeyFolderGetsToolFileAppendedAsItStands();
    void registryWithoutUsableEntryShowsTheMessageOnce_data();
    void registryWithoutUsableEntryShowsTheMessageOnce();
    void programThatCannotBeStartedShowsTheMessage_data();
    void programThatCannotBeStartedShowsTheMessage();

private:
    QTemporaryDir m_dir;
};

void tst_StartSysInfo::firstKeyStartsItsProgramWithoutReadingTheSecond()
{
    Launch launch;
    launch.registry.setText(kToolKey, "PATH", R"(C:\Tools\sysinfo.exe)");
    launch.registry.setText(kLocationKey, "MSINFO", R"(C:\Other)");

    launch.run();

    QCOMPARE(launch.starter.started, QStringList{R"(C:\Tools\sysinfo.exe)"});
    QCOMPARE(launch.registry.openAttempts, std::vector{kToolKey});
    QVERIFY(launch.files.asked.isEmpty());
    QVERIFY(launch.messages.shown.isEmpty());
}

void tst_StartSysInfo::secondKeyFolderGetsToolFileAppendedAsItStands_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("tool");

    QTest::newRow("folder") << R"(C:\Tools)" << R"(C:\Tools\MSINFO32.EXE)";
    QTest::newRow("folder ending in a backslash") << R"(C:\Tools\)" << R"(C:\Tools\\MSINFO32.EXE)";
    QTest::newRow("empty folder") << "" << R"(\MSINFO32.EXE)";
}

void tst_StartSysInfo::secondKeyFolderGetsToolFileAppendedAsItStands()
{
    QFETCH(QString, folder);
    QFETCH(QString, tool);
    Launch launch;
    launch.registry.setText(kLocationKey, "MSINFO", folder.toStdString());
    launch.files.existing << tool;

    launch.run();

    QCOMPARE(launch.files.asked, QStringList{tool});
    QCOMPARE(launch.starter.started, QStringList{tool});
    QVERIFY(launch.messages.shown.isEmpty());
}

void tst_StartSysInfo::registryWithoutUsableEntryShowsTheMessageOnce_data()
{
    QTest::addColumn<RegistrySetup>("setup");

    QTest::newRow("neither key") << RegistrySetup([](FakeRegistry &) {});
    QTest::newRow("first key without its value") << RegistrySetup([](FakeRegistry &r) {
        r.setText(kToolKey, "OTHER", R"(C:\x.exe)");
    });
    QTest::newRow("second key folder without the tool file") << RegistrySetup([](FakeRegistry &r) {
        r.setText(kLocationKey, "MSINFO", R"(C:\Tools)");
    });
    QTest::newRow("first value filling the buffer without zero byte") << RegistrySetup(
        [](FakeRegistry &r) { r.set(kToolKey, "PATH", {REG_SZ, std::string(1024, 'x')}); });
    QTest::newRow("second value filling the buffer without zero byte") << RegistrySetup(
        [](FakeRegistry &r) { r.set(kLocationKey, "MSINFO", {REG_SZ, std::string(1024, 'x')}); });
}

void tst_StartSysInfo::registryWithoutUsableEntryShowsTheMessageOnce()
{
    QFETCH(RegistrySetup, setup);
    Launch launch;
    setup(launch.registry);

    launch.run();

    QVERIFY(launch.starter.started.isEmpty());
    QCOMPARE(launch.messages.shown, kUnavailableOnce);
    QCOMPARE(launch.registry.openKeys, 0);
}

void tst_StartSysInfo::programThatCannotBeStartedShowsTheMessage_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("stored");

    const QString notExecutable = m_dir.filePath("not-executable");
    writeFile(notExecutable, "#!/bin/sh\n");
    const auto text = [](const QString &path) { return QFile::encodeName(path) + '\0'; };

    // An expandable string counts as found but leaves the path empty.
    QTest::newRow("expandable string") << uint(REG_EXPAND_SZ) << text("/bin/true");
    QTest::newRow("dword") << uint(REG_DWORD) << QByteArray("\x01\x02\x00\x00", 4);
    QTest::newRow("missing program") << uint(REG_SZ) << text(m_dir.filePath("none"));
    QTest::newRow("file without execute permission") << uint(REG_SZ) << text(notExecutable);
    QTest::newRow("folder") << uint(REG_SZ) << text(m_dir.path());
}

void tst_StartSysInfo::programThatCannotBeStartedShowsTheMessage()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, stored);
    Launch launch;
    launch.registry.set(kToolKey, "PATH", {type, stored.toStdString()});
    launch.registry.setText(kLocationKey, "MSINFO", "/bin");
    DetachedProgramStarter starter;

    StartSysInfo(launch.registry, launch.files, starter, launch.messages);

    QCOMPARE(launch.registry.openAttempts, std::vector{kToolKey});
    QCOMPARE(launch.messages.shown, kUnavailableOnce);
}

QTEST_GUILESS_MAIN(tst_StartSysInfo)
#include "tst_StartSysInfo.moc"
