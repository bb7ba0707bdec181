#include "scores/HighScoreTestSupport.h"
#include "scores/NameRule.h"
#include "scores/RecordKeeper.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QTest>

using namespace lumora;
using namespace Qt::StringLiterals;

namespace {

// Each name box as title | prompt.
const QString kTitle = u"ハイスコア！！|"_s;
const QString kPrompt = u"名前を入力して下さい!"_s;
const QString kControl = u"名前に制御文字は使えません。"_s;
// After a refusal the fake answers ¥, refused too, then o〜, saved as o～.
constexpr const char *kAfterRefusal = "6F8160";

} // namespace

// Record keeping: which score is a record, the name it is saved with, and another running copy.
class RecordKeeperTest : public QObject
{
    Q_OBJECT

    std::optional<test::TempHighScoreFile> m_file;
    test::ScriptedDialogs m_dialogs;

private slots:
    void init()
    {
        m_file.emplace();
        m_dialogs = {};
        highScores() = HighScoreTable();
    }
    void cleanup() { m_file.reset(); }

    void onlyAStrictlyHigherScoreIsSavedWithTheNameAsTyped_data()
    {
        // clang-format off
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
        row("reset state: cancel saves an empty name", test::kResetLine, 2, 100, "", "0,\" \",100,\"\",0,\" \"\r\n"_ba);
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
        const Typed names[] = {{u"\u301C"_s, "8160"}, {u"\u2014"_s, "815C"}, {u"\u00A6"_s, "FA55"}, {u"a,b"_s, "612C62"},
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
        // clang-format on
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
            m_file->write(file);
        TryLoadHighScores();
        if (!meanwhile.isNull())
            m_file->write(meanwhile);
        m_dialogs.inputAnswers = {answer.isEmpty() ? std::nullopt : std::optional(answer), u"¥"_s, u"o\u301C"_s};
        const RecordOutcome outcome = CheckHighScore(slot, points, m_dialogs, nullptr);
        QCOMPARE(outcome, saved.isNull() ? RecordOutcome::NotARecord : RecordOutcome::Saved);
        QStringList asked;
        for (const auto &input : m_dialogs.inputs)
            asked << input.title + u'|' + input.prompt;
        QCOMPARE(asked,
                 (saved.isNull()          ? QStringList()
                      : refusal.isEmpty() ? QStringList{kTitle + kPrompt}
                                          : QStringList{kTitle + kPrompt, kTitle + refusal + u'\n' + kPrompt,
                                                        kTitle + u"「¥」は名前に使えません。\n"_s + kPrompt}));
        QCOMPARE(m_file->bytes(), saved.isNull() ? file : saved);
    }

    // Two copies at the name prompt of one level: the worse record, saved last, overwrote the better.
    void aBetterOrEqualRecordSavedMeanwhileByAnotherCopyStays()
    {
        TryLoadHighScores(); // before either copy saves: the table holds no record
        m_dialogs.inputAnswers = {u"AAA"_s, u"BBB"_s, u"CCC"_s};
        QCOMPARE(CheckHighScore(1, 125000, m_dialogs, nullptr), RecordOutcome::Saved);
        for (const double later : {125000.0, 62500.0}) // an equal one, a worse one
            QCOMPARE(CheckHighScore(1, later, m_dialogs, nullptr), RecordOutcome::BeatenMeanwhile);
        QCOMPARE(m_file->bytes(), "125000,\"AAA\",,,0,\"\"\r\n"_ba);
        QCOMPARE(m_dialogs.messages.size(), std::size_t(2));
        QCOMPARE(m_dialogs.messages[0].prompt, u"その間に、より良い記録が保存されました。\n125000 点　AAA"_s);
    }

    // A copy that keeps the file locked must not make a save look done.
    void aSaveWhileAnotherCopyHoldsTheLockIsReportedWithTheFileAndTheReason()
    {
        m_file->write(QByteArray());
        const HighScoreSave other;
        QVERIFY(!other.failed());
        TryLoadHighScores();
        m_dialogs.inputAnswers = {u"ab"_s};
        QCOMPARE(CheckHighScore(1, 830, m_dialogs, nullptr), RecordOutcome::SaveFailed);
        QCOMPARE(m_dialogs.warnings.size(), std::size_t(1));
        QCOMPARE(m_dialogs.warnings[0].prompt,
                 u"ハイスコアを保存できませんでした。\nファイル: "_s + QDir::toNativeSeparators(m_file->path())
                     + u"\nほかのルモラ＋＋がファイルを使用中です。"_s);
        QVERIFY(!ClearHighScores(m_dialogs, nullptr)); // as Clear saves
        QCOMPARE(m_file->bytes(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(RecordKeeperTest)
#include "tst_recordkeeper.moc"
