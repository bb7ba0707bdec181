#include "levels/LevelForm.h"
#include "scores/CodePage932.h"
#include "scores/FileErrorText.h"
#include "scores/HighScoreFile.h"
#include "scores/HighScoreForm.h"
#include "scores/HighScorePlaces.h"
#include "scores/HighScoreTestSupport.h"
#include "scores/MomentaryRetry.h"
#include "scores/NameRule.h"
#include "scores/RecordKeeper.h"

#include "support/TestMain.h"
#include "support/WindowTestSupport.h"
#include <QDir>
#include <QDeadlineTimer>
#include <QLockFile>
#include <QScopeGuard>
#include <QTest>

#include <cerrno>
#include <memory>

// What else can stand at the file's path, and failures only a file size limit can make for root
// (CI runs as root, whom permission bits do not stop), are tried where FIFOs, links and limits are.
#ifndef Q_OS_WIN
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#else
#include <thread>
#include <windows.h>
#endif

using namespace lumora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lumora::HighScoreFields)
Q_DECLARE_METATYPE(lumora::WindowsPlaces)

namespace {

FieldValue n(double value) { return FieldValue::number(value); }
FieldValue t(const QString &value) { return FieldValue::text(value); }

// Distinct values in every member, so a partial load shows which members it changed.
const HighScoreTable kPrevious{n(1), t("old1"), n(2), t("old2"), 3, "old3"};
const QByteArray kResetLine = "0,\" \",0,\" \",0,\" \"\r\n"_ba;

// Each name box as title | prompt.
const QString kTitle = u"ハイスコア！！|"_s;
const QString kPrompt = u"名前を入力して下さい!"_s;
const QString kControl = u"名前に制御文字は使えません。"_s;
// After a refusal the fake answers ¥, refused too, then o〜, saved as o～.
constexpr const char *kAfterRefusal = "6F8160";

// Record keeping's boxes, asked through the shared fake of the program's dialogs.
struct Fixture
{
    test::TempHighScoreFile file;
    test::ScriptedDialogs fake;
    ui::DialogsOverride use{fake};
    QWidget owner;
};

#ifndef Q_OS_WIN
int typeAt(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & S_IFMT) : 0;
}
#endif

} // namespace

class HighScoreFileTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Fixture> m;

