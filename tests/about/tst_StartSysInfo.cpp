#include "FakeRegistry.h"
#include "MarkScript.h"
#include "SysInfoRecorders.h"

#include "about/DetachedProgramStarter.h"
#include "about/DiskFileLookup.h"
#include "about/StartSysInfo.h"

#include <QTemporaryDir>
#include <QTest>

using namespace lumora;

namespace {

const std::string kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const std::string kLocationKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
const QString kUnavailable = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");

using RegistrySetup = void (*)(FakeRegistry &);

} // namespace

Q_DECLARE_METATYPE(RegistrySetup)

class tst_StartSysInfo : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void firstKeyStartsItsProgramWithoutReadingTheSecond();
    void secondKeyFolderGetsToolFileAppendedAsItStands_data();
    void secondKeyFolderGetsToolFileAppendedAsItStands();
    void secondKeyFolderWithoutToolFileShowsTheMessage();
    void registryWithoutUsableEntryShowsTheMessageOnce_data();
    void registryWithoutUsableEntryShowsTheMessageOnce();
    void programThatCannotBeStartedShowsTheMessage_data();
    void programThatCannotBeStartedShowsTheMessage();
    void toolInFolderNamedBySecondKeyReallyRuns();

private:
    QTemporaryDir m_dir;
    FakeRegistry m_registry;
    RecordingFileLookup m_files;
    RecordingStarter m_starter;
    RecordingMessages m_messages;
};

void tst_StartSysInfo::init()
{
    QVERIFY(m_dir.isValid());
    m_registry = FakeRegistry();
    m_files = RecordingFileLookup();
    m_starter = RecordingStarter();
    m_messages = RecordingMessages();
}

void tst_StartSysInfo::firstKeyStartsItsProgramWithoutReadingTheSecond()
{
    m_registry.setText(kToolKey, "PATH", R"(C:\Tools\sysinfo.exe)");
    m_registry.setText(kLocationKey, "MSINFO", R"(C:\Other)");

    StartSysInfo(m_registry, m_files, m_starter, m_messages);

    QCOMPARE(m_starter.started, QStringList{R"(C:\Tools\sysinfo.exe)"});
    QCOMPARE(m_registry.openAttempts, std::vector{kToolKey});
    QVERIFY(m_files.asked.isEmpty());
    QVERIFY(m_messages.shown.isEmpty());
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
    m_registry.setText(kLocationKey, "MSINFO", folder.toStdString());
    m_files.existing << tool;

    StartSysInfo(m_registry, m_files, m_starter, m_messages);

    QCOMPARE(m_files.asked, QStringList{tool});
    QCOMPARE(m_starter.started, QStringList{tool});
    QVERIFY(m_messages.shown.isEmpty());
}

void tst_StartSysInfo::secondKeyFolderWithoutToolFileShowsTheMessage()
{
    m_registry.setText(kLocationKey, "MSINFO", R"(C:\Tools)");

    StartSysInfo(m_registry, m_files, m_starter, m_messages);

    QCOMPARE(m_files.asked, QStringList{R"(C:\Tools\MSINFO32.EXE)"});
    QVERIFY(m_starter.started.isEmpty());
    QCOMPARE(m_messages.shown, QStringList{kUnavailable});
}

void tst_StartSysInfo::registryWithoutUsableEntryShowsTheMessageOnce_data()
{
    QTest::addColumn<RegistrySetup>("setup");

    QTest::newRow("neither key") << RegistrySetup([](FakeRegistry &) {});
    QTest::newRow("first key without its value") << RegistrySetup([](FakeRegistry &r) {
        r.setText(kToolKey, "OTHER", R"(C:\x.exe)");
    });
    QTest::newRow("first value filling the buffer without zero byte") << RegistrySetup(
        [](FakeRegistry &r) { r.set(kToolKey, "PATH", {REG_SZ, std::string(1024, 'x')}); });
    QTest::newRow("second value filling the buffer without zero byte") << RegistrySetup(
        [](FakeRegistry &r) { r.set(kLocationKey, "MSINFO", {REG_SZ, std::string(1024, 'x')}); });
    QTest::newRow("both keys refused") << RegistrySetup([](FakeRegistry &r) {
        r.denyQueries(kToolKey);
        r.denyQueries(kLocationKey);
    });
}

void tst_StartSysInfo::registryWithoutUsableEntryShowsTheMessageOnce()
{
    QFETCH(RegistrySetup, setup);
    setup(m_registry);

    StartSysInfo(m_registry, m_files, m_starter, m_messages);

    QVERIFY(m_starter.started.isEmpty());
    QCOMPARE(m_messages.shown, QStringList{kUnavailable});
    QCOMPARE(m_registry.openKeys, 0);
}

void tst_StartSysInfo::programThatCannotBeStartedShowsTheMessage_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("stored");

    const QString notExecutable = m_dir.filePath("not-executable");
    writeFile(notExecutable, "#!/bin/sh\n");

    // An expandable string counts as found but leaves the path empty.
    QTest::newRow("expandable string") << uint(REG_EXPAND_SZ) << QByteArray("/bin/true\0", 10);
    QTest::newRow("dword") << uint(REG_DWORD) << QByteArray("\x01\x02\x00\x00", 4);
    const auto text = [](const QString &path) { return QFile::encodeName(path) + '\0'; };
    QTest::newRow("missing program") << uint(REG_SZ) << text(m_dir.filePath("none"));
    QTest::newRow("file without execute permission") << uint(REG_SZ) << text(notExecutable);
    QTest::newRow("folder") << uint(REG_SZ) << text(m_dir.path());
}

void tst_StartSysInfo::programThatCannotBeStartedShowsTheMessage()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, stored);
    m_registry.set(kToolKey, "PATH", {type, stored.toStdString()});
    m_registry.setText(kLocationKey, "MSINFO", "/bin");
    DetachedProgramStarter starter;

    StartSysInfo(m_registry, m_files, starter, m_messages);

    QCOMPARE(m_registry.openAttempts, std::vector{kToolKey});
    QCOMPARE(m_messages.shown, QStringList{kUnavailable});
}

void tst_StartSysInfo::toolInFolderNamedBySecondKeyReallyRuns()
{
    // On this system the backslash is part of the file name, so the folder's value plus
    // "\MSINFO32.EXE" names a file beside it.
    const QString folder = m_dir.filePath("tools");
    const QString tool = folder + QStringLiteral("\\MSINFO32.EXE");
    writeMarkScript(tool);
    m_registry.setText(kLocationKey, "MSINFO", QFile::encodeName(folder).toStdString());
    DiskFileLookup files;
    DetachedProgramStarter starter;

    StartSysInfo(m_registry, files, starter, m_messages);

    QTRY_VERIFY(QFile::exists(markOf(tool)));
    QVERIFY(m_messages.shown.isEmpty());
}

QTEST_GUILESS_MAIN(tst_StartSysInfo)
#include "tst_StartSysInfo.moc"
