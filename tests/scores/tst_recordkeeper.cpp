#include "scores/HighScoreFile.h"
#include "scores/NameRule.h"
#include "scores/RecordKeeper.h"

#include "scores/HighScoreTestSupport.h"

#include <QTest>

#include <memory>

using namespace lumora;
using namespace lumora::test;
using namespace Qt::StringLiterals;

namespace {

const QString kPrompt = u"名前を入力して下さい!"_s;
const QString kTitle = u"ハイスコア！！"_s;

// Answers the name prompts from a list and keeps what the player was shown.
class ScriptedDialogs : public RecordDialogs
{
public:
    explicit ScriptedDialogs(QStringList answers = {}) : m_answers(std::move(answers)) {}

    QString askName(const QString &prompt, const QString &title) override
    {
        prompts += prompt;
        titles += title;
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }

    void reportSaveFailure(const QString &message) override { failures += message; }

    QStringList prompts;
    QStringList titles;
    QStringList failures;

private:
    QStringList m_answers;
};

} // namespace

class RecordKeeperTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void onlyAStrictlyHigherScoreIsARecord_data();
    void onlyAStrictlyHigherScoreIsARecord();
    void theFirstRecordWithoutAFileWritesTheSeventeenBytes();
    void cancellingThePromptSavesAnEmptyName();
    void theTableChangesOnlyWithTheNextLoad();
    void eachRoundIsTestedAgainstTheTableLoadedAtItsStart();
    void aMissingFileAtRoundStartKeepsThePreviousTable();
    void aRecordOfAnotherRunningCopyInAnotherSlotSurvives();
    void aFailedSaveIsReportedAndLeavesTheOldFile();
    void aNameThatWouldNotReadBackIsAskedForAgain_data();
    void aNameThatWouldNotReadBackIsAskedForAgain();
    void cancellingARepeatedPromptStillSavesAnEmptyName();
    void otherNamesAreStoredAndReadBackExactly_data();
    void otherNamesAreStoredAndReadBackExactly();

private:
    std::unique_ptr<TempHighScoreFile> m_file;
};

void RecordKeeperTest::init()
{
    m_file = std::make_unique<TempHighScoreFile>();
    highScores() = HighScoreTable();
}

void RecordKeeperTest::cleanup()
{
    m_file.reset();
}

void RecordKeeperTest::onlyAStrictlyHigherScoreIsARecord_data()
{
    QTest::addColumn<QByteArray>("file");  // empty: no file
    QTest::addColumn<int>("slot");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("record");

    const QByteArray stored = "830,\"a\",490,\"b\",960,\"c\"\r\n"_ba;
    QTest::newRow("equal score, beginner") << stored << 1 << 830.0 << false;
    QTest::newRow("one point more, beginner") << stored << 1 << 831.0 << true;
    QTest::newRow("equal score, advanced") << stored << 3 << 960.0 << false;
    QTest::newRow("one point more, advanced") << stored << 3 << 961.0 << true;

    QTest::newRow("no file: zero is no record") << QByteArray() << 1 << 0.0 << false;
    QTest::newRow("no file: any positive score is") << QByteArray() << 2 << 10.0 << true;
    QTest::newRow("no file: a negative score is no record") << QByteArray() << 1 << -5.0 << false;

    const QByteArray empty = ",,,,,\r\n"_ba;
    QTest::newRow("empty fields count as zero") << empty << 1 << 0.0 << false;
    QTest::newRow("above empty fields") << empty << 2 << 5.0 << true;

    const QByteArray reset = "0,\" \",0,\" \",0,\" \"\r\n"_ba;
    QTest::newRow("reset state: zero is no record") << reset << 2 << 0.0 << false;
    QTest::newRow("reset state: advanced zero is no record") << reset << 3 << 0.0 << false;
    QTest::newRow("reset state: above zero") << reset << 3 << 10.0 << true;

    const QByteArray negative = "-50,\"a\",-50,\"b\",-50,\"c\"\r\n"_ba;
    QTest::newRow("negative stored score beaten by a higher negative") << negative << 1 << -40.0 << true;
    QTest::newRow("negative stored score, advanced") << negative << 3 << -49.0 << true;
    QTest::newRow("negative stored score not beaten by a lower one") << negative << 2 << -60.0 << false;

    const QByteArray texts = "\"100\",\"a\",\"abc\",\"b\",0,\"c\"\r\n"_ba;
    QTest::newRow("a text spelling a number counts as it") << texts << 1 << 100.0 << false;
    QTest::newRow("above a text spelling a number") << texts << 1 << 101.0 << true;
    QTest::newRow("a text that is no number counts as zero") << texts << 2 << 1.0 << true;
}

