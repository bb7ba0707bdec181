#include "scores/FileErrorText.h"
#include "scores/HighScoreFile.h"
#include "scores/HighScoreTestSupport.h"

#include "support/TestMain.h"
#include <QDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <memory>
#include <optional>
#include <sys/resource.h>

using namespace lumora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lumora::HighScoreFields)
Q_DECLARE_METATYPE(lumora::SaveOutcome)

namespace {

FieldValue n(double value) { return FieldValue::number(value); }
FieldValue t(const QString &value) { return FieldValue::text(value); }

// Distinct values in every member, so a partial load shows which members it changed.
const HighScoreTable kPrevious{n(1), t("old1"), n(2), t("old2"), 3, "old3"};
const QByteArray kResetLine = "0,\" \",0,\" \",0,\" \"\r\n"_ba;

// Kinds stay visible: #830 is a number, '830' a text, "empty" an empty field.
QString describe(const HighScoreFields &fields)
{
    QStringList texts;
    for (const FieldValue &value : fields) {
        switch (value.kind()) {
        case FieldValue::Kind::Empty: texts << "empty"; break;
        case FieldValue::Kind::Number: texts << u'#' + value.displayText(); break;
        case FieldValue::Kind::Text: texts << u'\'' + value.displayText() + u'\''; break;
        }
    }
    return texts.join(" | ");
}

// Makes writing a regular file beyond `bytes` fail while it lives. Tests run as root, whom
// permission bits do not stop; the file size limit holds for root too.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        const rlimit limit{bytes, previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous); }

    rlimit previous{};
};

} // namespace

class HighScoreFileTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TempHighScoreFile> m_file;

