#include "about/AboutForm.h"
#include "about/CommonDialog.h"
#include "about/DetachedProgramStarter.h"
#include "about/DiskFileLookup.h"
#include "about/GetKeyValue.h"
#include "about/HelpViewer.h"
#include "about/LinuxRegistry.h"
#include "about/Registry.h"
#include "about/StartSysInfo.h"
#include "about/SysInfoKeys.h"
#include "about/SysInfoPorts.h"
#include "about/SysInfoServices.h"
#include "levels/LevelForm.h"
#include "support/WindowTestSupport.h"
#include "core/RuntimeError.h"

#include "support/TestMain.h"
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <map>
#include <utility>

using namespace lumora;
using namespace Qt::StringLiterals;

namespace {

// The registry, disk and process table held in memory. It counts the keys left open and remembers
// what it started; only the files in `existing` can be started.
class FakeSysInfo : public Registry, public FileLookup, public ProgramStarter
{
public:
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::string>>> keys;  // type, bytes
    int openKeys = 0;
    std::string offeredBuffer;
    QStringList existing, started;
    std::string openedKey;

    std::int32_t RegOpenKeyExA(HKEY root, const std::string &subKey, std::uint32_t, std::uint32_t,
                               HKEY &opened) override
    {
        if (root != HKEY_LOCAL_MACHINE || !keys.contains(subKey))
            return 2;  // ERROR_FILE_NOT_FOUND
        openedKey = subKey;
        opened = ++openKeys;
        return ERROR_SUCCESS;
    }

    std::int32_t RegQueryValueExA(HKEY, const std::string &valueName, std::uint32_t &valueType,
                                  unsigned char *data, std::uint32_t &dataSize) override
    {
        offeredBuffer.assign(data, data + dataSize);
        if (!keys[openedKey].contains(valueName))
            return 2;  // ERROR_FILE_NOT_FOUND
        const auto &[type, bytes] = keys[openedKey][valueName];
        if (std::exchange(dataSize, std::uint32_t(bytes.size())) < bytes.size())
            return 234;  // ERROR_MORE_DATA
        valueType = type;
        std::memcpy(data, bytes.data(), dataSize);
        return ERROR_SUCCESS;
    }

    std::int32_t RegCloseKey(HKEY) override { return --openKeys, ERROR_SUCCESS; }
    bool fileExists(const std::string &path) override { return existing.contains(path.c_str()); }

    void start(const std::string &path) override
    {
        started << path.c_str();
        if (!existing.contains(path.c_str()))
            raise(ErrorCode::FileNotFound);
    }
};

} // namespace

// Reading the registry, finding and starting the system-information tool, and the About window and
// help viewer as the level windows reach them.
class tst_about : public QObject
{
    Q_OBJECT

    test::ScriptedDialogs m_dialogs;
    ui::DialogsOverride m_dialogsOverride{m_dialogs};
    FakeSysInfo m_noTool;  // so that no test starts a program of this machine
    SysInfoServicesOverride m_sysInfo{{&m_noTool, sysInfoServices().files, &m_noTool}};

private slots:
    void initTestCase() { test::prepareProgram(); }
    void init() { m_dialogs = {}; }
    void cleanup() { test::discardAllWindows(); }

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
        // Each byte in hex without a leading zero, the last first.
        row("dword as hex, cut at its first zero byte", REG_DWORD, QByteArray("\x0A\x10\x00\x0B", 4), "&h10A");
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
        QCOMPARE(test::raisedError([&] {
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
        QTest::newRow("a folder ending in \\") << QString() << R"(C:\T\)" << R"(C:\T\\MSINFO32.EXE)" << false;
        QTest::newRow("a folder without the tool") << QString() << R"(C:\Empty)" << QString() << true;
        QTest::newRow("an error reading the key") << QString(1024, u'x') << R"(C:\T)" << QString() << true;
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

#ifdef Q_OS_WIN
    // Against Windows' own registry: the value written as an installer writes it, removed again.
    void windowsOwnRegistryIsRead_data()
    {
        QTest::addColumn<QVariant>("stored");  // invalid: none
        QTest::addColumn<QString>("read");     // null: GetKeyValue is false
        QTest::newRow("a text") << QVariant(R"(C:\T\info.exe)") << R"(C:\T\info.exe)";
        QTest::newRow("a number") << QVariant(10) << "&hA";
        QTest::newRow("none") << QVariant() << QString();
    }

    void windowsOwnRegistryIsRead()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, read);
        QSettings key(u"HKEY_LOCAL_MACHINE\\"_s + kSysInfoToolKey, QSettings::NativeFormat);
        if (key.contains(kSysInfoToolValue))
            QSKIP("this machine names a system-information tool of its own; it is left alone");
        const auto remove = qScopeGuard([&] { key.remove(kSysInfoToolValue); });
        if (stored.isValid())
            key.setValue(kSysInfoToolValue, stored);
        key.sync();
        std::string keyVal;
        const bool found = GetKeyValue(*systemRegistry(), HKEY_LOCAL_MACHINE, kSysInfoToolKey, kSysInfoToolValue, keyVal);
        QCOMPARE(found ? QString::fromStdString(keyVal) : QString(), read);
    }
#endif

#ifndef Q_OS_WIN
    // The registry that stands in for the Windows one names the first installed candidate.
    void linuxRegistry_data()
    {
        QTest::addColumn<QStringList>("installed");  // in the candidates' order
        QTest::newRow("every candidate") << LinuxRegistry::sysInfoPrograms();
        QTest::newRow("later candidates only") << LinuxRegistry::sysInfoPrograms().mid(1, 2);
    }

    void linuxRegistry()
    {
        QFETCH(QStringList, installed);
        QTemporaryDir bin;
        // A file of the first candidate's name that cannot run is no program, unless installed below.
        QVERIFY(QFile(bin.filePath(LinuxRegistry::sysInfoPrograms().first())).open(QIODevice::WriteOnly));
        // Stand-ins that only leave their name + ".started" behind, installed in reverse so that the
        // order of the candidates decides and not that of the folder.
        for (auto program = installed.crbegin(); program != installed.crend(); ++program) {
            QFile file(bin.filePath(*program));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n: > \"$0.started\"\n") > 0);
            QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
        }
        LinuxRegistry registry({bin.path()});
        DetachedProgramStarter starter;
        DiskFileLookup disk;
        StartSysInfo(registry, disk, starter, m_dialogs, nullptr);
        QVERIFY(m_dialogs.messages.empty());
        QTRY_VERIFY(QFile::exists(bin.filePath(installed.first()) + ".started"));
        QCOMPARE(test::raisedError([&] { starter.start(QFile::encodeName(bin.filePath("gone")).toStdString()); }), 53);
        // The value, named in any case, is stored with its terminating zero; an empty buffer is
        // only told the size it needs.
        HKEY key = 0;
        std::uint32_t type = 0, size = 0;
        QCOMPARE(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSysInfoToolKey, 0, kKeyValueAccess, key), ERROR_SUCCESS);
        QCOMPARE(registry.RegQueryValueExA(key, "path", type, nullptr, size), 234);  // ERROR_MORE_DATA
        QCOMPARE(qsizetype(size), QFile::encodeName(bin.filePath(installed.first())).size() + 1);
    }
