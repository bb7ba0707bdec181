#include "scores/HighScoreTestSupport.h"
#include "scores/NameRule.h"
#include "scores/RecordBoxes.h"
#include "scores/RecordKeeper.h"

#include "support/TestMain.h"
#include "support/WindowTestSupport.h"
#include <QDir>
#include <QLockFile>
#include <QTest>

#include <memory>
#include <utility>

using namespace lumora;
using namespace Qt::StringLiterals;

namespace {

// Each name box as title | prompt.
const QString kTitle = u"ハイスコア！！|"_s;
const QString kPrompt = u"名前を入力して下さい!"_s;

// Answers the name prompts from `answers`, then cancels. The boxes are the real ones the level
// windows use, shown through the shared fake of the program's dialogs.
struct Prompts
{
    explicit Prompts(const QStringList &answers)
    {
        for (const QString &answer : answers)
            fake.inputAnswers.push_back(answer.isEmpty() ? std::nullopt : std::optional(answer));
    }
    QStringList asked() const
    {
        QStringList texts;
        for (const auto &input : fake.inputs)
            texts << input.title + u'|' + input.prompt;
        return texts;
    }

    test::ScriptedDialogs fake;
    ui::DialogsOverride use{fake};
    RecordBoxes boxes;
};

} // namespace

class RecordKeeperTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::TempHighScoreFile> m_file;

