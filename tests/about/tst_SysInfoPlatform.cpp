#include "MarkScript.h"
#include "SysInfoRecorders.h"

#include "about/DetachedProgramStarter.h"
#include "about/DiskFileLookup.h"
#include "about/GetKeyValue.h"
#include "about/LinuxRegistry.h"
#include "about/StartSysInfo.h"
#include "ui/RuntimeError.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lumora;

namespace {

const std::string kToolKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";

} // namespace

class tst_SysInfoPlatform : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void registryNamesTheFirstInstalledProgram_data();
    void registryNamesTheFirstInstalledProgram();
    void registryAnswersOnlyTheToolPath_data();
    void registryAnswersOnlyTheToolPath();
    void registryWithoutProgramHasNoToolKey();
    void registryGivesThePathOnlyWhenItFitsTheBuffer_data();
    void registryGivesThePathOnlyWhenItFitsTheBuffer();
    void buttonStartsTheInstalledProgram();
    void buttonWithoutInstalledProgramShowsTheMessage();
    void fileLookupFindsOnlyPlainFiles_data();
    void fileLookupFindsOnlyPlainFiles();
    void starterReportsFileNotFoundForProgramThatCannotStart();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_bin;
};

void tst_SysInfoPlatform::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_bin = m_dir->filePath("bin");
    QVERIFY(QDir().mkpath(m_bin));
}

void tst_SysInfoPlatform::cleanup()
{
    m_dir.reset();
}

void tst_SysInfoPlatform::registryNamesTheFirstInstalledProgram_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected");

    const QStringList &candidates = LinuxRegistry::sysInfoPrograms();
    QTest::newRow("first candidate") << candidates << candidates.first();
    QTest::newRow("last candidate alone") << QStringList{candidates.last()} << candidates.last();
    QTest::newRow("two later candidates") << candidates.mid(1, 2) << candidates.at(1);
}

void tst_SysInfoPlatform::registryNamesTheFirstInstalledProgram()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);
    // Installed in reverse, so the order of the candidates decides and not that of the folder.
    for (auto program = installed.crbegin(); program != installed.crend(); ++program)
        writeMarkScript(QDir(m_bin).filePath(*program));
    LinuxRegistry registry({m_bin});
    std::string path;

    QVERIFY(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kToolKey, "PATH", path));
    QCOMPARE(QFile::decodeName(path.c_str()), QDir(m_bin).filePath(expected));
}

void tst_SysInfoPlatform::registryAnswersOnlyTheToolPath_data()
{
    QTest::addColumn<quintptr>("root");
    QTest::addColumn<QString>("keyName");
    QTest::addColumn<QString>("valueName");
    QTest::addColumn<bool>("found");

    const quintptr machine = HKEY_LOCAL_MACHINE;
    QTest::newRow("the tool path") << machine << QString::fromStdString(kToolKey) << "PATH" << true;
    QTest::newRow("names in another case")
        << machine << R"(software\microsoft\shared tools\msinfo)" << "path" << true;
    QTest::newRow("the tool folder")
        << machine << R"(SOFTWARE\Microsoft\Shared Tools Location)" << "MSINFO" << false;
    QTest::newRow("another value")
        << machine << QString::fromStdString(kToolKey) << "MSINFO" << false;
    QTest::newRow("a parent key")
        << machine << R"(SOFTWARE\Microsoft\Shared Tools)" << "PATH" << false;
    QTest::newRow("another root")
        << quintptr(HKEY_LOCAL_MACHINE + 1) << QString::fromStdString(kToolKey) << "PATH" << false;
}

void tst_SysInfoPlatform::registryAnswersOnlyTheToolPath()
{
    QFETCH(quintptr, root);
    QFETCH(QString, keyName);
    QFETCH(QString, valueName);
    QFETCH(bool, found);
    writeMarkScript(QDir(m_bin).filePath(LinuxRegistry::sysInfoPrograms().first()));
    LinuxRegistry registry({m_bin});
    std::string value;

    QCOMPARE(GetKeyValue(registry, root, keyName.toStdString(), valueName.toStdString(), value),
             found);
    QCOMPARE(value.empty(), !found);
}

void tst_SysInfoPlatform::registryWithoutProgramHasNoToolKey()
{
    // A file of a candidate's name that cannot be run is no program.
    writeFile(QDir(m_bin).filePath(LinuxRegistry::sysInfoPrograms().first()), "#!/bin/sh\n");
    LinuxRegistry registry({m_bin});
    HKEY key = 0;

    QVERIFY(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, kToolKey, 0, kKeyValueAccess, key)
            != ERROR_SUCCESS);
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
    const QString program = LinuxRegistry::sysInfoPrograms().first();
    // Nested folders of at most 200 characters bring the program's path to the wanted length.
    QString folder = m_bin;
    for (qsizetype left; (left = pathLength - folder.size() - program.size() - 2) > 0;)
        folder += u'/' + QString(std::min<qsizetype>(left, 200), u'd');
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u'/' + program;
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
    const QString program = QDir(m_bin).filePath(LinuxRegistry::sysInfoPrograms().at(1));
    writeMarkScript(program);
    LinuxRegistry registry({m_bin});
    DiskFileLookup files;
    DetachedProgramStarter starter;
    RecordingMessages messages;

    StartSysInfo(registry, files, starter, messages);

    QTRY_VERIFY(QFile::exists(markOf(program)));
    QVERIFY(messages.shown.isEmpty());
}

void tst_SysInfoPlatform::buttonWithoutInstalledProgramShowsTheMessage()
{
    LinuxRegistry registry({m_bin});
    DiskFileLookup files;
    RecordingStarter starter;
    RecordingMessages messages;

    StartSysInfo(registry, files, starter, messages);

    QVERIFY(starter.started.isEmpty());
    QCOMPARE(messages.shown, QStringList{QString::fromUtf8(kSysInfoUnavailable)});
}

void tst_SysInfoPlatform::fileLookupFindsOnlyPlainFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");

    QTest::newRow("file") << "file" << true;
    QTest::newRow("folder") << "bin" << false;
    QTest::newRow("missing file") << "missing" << false;
}

void tst_SysInfoPlatform::fileLookupFindsOnlyPlainFiles()
{
    QFETCH(QString, name);
    QFETCH(bool, exists);
    writeFile(m_dir->filePath("file"), "x");
    DiskFileLookup files;

    QCOMPARE(files.fileExists(QFile::encodeName(m_dir->filePath(name)).toStdString()), exists);
    QVERIFY(!files.fileExists(""));
}

void tst_SysInfoPlatform::starterReportsFileNotFoundForProgramThatCannotStart()
{
    DetachedProgramStarter starter;
    try {
        starter.start(QFile::encodeName(m_dir->filePath("missing")).toStdString());
        QFAIL("no run-time error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.code(), ErrorCode::FileNotFound);
    }
}

QTEST_GUILESS_MAIN(tst_SysInfoPlatform)
#include "tst_SysInfoPlatform.moc"
