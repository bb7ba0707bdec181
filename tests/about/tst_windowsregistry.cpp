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

// GetKeyValue and StartSysInfo against Windows' own registry, through advapi32: the two values
// are written as an installer writes them (with their zero byte), and removed again.
class tst_windowsregistry : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;  // holds info.exe and MSINFO32.EXE, and an empty folder
    const char *const m_values[2][2] = {{lumora::kSysInfoToolKey, lumora::kSysInfoToolValue},
                                        {lumora::kSysInfoLocationKey, lumora::kSysInfoLocationValue}};

    QByteArray inFolder(QByteArray path) const
    {
        return path.replace("<folder>", QDir::toNativeSeparators(m_folder.path()).toLocal8Bit());
    }

    bool eitherStored() const
    {
        return RegGetValueA(HKEY_LOCAL_MACHINE, m_values[0][0], m_values[0][1], RRF_RT_ANY, nullptr, nullptr, nullptr) == 0
               || RegGetValueA(HKEY_LOCAL_MACHINE, m_values[1][0], m_values[1][1], RRF_RT_ANY, nullptr, nullptr, nullptr) == 0;
    }

private slots:
    void initTestCase()
    {
        // Wine's registry has the first key, without a value.
        if (eitherStored())
            QSKIP("this machine names a system-information tool of its own; it is left alone");
        QVERIFY(QDir(m_folder.path()).mkdir("empty"));
        QVERIFY(QFile(m_folder.filePath("info.exe")).open(QIODevice::WriteOnly));
        QVERIFY(QFile(m_folder.filePath("MSINFO32.EXE")).open(QIODevice::WriteOnly));
    }

    void cleanup()
    {
        for (const auto &[key, value] : m_values)
            RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, key, value);
        QVERIFY(!eitherStored());
    }

    void theToolIsFoundThroughTheRegistry_data()
    {
        QTest::addColumn<QByteArray>("tool");      // the first key's PATH; null: none
        QTest::addColumn<QByteArray>("folder");    // the second key's MSINFO; null: none
        QTest::addColumn<uint>("toolType");
        QTest::addColumn<QByteArray>("toolRead");  // what GetKeyValue makes of PATH; null: false
        QTest::addColumn<QByteArray>("started");   // what was started, or tried; null: nothing
        QTest::addColumn<bool>("unavailable");     // the message shown
        const auto row = [](const char *name, const QByteArray &tool, const QByteArray &folder, const QByteArray &toolRead,
                            const QByteArray &started, bool unavailable, uint toolType = REG_SZ) {
            QTest::newRow(name) << tool << folder << toolType << toolRead << started << unavailable;
        };
        const QByteArray info = "<folder>\\info.exe", gone = "<folder>\\gone.exe", none;
        row("both values", info, "<folder>", info, info, false);
        row("the tool's value only", info, none, info, info, false);
        row("the folder's value only", none, "<folder>", none, "<folder>\\MSINFO32.EXE", false);
        row("neither value", none, none, none, none, true);
        // Found, but the text is left as it was: an empty path, which cannot start.
        row("a value of the wrong type", info, none, "as passed", "", true, REG_EXPAND_SZ);
        row("a tool that is no file", gone, none, gone, gone, true);
        row("a folder without the tool", none, "<folder>\\empty", none, none, true);
    }

    void theToolIsFoundThroughTheRegistry()
    {
        QFETCH(QByteArray, tool);
        QFETCH(QByteArray, folder);
        QFETCH(uint, toolType);
        QFETCH(QByteArray, toolRead);
        QFETCH(QByteArray, started);
        QFETCH(bool, unavailable);
        const QByteArray stored[2] = {inFolder(tool), inFolder(folder)};
        for (int i = 0; i < 2; ++i)
            if (!stored[i].isNull())
                QCOMPARE(RegSetKeyValueA(HKEY_LOCAL_MACHINE, m_values[i][0], m_values[i][1], i ? REG_SZ : toolType,
                                         stored[i].constData(), DWORD(stored[i].size() + 1)), 0);

        const auto registry = lumora::systemRegistry();
        const auto read = [&](int i) {
            std::string text = "as passed";
            const bool found = lumora::GetKeyValue(*registry, reinterpret_cast<lumora::HKEY>(HKEY_LOCAL_MACHINE), m_values[i][0],
                                           m_values[i][1], text);
            return found ? QByteArray::fromStdString(text) : QByteArray();
        };
        QCOMPARE(read(0), inFolder(toolRead));
        QCOMPARE(read(1), stored[1]);

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