private slots:
    void init()
    {
        m_file = std::make_unique<test::TempHighScoreFile>();
        highScores() = HighScoreTable();
    }
    void cleanup() { m_file.reset(); }

    void onlyAStrictlyHigherScoreIsSavedWithTheNameAsTyped_data()
    {
        QTest::addColumn<QByteArray>("file");  // null: no file
        QTest::addColumn<int>("slot");
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("answer");  // empty: the prompt cancelled; when refused, "ok" follows
        QTest::addColumn<QByteArray>("saved");  // null: no record, the file stays as it was
        QTest::addColumn<QString>("refusal");  // why the answer was refused and asked for again
        const auto row = [](const char *name, const QByteArray &file, int slot, double points, const QString &answer,
                            const QByteArray &saved = {}, const QString &refusal = {}) {
            QTest::newRow(name) << file << slot << points << answer << saved << refusal;
        };
        const QByteArray stored = "830,\"a\",490,\"b\",960,\"c\"\r\n"_ba;
        const QByteArray reset = "0,\" \",0,\" \",0,\" \"\r\n"_ba;
        const QByteArray negative = "-50,\"a\",-50,\"b\",-50,\"c\"\r\n"_ba;
        const QByteArray texts = "\"100\",\"a\",\"inf\",\"b\",0,\"c\"\r\n"_ba;
        row("an equal score", stored, 1, 830, "x");
        row("one point more in slot 3", stored, 3, 961, "x", "830,\"a\",490,\"b\",961,\"x\"\r\n"_ba);
        row("no file: the first record is 17 bytes", {}, 1, 830, "ab", "830,\"ab\",,,0,\"\"\r\n"_ba);
        row("empty fields: zero", ",,,,,\r\n"_ba, 2, 0, "x");
        row("reset state: zero", reset, 3, 0, "x");
        row("reset state: cancel saves an empty name", reset, 2, 100, "", "0,\" \",100,\"\",0,\" \"\r\n"_ba);
        row("a higher negative score beats a lower one", negative, 1, -40, "x",
            "-40,\"x\",-50,\"b\",-50,\"c\"\r\n"_ba);
        row("a lower negative score does not", negative, 3, -60, "x");
        row("a text spelling a number counts as it", texts, 1, 100, "x");
        row("any other text counts as zero", texts, 2, 1, "x", "\"100\",\"a\",1,\"x\",0,\"c\"\r\n"_ba);
        // A foreign slot too long to write back once refused every later record.
        row("a slot too long to write back is reset", "1,\"x\"," + QByteArray(300'000, '9') + ",\"y\"", 1, 5, "me",
            "5,\"me\",0,\" \",0,\"\"\r\n"_ba);
        // Names as typed, and their bytes: what input methods type where code page 932 holds the
        // character under another code is folded; a refused name is asked for again with the reason.
        struct Typed { QString name; QByteArray bytes; QString refusal; };
        const Typed names[] = {{u"\u301C"_s, "8160"}, {u"\u2016"_s, "8161"}, {u"\u2212"_s, "817C"},
            {u"\u00A2"_s, "8191"}, {u"\u00A3"_s, "8192"}, {u"\u00AC"_s, "81CA"}, {u"\u2014"_s, "815C"}, {u"\u00A6"_s, "FA55"}, {u"\u203E"_s, "8150"},
            {u"ｼｽﾃﾑ①髙～"_s, "BCBDC3D18740FBFC8160"},
            {QString(kMaxNameLength, u'漢'), QByteArray("8ABF").repeated(kMaxNameLength)},
            {QString(kMaxNameLength + 1, u'あ'), "6F6B", u"名前は 32767 文字までです。"_s},
            {"a\"b", "6F6B", u"名前に \" は使えません。"_s}, {"a\nb", "6F6B", u"名前に改行は使えません。"_s},
            {u"森😀"_s, "6F6B", u"「😀」は名前に使えません。"_s}, {u"a¥b"_s, "6F6B", u"「¥」は名前に使えません。"_s}};
        for (const auto &[name, bytes, refusal] : names)
            row(qPrintable(u"typed "_s + name.left(6).replace(u'\n', u'|')), {}, 1, 830, name,
                "830,\""_ba + QByteArray::fromHex(bytes) + "\",,,0,\"\"\r\n"_ba, refusal);
    }

    void onlyAStrictlyHigherScoreIsSavedWithTheNameAsTyped()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, slot);
        QFETCH(double, points);
        QFETCH(QString, answer);
        QFETCH(QByteArray, saved);
        QFETCH(QString, refusal);
        if (!file.isNull())
            m_file->write(file);
        TryLoadHighScores();
        Prompts dialogs({answer, "ok"});
        const RecordOutcome outcome = CheckHighScore(slot, points, dialogs.boxes);
        QCOMPARE(outcome, saved.isNull() ? RecordOutcome::NotARecord : RecordOutcome::Saved);
        const QStringList asked = saved.isNull()      ? QStringList()
                                  : refusal.isEmpty() ? QStringList{kTitle + kPrompt}
                                                      : QStringList{kTitle + kPrompt, kTitle + refusal + u'\n' + kPrompt};
        QCOMPARE(dialogs.asked(), asked);
        QCOMPARE(m_file->bytes(), saved.isNull() ? file : saved);
    }

    void aRecordOfAnotherRunningCopyInAnotherSlotSurvives()
    {
        m_file->write("10,\"a\",20,\"b\",30,\"c\"\r\n"_ba);
        TryLoadHighScores();
        m_file->write("10,\"a\",25,\"other copy\",30,\"c\"\r\n"_ba);
        Prompts dialogs({"me"});
        QCOMPARE(CheckHighScore(1, 11, dialogs.boxes), RecordOutcome::Saved);
        QCOMPARE(m_file->bytes(), "11,\"me\",25,\"other copy\",30,\"c\"\r\n"_ba);
    }

    // Two copies at the name prompt of one level: the worse record, saved last, overwrote the better.
    void aBetterRecordSavedMeanwhileByAnotherCopyStays()
    {
        TryLoadHighScores();
        Prompts dialogs({"AAA", "BBB"});
        QCOMPARE(CheckHighScore(1, 125000, dialogs.boxes), RecordOutcome::Saved);
        QCOMPARE(CheckHighScore(1, 62500, dialogs.boxes), RecordOutcome::BeatenMeanwhile);
        QCOMPARE(m_file->bytes(), "125000,\"AAA\",,,0,\"\"\r\n"_ba);
        QCOMPARE(dialogs.fake.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.fake.messages[0].prompt, u"その間に、より良い記録が保存されました。\n125000 点　AAA"_s);
    }

    void aFailedSaveIsReportedWithTheFileAndTheReason_data()
    {
        QTest::addColumn<QString>("path");  // under the test's folder
        QTest::addColumn<QString>("reason");
        // A copy that keeps the file locked must not make a save look done.
        QTest::newRow("another copy holds the lock") << "LumoraHigh.Dll" << u"ほかのルモラ＋＋がファイルを使用中です。"_s;
        QTest::newRow("a plain file where the folder should be") << "LumoraHigh.Dll/LumoraHigh.Dll" << u"フォルダー"_s;
    }

    void aFailedSaveIsReportedWithTheFileAndTheReason()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        m_file->write(QByteArray());
        QLockFile other(m_file->path() + ".lock");
        QVERIFY(other.lock());
        const QString file = m_file->folder() + u'/' + path;
        setHighScoreFileOverride(file);
        TryLoadHighScores();
        Prompts dialogs({"ab"});
        QCOMPARE(CheckHighScore(1, 830, dialogs.boxes), RecordOutcome::SaveFailed);
        QCOMPARE(dialogs.fake.warnings.size(), std::size_t(1));
        const QString message = dialogs.fake.warnings[0].prompt;
        QVERIFY2(message.startsWith(u"ハイスコアを保存できませんでした。"_s) && message.contains(reason)
                     && message.contains(QDir::toNativeSeparators(file)),
                 qPrintable(message));
        QCOMPARE(m_file->bytes(), QByteArray());
    }
};

LUMORA_REGISTER_TEST(RecordKeeperTest)
#include "tst_recordkeeper.moc"
