#include "scores/CodePage932.h"
#include "scores/HighScoreFile_p.h"
#include "scores/HighScoreTestSupport.h"

#include <QDeadlineTimer>
#include <QTest>

#include <array>
#include <utility>

using namespace lumora;
using namespace Qt::StringLiterals;

// The high-score file: its bytes, how a load reads them, where it lives, and how it is reached.
class HighScoreFileTest : public QObject
{
    Q_OBJECT

private slots:
    void loadStoresEachFieldAsRead_data()
    {
        // clang-format off
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
        // clang-format on
    }

    void loadStoresEachFieldAsRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fieldsRead);
        QFETCH(QByteArray, table);
        const test::TempHighScoreFile file;
        if (!bytes.isNull())
            file.write(bytes);
        HighScoreTable loaded = test::kPrevious;
        const LoadResult result = LoadHighScores(loaded);
        // Also guards against a load giving a text that no save can write (U+FFFD from damaged
        // bytes), which would make every later record fail.
        QCOMPARE(encodeHighScoreLine(loaded.fields()).value_or(QByteArray()), table + "\r\n");
        QCOMPARE(result.fieldsRead, fieldsRead);
        QCOMPARE(result.outcome,
                 bytes.isNull()        ? LoadOutcome::Missing
                     : fieldsRead == 6 ? LoadOutcome::Loaded
                                       : LoadOutcome::EndedEarly);
    }

    // Both ways as Windows converts code page 932: a file from the Windows game reads the same here,
    // and nothing is ever written as a look-alike.
    void codePage932IsWindowsOwn_data()
    {
        // clang-format off
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
        // clang-format on
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

    // Each look-alike an input method types becomes code page 932's own character, and only those.
    void lookAlikesAreFoldedToCodePage932sOwn() { QCOMPARE(foldToCp932(u"〜‖−¢£¬—¦‾~-|"_s), u"～∥－￠￡￢―￤￣~-|"_s); }

    // On Windows a standard user cannot write the fixed place: records go where the old 32-bit game's
    // went, its VirtualStore copy, and come back from there. Each case with where it loads and saves.
    void windowsRecordsLiveWhereTheOldGameKeptThem()
    {
        const std::pair<WindowsPlaces, QString> cases[] = {
            {{"fixed", "copy", false, false}, "fixed copy"}, // neither: the copy is made
            {{"fixed", "copy", false, true}, "fixed fixed"},
            {{"fixed", "copy", true, true}, "copy copy"}, // the copy exists, the fixed place writable
        };
        for (const auto &[places, loadAndSave] : cases)
            QCOMPARE(loadPlace(places) + u' ' + savePlace(places), loadAndSave);
    }

    // A scanner or a sync client holding the file for a moment lost the record; a lasting refusal
    // still fails, after a second.
    void aMomentaryRefusalIsTriedAgainForASecond()
    {
        // Refusals before the attempt goes through (-1: for good); code 1 passes in a moment, 2
        // does not; the attempts made (0: as many as fit in a second).
        for (const auto [refusals, code, attempts] :
             {std::array{3, 1, 4}, std::array{-1, 1, 0}, std::array{-1, 2, 1}}) {
            int made = 0;
            const QDeadlineTimer bound(kMomentaryRetryMs);
            const std::error_code refusal(code, std::system_category());
            const std::error_code result = retryWhileMomentary(
                bound, [&made, r = refusals, refusal] { return made++ == r ? std::error_code() : refusal; },
                [](const std::error_code &c) { return c.value() == 1; });
            QCOMPARE(result.value(), refusals < 0 ? code : 0);
            QVERIFY(attempts ? made == attempts : made > 2 && bound.hasExpired());
        }
    }
};

QTEST_GUILESS_MAIN(HighScoreFileTest)
#include "tst_highscorefile.moc"