void RecordKeeperTest::onlyAStrictlyHigherScoreIsARecord()
{
    QFETCH(QByteArray, file);
    QFETCH(int, slot);
    QFETCH(double, points);
    QFETCH(bool, record);
    if (!file.isEmpty())
        m_file->write(file);

    TryLoadHighScores();
    ScriptedDialogs dialogs({"nm"});
    const RecordOutcome outcome = CheckHighScore(slot, points, dialogs);

    QCOMPARE(outcome, record ? RecordOutcome::Saved : RecordOutcome::NotARecord);
    QCOMPARE(dialogs.prompts, record ? QStringList{kPrompt} : QStringList());
    QCOMPARE(dialogs.titles, record ? QStringList{kTitle} : QStringList());
    if (!record) {
        QCOMPARE(m_file->bytes(), file);
        return;
    }
    HighScoreTable saved;
    QVERIFY(LoadHighScores(saved).loaded());
    QCOMPARE(saved.recordScore(slot), points);
    QCOMPARE(saved.fields()[2 * slot - 1], FieldValue::text("nm"));
}

void RecordKeeperTest::theFirstRecordWithoutAFileWritesTheSeventeenBytes()
{
    TryLoadHighScores();
    ScriptedDialogs dialogs({"ab"});
    QCOMPARE(CheckHighScore(1, 830, dialogs), RecordOutcome::Saved);
    QCOMPARE(m_file->bytes().toHex(' '),
             QByteArray("38 33 30 2c 22 61 62 22 2c 2c 2c 30 2c 22 22 0d 0a"));
}

void RecordKeeperTest::cancellingThePromptSavesAnEmptyName()
{
    m_file->write("0,\" \",0,\" \",0,\" \"\r\n"_ba);
    TryLoadHighScores();
    ScriptedDialogs cancelling;
    QCOMPARE(CheckHighScore(2, 100, cancelling), RecordOutcome::Saved);
    QCOMPARE(m_file->bytes(), "0,\" \",100,\"\",0,\" \"\r\n"_ba);
}

void RecordKeeperTest::theTableChangesOnlyWithTheNextLoad()
{
    m_file->write("10,\"a\",20,\"b\",30,\"c\"\r\n"_ba);
    TryLoadHighScores();
    const HighScoreTable before = highScores();
    ScriptedDialogs dialogs({"new"});
    QCOMPARE(CheckHighScore(3, 500, dialogs), RecordOutcome::Saved);
    QCOMPARE(describe(highScores()), describe(before));

    TryLoadHighScores();
    QCOMPARE(describe(highScores()), "#10 | 'a' | #20 | 'b' | 500 | 'new'");
}

void RecordKeeperTest::eachRoundIsTestedAgainstTheTableLoadedAtItsStart()
{
    ScriptedDialogs dialogs({"first", "third"});
    TryLoadHighScores();
    QCOMPARE(CheckHighScore(1, 830, dialogs), RecordOutcome::Saved);
    TryLoadHighScores();
    QCOMPARE(CheckHighScore(1, 830, dialogs), RecordOutcome::NotARecord);
    TryLoadHighScores();
    QCOMPARE(CheckHighScore(1, 900, dialogs), RecordOutcome::Saved);
    QCOMPARE(dialogs.prompts.size(), 2);
    QCOMPARE(m_file->bytes(), "900,\"third\",,,0,\"\"\r\n"_ba);
}

void RecordKeeperTest::aMissingFileAtRoundStartKeepsThePreviousTable()
{
    m_file->write("500,\"a\",,,0,\"\"\r\n"_ba);
    TryLoadHighScores();
    QVERIFY(QFile::remove(m_file->path()));
    TryLoadHighScores();
    ScriptedDialogs dialogs({"b"});
    QCOMPARE(CheckHighScore(1, 400, dialogs), RecordOutcome::NotARecord);
    QVERIFY(!m_file->exists());
}

void RecordKeeperTest::aRecordOfAnotherRunningCopyInAnotherSlotSurvives()
{
    m_file->write("10,\"a\",20,\"b\",30,\"c\"\r\n"_ba);
    TryLoadHighScores();
    m_file->write("10,\"a\",25,\"other copy\",30,\"c\"\r\n"_ba);
    ScriptedDialogs dialogs({"me"});
    QCOMPARE(CheckHighScore(1, 11, dialogs), RecordOutcome::Saved);
    QCOMPARE(m_file->bytes(), "11,\"me\",25,\"other copy\",30,\"c\"\r\n"_ba);
}

