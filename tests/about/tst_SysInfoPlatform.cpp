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
    void registryNamesTheFirstInstalledProgram_data();
    void registryNamesTheFirstInstalledProgram();
    void registryAnswersOnlyTheToolPath_data();
    void registryAnswersOnlyTheToolPath();
    void registryGivesThePathOnlyWhenItFitsTheBuffer_data();
    void registryGivesThePathOnlyWhenItFitsTheBuffer();
    void buttonStartsTheInstalledProgram();
    void buttonWithoutRunnableProgramShowsTheMessage();
    void fileLookupFindsOnlyPlainFiles();
};

void tst_SysInfoPlatform::registryNamesTheFirstInstalledProgram_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected");

    const QStringList &all = LinuxRegistry::sysInfoPrograms();
    QTest::newRow("every candidate") << all << all.first();
    QTest::newRow("last candidate alone") << QStringList{all.last()} << all.last();
    QTest::newRow("two later candidates") << all.mid(1, 2) << all.at(1);
}

void tst_SysInfoPlatform::registryNamesTheFirstInstalledProgram()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);
    QTemporaryDir bin;
    // Installed in reverse, so the order of the candidates decides and not that of the folder.
    for (auto program = installed.crbegin(); program != installed.crend(); ++program)
        writeMarkScript(bin.filePath(*program));
    LinuxRegistry registry({bin.path()});
    std::string path;

    QVERIFY(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kToolKey, "PATH", path));
    QCOMPARE(QFile::decodeName(path.c_str()), bin.filePath(expected));
}

void tst_SysInfoPlatform::registryAnswersOnlyTheToolPath_data()
{
    QTest::addColumn<quintptr>("root");
    QTest::addColumn<QString>("keyName");
    QTest::addColumn<QString>("valueName");
    QTest::addColumn<bool>("found");

    const quintptr machine = HKEY_LOCAL_MACHINE;
    const QString toolKey = QString::fromStdString(kToolKey);
    QTest::newRow("the tool path") << machine << toolKey << "PATH" << true;
    QTest::newRow("names in another case")
        << machine << R"(software\microsoft\shared tools\msinfo)" << "path" << true;
    QTest::newRow("the tool folder")
        << machine << R"(SOFTWARE\Microsoft\Shared Tools Location)" << "MSINFO" << false;
    QTest::newRow("another value") << machine << toolKey << "MSINFO" << false;
    QTest::newRow("a parent key")
        << machine << R"(SOFTWARE\Microsoft\Shared Tools)" << "PATH" << false;
    QTest::newRow("another root") << quintptr(HKEY_LOCAL_MACHINE + 1) << toolKey << "PATH" << false;
}

void tst_SysInfoPlatform::registryAnswersOnlyTheToolPath()
{
    QFETCH(quintptr, root);
    QFETCH(QString, keyName);
    QFETCH(QString, valueName);
    QFETCH(bool, found);
    QTemporaryDir bin;
    writeMarkScript(bin.filePath(candidate(0)));
    LinuxRegistry registry({bin.path()});
    std::string value;

    QCOMPARE(GetKeyValue(registry, root, keyName.toStdString(), valueName.toStdString(), value),
             found);
    QCOMPARE(value.empty(), !found);
}

void tst_SysInfoPlatform::registryGivesThePathOnlyWhenItFitsTheBuffer_data()
{
    QTest::addColumn<int>("pathLength");
    QTest::addColumn<bool>("fits");

    QTest::newRow("1023 bytes and the zero byte") << 1023 << true;
    QTest::newRow("1024 bytes and the zero byte") << 1024 << false;
}

void tst_SysInfoPlatform::registryGivesThePathOnlyWhenItFitsTheBuffer()
{
    QFETCH(int, pathLength);
    QFETCH(bool, fits);
    QTemporaryDir dir;
    // Nested folders of at most 200 characters bring the program's path to the wanted length.
    QString folder = dir.path();
    for (qsizetype left; (left = pathLength - folder.size() - candidate(0).size() - 2) > 0;)
        folder += u'/' + QString(std::min<qsizetype>(left, 200), u'd');
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u'/' + candidate(0);
    QCOMPARE(path.size(), pathLength);
    writeMarkScript(path);
    LinuxRegistry registry({folder});
    HKEY key = 0;
    QCOMPARE(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kToolKey, 0, kKeyValueAccess, key),
             ERROR_SUCCESS);
    std::vector<unsigned char> buffer(kKeyValueBufferSize);
    std::uint32_t valueType = 0;
    std::uint32_t size = kKeyValueBufferSize;

    const auto result = registry.RegQueryValueExA(key, "PATH", valueType, buffer.data(), size);

    QCOMPARE(result == ERROR_SUCCESS, fits);
    QCOMPARE(size, std::uint32_t(pathLength + 1));
}

void tst_SysInfoPlatform::buttonStartsTheInstalledProgram()
{
    QTemporaryDir bin;
    const QString program = bin.filePath(candidate(1));
    writeMarkScript(program);
    LinuxRegistry registry({bin.path()});
    DiskFileLookup files;
    DetachedProgramStarter starter;
    RecordingMessages messages;

    StartSysInfo(registry, files, starter, messages);

    QTRY_VERIFY(QFile::exists(markOf(program)));
    QVERIFY(messages.shown.isEmpty());
}

void tst_SysInfoPlatform::buttonWithoutRunnableProgramShowsTheMessage()
{
    QTemporaryDir bin;
    // A file of a candidate's name that cannot be run is no program.
    writeFile(bin.filePath(candidate(0)), "#!/bin/sh\n");
    LinuxRegistry registry({bin.path()});
    DiskFileLookup files;
    RecordingStarter starter;
    RecordingMessages messages;

    StartSysInfo(registry, files, starter, messages);

    QVERIFY(starter.started.isEmpty());
    QCOMPARE(messages.shown, QStringList{QString::fromUtf8(kSysInfoUnavailable)});
}

void tst_SysInfoPlatform::fileLookupFindsOnlyPlainFiles()
{
    QTemporaryDir dir;
    writeFile(dir.filePath("file"), "x");
    const auto exists = [&](const QString &path) {
        return DiskFileLookup().fileExists(QFile::encodeName(path).toStdString());
    };

    QVERIFY(exists(dir.filePath("file")));
    QVERIFY(!exists(dir.path()));
    QVERIFY(!exists(dir.filePath("missing")));
    QVERIFY(!exists(QString()));
}

QTEST_GUILESS_MAIN(tst_SysInfoPlatform)
#include "tst_SysInfoPlatform.moc"
