#include "MarkScript.h"
#include "SysInfoRecorders.h"

#include "about/DetachedProgramStarter.h"
#include "about/DiskFileLookup.h"
#include "about/GetKeyValue.h"
#include "about/LinuxRegistry.h"
#include "about/StartSysInfo.h"

#include "support/TestMain.h"
#include <QTemporaryDir>
#include <QTest>

using namespace lumora;

namespace {

const std::string kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";

QString candidate(int index)
{
    return LinuxRegistry::sysInfoPrograms().at(index);
}

} // namespace

class tst_SysInfoPlatform : public QObject
{
    Q_OBJECT

private slots:
    void theRegistryNamesTheFirstInstalledProgram_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("named");  // empty: no key at all
        const QStringList &all = LinuxRegistry::sysInfoPrograms();
        QTest::newRow("every candidate") << all << all.first();
        QTest::newRow("later candidates only") << all.mid(1, 2) << all.at(1);
        QTest::newRow("none") << QStringList() << QString();
    }

    void theRegistryNamesTheFirstInstalledProgram()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, named);
        QTemporaryDir bin;
        // Installed in reverse, so the order of the candidates decides and not that of the folder.
        for (auto program = installed.crbegin(); program != installed.crend(); ++program)
            writeMarkScript(bin.filePath(*program));
        // A file of the first candidate's name that cannot run is no program.
        if (!installed.contains(candidate(0)))
            writeFile(bin.filePath(candidate(0)), "#!/bin/sh\n");
        LinuxRegistry registry({bin.path()});
        std::string path;
        QCOMPARE(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kToolKey, "PATH", path), !named.isEmpty());
        QCOMPARE(QFile::decodeName(path.c_str()), named.isEmpty() ? QString() : bin.filePath(named));
    }

    void theToolPathIsNotCopiedIntoABufferTooSmallForIt()
    {
        QTemporaryDir bin;
        writeMarkScript(bin.filePath(candidate(0)));
        LinuxRegistry registry({bin.path()});
        HKEY key = 0;
        QCOMPARE(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kToolKey, 0, kKeyValueAccess, key), ERROR_SUCCESS);
        const std::uint32_t needed = QFile::encodeName(bin.filePath(candidate(0))).size() + 1;
        std::vector<unsigned char> buffer(needed);
        std::uint32_t type = 0;
        std::uint32_t size = needed - 1;
        QVERIFY(registry.RegQueryValueExA(key, "PATH", type, buffer.data(), size) != ERROR_SUCCESS);
        QCOMPARE(size, needed);
        QCOMPARE(buffer, std::vector<unsigned char>(needed));
    }

    void theButtonStartsTheInstalledProgram()
    {
        QTemporaryDir bin;
        const QString program = bin.filePath(candidate(1));
        writeMarkScript(program);
        LinuxRegistry registry({bin.path()});
        DiskFileLookup files;
        DetachedProgramStarter starter;
        RecordingMessages messages;
        StartSysInfo(registry, files, starter, messages);
        QTRY_VERIFY(QFile::exists(program + ".started"));
        QVERIFY(messages.shown.isEmpty());
    }
};

LUMORA_REGISTER_TEST(tst_SysInfoPlatform)
#include "tst_SysInfoPlatform.moc"
