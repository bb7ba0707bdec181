#include "scores/HighScoreFile_p.h"
#include "scores/HighScoreTestSupport.h"
#include "scores/RecordKeeper.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace lumora;
using namespace Qt::StringLiterals;

namespace {

int typeAt(const QString &path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & S_IFMT) : 0;
}

} // namespace

// What else can stand at the file's path, and failures only a file size limit can make for root
// (CI runs as root, whom permission bits do not stop), tried where FIFOs, links and limits are.
class HighScoreFileUnixTest : public QObject
{
    Q_OBJECT

private slots:
    // A FIFO at the path froze the game in open() for good, a save through a link to a device
    // put a regular file in the device's place, and the lock could follow a link put at its path.
    void nothingButARegularFileIsReadOrReplaced_data()
    {
        // clang-format off
        QTest::addColumn<QString>("at");  // the score file, or its lock
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("linked");  // the path is a link to the thing
        QTest::addColumn<QString>("reason");  // empty: a regular file, written through the link
        const QString pipe = fileErrorText(FileError::PipeInPlace), folder = fileErrorText(FileError::FolderInPlace);
        QTest::newRow("a FIFO") << "file" << S_IFIFO << false << pipe;
        QTest::newRow("a link to a FIFO") << "file" << S_IFIFO << true << pipe;
        QTest::newRow("a folder") << "file" << S_IFDIR << false << folder;
        QTest::newRow("a link to a folder") << "file" << S_IFDIR << true << folder;
        QTest::newRow("a FIFO at the lock") << "lock" << S_IFIFO << false << pipe;
        QTest::newRow("a 1 GiB file at the lock, never read") << "lock" << S_IFREG << false << QString();
        QTest::newRow("a link at the lock, refused, not followed") << "lock" << S_IFREG << true << fileErrorText({ELOOP, std::system_category()});
        QTest::newRow("a link to a regular file") << "file" << S_IFREG << true << QString();
        // clang-format on
    }

    void nothingButARegularFileIsReadOrReplaced()
    {
        QFETCH(QString, at);
        QFETCH(int, type);
        QFETCH(bool, linked);
        QFETCH(QString, reason);
        const test::TempHighScoreFile file;
        QVERIFY(QDir().mkpath(file.folder()));
        const QString path = at == "lock" ? file.path() + ".lock" : file.path();
        const QString thing = linked ? file.folder() + "/elsewhere" : path;
        const QByteArray name = QFile::encodeName(thing);
        QVERIFY(type == S_IFIFO ? ::mkfifo(name, 0600) == 0 : type == S_IFDIR ? ::mkdir(name, 0700) == 0 : true);
        QFile regular(thing);
        QVERIFY(type != S_IFREG || (regular.open(QIODevice::WriteOnly) && regular.resize(at == "lock" ? 1 << 30 : 0)));
        QVERIFY(!linked || QFile::link(thing, path));

        // A FIFO that blocks the load or a save shows as this test's timeout.
        HighScoreTable loaded = test::kPrevious;
        LoadHighScores(loaded);
        QCOMPARE(loaded, test::kPrevious);
        // A record's save, and Clear's: both under the lock.
        test::ScriptedDialogs dialogs;
        QCOMPARE(CheckHighScore(1, 5, dialogs, nullptr) == RecordOutcome::Saved, reason.isEmpty());
        QCOMPARE(ClearHighScores(dialogs, nullptr), reason.isEmpty());
        for (const auto &told : dialogs.warnings)
            QVERIFY2(told.prompt.endsWith(u"（"_s + reason + u"）。"_s), qPrintable(told.prompt));
        QCOMPARE(typeAt(thing), type);
        QCOMPARE(typeAt(path), linked ? int(S_IFLNK) : type);
        if (reason.isEmpty() && at == "file")
            QCOMPARE(test::TempHighScoreFile::bytesOf(thing), test::kResetLine);
    }

    // Root replaced a read-only file, a folder that could not be made told no reason, a new file
    // was readable by all before it took the old one's mode, a link's `..` was tidied as text,
    // interrupted saves left their files for good, and a write a size limit cut short told nothing.
    // A file or a link put at the new file's name (by a sync client, after the sweep) could be
    // opened, written and taken for the new file: the save takes another name.
    void theFileIsReplacedAsTheSystemSeesIt_data()
    {
        // clang-format off
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("mode");  // of the old file; 0: as made
        QTest::addColumn<QString>("reason");  // empty: saved
        QTest::newRow("a read-only file, whoever runs the game") << "" << 0444 << u"ファイルに書き込めません（読み取り専用のファイルです）。"_s;
        QTest::newRow("the old file's mode kept") << "" << 0604 << QString();
        QTest::newRow("a file where the folder goes") << "no folder" << 0 << u"フォルダー %1 を作成できません（"_s + fileErrorText({EEXIST, std::system_category()}) + u"）。"_s;
        QTest::newRow("links through a linked folder and ..") << "links" << 0 << QString();
        QTest::newRow("leftovers of interrupted saves") << "leftovers" << 0 << QString();
        QTest::newRow("a write cut short by a size limit") << "limit" << 0 << u"ファイルに書き込めません（"_s + fileErrorText({EFBIG, std::system_category()}) + u"）。"_s;
        QTest::newRow("a file put at the new file's name") << "taken by a file" << 0 << QString();
        QTest::newRow("a link put at the new file's name") << "taken by a link" << 0 << QString();
        // clang-format on
    }

