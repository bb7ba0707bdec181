#include "about/DetachedProgramStarter.h"
#include "about/DiskFileLookup.h"
#include "about/GetKeyValue.h"
#include "about/Registry_linux.h"
#include "about/StartSysInfo.h"
#include "about/SysInfoKeys.h"
#include "support/RaisedError.h"
#include "support/ScriptedDialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace lumora;

class RegistryLinuxTest : public QObject
{
    Q_OBJECT

    test::ScriptedDialogs m_dialogs;

private slots:
    // The registry that stands in for the Windows one names the first installed candidate.
    void linuxRegistry_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("installed");  // in the candidates' order
        QTest::newRow("every candidate") << LinuxRegistry::sysInfoPrograms();
        QTest::newRow("later candidates only") << LinuxRegistry::sysInfoPrograms().mid(1, 2);
        // clang-format on
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
        QCOMPARE(registry.RegQueryValueExA(key, "path", type, nullptr, size), 234); // ERROR_MORE_DATA
        QCOMPARE(qsizetype(size), QFile::encodeName(bin.filePath(installed.first())).size() + 1);
    }
};

QTEST_GUILESS_MAIN(RegistryLinuxTest)
#include "tst_registry_linux.moc"
