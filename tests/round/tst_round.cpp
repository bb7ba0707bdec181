// RoundEngine.h first: moc cannot parse <concepts>, which NumberText.h includes, before <string>.
#include "round/RoundEngine.h"
#include "round/Checked.h"
#include "round/NumberText.h"
#include "support/RaisedError.h"

#include <QStringList>
#include <QTest>

#include <algorithm>
#include <vector>

using namespace lumora;
using test::Step;

namespace {

// Every seam of the engine in one: the level window's controls, a scripted clock and random
// source, and the hand-offs. It logs what the engine does, in order; a repeated entry is logged
// once, so a whole deal reads "deal" and the clearing loop "clear board".
class FakeRound : public RoundView, public Clock, public RandomSource, public RoundHandoffs
{
public:
    explicit FakeRound(int boardSize)
        : enabled(boardSize, true)
        , engine(boardSize, *this, *this, *this, *this)
        , m_captions(boardSize)
    {
    }

    QStringList log;
    std::vector<float> readings{1000}; // clock readings; the last one stands
    std::vector<bool> enabled;         // board buttons, from index 1
    RoundEngine engine;

    int indexOf(int number) const // past the board when not dealt, so a click on it fails
    {
        return int(std::ranges::find(m_captions, numberText(number)) - m_captions.begin()) + 1;
    }
    void click(int number) { engine.cmdNumbar_Click(std::int16_t(indexOf(number))); }

    // A missing board button throws, as the real control array fails.
    std::string numbarCaption(int index) const override { return m_captions.at(index - 1); }
    void setNumbarCaption(int index, const std::string &caption) override
    {
        m_captions.at(index - 1) = caption;
        note(caption.empty() ? "clear board" : "deal");
    }
    void enableNumbar(int index) override { enabled.at(index - 1) = true; }
    void disableNumbar(int index) override
    {
        enabled.at(index - 1) = false;
        note("disable " + QString::number(index));
    }
    void setCaption(RoundLabel label, const std::string &caption) override
    {
        note(QString::fromUtf8(label.name()) + '=' + QString::fromStdString(caption));
    }
    void show(RoundControl control) override { note("show " + QString::fromUtf8(control.name())); }
    void hide(RoundControl control) override { note("hide " + QString::fromUtf8(control.name())); }

    float secondsSinceMidnight() override
    {
        note("clock");
        return readings.at(std::min(m_readingsTaken++, readings.size() - 1));
    }

    void seed(float) override {}
    // 0, then steps through 96 / 97 and every other 1 / 97: every button, both ends included.
    float next() override { return float(m_drawsTaken++ * 61 % 97) / 97; }

    void roundStarted() override { note("roundStarted"); }
    void roundFinished(double score) override { note("roundFinished " + QString::fromStdString(numberText(score))); }

private:
    void note(const QString &entry)
    {
        if (log.isEmpty() || log.last() != entry)
            log << entry;
    }

    std::vector<std::string> m_captions;
    std::size_t m_readingsTaken = 0;
    std::size_t m_drawsTaken = 0;
};

} // namespace

// The round's rules: the numbers it computes, shows and draws, and the engine's steps.
class RoundTest : public QObject
{
    Q_OBJECT

private slots:
    void stepsOutOfRangeOrTypeRaiseTheClassicError_data()
    {
        // clang-format off
        using namespace checked;
        QTest::addColumn<Step>("step");
        QTest::addColumn<int>("error");
        QTest::newRow("byte counter reaching 255") << Step([] { add<std::uint8_t>(254, 1); }) << 0;
        QTest::newRow("byte sum past 255") << Step([] { add<std::uint8_t>(1, 255); }) << 6;
        QTest::newRow("16-bit 256 back to a byte") << Step([] { narrow<std::uint8_t>(std::int16_t(256)); }) << 6;
        QTest::newRow("division by zero") << Step([] { divide(-5.0, 0.0); }) << 11;
        QTest::newRow("zero by zero is invalid") << Step([] { divide(0.0, 0.0); }) << 6;
        QTest::newRow("empty caption") << Step([] { numberValue(""); }) << 13;
        QTest::newRow("caption with a trailing letter") << Step([] { numberValue("1x"); }) << 13;
        // clang-format on
    }

    void stepsOutOfRangeOrTypeRaiseTheClassicError()
    {
        QFETCH(Step, step);
        QFETCH(int, error);
        QCOMPARE(test::raisedError(step), error);
    }

    void numbersShowAsPlainDigitsAndReadBack_data()
    {
        // clang-format off
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("wrong first click") << -5.0 << "-5";
        QTest::newRow("score without grouping") << 12500.0 << "12500";
        QTest::newRow("beyond exact integers, no exponent") << 1e20 << "100000000000000000000";
        // clang-format on
    }

