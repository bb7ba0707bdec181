#include "scores/HighScoreFile.h"
#include "scores/HighScoreFormat.h"

#include "scores/HighScoreTestSupport.h"

#include <QDir>
#include <QTest>

#include <memory>

using namespace lumora;
using namespace lumora::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(lumora::HighScoreTable)

namespace {

HighScoreTable tableOf(FieldValue score1, FieldValue name1, FieldValue score2, FieldValue name2,
                       std::int32_t score3, const QString &name3)
{
    return {score1, name1, score2, name2, score3, name3};
}

FieldValue n(double value) { return FieldValue::number(value); }
FieldValue t(const QString &value) { return FieldValue::text(value); }

// Distinct values in every member, so a partial load shows which members it changed.
HighScoreTable previousTable()
{
    return tableOf(n(1), t("old1"), n(2), t("old2"), 3, "old3");
}

} // namespace

class HighScoreFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tablesAreWrittenAsExactBytes_data();
    void tablesAreWrittenAsExactBytes();
    void writtenBytesReadBackAsTheSameTable_data();
    void writtenBytesReadBackAsTheSameTable();
    void loadStoresEachFieldAsRead_data();
    void loadStoresEachFieldAsRead();

    void loadWithoutAFileFailsAtTheOpenAndKeepsTheTable();
    void loadReadsOnlyTheStartOfAVeryLargeFile();
    void saveCreatesTheFolderAndReplacesTheFile();
    void aNameTheFileCannotHoldIsRefusedAndTheOldFileStays_data();
    void aNameTheFileCannotHoldIsRefusedAndTheOldFileStays();
    void aFolderThatCannotBeCreatedIsReported();
    void aWriteFailingPartWayLeavesTheOldFile();
    void theRealFileLivesInTheDataFolder();

private:
    std::unique_ptr<TempHighScoreFile> m_file;
};

void HighScoreFileTest::init()
{
    m_file = std::make_unique<TempHighScoreFile>();
}

void HighScoreFileTest::cleanup()
{
    m_file.reset();
}

void HighScoreFileTest::tablesAreWrittenAsExactBytes_data()
{
    QTest::addColumn<HighScoreTable>("table");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("reset state")
        << tableOf(n(0), t(" "), n(0), t(" "), 0, " ")
        << QByteArray::fromHex("30 2C 22 20 22 2C 30 2C 22 20 22 2C 30 2C 22 20 22 0D 0A");
    QTest::newRow("first beginner record with nothing loaded")
        << tableOf(n(830), t("ab"), {}, {}, 0, "")
        << QByteArray::fromHex("38 33 30 2C 22 61 62 22 2C 2C 2C 30 2C 22 22 0D 0A");
    QTest::newRow("negative scores")
        << tableOf(n(-5), t("a"), n(-120), t("b"), -2147483647 - 1, "c")
        << "-5,\"a\",-120,\"b\",-2147483648,\"c\"\r\n"_ba;
    QTest::newRow("names with commas")
        << tableOf(n(1), t("a,b"), n(2), t(",,"), 3, "c,")
        << "1,\"a,b\",2,\",,\",3,\"c,\"\r\n"_ba;
    QTest::newRow("empty names")
        << tableOf(n(1), t(""), n(2), t(""), 3, "") << "1,\"\",2,\"\",3,\"\"\r\n"_ba;
    QTest::newRow("Japanese names in code page 932")
        << tableOf(n(960000), t("森野　太郎"), {}, t("ｼｽﾃﾑ"), 7, "①髙～")
        << QByteArray::fromHex("3936303030302C22 9058 96EC 8140 91BE 9859 222C2C22 BCBDC3D1 222C372C22"
                               "8740 FBFC 8160 220D0A");
    QTest::newRow("a text and a fraction loaded from a foreign file are written as they stand")
        << tableOf(t("abc"), n(12), n(1.5), {}, 0, " x ") << "\"abc\",12,1.5,,0,\" x \"\r\n"_ba;
}