#endif

    void theLevelWindowsOpenThemAndKeysCloseThem_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<QKeyCombination>("key");
        QTest::newRow("About, Return") << false << QKeyCombination(Qt::Key_Return);
        QTest::newRow("About, Escape") << false << QKeyCombination(Qt::Key_Escape);
        // The viewer ignored the desktop's close keys.
        QTest::newRow("help, Escape") << true << QKeyCombination(Qt::Key_Escape);
        QTest::newRow("help, Ctrl+W") << true << (Qt::ControlModifier | Qt::Key_W);
    }

    void theLevelWindowsOpenThemAndKeysCloseThem()
    {
        QFETCH(bool, help);
        QFETCH(QKeyCombination, key);
        frmFirst().showForm();
        QTRY_VERIFY(frmFirst().isActiveWindow());
        if (help)
            QTest::keyClick(frmFirst().windowHandle(), Qt::Key_F1);
        // Asked for again from another level window, the one window comes to the front.
        frmThird().menuEntry(help ? "menOnlineHelp" : "menAbout").trigger();
        ui::Form &window = help ? static_cast<ui::Form &>(frmHelp()) : frmAbout();
        if (help) {
            QCOMPARE(frmHelp().page(), QUrl(QStringLiteral("qrc:/help/lumora-help.html")));
        } else {
            QCOMPARE(frmAbout().windowTitle(), ui::applicationTitle() + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
            QCOMPARE(frmAbout().caption("lblVersion"), QStringLiteral("Version 2.1.7"));
            // The button asks the services; without a tool the player is told so, in a box with the
            // application's title.
            QTest::mouseClick(&frmAbout().control("cmdSysInfo"), Qt::LeftButton);
            QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
            QCOMPARE(m_dialogs.messages.front().prompt, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
            QVERIFY(m_dialogs.messages.front().title.isEmpty() && m_dialogs.messages.front().owner == &frmAbout());
            frmAbout().control("cmdOK").setFocus();  // where the window opened, for Return
        }
        QTRY_VERIFY(window.isActiveWindow());
        QVERIFY2(!window.windowHandle()->transientParent(), "help and About stand on their own");
        QTest::keyClick(window.windowHandle(), key.key(), key.keyboardModifiers());
        QCOMPARE(test::loadedFormNames(), (QStringList{"frmFirst", "frmThird"}));
    }

    void helpThatCannotBeShownIsReportedAndTheProgramGoesOn_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("command");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/lumora-help.html") << 9;
        QTest::newRow("a command other than 9 raises error 5") << QString(kLumoraHelpFile) << 1;
    }

    void helpThatCannotBeShownIsReportedAndTheProgramGoesOn()
    {
        QFETCH(QString, file);
        QFETCH(int, command);
        frmFirst().showForm();
        CommonDialog cdlHelp(&frmFirst(), file);
        cdlHelp.HelpCommand = std::int16_t(command);
        QCOMPARE(test::raisedError([&] { cdlHelp.ShowHelp(); }), command == 9 ? 0 : 5);
        QCOMPARE(m_dialogs.warnings.size(), std::size_t(command == 9));
        if (command == 9)
            QVERIFY(m_dialogs.warnings.front().prompt.startsWith(QStringLiteral("ヘルプを表示できません。"))
                    && m_dialogs.warnings.front().owner == &frmFirst());
        QCOMPARE(test::loadedFormNames(), QStringList{"frmFirst"});
    }
};

LUMORA_REGISTER_TEST(tst_about)
#include "tst_about.moc"