private slots:
    void initTestCase() { test::prepareProgram(); }
    void init()
    {
        m = std::make_unique<Fixture>();
        highScores() = HighScoreTable();
    }
    void cleanup()
    {
        test::discardAllWindows();
        m.reset();
    }

    void tablesReplaceTheFileAsExactBytesAndReadBack_data()
    {
        QTest::addColumn<HighScoreFields>("fields");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("reset state") << resetHighScoreFields() << kResetLine;
        QTest::newRow("negative scores, names with commas, an empty name")
            << HighScoreFields{n(-5), t("a,b"), n(-120), t(""), n(-2147483648.0), t(",")}
            << "-5,\"a,b\",-120,\"\",-2147483648,\",\"\r\n"_ba;
    }

    void tablesReplaceTheFileAsExactBytesAndReadBack()
    {
        QFETCH(HighScoreFields, fields);
        QFETCH(QByteArray, bytes);
        m->file.write(QByteArray(100, 'x'));
        QVERIFY(SaveHighScores(fields).saved());
        QCOMPARE(m->file.bytes().toHex(' '), bytes.toHex(' '));
        HighScoreTable loaded = kPrevious;
        QVERIFY(LoadHighScores(loaded).loaded());
        QCOMPARE(encodeHighScoreLine(loaded.fields()).bytes.toHex(' '), bytes.toHex(' '));
    }

    void loadStoresEachFieldAsRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // null: no file
        QTest::addColumn<int>("fieldsRead");
        // The table as a save writes it: numbers bare, texts in quotes, empty fields as nothing.
        QTest::addColumn<QByteArray>("table");
        const QByteArray previous = "1,\"old1\",2,\"old2\",3,\"old3\""_ba;
        QTest::newRow("no file") << QByteArray() << 0 << previous;
        QTest::newRow("only a score and a name")
            << "830,\"ab\"\r\n"_ba << 2 << "830,\"ab\",2,\"old2\",3,\"old3\""_ba;
        QTest::newRow("empty fields") << ",,,,,\r\n"_ba << 6 << ",,,,0,\"\""_ba;
        QTest::newRow("six fields over lines ended by CR LF, LF and CR")
            << "830\r\n\"ab\"\n-7\r\"c d\"\r\n9,\"e\"\r\n"_ba << 6 << "830,\"ab\",-7,\"c d\",9,\"e\""_ba;
        QTest::newRow("a fraction, a huge number, slot 3 rounded half to even")
            << "1.5,\"a\",1e300,\"b\",2.5,\"c\""_ba << 6 << "1.5,\"a\",1e+300,\"b\",2,\"c\""_ba;
        QTest::newRow("beyond 32 bits, slot 3 held at the top; negative zero")
            << "12345678901,\"a\",-0,\"b\",99999999999,\"c\""_ba << 6
            << "12345678901,\"a\",0,\"b\",2147483647,\"c\""_ba;
        QTest::newRow("unquoted names; quotes inside them dropped")
            << "1,ab,2, c \"d\" ,3,006"_ba << 6 << "1,\"ab\",2,\"c d\",3,\"006\""_ba;
        QTest::newRow("spaces around fields, stray bytes after a closing quote")
            << " 1 ,  \"a\"zz ,\t2\t, \"b\"\"\", 3.5 , \"c\" "_ba << 6 << "1,\"a\",2,\"b\",4,\"c\""_ba;
        // As Windows reads them, and so written back: FF, 80 and A0 as characters of their own; a
        // bad pair, an unassigned code and a lead byte cut off as ・ (81 45).
        QTest::newRow("invalid and unassigned Shift_JIS bytes")
            << "1,\"\xff\x80\xa0\",2,\x81\x7f\x88\x88,3,\"\x81\""_ba << 6
            << "1,\"\xff\x80\xa0\",2,\"\x81\x45\x81\x45\",3,\"\x81\x45\""_ba;
        QTest::newRow("NUL bytes")
            << "1,\"a\0b\",2\0,\"\0\",3,\"c\""_ba << 6 << "1,\"a\0b\",\"2\0\",\"\0\",3,\"c\""_ba;
        QTest::newRow("an unterminated quote runs to the end")
            << "1,\"ab,2\r\n"_ba << 2 << "1,\"ab,2\r\n\",2,\"old2\",3,\"old3\""_ba;
    }

    void loadStoresEachFieldAsRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fieldsRead);
        QFETCH(QByteArray, table);
        if (!bytes.isNull())
            m->file.write(bytes);
        HighScoreTable loaded = kPrevious;
        const LoadResult result = LoadHighScores(loaded);
        // Also guards against a load giving a text that no save can write (U+FFFD from damaged
        // bytes), which would make every later record fail.
        QCOMPARE(encodeHighScoreLine(loaded.fields()).bytes, table + "\r\n");
        QCOMPARE(result.fieldsRead, fieldsRead);
        QCOMPARE(result.outcome, bytes.isNull() ? LoadOutcome::CannotOpen
                                 : fieldsRead == 6 ? LoadOutcome::Loaded : LoadOutcome::EndedEarly);
    }

    void onlyAStrictlyHigherScoreIsSavedWithTheNameAsTyped_data()
    {
        QTest::addColumn<QByteArray>("file");  // null: no file
        QTest::addColumn<QByteArray>("meanwhile");  // what another running copy saves after the load
        QTest::addColumn<int>("slot");
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("answer");  // empty: the prompt cancelled; when refused, "ok" follows
        QTest::addColumn<QByteArray>("saved");  // null: no record, the file stays as it was
        QTest::addColumn<QString>("refusal");  // why the answer was refused and asked for again
        const auto row = [](const char *name, const QByteArray &file, int slot, double points, const QString &answer,
                            const QByteArray &saved = {}, const QString &refusal = {}, const QByteArray &meanwhile = {}) {
            QTest::newRow(name) << file << meanwhile << slot << points << answer << saved << refusal;
        };
        const QByteArray stored = "830,\"a\",490,\"b\",960,\"c\"\r\n"_ba;
        const QByteArray texts = "\"100\",\"a\",\"inf\",\"b\",0,\"c\"\r\n"_ba;
        row("an equal score", stored, 1, 830, "x");
        row("one point more in slot 3", stored, 3, 961, "x", "830,\"a\",490,\"b\",961,\"x\"\r\n"_ba);
        row("no file: the first record is 17 bytes", {}, 1, 830, "ab", "830,\"ab\",,,0,\"\"\r\n"_ba);
        row("empty fields: zero", ",,,,,\r\n"_ba, 2, 0, "x");
        row("reset state: cancel saves an empty name", kResetLine, 2, 100, "", "0,\" \",100,\"\",0,\" \"\r\n"_ba);
        row("a higher negative score beats a lower one", "-50,\"a\",-50,\"b\",-50,\"c\"\r\n"_ba, 1, -40, "x",
            "-40,\"x\",-50,\"b\",-50,\"c\"\r\n"_ba);
        row("another copy's record in another slot survives", "10,\"a\",20,\"b\",30,\"c\"\r\n"_ba, 1, 11, "me",
            "11,\"me\",25,\"other copy\",30,\"c\"\r\n"_ba, {}, "10,\"a\",25,\"other copy\",30,\"c\"\r\n"_ba);
        row("a text spelling a number counts as it", texts, 1, 100, "x");
        row("any other text counts as zero", texts, 2, 1, "x", "\"100\",\"a\",1,\"x\",0,\"c\"\r\n"_ba);
        // A foreign slot too long to write back once refused every later record.
        row("a slot too long to write back is reset", "1,\"x\"," + QByteArray(300'000, '9') + ",\"y\"", 1, 5, "me",
            "5,\"me\",0,\" \",0,\"\"\r\n"_ba);
        // Names as typed, and their bytes: what input methods type where code page 932 holds the
        // character under another code is folded; a refused name is asked for again with the reason.
        struct Typed { QString name; QByteArray bytes; QString refusal; };
        const Typed names[] = {{u"\u301C"_s, "8160"}, {u"\u2014"_s, "815C"}, {u"\u00A6"_s, "FA55"},
            {QString(kMaxNameLength, u'漢'), QByteArray("8ABF").repeated(kMaxNameLength)},
            {QString(kMaxNameLength + 1, u'あ'), "", u"名前は 32767 文字までです。"_s},
            {"a\"b", "", u"名前に \" は使えません。"_s}, {"a\nb", "", u"名前に改行は使えません。"_s},
            {u"a\tb"_s, "", kControl}, {u"a\u007Fb"_s, "", kControl}, {u"a\u0085"_s, "", kControl},
            {u"森😀"_s, "", u"「😀」は名前に使えません。"_s}, {u"a¥b"_s, "", u"「¥」は名前に使えません。"_s}};
        // A refused name is asked for again until the answer can be stored, folded as the first was.
        for (const auto &[name, bytes, refusal] : names)
            row(qPrintable(u"typed "_s + name.left(6).replace(u'\n', u'|')), {}, 1, 830, name,
                "830,\""_ba + QByteArray::fromHex(refusal.isEmpty() ? bytes : QByteArray(kAfterRefusal)) + "\",,,0,\"\"\r\n"_ba,
                refusal);
    }

    void onlyAStrictlyHigherScoreIsSavedWithTheNameAsTyped()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, meanwhile);
        QFETCH(int, slot);
        QFETCH(double, points);
        QFETCH(QString, answer);
        QFETCH(QByteArray, saved);
        QFETCH(QString, refusal);
        if (!file.isNull())
            m->file.write(file);
        TryLoadHighScores();
        if (!meanwhile.isNull())
            m->file.write(meanwhile);
        m->fake.inputAnswers = {answer.isEmpty() ? std::nullopt : std::optional(answer), u"¥"_s, u"o\u301C"_s};
        const RecordOutcome outcome = CheckHighScore(slot, points, m->fake, &m->owner);
        QCOMPARE(outcome, saved.isNull() ? RecordOutcome::NotARecord : RecordOutcome::Saved);
        QStringList asked;
        for (const auto &input : m->fake.inputs)
            asked << input.title + u'|' + input.prompt;
        QCOMPARE(asked, (saved.isNull()      ? QStringList()
                         : refusal.isEmpty() ? QStringList{kTitle + kPrompt}
                                             : QStringList{kTitle + kPrompt, kTitle + refusal + u'\n' + kPrompt,
                                                           kTitle + u"「¥」は名前に使えません。\n"_s + kPrompt}));
        QCOMPARE(m->file.bytes(), saved.isNull() ? file : saved);
    }

    void aBetterOrEqualRecordSavedMeanwhileByAnotherCopyStays_data()
    {
        QTest::addColumn<double>("later");
        QTest::newRow("a worse one") << 62500.0;
        QTest::newRow("an equal one") << 125000.0;
    }

    // Two copies at the name prompt of one level: the worse record, saved last, overwrote the better.
    void aBetterOrEqualRecordSavedMeanwhileByAnotherCopyStays()
    {
        QFETCH(double, later);
        TryLoadHighScores();
        m->fake.inputAnswers = {u"AAA"_s, u"BBB"_s};
        QCOMPARE(CheckHighScore(1, 125000, m->fake, &m->owner), RecordOutcome::Saved);
        QCOMPARE(CheckHighScore(1, later, m->fake, &m->owner), RecordOutcome::BeatenMeanwhile);
        QCOMPARE(m->file.bytes(), "125000,\"AAA\",,,0,\"\"\r\n"_ba);
        QCOMPARE(m->fake.messages.size(), std::size_t(1));
        QCOMPARE(m->fake.messages[0].prompt, u"その間に、より良い記録が保存されました。\n125000 点　AAA"_s);
    }

    // A copy that keeps the file locked must not make a save look done.
    void aSaveWhileAnotherCopyHoldsTheLockIsReportedWithTheFileAndTheReason()
    {
        m->file.write(QByteArray());
        QLockFile other(m->file.path() + ".lock");
        QVERIFY(other.lock());
        TryLoadHighScores();
        m->fake.inputAnswers = {u"ab"_s};
        QCOMPARE(CheckHighScore(1, 830, m->fake, &m->owner), RecordOutcome::SaveFailed);
        QCOMPARE(m->fake.warnings.size(), std::size_t(1));
        QCOMPARE(m->fake.warnings[0].prompt, u"ハイスコアを保存できませんでした。\nファイル: "_s
                                                 + QDir::toNativeSeparators(m->file.path())
                                                 + u"\nほかのルモラ＋＋がファイルを使用中です。"_s);
        QCOMPARE(m->file.bytes(), QByteArray());
    }

    // Both ways as Windows converts code page 932: a file from the Windows game reads the same here,
    // and nothing is ever written as a look-alike.
    void codePage932IsWindowsOwn_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // null: the text cannot be written
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ways");  // "both", "read" or "write"
        QTest::newRow("control bytes as themselves") << "\x1a\x1c\x7f"_ba << u"\u001A\u001C\u007F"_s << "both";
        QTest::newRow("single bytes glibc lacks") << "\x80\xa0\xfd\xfe\xff"_ba << u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"_s << "both";
        QTest::newRow("katakana, user-defined, NEC and IBM rows")
            << "\xb1\xdf\xf0\x40\x87\x40\xfa\x40\xfa\x5c"_ba << u"\uFF71\uFF9F\uE000\u2460\u2170\u7E8A"_s << "both";
        QTest::newRow("duplicates written as Windows picks") << "\x81\xe0\x81\xca\x87\x54"_ba << u"\u2252\uFFE2\u2160"_s << "write";
        QTest::newRow("duplicates read") << "\x87\x90\xee\xf9\xee\xef\xed\x40"_ba << u"\u2252\uFFE2\u2170\u7E8A"_s << "read";
        QTest::newRow("no character, a bad partner, a NUL, a lead byte cut off")
            << "\x88\x88\x81\x20\x81\x00\x41\x81"_ba << u"・・・\0A・"_s << "read";
        for (const QString &refused : {u"¥"_s, u"\u2014"_s, u"\u203E"_s, u"\uF86F"_s, u"\uFFFD"_s, QString(QChar(0xD800)), u"😀"_s})
            QTest::newRow(qPrintable(u"refused "_s + refused)) << QByteArray() << refused << "write";
    }

    void codePage932IsWindowsOwn()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, ways);
        if (ways != "write")
            QCOMPARE(decodeCp932(bytes), text);
        if (ways != "read")
            QCOMPARE(encodeCp932(text).value_or(QByteArray()).toHex(' '), bytes.toHex(' '));
        if (ways == "write" && bytes.isNull())
            QVERIFY(!encodeCp932(text));
    }

    // On Windows a standard user cannot write the fixed place: records go where the old 32-bit game's
    // went, its VirtualStore copy, and come back from there.
    void windowsRecordsLiveWhereTheOldGameKeptThem_data()
    {
        QTest::addColumn<WindowsPlaces>("places");
        QTest::addColumn<QString>("loadAndSave");
        QTest::newRow("neither: the copy is made") << WindowsPlaces{"fixed", "copy", false, false} << "fixed copy";
        QTest::newRow("the fixed place writable") << WindowsPlaces{"fixed", "copy", false, true} << "fixed fixed";
        QTest::newRow("the copy exists, the fixed place writable") << WindowsPlaces{"fixed", "copy", true, true} << "copy copy";
    }

    void windowsRecordsLiveWhereTheOldGameKeptThem()
    {
        QFETCH(WindowsPlaces, places);
        QFETCH(QString, loadAndSave);
        QCOMPARE(loadPlace(places) + u' ' + savePlace(places), loadAndSave);
    }

    // Each platform's own codes: on Windows errno numbers name unrelated Win32 errors.
    void commonSystemReasonsAreToldInJapanese_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");  // empty: the system's own text
        const QString folder = u"フォルダーが見つかりません"_s, denied = u"書き込む権限がありません"_s,
                      full = u"ディスクの空き領域が足りません"_s, readOnly = u"読み取り専用のファイル システムです"_s;