void HighScoreFileTest::tablesAreWrittenAsExactBytes()
{
    QFETCH(HighScoreTable, table);
    QFETCH(QByteArray, bytes);
    const EncodedLine line = encodeHighScoreLine(table.fields());
    QCOMPARE(line.problem, QString());
    QCOMPARE(line.bytes.toHex(' '), bytes.toHex(' '));

    QVERIFY(SaveHighScores(table.fields()).saved());
    QCOMPARE(m_file->bytes().toHex(' '), bytes.toHex(' '));
}

void HighScoreFileTest::writtenBytesReadBackAsTheSameTable_data()
{
    tablesAreWrittenAsExactBytes_data();
}

void HighScoreFileTest::writtenBytesReadBackAsTheSameTable()
{
    QFETCH(HighScoreTable, table);
    QVERIFY(SaveHighScores(table.fields()).saved());
    HighScoreTable loaded = previousTable();
    const LoadResult result = LoadHighScores(loaded);
    QVERIFY(result.loaded());
    QCOMPARE(describe(loaded), describe(table));
}

void HighScoreFileTest::loadStoresEachFieldAsRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("fieldsRead");
    QTest::addColumn<QString>("table");
    QTest::newRow("reset state")
        << "0,\" \",0,\" \",0,\" \"\r\n"_ba << 6 << "#0 | ' ' | #0 | ' ' | 0 | ' '";
    QTest::newRow("only a score and a name")
        << "830,\"ab\"\r\n"_ba << 2 << "#830 | 'ab' | #2 | 'old2' | 3 | 'old3'";
    QTest::newRow("nothing at all") << ""_ba << 0 << "#1 | 'old1' | #2 | 'old2' | 3 | 'old3'";
    QTest::newRow("a comma after the fifth field, then nothing")
        << "4,\"a\",5,\"b\",6,"_ba << 5 << "#4 | 'a' | #5 | 'b' | 6 | 'old3'";
    QTest::newRow("empty fields")
        << ",,,,,\r\n"_ba << 6 << "empty | empty | empty | empty | 0 | ''";
    QTest::newRow("no line end after the sixth field")
        << "4,\"a\",5,\"b\",6,\"c\""_ba << 6 << "#4 | 'a' | #5 | 'b' | 6 | 'c'";
    QTest::newRow("six fields over several lines, CR LF, LF and CR")
        << "830\r\n\"ab\"\n-7\r\"c d\"\r\n9,\"e\"\r\n"_ba << 6 << "#830 | 'ab' | #-7 | 'c d' | 9 | 'e'";
    QTest::newRow("whatever follows the sixth field is not read")
        << "4,\"a\",5,\"b\",6,\"c\",7,\"d\"\r\n8,\"e\"\r\n"_ba << 6 << "#4 | 'a' | #5 | 'b' | 6 | 'c'";
    QTest::newRow("Japanese name in code page 932")
        << QByteArray::fromHex("312C22 9058 96EC 8140 91BE 9859 22 2C2C2C302C2222") << 6
        << "#1 | '森野　太郎' | empty | empty | 0 | ''";
    QTest::newRow("text in score fields")
        << "\"abc\",\"a\",\"12\",\"b\",\"77\",\"c\""_ba << 6 << "'abc' | 'a' | '12' | 'b' | 77 | 'c'";
    QTest::newRow("text that is no number in slot 3")
        << "1,\"a\",2,\"b\",\"x\",\"c\""_ba << 6 << "#1 | 'a' | #2 | 'b' | 0 | 'c'";
    QTest::newRow("fractions, slot 3 rounded half to even")
        << "1.5,\"a\",-2.25,\"b\",2.5,\"c\""_ba << 6 << "#1.5 | 'a' | #-2.25 | 'b' | 2 | 'c'";
    QTest::newRow("slot 3 above 32 bits")
        << "1,\"a\",2,\"b\",99999999999,\"c\""_ba << 6 << "#1 | 'a' | #2 | 'b' | 2147483647 | 'c'";
    QTest::newRow("slot 3 below 32 bits")
        << "1,\"a\",2,\"b\",-1e300,\"c\""_ba << 6 << "#1 | 'a' | #2 | 'b' | -2147483648 | 'c'";
    QTest::newRow("unquoted names")
        << "1,ab,2,c d ,3,x y"_ba << 6 << "#1 | 'ab' | #2 | 'c d' | 3 | 'x y'";
    QTest::newRow("unquoted numbers as names")
        << "1,2,3,4,5,006"_ba << 6 << "#1 | #2 | #3 | #4 | 5 | '006'";
    QTest::newRow("an unquoted name holding quotes loses them")
        << "1,a\"b\",2,\"c\",3,\"d\""_ba << 6 << "#1 | 'ab' | #2 | 'c' | 3 | 'd'";
    QTest::newRow("infinity and NaN are texts")
        << "inf,\"a\",nan,\"b\",inf,\"c\""_ba << 6 << "'inf' | 'a' | 'nan' | 'b' | 0 | 'c'";
    QTest::newRow("spaces around fields")
        << " 1 ,  \"a\" ,\t2\t, \"b\",  , \"c\" "_ba << 6 << "#1 | 'a' | #2 | 'b' | 0 | 'c'";
    QTest::newRow("stray bytes after a closing quote")
        << "1,\"a\"zz,2,\"b\"\"\",3,\"c\"x"_ba << 6 << "#1 | 'a' | #2 | 'b' | 3 | 'c'";
    QTest::newRow("invalid Shift_JIS bytes")
        << "1,\"\xff\x80\xa0\",2,\"\x81\x7f\",3,\"\x81\""_ba << 6
        << u"#1 | '\x1a\x1a\x1a' | #2 | '\x1a\x1a' | 3 | ''"_s;
    QTest::newRow("unassigned double-byte codes")
        << "1,\"\x88\x88\",2,\x88\x88,3,\"c\""_ba << 6 << u"#1 | '・' | #2 | '・' | 3 | 'c'"_s;
    QTest::newRow("NUL bytes")
        << "1,\"a\0b\",2\0,\"\0\",3,\"c\""_ba << 6 << u"#1 | 'a\0b' | '2\0' | '\0' | 3 | 'c'"_s;
    QTest::newRow("an unterminated quote runs to the end")
        << "1,\"ab,2\r\n"_ba << 2 << "#1 | 'ab,2\r\n' | #2 | 'old2' | 3 | 'old3'";
}

