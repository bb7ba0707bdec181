#include "FakeSysInfo.h"

#include "about/DetachedProgramStarter.h"
#include "about/GetKeyValue.h"
#include "about/LinuxRegistry.h"
#include "about/StartSysInfo.h"
#include "about/SysInfoKeys.h"

#include "support/TestMain.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace lumora;

class tst_LinuxRegistry : public QObject
{
    Q_OBJECT

    const QStringList &m_candidates = LinuxRegistry::sysInfoPrograms();
    std::optional<QTemporaryDir> m_bin;

    // A stand-in for a system-information program: a script that only leaves `name` + ".started" behind.
    void install(const QString &name, bool executable = true)
    {
        QFile file(m_bin->filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("#!/bin/sh\n: > \"$0.started\"\n") > 0);
        QVERIFY(file.setPermissions(file.permissions().setFlag(QFile::ExeOwner, executable)));
    }

private slots:
    void init() { m_bin.emplace(); }

    void theToolKeyNamesTheFirstInstalledProgram_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("named");  // empty: no key at all
        QTest::newRow("every candidate") << m_candidates << m_candidates.first();
        QTest::newRow("later candidates only") << m_candidates.mid(1, 2) << m_candidates.at(1);
        QTest::newRow("none") << QStringList() << QString();
    }

    void theToolKeyNamesTheFirstInstalledProgram()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, named);
        // Installed in reverse, so the order of the candidates decides and not that of the folder.
        for (auto program = installed.crbegin(); program != installed.crend(); ++program)
            install(*program);
        // A file of the first candidate's name that cannot run is no program.
        if (!installed.contains(m_candidates.first()))
            install(m_candidates.first(), false);
        LinuxRegistry registry({m_bin->path()});
        std::string path;
        QCOMPARE(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kSysInfoToolKey, "path", path), !named.isEmpty());
        QCOMPARE(QFile::decodeName(path.c_str()), named.isEmpty() ? QString() : m_bin->filePath(named));
        QVERIFY(!GetKeyValue(registry, HKEY_LOCAL_MACHINE, kSysInfoToolKey, "MSINFO", path));
        QVERIFY(!GetKeyValue(registry, HKEY_LOCAL_MACHINE, kSysInfoLocationKey, "PATH", path));
    }

    void theButtonStartsTheInstalledProgram()
    {
        install(m_candidates.at(1));
        const QString program = m_bin->filePath(m_candidates.at(1));
        LinuxRegistry registry({m_bin->path()});
        // The value is stored with its terminating zero; an empty buffer is only told the size it needs.
        HKEY key = 0;
        std::uint32_t type = 0, size = 0;
        QCOMPARE(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSysInfoToolKey, 0, kKeyValueAccess, key), ERROR_SUCCESS);
        QCOMPARE(registry.RegQueryValueExA(key, kSysInfoToolValue, type, nullptr, size), 234);  // ERROR_MORE_DATA
        QCOMPARE(qsizetype(size), QFile::encodeName(program).size() + 1);

        DetachedProgramStarter starter;
        FakeSysInfo system;
        StartSysInfo(registry, system, starter, system);
        QTRY_VERIFY(QFile::exists(program + ".started"));
        QVERIFY(system.shown.isEmpty());
        QCOMPARE(raisedError([&] { starter.start(QFile::encodeName(program + "x").toStdString()); }), 53);
    }
};

LUMORA_REGISTER_TEST(tst_LinuxRegistry)
#include "tst_LinuxRegistry.moc"
