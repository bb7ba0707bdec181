#include "scores/HighScoreFile_p.h"
#include "scores/HighScoreTestSupport.h"

#include <QDirIterator>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace lumora;
using namespace Qt::StringLiterals;

namespace {

// Everything under `top`, links not followed: each thing's type and permission bits, and a link's
// target, a small file's bytes or a big one's size.
QMap<QString, QString> everythingUnder(const QString &top)
{
    QMap<QString, QString> found;
    QDirIterator it(top, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info = {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
            continue;
        const bool small = S_ISREG(info.st_mode) && info.st_size < 4096;
        found[path] = QString::number(info.st_mode, 8) + u' '
            + (S_ISLNK(info.st_mode) ? it.fileInfo().symLinkTarget()
                   : small           ? QString::fromLatin1(test::TempHighScoreFile::bytesOf(path))
                                     : QString::number(info.st_size));
    }
    return found;
}

// Puts at `path` a FIFO, a folder, a file of the reset line (with the permission bits after its
// name), a 1 GiB file, or a link to one of them (or to nothing) at `path` and a tilde.
bool put(const QString &what, const QString &path)
{
    if (what.startsWith("link to "))
        return (what.endsWith("nothing") || put(what.mid(8), path + u'~')) && QFile::link(path + u'~', path);
    if (what == "FIFO")
        return ::mkfifo(QFile::encodeName(path), 0600) == 0;
    if (what == "folder")
        return QDir().mkpath(path);
    QFile made(path);
    const auto mode = mode_t(what.section(u' ', 1).toInt(nullptr, 8));
    return made.open(QIODevice::WriteOnly) && made.write(test::kResetLine) > 0
        && (what != "1 GiB" || made.resize(1 << 30)) && (!mode || ::chmod(QFile::encodeName(path), mode) == 0);
}

} // namespace

// What else can stand at the file's path, beside it, or at the names a save uses, tried where
// FIFOs, links and file size limits are (CI runs as root, whom permission bits do not stop).
class HighScoreFileUnixTest : public QObject
{
    Q_OBJECT

private slots:
    // A FIFO at the path froze the game in open() for good; a save through a link to a device put
    // a regular file in the device's place; root replaced a read-only file; a new file was readable
    // by all before it took the old one's mode; a link's `..` was tidied as text; interrupted saves
    // left their files for good; a write a size limit cut short told nothing. The lock could follow
    // a link put at its path, and a file or a link put at the new file's name (by a sync client,
    // after the sweep) could be opened, written and taken for the new file.
    void nothingButTheRegularFileIsReadOrReplaced_data()
    {
        QTest::addColumn<QString>("what"); // see put()
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("reason"); // empty: saved; %1 the folder or the lock file
        const auto told = [](const char *what, const std::error_code &error) {
            return QString::fromUtf8(what) + u'（' + fileErrorText(error) + u"）。"_s;
        };
        const char *write = "ファイルに書き込めません", *lock = "ロックファイル %1 を作成できません";
        // clang-format off
        QTest::newRow("a FIFO") << "FIFO" << "file" << told(write, FileError::PipeInPlace);
        QTest::newRow("a link to a FIFO") << "link to FIFO" << "file" << told(write, FileError::PipeInPlace);
        QTest::newRow("a folder") << "folder" << "file" << told(write, FileError::FolderInPlace);
        QTest::newRow("a link to a folder") << "link to folder" << "file" << told(write, FileError::FolderInPlace);
        QTest::newRow("a link to a regular file, written through") << "link to file" << "file" << QString();
        QTest::newRow("a read-only file, whoever runs the game") << "file 0444" << "file" << told(write, FileError::ReadOnlyFile);
        QTest::newRow("the old file's mode kept") << "file 0604" << "file" << QString();
        QTest::newRow("links through a linked folder and ..") << "links" << "file" << QString();
        QTest::newRow("a write cut short by a size limit") << "file" << "file with a size limit" << told(write, {EFBIG, std::system_category()});
        QTest::newRow("a FIFO at the lock") << "FIFO" << "lock" << told(lock, FileError::PipeInPlace);
        QTest::newRow("a 1 GiB file at the lock, never read") << "1 GiB" << "lock" << QString();
        QTest::newRow("a link at the lock, refused, not followed") << "link to file" << "lock" << told(lock, {ELOOP, std::system_category()});
        QTest::newRow("a file where the folder goes") << "file" << "folder" << told("フォルダー %1 を作成できません", {EEXIST, std::system_category()});
        QTest::newRow("leftovers of interrupted saves") << "leftovers" << "beside" << QString();
        QTest::newRow("a file put at the new file's name") << "file" << "new name" << QString();
        QTest::newRow("a link put at the new file's name, to nothing") << "link to nothing" << "new name" << QString();
        // clang-format on
    }