#ifdef Q_OS_WIN
        const std::pair<int, QString> rows[] = {{ERROR_FILE_NOT_FOUND, folder}, {ERROR_PATH_NOT_FOUND, folder},
            {ERROR_ACCESS_DENIED, denied}, {ERROR_SHARING_VIOLATION, denied}, {ERROR_DISK_FULL, full},
            {ERROR_HANDLE_DISK_FULL, full}, {ERROR_WRITE_PROTECT, readOnly},
            {EACCES, {}}, {ERROR_INVALID_NAME, {}}};
#else
        const std::pair<int, QString> rows[] = {{ENOENT, folder}, {EACCES, denied}, {EPERM, denied},
            {ENOSPC, full}, {EDQUOT, full}, {EROFS, readOnly}, {ENOTDIR, {}}};
#endif
        for (const auto &[code, reason] : rows)
            QTest::addRow("%d", code) << code << reason;
    }

    void commonSystemReasonsAreToldInJapanese()
    {
        QFETCH(int, code);
        QFETCH(QString, reason);
        QCOMPARE(fileErrorText(code), reason.isEmpty() ? qt_error_string(code) : reason);
    }

    // A scanner or a sync client holding the file for a moment lost the record; a lasting refusal
    // still fails, after a second.
    void aMomentaryRefusalIsTriedAgainForASecond()
    {
        // Refusals before the attempt goes through (-1: for good); code 1 passes in a moment, 2
        // does not; the attempts made (0: as many as fit in a second).
        struct Row { int refusals, code, attempts; };
        for (const Row row : {Row{3, 1, 4}, Row{-1, 1, 0}, Row{-1, 2, 1}}) {
            int made = 0;
            const QDeadlineTimer bound(kMomentaryRetryMs);
            const int result = retryWhileMomentary([&] { return made++ == row.refusals ? 0 : row.code; }, [](int c) { return c == 1; });
            QCOMPARE(result, row.refusals < 0 ? row.code : 0);
            QVERIFY(row.attempts ? made == row.attempts : made > 2 && bound.hasExpired());
        }
    }

