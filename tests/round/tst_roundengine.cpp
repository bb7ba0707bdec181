#include "round/FakeRound.h"

#include "support/TestMain.h"
#include <QSet>
#include <QTest>

#include <cmath>

using namespace lumora;
using lumora::test::FakeRound;

namespace {

const QStringList kStartSteps = {"show lblNextSupport", "show lblNext", "show lblPointsSupport", "show lblPoints",
                                 "hide cmdStart", "deal", "show fraNumbars", "clock", "lblPoints=0", "lblNext=1",
                                 "roundStarted"};

// Every number 1..N on exactly one button, and every button enabled.
bool isFreshDeal(const FakeRound &round, int boardSize)
{
    QSet<int> numbers;
    for (int index = 1; index <= boardSize; ++index) {
        const int number = round.numbar(index).toInt();
        if (!round.isEnabled(index) || number < 1 || number > boardSize)
            return false;
        numbers << number;
    }
    return numbers.size() == boardSize;
}

} // namespace

class RoundEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void startDealsEveryNumberOnceThenReadsTheClockAndHandsOff_data()
    {
        QTest::addColumn<int>("boardSize");
        QTest::newRow("beginner") << 25;
        QTest::newRow("intermediate") << 49;
        QTest::newRow("advanced") << 96;
    }

    void startDealsEveryNumberOnceThenReadsTheClockAndHandsOff()
    {
        QFETCH(int, boardSize);
        FakeRound round(boardSize);
        round.engine.cmdStart_Click();
        QVERIFY(isFreshDeal(round, boardSize));
        QCOMPARE(round.log, kStartSteps);
    }

    void theDealDrawsAgainOnANumberedButtonAndReachesBothEnds()
    {
        FakeRound round(5);
        const float belowOne = std::nextafter(1.0f, 0.0f);
        // 1 lands on the last button and 2 on the first; 2 and 3 draw again until a button is free.
        round.fractions = {belowOne, belowOne, 0.0f, 0.0f, belowOne, 0.3f, 0.5f, 0.7f};
        round.engine.cmdStart_Click();
        const QStringList board = {round.numbar(1), round.numbar(2), round.numbar(3), round.numbar(4),
                                   round.numbar(5)};
        QCOMPARE(board, (QStringList{"2", "3", "4", "5", "1"}));
    }

    void clicksAreJudgedAgainstTheNextNumber_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("points");
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("lastStaysEnabled");
        QTest::newRow("right") << QList<int>{1} << "10" << "2" << false;
        QTest::newRow("wrong") << QList<int>{2} << "-5" << "1" << true;
        QTest::newRow("wrong after right") << QList<int>{1, 3} << "5" << "2" << true;
    }

    void clicksAreJudgedAgainstTheNextNumber()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QString, points);
        QFETCH(QString, next);
        QFETCH(bool, lastStaysEnabled);
        FakeRound round(25);
        round.engine.cmdStart_Click();
        for (int number : clicks)
            round.click(number);
        QCOMPARE(round.log.last(2), (QStringList{"lblPoints=" + points, "lblNext=" + next}));
        QCOMPARE(round.isEnabled(round.indexOf(clicks.last())), lastStaysEnabled);
    }

    void theLastClickShowsWholeSecondsAndTheScoreRoundedDown_data()
    {
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
        round.log.clear();
        round.click(boardSize);
        const QStringList finish = {"disable " + QString::number(round.indexOf(boardSize)), "clock",
                                    "lblNextSupport=時間", "lblNext=" + seconds, "lblPoints=" + score,
                                    "hide fraNumbars", "show cmdAgain", "show cmdEnd", "roundFinished " + score};
        QCOMPARE(round.log, finish);
    }

    void againStartsAFreshRoundFromEveryState_data()
    {
        QTest::addColumn<int>("rightClicks");  // after a start; -1: no start yet
        QTest::newRow("ready, before the first start") << -1;
        QTest::newRow("playing") << 3;
        QTest::newRow("finished") << 25;
    }

    void againStartsAFreshRoundFromEveryState()
    {
        QFETCH(int, rightClicks);
        FakeRound round(25);
        if (rightClicks >= 0)
            round.engine.cmdStart_Click();
        for (int number = 1; number <= rightClicks; ++number)
            round.click(number);
        round.log.clear();
        round.engine.cmdAgain_Click();
        const QStringList again = QStringList{"clear board"} + kStartSteps
                                  + QStringList{"hide cmdAgain", "hide cmdEnd", "lblNextSupport=次は"};
        QCOMPARE(round.log, again);
        QVERIFY(isFreshDeal(round, 25));
    }
};

LUMORA_REGISTER_TEST(RoundEngineTest)
#include "tst_roundengine.moc"