    void nothingButTheRegularFileIsReadOrReplaced()
    {
        QFETCH(QString, what);
        QFETCH(QString, where);
        QFETCH(QString, reason);
        const test::TempHighScoreFile file;
        const QString top = QFileInfo(file.folder()).path(), path = file.path(), lock = path + ".lock";
        const QString at = where == "lock" ? lock : where.startsWith("file") ? path : QString();
        // The folder (or a file in its place), the lock and the file, unless the row puts another thing there.
        if (where == "folder")
            QVERIFY(put("file", file.folder()));
        else
            QVERIFY(QDir().mkpath(file.folder()) && (at == lock || put("", lock)) && (at == path || put("file", path)));
        // data/LumoraHigh.Dll -> far/hop, data/far -> ../deep/sub/x, deep/sub/x/hop -> ../../real/LumoraHigh.Dll:
        // from hop's real folder deep/sub/x that is deep/real/LumoraHigh.Dll; as text, real/LumoraHigh.Dll.
        const QString deep = top + "/deep/real/LumoraHigh.Dll";
        if (what == "links")
            QVERIFY(QDir().mkpath(top + "/deep/sub/x") && QDir().mkpath(top + "/deep/real")
                    && QDir().mkpath(top + "/real") && put("file", deep)
                    && QFile::link("../deep/sub/x", file.folder() + "/far") && QFile::link("far/hop", path)
                    && QFile::link("../../real/LumoraHigh.Dll", top + "/deep/sub/x/hop"));
        else if (!at.isEmpty())
            QVERIFY(put(what, at));
        // Its own pattern, regular files only, go; other names, a folder and a link stay.
        // clang-format off
        const std::pair<QString, const char *> beside[] = {{".0", ""}, {".1a2b3c4d", ""}, {".ffffffff", ""}, {".txt", ""}, {".123456789", ""}, {".abc", "folder"}, {".abcd", "link to file"}};
        // clang-format on
        for (const auto &[name, thing] : beside)
            QVERIFY(what != "leftovers" || put(thing, path + name));
        QMap<QString, QString> expected = everythingUnder(top);
        // The first name the save tries is taken after the sweep; the second is free.
        const TemporaryNumbersOverride names([&, number = 0xbadu]() mutable {
            if (number == 0xbad && where == "new name" && put(what, path + ".bad"))
                expected = everythingUnder(top);
            return number++;
        });

        // A FIFO that blocks the load or a save shows as this test's timeout.
        HighScoreTable loaded;
        LoadHighScores(loaded);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit limit{where.endsWith("size limit") ? 8 : unlimited.rlim_cur, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        // As a record saves: the file read again under the lock, then replaced.
        HighScoreSave save;
        HighScoreTable current;
        save.read(current);
        const QByteArray line = encodeHighScoreLine(withSlot(current.fields(), 1, 5, u"ab"_s)).value_or("");
        save.replace(line);
        const std::optional<SaveFailure> failure = save.finish();
        setrlimit(RLIMIT_FSIZE, &unlimited);

        QCOMPARE(failure ? saveFailureMessage(*failure).section(u'\n', 2) : QString(),
                 reason.replace(u"%1"_s, QDir::toNativeSeparators(at == lock ? lock : file.folder())));
        // The file behind the path, and nothing else, takes the new line, with the mode it had.
        const QString real = what == "links" ? deep : what == "link to file" && at == path ? path + u'~' : path;
        if (!failure)
            expected[real] = expected[real].section(u' ', 0, 0) + u' ' + QString::fromLatin1(line);
        for (qsizetype i = 0; what == "leftovers" && i < 3; ++i)
            expected.remove(path + beside[i].first);
        const QMap<QString, QString> found = everythingUnder(top);
        QCOMPARE(found.keys(), expected.keys());
        QCOMPARE(found.values(), expected.values());
    }
};

QTEST_GUILESS_MAIN(HighScoreFileUnixTest)
#include "tst_highscorefile_unix.moc"