void RecordKeeperTest::aFailedSaveIsReportedAndLeavesTheOldFile()
{
    const QByteArray old = "0,\" \",0,\" \",0,\" \"\r\n"_ba;
    m_file->write(old);
    TryLoadHighScores();
    ScriptedDialogs dialogs({"ab"});
    RecordOutcome outcome;
    {
        FileSizeLimit limit(8);
        outcome = CheckHighScore(1, 830, dialogs);
    }
    QCOMPARE(outcome, RecordOutcome::SaveFailed);
    QCOMPARE(m_file->bytes(), old);
    QCOMPARE(dialogs.failures.size(), 1);
    QVERIFY2(dialogs.failures.first().contains(m_file->path()), qPrintable(dialogs.failures.first()));
    QVERIFY2(dialogs.failures.first().startsWith(u"ハイスコアを保存できませんでした。"_s),
             qPrintable(dialogs.failures.first()));
}

void RecordKeeperTest::aNameThatWouldNotReadBackIsAskedForAgain_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("double quote") << "a\"b" << u"名前に \" は使えません。"_s;
    QTest::newRow("line feed") << "a\nb" << u"名前に改行は使えません。"_s;
    QTest::newRow("carriage return") << "a\rb" << u"名前に改行は使えません。"_s;
    QTest::newRow("emoji") << "森😀" << u"「😀」は名前に使えません。"_s;
    QTest::newRow("minus sign") << "a\u2212b" << u"「\u2212」は名前に使えません。"_s;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << u"「\uFFFD」は名前に使えません。"_s;
    QTest::newRow("too long") << QString(kMaxNameLength + 1, u'あ') << u"名前は 32767 文字までです。"_s;
}

void RecordKeeperTest::aNameThatWouldNotReadBackIsAskedForAgain()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QCOMPARE(nameProblem(name), std::optional<QString>(reason));

    TryLoadHighScores();
    ScriptedDialogs dialogs({name, "ok"});
    QCOMPARE(CheckHighScore(2, 100, dialogs), RecordOutcome::Saved);
    QCOMPARE(dialogs.prompts, (QStringList{kPrompt, reason + u'\n' + kPrompt}));
    QCOMPARE(dialogs.titles, (QStringList{kTitle, kTitle}));
    QCOMPARE(m_file->bytes(), ",,100,\"ok\",0,\"\"\r\n"_ba);
}

void RecordKeeperTest::cancellingARepeatedPromptStillSavesAnEmptyName()
{
    TryLoadHighScores();
    ScriptedDialogs dialogs({"a\"b"});
    QCOMPARE(CheckHighScore(3, 100, dialogs), RecordOutcome::Saved);
    QCOMPARE(dialogs.prompts.size(), 2);
    QCOMPARE(m_file->bytes(), ",,,,100,\"\"\r\n"_ba);
}

void RecordKeeperTest::otherNamesAreStoredAndReadBackExactly_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Japanese with an ideographic space") << u"森野　太郎"_s;
    QTest::newRow("half-width katakana") << u"ｼｽﾃﾑ"_s;
    QTest::newRow("Windows extensions") << u"①髙～"_s;
    QTest::newRow("spaces kept") << u"  a b  "_s;
    QTest::newRow("commas") << u"a,b,"_s;
    QTest::newRow("tab and apostrophe") << u"a\t'b'"_s;
    QTest::newRow("longest name") << QString(kMaxNameLength, u'漢');
}

void RecordKeeperTest::otherNamesAreStoredAndReadBackExactly()
{
    QFETCH(QString, name);
    QCOMPARE(nameProblem(name), std::nullopt);
    for (int slot = 1; slot <= 3; ++slot) {
        TryLoadHighScores();
        ScriptedDialogs dialogs({name});
        QCOMPARE(CheckHighScore(slot, 1000 + slot, dialogs), RecordOutcome::Saved);
        QCOMPARE(dialogs.prompts.size(), 1);
    }
    HighScoreTable loaded;
    QVERIFY(LoadHighScores(loaded).loaded());
    QCOMPARE(loaded.HighName1, FieldValue::text(name));
    QCOMPARE(loaded.HighName2, FieldValue::text(name));
    QCOMPARE(loaded.HighName3, name);
}

QTEST_GUILESS_MAIN(RecordKeeperTest)
#include "tst_recordkeeper.moc"
