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

namespace {

// The tool's PATH, then the folder's MSINFO.
const char *const kValues[2][2] = {{lumora::kSysInfoToolKey, lumora::kSysInfoToolValue},
                                   {lumora::kSysInfoLocationKey, lumora::kSysInfoLocationValue}};

bool stored(int value)
{
    return RegGetValueA(HKEY_LOCAL_MACHINE, kValues[value][0], kValues[value][1], RRF_RT_ANY, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

} // namespace

// GetKeyValue and StartSysInfo against Windows' own registry, through advapi32: the two values
// are written as an installer writes them (with their zero byte), and removed again.
class tst_windowsregistry : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;  // holds info.exe and MSINFO32.EXE

    QByteArray inFolder(QByteArray path) const
    {
        return path.replace("<folder>", QDir::toNativeSeparators(m_folder.path()).toLocal8Bit());
    }

private slots:
    void initTestCase()
    {
        // Wine's registry has the first key, without a value; a machine that names a tool keeps it.
        if (stored(0) || stored(1))
            QSKIP("this machine names a system-information tool of its own; it is left alone");
        for (const char *tool : {"info.exe", "MSINFO32.EXE"})
            QVERIFY(QFile(m_folder.filePath(tool)).open(QIODevice::WriteOnly));
    }

    void cleanup()
    {
        for (const auto &[key, value] : kValues)
            RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, key, value);
    }

    void theToolIsFoundThroughTheRegistry_data()
    {
        QTest::addColumn<QByteArrayList>("values");  // as kValues; null: not stored
        QTest::addColumn<uint>("toolType");
        QTest::addColumn<QByteArrayList>("read");    // what GetKeyValue makes of each; null: false
        QTest::addColumn<QByteArray>("started");     // what was started, or tried; null: nothing
        const QByteArray info = "<folder>\\info.exe", gone = "<folder>\\gone.exe", folder = "<folder>", none;
        QTest::newRow("both values") << QByteArrayList{info, folder} << uint(REG_SZ) << QByteArrayList{info, folder} << info;
        QTest::newRow("the folder's value only") << QByteArrayList{none, folder} << uint(REG_SZ)
                                                 << QByteArrayList{none, folder} << QByteArray("<folder>\\MSINFO32.EXE");
        QTest::newRow("neither value") << QByteArrayList{none, none} << uint(REG_SZ) << QByteArrayList{none, none} << none;
        // Found, but the text is left as it was: an empty path, which cannot start.
        QTest::newRow("a value of the wrong type") << QByteArrayList{info, none} << uint(REG_EXPAND_SZ)
                                                   << QByteArrayList{"as passed", none} << QByteArray("");
        QTest::newRow("a tool that is no file") << QByteArrayList{gone, none} << uint(REG_SZ) << QByteArrayList{gone, none}
                                                << gone;
    }

    void theToolIsFoundThroughTheRegistry()
    {
        QFETCH(QByteArrayList, values);
        QFETCH(uint, toolType);
        QFETCH(QByteArrayList, read);
        QFETCH(QByteArray, started);
        const std::unique_ptr<lumora::Registry> registry = lumora::systemRegistry();
        for (int value = 0; value < 2; ++value) {
            const QByteArray text = inFolder(values[value]);
            if (!text.isNull())
                QCOMPARE(RegSetKeyValueA(HKEY_LOCAL_MACHINE, kValues[value][0], kValues[value][1], value ? REG_SZ : toolType,
                                         text.constData(), DWORD(text.size() + 1)), ERROR_SUCCESS);
            std::string keyVal = "as passed";
            const bool found = lumora::GetKeyValue(*registry, reinterpret_cast<lumora::HKEY>(HKEY_LOCAL_MACHINE),
                                                   kValues[value][0], kValues[value][1], keyVal);
            QCOMPARE(found ? QByteArray::fromStdString(keyVal) : QByteArray(), inFolder(read[value]));
        }
        lumora::DiskFileLookup disk;
        lumora::test::FakeSysInfo starter;  // starts nothing; only the two tools count as startable
        starter.existing = {inFolder("<folder>\\info.exe"), inFolder("<folder>\\MSINFO32.EXE")};
        lumora::StartSysInfo(*registry, disk, starter, starter);
        QCOMPARE(starter.started, started.isNull() ? QStringList() : QStringList{inFolder(started)});
        QCOMPARE(starter.shown.size(), qsizetype(!starter.existing.contains(starter.started.value(0))));
    }
};

LUMORA_REGISTER_TEST(tst_windowsregistry)
#include "tst_windowsregistry.moc"