void HighScoreFileTest::loadStoresEachFieldAsRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, fieldsRead);
    QFETCH(QString, table);
    m_file->write(bytes);

    HighScoreTable loaded = previousTable();
    const LoadResult result = LoadHighScores(loaded);
    QCOMPARE(describe(loaded), table);
    QCOMPARE(result.fieldsRead, fieldsRead);
    QCOMPARE(result.outcome, fieldsRead == 6 ? LoadOutcome::Loaded : LoadOutcome::EndedEarly);
    QCOMPARE(result.reason.isEmpty(), fieldsRead == 6);

    // Guards against a load giving a text that no save can write (U+FFFD from damaged bytes),
    // which would make every later record fail.
    QCOMPARE(encodeHighScoreLine(loaded.fields()).problem, QString());

    HighScoreTable fromBuffer = previousTable();
    QCOMPARE(readHighScores(bytes, fromBuffer).fieldsRead, fieldsRead);
    QCOMPARE(describe(fromBuffer), table);
}

void HighScoreFileTest::loadWithoutAFileFailsAtTheOpenAndKeepsTheTable()
{
    HighScoreTable table = previousTable();
    const LoadResult result = LoadHighScores(table);
    QCOMPARE(result.outcome, LoadOutcome::CannotOpen);
    QCOMPARE(result.fieldsRead, 0);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(describe(table), describe(previousTable()));
}