    void numbersShowAsPlainDigitsAndReadBack()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(numberText(value)), text);
        QCOMPARE(numberValue(text.toStdString()), value);
    }

    void startAndAgainDealEveryNumberOnceInOrderOfSteps_data()
    {
        // clang-format off
        QTest::addColumn<int>("boardSize");
        QTest::addColumn<int>("rightClicks"); // after a start; -1: no start yet
        QTest::addColumn<bool>("again");
        QTest::newRow("Start, beginner") << 25 << -1 << false;
        QTest::newRow("もう一度, ready") << 25 << -1 << true;
        QTest::newRow("もう一度, playing") << 25 << 3 << true;
        QTest::newRow("もう一度, finished") << 49 << 49 << true;
        // clang-format on
    }

    void startAndAgainDealEveryNumberOnceInOrderOfSteps()
    {
        QFETCH(int, boardSize);
        QFETCH(int, rightClicks);
        QFETCH(bool, again);
        FakeRound round(boardSize);
        if (rightClicks >= 0)
            round.engine.cmdStart_Click();
        for (int number = 1; number <= rightClicks; ++number)
            round.click(number);
        round.log.clear();
        again ? round.engine.cmdAgain_Click() : round.engine.cmdStart_Click();

        QStringList steps = {"show lblNextSupport", "show lblNext", "show lblPointsSupport", "show lblPoints",
                             "hide cmdStart",       "deal",         "show fraNumbars",       "clock",
                             "lblPoints=0",         "lblNext=1",    "roundStarted"};
        if (again)
            steps =
                QStringList{"clear board"} + steps + QStringList{"hide cmdAgain", "hide cmdEnd", "lblNextSupport=次は"};
        QCOMPARE(round.log, steps);
        QVERIFY(std::ranges::all_of(round.enabled, std::identity()));
        for (int number = 1; number <= boardSize; ++number)
            QVERIFY(round.indexOf(number) <= boardSize); // distinct numbers, so each once
    }

    void theLastClickShowsWholeSecondsAndTheScoreRoundedDown_data()
    {
        // clang-format off
        QTest::addColumn<int>("boardSize");
        QTest::addColumn<int>("wrongClicks");
        QTest::addColumn<float>("start");
        QTest::addColumn<float>("end");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("score");
        QTest::newRow("10 points in 30 s") << 25 << 48 << 100.0f << 130.0f << "30" << "333";
        QTest::newRow("-5 points in 30 s, floored below zero") << 25 << 51 << 100.0f << 130.0f << "30" << "-167";
        QTest::newRow("250 points, readings rounded first") << 25 << 0 << 100.4f << 119.6f << "20" << "12500";
        QTest::newRow("halves to even: 100.5 reads 100, 101.5 reads 102") << 25 << 0 << 100.5f << 101.5f << "2"
                                                                            << "125000";
        QTest::newRow("perfect advanced round has 960 points") << 96 << 0 << 100.0f << 1100.0f << "1000" << "960";
        QTest::newRow("across midnight") << 25 << 0 << 86390.0f << 10.0f << "20" << "12500";
        QTest::newRow("equal readings count a whole day") << 25 << 0 << 500.0f << 500.3f << "86400" << "2";
        // Regression: a start read as 86400 and a finish read as 0 divided the score by zero.
        QTest::newRow("start read as 86400, finish as 0") << 25 << 0 << 86399.8f << 0.2f << "86400" << "2";
        // clang-format on
    }

    void theLastClickShowsWholeSecondsAndTheScoreRoundedDown()
    {
        QFETCH(int, boardSize);
        QFETCH(int, wrongClicks);
        QFETCH(float, start);
        QFETCH(float, end);
        QFETCH(QString, seconds);
        QFETCH(QString, score);
        FakeRound round(boardSize);
        round.readings = {start, end};
        round.engine.cmdStart_Click();
        for (int i = 0; i < wrongClicks; ++i)
            round.click(2);
        for (int number = 1; number < boardSize; ++number)
            round.click(number);
        // Every click shows the points; only right clicks grey their button.
        QCOMPARE(round.log.filter("disable").size(), boardSize - 1);
        QCOMPARE(round.log.contains("lblPoints=-5"), wrongClicks > 0);
        round.log.clear();
        round.click(boardSize);
        const QStringList finish = {"disable " + QString::number(round.indexOf(boardSize)),
                                    "clock",
                                    "lblNextSupport=時間",
                                    "lblNext=" + seconds,
                                    "lblPoints=" + score,
                                    "hide fraNumbars",
                                    "show cmdAgain",
                                    "show cmdEnd",
                                    "roundFinished " + score};
        QCOMPARE(round.log, finish);
    }
};

QTEST_GUILESS_MAIN(RoundTest)
#include "tst_round.moc"