#ifdef Q_OS_WIN
    // Refusals staged with Windows' own sharing modes and attributes (Wine enforces them too): each
    // is told in Japanese; a file held for a moment, as a scanner holds it, is saved once let go.
    void windowsRefusalsAreToldInJapaneseAndAMomentsHoldIsWaitedOut_data()
    {
        QTest::addColumn<DWORD>("sharing");  // of a handle that holds the file
        QTest::addColumn<int>("heldMs");     // -1: for good
        QTest::addColumn<QString>("at");     // what stands at the path
        QTest::addColumn<QString>("reason");  // empty: saved
        const QString denied = u"書き込む権限がありません"_s;
        QTest::newRow("held without sharing for 300 ms") << DWORD(0) << 300 << "file" << QString();
        QTest::newRow("held for reading and writing for 300 ms") << DWORD(FILE_SHARE_READ | FILE_SHARE_WRITE) << 300 << "file" << QString();
        QTest::newRow("held without sharing for good") << DWORD(0) << -1 << "file" << denied;
        QTest::newRow("a read-only file") << DWORD(0) << 0 << "read-only" << denied;
        QTest::newRow("a folder") << DWORD(0) << 0 << "folder" << notARegularFileText(FileKind::Folder);
    }

    void windowsRefusalsAreToldInJapaneseAndAMomentsHoldIsWaitedOut()
    {
        QFETCH(DWORD, sharing);
        QFETCH(int, heldMs);
        QFETCH(QString, at);
        QFETCH(QString, reason);
        QVERIFY(at == "folder" ? QDir().mkpath(m->file.path()) : (m->file.write(kResetLine), true));
        const std::wstring path = QDir::toNativeSeparators(m->file.path()).toStdWString();
        QVERIFY(at != "read-only" || SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
        const HANDLE hold = CreateFileW(path.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        std::jthread letGo([&] { heldMs >= 0 && (std::this_thread::sleep_for(std::chrono::milliseconds(heldMs)), CloseHandle(hold)); });
        const QDeadlineTimer bound(3 * kMomentaryRetryMs);
        const SaveResult save = SaveHighScores(kPrevious.fields());
        const bool inTime = !bound.hasExpired();
        letGo.join();
        if (heldMs < 0)
            CloseHandle(hold);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);  // so that the folder can go
        QVERIFY(inTime);
        QCOMPARE(save.reason, reason.isEmpty() ? QString() : u"ファイルに書き込めません（"_s + reason + u"）。"_s);
        QCOMPARE(m->file.bytes(), reason.isEmpty() ? encodeHighScoreLine(kPrevious.fields()).bytes : at == "folder" ? ""_ba : kResetLine);
        QCOMPARE(QDir(m->file.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"LumoraHigh.Dll"});
    }
#endif

#ifndef Q_OS_WIN
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
        const test::TempHighScoreFile &file = m->file;
        QVERIFY(QDir().mkpath(file.folder()));
        const QString path = at == "lock" ? file.path() + ".lock" : file.path();
        const QString thing = linked ? file.folder() + "/elsewhere" : path;
        const QByteArray name = QFile::encodeName(thing);
        QVERIFY(type == S_IFIFO ? ::mkfifo(name, 0600) == 0 : type == S_IFDIR ? ::mkdir(name, 0700) == 0 : true);
        if (type == S_IFREG)
            QVERIFY(QFile(thing).open(QIODevice::WriteOnly));
        QVERIFY(!linked || QFile::link(thing, path));
        highScores() = kPrevious;

        // A FIFO that blocks the load, the record or the reset shows as this test's timeout.
        TryLoadHighScores();
        QCOMPARE(highScores(), kPrevious);
        m->fake.inputAnswers = {u"ab"_s};
        QCOMPARE(CheckHighScore(1, 830, m->fake, nullptr), reason.isEmpty() ? RecordOutcome::Saved : RecordOutcome::SaveFailed);
        const SaveResult reset = SaveHighScores(resetHighScoreFields());  // as Clear saves: without the lock
        QStringList told;
        for (const auto &warning : m->fake.warnings)
            told << warning.prompt;
        if (!reset.saved())
            told << reset.reason;
        QCOMPARE(told.size(), reason.isEmpty() ? 0 : at == "lock" ? 1 : 2);
        for (const QString &text : told)
            QVERIFY2(text.endsWith(u"（"_s + reason + u"）。"_s), qPrintable(text));
        QCOMPARE(typeAt(thing), type);
        QCOMPARE(typeAt(path), linked ? int(S_IFLNK) : type);
        if (reason.isEmpty())
            QCOMPARE(test::TempHighScoreFile::bytesOf(thing), kResetLine);
    }

    // A full disk or a read-only place failed the lock with no reason at all.
    void aWriteOrALockCutShortIsReportedWithItsReason()
    {
        const test::TempHighScoreFile &file = m->file;
        file.write(kResetLine);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limit{8, previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
        const auto restore = qScopeGuard([previous] { setrlimit(RLIMIT_FSIZE, &previous); });
        const SaveResult save = SaveHighScores(withSlot(resetHighScoreFields(), 2, 100, u"ab"_s));
        QCOMPARE(save.outcome, SaveOutcome::CannotWrite);
        QCOMPARE(save.reason, u"ファイルに書き込めません（"_s + fileErrorText(EFBIG) + u"）。"_s);

        TryLoadHighScores();
        m->fake.inputAnswers = {u"ab"_s};
        QCOMPARE(CheckHighScore(2, 100, m->fake, &m->owner), RecordOutcome::SaveFailed);
        QCOMPARE(m->fake.warnings.size(), std::size_t(1));
        QCOMPARE(m->fake.warnings[0].prompt.section(u'\n', 2),
                 u"ロックファイル "_s + QDir::toNativeSeparators(file.path() + ".lock") + u" を作成できません（"_s
                     + fileErrorText(EFBIG) + u"）。"_s);
        QCOMPARE(file.bytes(), kResetLine);
        QCOMPARE(QDir(file.folder()).entryList(QDir::Files), QStringList{"LumoraHigh.Dll"});
    }
#endif
};

LUMORA_REGISTER_TEST(HighScoreFileTest)
#include "tst_highscorefile.moc"