    void theFileIsReplacedAsTheSystemSeesIt()
    {
        QFETCH(QString, setup);
        QFETCH(int, mode);
        QFETCH(QString, reason);
        const test::TempHighScoreFile file;
        const QString top = QFileInfo(file.folder()).path(), folder = file.folder();
        QString real = file.path();
        if (setup == "no folder") {
            QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
        } else if (setup == "links") {
            // data/LumoraHigh.Dll -> far/hop, data/far -> ../deep/sub/x, deep/sub/x/hop -> ../../real/LumoraHigh.Dll:
            // from hop's real folder deep/sub/x that is deep/real/LumoraHigh.Dll; as text, real/LumoraHigh.Dll.
            real = top + "/deep/real/LumoraHigh.Dll";
            for (const char *made : {"/deep/real", "/deep/sub/x", "/real", "/data"})
                QVERIFY(QDir().mkpath(top + made));
            QVERIFY(QFile::link("../deep/sub/x", folder + "/far") && QFile::link("far/hop", file.path())
                    && QFile::link("../../real/LumoraHigh.Dll", top + "/deep/sub/x/hop"));
            QFile old(real);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(test::kResetLine) > 0);
        } else {
            file.write(test::kResetLine);
        }
        QVERIFY(!mode || ::chmod(QFile::encodeName(real), mode_t(mode)) == 0);
        // Its own pattern, regular files only, go; a lock, other names, a folder and a link stay.
        const QStringList leftovers = {".0", ".1a2b3c4d", ".ffffffff", ".lock", ".txt", ".123456789", ".abc", ".abcd"};
        for (const QString &name : leftovers) {
            const QString path = file.path() + name;
            QVERIFY(setup != "leftovers"
                    || (name == ".abc"        ? QDir().mkpath(path)
                            : name == ".abcd" ? QFile::link("LumoraHigh.Dll", path)
                                              : QFile(path).open(QIODevice::WriteOnly)));
        }
        // The first name the save tries is taken after the sweep; the second is free.
        const QString taken = file.path() + ".bad", elsewhere = top + "/elsewhere";
        const TemporaryNumbersOverride names([&, number = 0xbadu]() mutable {
            if (number == 0xbad && setup.startsWith("taken"))
                setup.endsWith("file") ? QFile::copy(file.path(), taken) : QFile::link(elsewhere, taken);
            return number++;
        });
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit limit{setup == "limit" ? 8 : unlimited.rlim_cur, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        const HighScoreFields fields = withSlot(resetHighScoreFields(), 1, 5, u"ab"_s);
        HighScoreSave save;
        save.replace(encodeHighScoreLine(fields));
        const std::optional<SaveFailure> failure = save.finish();
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QCOMPARE(failure ? saveFailureMessage(*failure).section(u'\n', 2) : QString(),
                 reason.contains(u"%1") ? reason.arg(QDir::toNativeSeparators(folder)) : reason);
        QCOMPARE(test::TempHighScoreFile::bytesOf(real),
                 !failure                                  ? encodeHighScoreLine(fields).value_or("")
                     : setup.isEmpty() || setup == "limit" ? test::kResetLine
                                                           : QByteArray());
        QCOMPARE(typeAt(taken), setup == "taken by a file" ? S_IFREG : setup == "taken by a link" ? S_IFLNK : 0);
        QCOMPARE(test::TempHighScoreFile::bytesOf(taken), setup == "taken by a file" ? test::kResetLine : QByteArray());
        QCOMPARE(test::TempHighScoreFile::bytesOf(elsewhere), QByteArray());
        QVERIFY(setup != "limit"
                || QDir(folder).entryList(QDir::Files) == QStringList({"LumoraHigh.Dll", "LumoraHigh.Dll.lock"}));
        QVERIFY(mode != 0604
                || QFile::permissions(real)
                    == (QFile::ReadOwner | QFile::ReadUser | QFile::WriteOwner | QFile::WriteUser | QFile::ReadOther));
        for (qsizetype i = 0; setup == "leftovers" && i < leftovers.size(); ++i)
            QCOMPARE(QFileInfo::exists(file.path() + leftovers[i]), i >= 3);
        QVERIFY(!QFileInfo::exists(top + "/real/LumoraHigh.Dll"));
    }
};

QTEST_GUILESS_MAIN(HighScoreFileUnixTest)
#include "tst_highscorefile_unix.moc"
