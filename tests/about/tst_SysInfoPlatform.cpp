#include "MarkScript.h"
#include "SysInfoRecorders.h"

#include "about/DetachedProgramStarter.h"
#include "about/DiskFileLookup.h"
#include "about/GetKeyValue.h"
#include "about/LinuxRegistry.h"
#include "about/StartSysInfo.h"

#include <QDir>
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

    void theRegistryAnswersNothingButTheToolPath_data()
    {
        QTest::addColumn<quintptr>("root");
        QTest::addColumn<QString>("keyName");
        QTest::addColumn<QString>("valueName");
        QTest::addColumn<bool>("found");
        const QString toolKey = QString::fromStdString(kToolKey);
        QTest::newRow("names in another case") << quintptr(HKEY_LOCAL_MACHINE) << toolKey.toLower() << "path" << true;
        QTest::newRow("the tool folder")
            << quintptr(HKEY_LOCAL_MACHINE) << R"(SOFTWARE\Microsoft\Shared Tools Location)" << "MSINFO" << false;
        QTest::newRow("another value") << quintptr(HKEY_LOCAL_MACHINE) << toolKey << "MSINFO" << false;
        QTest::newRow("another root") << quintptr(HKEY_LOCAL_MACHINE + 1) << toolKey << "PATH" << false;
    }

    void theRegistryAnswersNothingButTheToolPath()
    {
        QFETCH(quintptr, root);
        QFETCH(QString, keyName);
        QFETCH(QString, valueName);
        QFETCH(bool, found);
        QTemporaryDir bin;
        writeMarkScript(bin.filePath(candidate(0)));
        LinuxRegistry registry({bin.path()});
        std::string value;
        QCOMPARE(GetKeyValue(registry, root, keyName.toStdString(), valueName.toStdString(), value), found);
    }

    void theToolPathComesOnlyWhenItFitsTheBuffer_data()
    {
        QTest::addColumn<int>("pathLength");
        QTest::addColumn<bool>("fits");
        QTest::newRow("1023 bytes and the zero byte") << 1023 << true;
        QTest::newRow("1024 bytes and the zero byte") << 1024 << false;
    }

    void theToolPathComesOnlyWhenItFitsTheBuffer()
    {
        QFETCH(int, pathLength);
        QFETCH(bool, fits);
        QTemporaryDir dir;
        // Nested folders of at most 200 characters bring the program's path to the wanted length.
        QString folder = dir.path();
        for (qsizetype left; (left = pathLength - folder.size() - candidate(0).size() - 2) > 0;)
            folder += u'/' + QString(std::min<qsizetype>(left, 200), u'd');
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(folder.size() + 1 + candidate(0).size(), pathLength);
        writeMarkScript(folder + u'/' + candidate(0));
        LinuxRegistry registry({folder});
        std::string path;
        QCOMPARE(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kToolKey, "PATH", path), fits);
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

    void fileLookupFindsOnlyPlainFiles()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("file"), "x");
        const auto exists = [](const QString &path) { return DiskFileLookup().fileExists(path.toStdString()); };
        QVERIFY(exists(dir.filePath("file")));
        QVERIFY(!exists(dir.path()));
        QVERIFY(!exists(dir.filePath("missing")));
    }
};

QTEST_GUILESS_MAIN(tst_SysInfoPlatform)
#include "tst_SysInfoPlatform.moc"