private slots:
    void init() { m_file = std::make_unique<test::TempHighScoreFile>(); }
    void cleanup() { m_file.reset(); }

    void tablesReplaceTheFileAsExactBytesAndReadBack_data()
    {
        QTest::addColumn<HighScoreFields>("fields");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("reset state") << resetHighScoreFields() << kResetLine;
        QTest::newRow("negative scores, names with commas, an empty name")
            << HighScoreFields{n(-5), t("a,b"), n(-120), t(""), n(-2147483648.0), t(",")}
            << "-5,\"a,b\",-120,\"\",-2147483648,\",\"\r\n"_ba;
        QTest::newRow("Japanese names in code page 932")
            << HighScoreFields{n(960000), t("森野　太郎"), {}, t("ｼｽﾃﾑ"), n(7), t("①髙～")}
            << QByteArray::fromHex("3936303030302C22 905896EC814091BE9859 222C2C22 BCBDC3D1 222C372C22"
                                   "8740FBFC8160 220D0A");
        QTest::newRow("a text score and a fraction from a foreign file")
            << HighScoreFields{t("abc"), n(12), n(1.5), {}, n(0), t(" x ")} << "\"abc\",12,1.5,,0,\" x \"\r\n"_ba;
    }

    void tablesReplaceTheFileAsExactBytesAndReadBack()
    {
        QFETCH(HighScoreFields, fields);
        QFETCH(QByteArray, bytes);
        m_file->write(QByteArray(100, 'x'));
        QVERIFY(SaveHighScores(fields).saved());
        QCOMPARE(m_file->bytes().toHex(' '), bytes.toHex(' '));
        HighScoreTable loaded = kPrevious;
        QVERIFY(LoadHighScores(loaded).loaded());
        QCOMPARE(describe(loaded.fields()), describe(fields));
    }

    void loadStoresEachFieldAsRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // null: no file
        QTest::addColumn<int>("fieldsRead");
        QTest::addColumn<QString>("table");
        const QString previous = "#1 | 'old1' | #2 | 'old2' | #3 | 'old3'";
        QTest::newRow("no file") << QByteArray() << 0 << previous;
        QTest::newRow("only a score and a name")
            << "830,\"ab\"\r\n"_ba << 2 << "#830 | 'ab' | #2 | 'old2' | #3 | 'old3'";
        QTest::newRow("empty fields") << ",,,,,\r\n"_ba << 6 << "empty | empty | empty | empty | #0 | ''";
        QTest::newRow("six fields over lines ended by CR LF, LF and CR")
            << "830\r\n\"ab\"\n-7\r\"c d\"\r\n9,\"e\"\r\n"_ba << 6 << "#830 | 'ab' | #-7 | 'c d' | #9 | 'e'";
        QTest::newRow("a fraction, a huge number, slot 3 rounded half to even")
            << "1.5,\"a\",1e300,\"b\",2.5,\"c\""_ba << 6 << "#1.5 | 'a' | #1e+300 | 'b' | #2 | 'c'";
        QTest::newRow("beyond 32 bits, slot 3 held at the top; negative zero")
            << "12345678901,\"a\",-0,\"b\",99999999999,\"c\""_ba << 6
            << "#12345678901 | 'a' | #0 | 'b' | #2147483647 | 'c'";
        QTest::newRow("unquoted names; quotes inside them dropped")
            << "1,ab,2, c \"d\" ,3,006"_ba << 6 << "#1 | 'ab' | #2 | 'c d' | #3 | '006'";
        QTest::newRow("spaces around fields, stray bytes after a closing quote")
            << " 1 ,  \"a\"zz ,\t2\t, \"b\"\"\", 3.5 , \"c\" "_ba << 6 << "#1 | 'a' | #2 | 'b' | #4 | 'c'";
        QTest::newRow("invalid and unassigned Shift_JIS bytes")
            << "1,\"\xff\x80\xa0\",2,\x81\x7f\x88\x88,3,\"\x81\""_ba << 6
            << u"#1 | '\x1a\x1a\x1a' | #2 | '\x1a\x1a・' | #3 | ''"_s;
        QTest::newRow("NUL bytes")
            << "1,\"a\0b\",2\0,\"\0\",3,\"c\""_ba << 6 << u"#1 | 'a\0b' | '2\0' | '\0' | #3 | 'c'"_s;
        QTest::newRow("an unterminated quote runs to the end")
            << "1,\"ab,2\r\n"_ba << 2 << "#1 | 'ab,2\r\n' | #2 | 'old2' | #3 | 'old3'";
    }

    void loadStoresEachFieldAsRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, fieldsRead);
        QFETCH(QString, table);
        if (!bytes.isNull())
            m_file->write(bytes);
        HighScoreTable loaded = kPrevious;
        const LoadResult result = LoadHighScores(loaded);
        QCOMPARE(describe(loaded.fields()), table);
        QCOMPARE(result.fieldsRead, fieldsRead);
        QCOMPARE(result.outcome, bytes.isNull() ? LoadOutcome::CannotOpen
                                 : fieldsRead == 6 ? LoadOutcome::Loaded : LoadOutcome::EndedEarly);
        // Guards against a load giving a text that no save can write (U+FFFD from damaged bytes),
        // which would make every later record fail.
        QCOMPARE(encodeHighScoreLine(loaded.fields()).problem, QString());
    }

    void loadReadsOnlyTheStartOfAVeryLargeFile()
    {
        // The last quote stays open over a gigabyte of NUL bytes: the name stops where the read stops.
        const QByteArray start = "1,\"a\",2,\"b\",3,\""_ba;
        m_file->write(start);
        QVERIFY(QFile::resize(m_file->path(), qint64(1) << 30));
        HighScoreTable table;
        QVERIFY(LoadHighScores(table).loaded());
        QCOMPARE(table.HighScore3, 3);
        QCOMPARE(table.HighName3.size(), kMaxHighScoreBytes - start.size());
    }

    void aFailedSaveLeavesTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("fileSizeLimit");  // 0: none
        QTest::addColumn<SaveOutcome>("outcome");
        QTest::newRow("a name with a double quote") << "a\"b" << 0 << SaveOutcome::NameNotWritable;
        QTest::newRow("a name code page 932 cannot hold") << "¥" << 0 << SaveOutcome::NameNotWritable;
        QTest::newRow("a write cut short") << "ab" << 8 << SaveOutcome::CannotWrite;
    }

    void aFailedSaveLeavesTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(int, fileSizeLimit);
        QFETCH(SaveOutcome, outcome);
        m_file->write(kResetLine);
        std::optional<FileSizeLimit> limit;
        if (fileSizeLimit)
            limit.emplace(fileSizeLimit);
        const SaveResult result = SaveHighScores(withSlot(resetHighScoreFields(), 2, 100, name));
        limit.reset();
        QCOMPARE(result.outcome, outcome);
        QVERIFY(!result.reason.isEmpty());
        QCOMPARE(m_file->bytes(), kResetLine);
        QCOMPARE(QDir(m_file->folder()).entryList(QDir::Files), QStringList{"LumoraHigh.Dll"});
    }

    void commonSystemReasonsAreToldInJapanese_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");  // empty: the system's own text
        QTest::newRow("no such folder") << ENOENT << u"フォルダーが見つかりません"_s;
        QTest::newRow("no permission") << EACCES << u"書き込む権限がありません"_s;
        QTest::newRow("disk full") << ENOSPC << u"ディスクの空き領域が足りません"_s;
        QTest::newRow("read-only file system") << EROFS << u"読み取り専用のファイル システムです"_s;
        QTest::newRow("anything else") << ENOTDIR << QString();
    }

    void commonSystemReasonsAreToldInJapanese()
    {
        QFETCH(int, code);
        QFETCH(QString, reason);
        const QString systemText = qt_error_string(code);
        QCOMPARE(fileErrorText(systemText), reason.isEmpty() ? systemText : reason);
    }
};

LUMORA_REGISTER_TEST(HighScoreFileTest)
#include "tst_highscorefile.moc"