void HighScoreFileTest::loadReadsOnlyTheStartOfAVeryLargeFile()
{
    constexpr qint64 kGigabyte = qint64(1) << 30;
    m_file->write("1,\"a\",2,\"b\",3,\"c\"\r\n"_ba);
    QVERIFY(QFile::resize(m_file->path(), kGigabyte));
    HighScoreTable table;
    QVERIFY(LoadHighScores(table).loaded());
    QCOMPARE(describe(table), "#1 | 'a' | #2 | 'b' | 3 | 'c'");

    // An open quote over a gigabyte of NUL bytes: the name stops where the read stops.
    m_file->write("1,\""_ba);
    QVERIFY(QFile::resize(m_file->path(), kGigabyte));
    const LoadResult result = LoadHighScores(table);
    QCOMPARE(result.outcome, LoadOutcome::EndedEarly);
    QCOMPARE(table.HighName1.textValue().size(), kMaxHighScoreBytes - 3);
}

void HighScoreFileTest::saveCreatesTheFolderAndReplacesTheFile()
{
    const QString path = m_file->folder() + "/a/b/LumoraHigh.Dll";
    setHighScoreFileOverride(path);
    QVERIFY(SaveHighScores(resetHighScoreFields()).saved());
    const SaveResult result = SaveHighScores(tableOf(n(5), t("x"), {}, {}, 0, "").fields());
    QVERIFY(result.saved());
    QCOMPARE(result.path, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "5,\"x\",,,0,\"\"\r\n"_ba);
    QCOMPARE(QDir(m_file->folder() + "/a/b").entryList(QDir::Files), QStringList{"LumoraHigh.Dll"});
}

void HighScoreFileTest::aNameTheFileCannotHoldIsRefusedAndTheOldFileStays_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("double quote") << "a\"b";
    QTest::newRow("emoji") << "😀";
    QTest::newRow("minus sign") << "\u2212";
    QTest::newRow("yen sign") << "¥";
}

void HighScoreFileTest::aNameTheFileCannotHoldIsRefusedAndTheOldFileStays()
{
    QFETCH(QString, name);
    const QByteArray old = "0,\" \",0,\" \",0,\" \"\r\n"_ba;
    m_file->write(old);
    const SaveResult result = SaveHighScores(withSlot(resetHighScoreFields(), 2, 100, name));
    QCOMPARE(result.outcome, SaveOutcome::NameNotWritable);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(m_file->bytes(), old);
}

void HighScoreFileTest::aFolderThatCannotBeCreatedIsReported()
{
    const QString notAFolder = m_file->folder() + "/plain";
    QFile plain(notAFolder);
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    setHighScoreFileOverride(notAFolder + "/LumoraHigh.Dll");

    const SaveResult result = SaveHighScores(resetHighScoreFields());
    QCOMPARE(result.outcome, SaveOutcome::CannotCreate);
    const QString message = saveFailureMessage(result);
    QVERIFY2(message.contains(QDir::toNativeSeparators(notAFolder + "/LumoraHigh.Dll")), qPrintable(message));
    QVERIFY2(message.contains(result.reason), qPrintable(message));
}

void HighScoreFileTest::aWriteFailingPartWayLeavesTheOldFile()
{
    const QByteArray old = "0,\" \",0,\" \",0,\" \"\r\n"_ba;
    m_file->write(old);
    SaveResult result;
    {
        FileSizeLimit limit(8);
        result = SaveHighScores(tableOf(n(830), t("ab"), {}, {}, 0, "").fields());
    }
    QCOMPARE(result.outcome, SaveOutcome::CannotWrite);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(m_file->bytes(), old);
    QCOMPARE(QDir(m_file->folder()).entryList(QDir::Files), QStringList{"LumoraHigh.Dll"});
}

void HighScoreFileTest::theRealFileLivesInTheDataFolder()
{
    setHighScoreFileOverride(QString());
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        QSKIP("needs the private data folder that the test environment sets");
    QVERIFY2(HighScoreFile().startsWith(dataHome + u'/'), qPrintable(HighScoreFile()));
    QVERIFY(HighScoreFile().endsWith("/LumoraHigh.Dll"));
}

QTEST_GUILESS_MAIN(HighScoreFileTest)
#include "tst_highscorefile.moc"
