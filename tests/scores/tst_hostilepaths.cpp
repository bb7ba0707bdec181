// What else can stand at the high-score file's path on Linux, and failures only a file size limit
// can make for root (CI runs as root, whom permission bits do not stop).
#include "levels/LevelForm.h"
#include "scores/FileErrorText.h"
#include "scores/HighScoreForm.h"
#include "scores/HighScoreTestSupport.h"
#include "scores/RecordBoxes.h"
#include "scores/RecordKeeper.h"

#include "support/TestMain.h"
#include "support/WindowTestSupport.h"
#include <QDir>
#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace lumora;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kResetLine = "0,\" \",0,\" \",0,\" \"\r\n"_ba;

// Opens a FIFO from the other end, again and again, once the test has run for a while, so that
// a program waiting on it is let go each time: the test then fails instead of hanging.
class FifoWatchdog
{
public:
    explicit FifoWatchdog(const QByteArray &fifo)
        : m_thread([this, fifo](std::stop_token stop) {
              std::mutex mutex;
              std::unique_lock lock(mutex);
              std::condition_variable_any wake;
              for (auto wait = std::chrono::milliseconds(5000);
                   !wake.wait_for(lock, stop, wait, [] { return false; }) && !stop.stop_requested();
                   wait = std::chrono::milliseconds(100)) {
                  m_fired = true;
                  ::close(::open(fifo.constData(), O_RDWR | O_NONBLOCK));
              }
          })
    {
    }
    bool fired() const { return m_fired; }

private:
    std::atomic<bool> m_fired = false;
    std::jthread m_thread;
};

int typeAt(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & S_IFMT) : 0;
}

} // namespace

class HostilePathsTest : public QObject
{
    Q_OBJECT

    test::ScriptedDialogs m_fake;
    ui::DialogsOverride m_use{m_fake};
    RecordBoxes m_boxes;

private slots:
    void initTestCase() { test::prepareProgram(); }
    void init() { m_fake = test::ScriptedDialogs{}; }
    void cleanup() { test::discardAllWindows(); }

    // A FIFO at the path froze the game in open() for good, and a save through a link to a device
    // put a regular file in the device's place.
    void nothingButARegularFileIsReadOrReplaced_data()
    {
        QTest::addColumn<QString>("at");  // the score file, or its lock
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("linked");  // the path is a link to the thing
        QTest::addColumn<QString>("reason");  // empty: a regular file, written through the link
        const QString pipe = notARegularFileText(FileKind::Pipe), folder = notARegularFileText(FileKind::Folder);
        QTest::newRow("a FIFO") << "file" << S_IFIFO << false << pipe;
        QTest::newRow("a link to a FIFO") << "file" << S_IFIFO << true << pipe;
        QTest::newRow("a folder") << "file" << S_IFDIR << false << folder;
        QTest::newRow("a link to a folder") << "file" << S_IFDIR << true << folder;
        QTest::newRow("a FIFO at the lock") << "lock" << S_IFIFO << false << pipe;
        QTest::newRow("a link to a regular file") << "file" << S_IFREG << true << QString();
    }

    void nothingButARegularFileIsReadOrReplaced()
    {
        QFETCH(QString, at);
        QFETCH(int, type);
        QFETCH(bool, linked);
        QFETCH(QString, reason);
        test::TempHighScoreFile file;
        QVERIFY(QDir().mkpath(file.folder()));
        const QString path = at == "lock" ? file.path() + ".lock" : file.path();
        const QString thing = linked ? file.folder() + "/elsewhere" : path;
        const QByteArray name = QFile::encodeName(thing);
        QVERIFY(type == S_IFIFO ? ::mkfifo(name, 0600) == 0 : type == S_IFDIR ? ::mkdir(name, 0700) == 0 : true);
        if (type == S_IFREG)
            QVERIFY(QFile(thing).open(QIODevice::WriteOnly));
        QVERIFY(!linked || QFile::link(thing, path));
        FifoWatchdog watchdog(type == S_IFIFO ? name : QByteArray("/nonexistent"));
        highScores() = HighScoreTable{FieldValue::number(5), FieldValue::text("a"), {}, {}, 0, {}};
        const HighScoreTable before = highScores();

        TryLoadHighScores();
        QCOMPARE(highScores(), before);
        m_fake.inputAnswers = {u"ab"_s};
        const RecordOutcome record = CheckHighScore(1, 830, m_boxes);
        m_fake.messageAnswers = {ui::MessageAnswer::Yes};
        frmFirst().menHigh_Click();
        QCOMPARE(frmHighScore().caption("lblFirstPoint"), reason.isEmpty() ? "830" : "5");
        QTest::mouseClick(&frmHighScore().control("cmdClear"), Qt::LeftButton);

        QVERIFY(!watchdog.fired());
        QCOMPARE(record, reason.isEmpty() ? RecordOutcome::Saved : RecordOutcome::SaveFailed);
        // Clear takes no lock.
        QCOMPARE(m_fake.warnings.size(), std::size_t(reason.isEmpty() ? 0 : at == "lock" ? 1 : 2));
        for (const auto &warning : m_fake.warnings)
            QVERIFY2(warning.prompt.endsWith(u"（"_s + reason + u"）。"_s), qPrintable(warning.prompt));
        QCOMPARE(typeAt(thing), type);
        QCOMPARE(typeAt(path), linked ? int(S_IFLNK) : type);
        if (reason.isEmpty())
            QCOMPARE(test::TempHighScoreFile::bytesOf(thing), kResetLine);
    }

    // A full disk or a read-only place failed the lock with no reason at all.
    void aWriteOrALockCutShortIsReportedWithItsReason()
    {
        test::TempHighScoreFile file;
        file.write(kResetLine);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limit{8, previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        const auto restore = qScopeGuard([previous] { setrlimit(RLIMIT_FSIZE, &previous); });
        const SaveResult save = SaveHighScores(withSlot(resetHighScoreFields(), 2, 100, u"ab"_s));
        QCOMPARE(save.outcome, SaveOutcome::CannotWrite);
        QCOMPARE(save.reason, u"ファイルに書き込めません（"_s + fileErrorText(qt_error_string(EFBIG)) + u"）。"_s);

        TryLoadHighScores();
        m_fake.inputAnswers = {u"ab"_s};
        QCOMPARE(CheckHighScore(2, 100, m_boxes), RecordOutcome::SaveFailed);
        QCOMPARE(m_fake.warnings.size(), std::size_t(1));
        QCOMPARE(m_fake.warnings[0].prompt.section(u'\n', 2),
                 u"ロックファイル "_s + QDir::toNativeSeparators(file.path() + ".lock") + u" を作成できません（"_s
                     + fileErrorText(qt_error_string(EFBIG)) + u"）。"_s);
        QCOMPARE(file.bytes(), kResetLine);
        QCOMPARE(QDir(file.folder()).entryList(QDir::Files), QStringList{"LumoraHigh.Dll"});
    }
};

LUMORA_REGISTER_TEST(HostilePathsTest)
#include "tst_hostilepaths.moc"
