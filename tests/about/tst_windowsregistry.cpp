// FakeSysInfo.h (with Registry.h) before <windows.h>: the constants it declares are macros there.
#include "about/DiskFileLookup.h"
#include "about/FakeSysInfo.h"
#include "about/GetKeyValue.h"
#include "about/StartSysInfo.h"
#include "about/SysInfoKeys.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

// GetKeyValue and StartSysInfo against Windows' own registry, through advapi32: the keys are
// written as an installer would write them, and removed again.
class tst_windowsregistry : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;  // holds info.exe and MSINFO32.EXE, and an empty folder
    const lumora::HKEY m_machine = reinterpret_cast<lumora::HKEY>(HKEY_LOCAL_MACHINE);

    QByteArray inFolder(QByteArray path) const
    {
        return path.replace("<folder>", QDir::toNativeSeparators(m_folder.path()).toLocal8Bit());
    }

    void store(const char *key, const char *name, DWORD type, const QByteArray &value)
    {
        HKEY opened = nullptr;
        QCOMPARE(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr), 0);
        // Stored with its zero byte, as an installer writes a text.
        const LSTATUS status = RegSetValueExA(opened, name, 0, type, reinterpret_cast<const BYTE *>(value.constData()),
                                              DWORD(value.size() + 1));
        RegCloseKey(opened);
        QCOMPARE(status, 0);
    }

    static bool stored(const char *key, const char *name)
    {
        return RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_ANY, nullptr, nullptr, nullptr) == 0;
    }

    static bool eitherStored()
    {
        return stored(lumora::kSysInfoToolKey, lumora::kSysInfoToolValue)
               || stored(lumora::kSysInfoLocationKey, lumora::kSysInfoLocationValue);
    }

private slots:
    void initTestCase()
    {
        // Wine's registry has the first key, without a value.
        if (eitherStored())
            QSKIP("this machine names a system-information tool of its own; it is left alone");
        QVERIFY(QDir(m_folder.path()).mkdir("empty"));
        for (const char *tool : {"info.exe", "MSINFO32.EXE"})
            QVERIFY(QFile(m_folder.filePath(tool)).open(QIODevice::WriteOnly));
    }

    void cleanup()
    {
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, lumora::kSysInfoToolKey, lumora::kSysInfoToolValue);
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, lumora::kSysInfoLocationKey, lumora::kSysInfoLocationValue);
        QVERIFY(!eitherStored());
    }

    void theToolIsFoundThroughTheRegistry_data()
    {
        QTest::addColumn<uint>("toolType");
        QTest::addColumn<QByteArray>("tool");      // the first key's PATH; null: none
        QTest::addColumn<QByteArray>("folder");    // the second key's MSINFO; null: none
        QTest::addColumn<QByteArray>("toolRead");  // what GetKeyValue makes of PATH; null: false
        QTest::addColumn<QByteArray>("started");   // what was started, or tried; null: nothing
        QTest::addColumn<bool>("unavailable");     // the message shown
        const QByteArray info = "<folder>\\info.exe", gone = "<folder>\\gone.exe", none;
        QTest::newRow("both values") << uint(REG_SZ) << info << QByteArray("<folder>") << info << info << false;
        QTest::newRow("the tool's value only") << uint(REG_SZ) << info << none << info << info << false;
        QTest::newRow("the folder's value only") << uint(REG_SZ) << none << QByteArray("<folder>") << none
                                               << QByteArray("<folder>\\MSINFO32.EXE") << false;
        QTest::newRow("neither value") << uint(REG_SZ) << none << none << none << none << true;
        // Found, but the text is left as it was: an empty path, which cannot start.
        QTest::newRow("a value of the wrong type") << uint(REG_EXPAND_SZ) << info << none
                                                   << QByteArray("as passed") << QByteArray("") << true;
        QTest::newRow("a tool that is no file") << uint(REG_SZ) << gone << none << gone << gone << true;
        QTest::newRow("a folder without the tool") << uint(REG_SZ) << none << QByteArray("<folder>\\empty")
                                                   << none << none << true;
    }

    void theToolIsFoundThroughTheRegistry()
    {
        QFETCH(uint, toolType);
        QFETCH(QByteArray, tool);
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, toolRead);
        QFETCH(QByteArray, started);
        QFETCH(bool, unavailable);
        if (!tool.isNull())
            store(lumora::kSysInfoToolKey, lumora::kSysInfoToolValue, toolType, inFolder(tool));
        if (!folder.isNull())
            store(lumora::kSysInfoLocationKey, lumora::kSysInfoLocationValue, REG_SZ, inFolder(folder));

        const auto registry = lumora::systemRegistry();
        const auto read = [&](const char *key, const char *value) {
            std::string text = "as passed";
            const bool found = lumora::GetKeyValue(*registry, m_machine, key, value, text);
            return found ? QByteArray::fromStdString(text) : QByteArray();
        };
        QCOMPARE(read(lumora::kSysInfoToolKey, lumora::kSysInfoToolValue), inFolder(toolRead));
        QCOMPARE(read(lumora::kSysInfoLocationKey, lumora::kSysInfoLocationValue), inFolder(folder));

        lumora::DiskFileLookup disk;
        lumora::test::FakeSysInfo starter;  // starts nothing; only the two tools count as startable
        starter.existing = {inFolder("<folder>\\info.exe"), inFolder("<folder>\\MSINFO32.EXE")};
        lumora::StartSysInfo(*registry, disk, starter, starter);
        QCOMPARE(starter.started, started.isNull() ? QStringList() : QStringList{inFolder(started)});
        QCOMPARE(starter.shown.size(), qsizetype(unavailable));
    }
};

LUMORA_REGISTER_TEST(tst_windowsregistry)
#include "tst_windowsregistry.moc"
