#include "round/ErrorNumber.h"
#include "round/FakeRound.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace lumora;
using namespace lumora::test;

namespace {

const EventLog kStartSteps = {
    "show lblNextSupport", "show lblNext", "show lblPointsSupport", "show lblPoints",
    "hide cmdStart", "deal", "show fraNumbars", "clock", "lblPoints=0", "lblNext=1",
    "roundStarted"};

QList<int> dealtNumbers(const FakeRoundView &view)
{
    QList<int> numbers;
    for (int index = 1; index <= view.boardSize(); ++index)
        numbers << int(numberValue(view.numbarCaption(index)));
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

QList<int> oneTo(int last)
{
    QList<int> numbers;
    for (int number = 1; number <= last; ++number)
        numbers << number;
    return numbers;
}

bool everyButtonEnabled(const FakeRoundView &view)
{
    for (int index = 1; index <= view.boardSize(); ++index) {
        if (!view.isNumbarEnabled(index))
            return false;
    }
    return true;
}

} // namespace

class RoundEngineTest : public QObject
{
    Q_OBJECT

private slots:
    void startDealsEveryNumberOnceOnEnabledButtons_data();
    void startDealsEveryNumberOnceOnEnabledButtons();
    void startRevealsTheStripDealsAndHandsOffLast();
    void dealDrawsAgainWhenItHitsANumberedButton();
    void drawsAtBothEndsOfTheRangeStayOnTheBoard_data();
    void drawsAtBothEndsOfTheRangeStayOnTheBoard();
    void clicksAreJudgedAgainstTheNextNumber_data();
    void clicksAreJudgedAgainstTheNextNumber();
    void scoreIsPointsPerThousandSecondsRoundedDown_data();
    void scoreIsPointsPerThousandSecondsRoundedDown();
    void clockReadingRoundsHalvesToEven_data();
    void clockReadingRoundsHalvesToEven();
    void elapsedSecondsComeFromTheRoundedReadings_data();
    void elapsedSecondsComeFromTheRoundedReadings();
    void lastClickShowsTheTimeWithoutRefreshingProgress();
    void againStartsAFreshRoundFromEveryState_data();
    void againStartsAFreshRoundFromEveryState();
    void boardBeyondByteRangeOverflowsTheCounter();
};

void RoundEngineTest::startDealsEveryNumberOnceOnEnabledButtons_data()
{
    QTest::addColumn<int>("boardSize");
    QTest::newRow("beginner") << 25;
    QTest::newRow("intermediate") << 49;
    QTest::newRow("advanced") << 96;
}

void RoundEngineTest::startDealsEveryNumberOnceOnEnabledButtons()
{
    QFETCH(int, boardSize);
    RoundFixture f(boardSize);
    QCOMPARE(f.engine.state().NextNumber, 0);
    f.engine.cmdStart_Click();
    QCOMPARE(dealtNumbers(f.view), oneTo(boardSize));
    QVERIFY(everyButtonEnabled(f.view));
    QCOMPARE(f.view.caption(RoundControl::lblPoints), "0");
    QCOMPARE(f.view.caption(RoundControl::lblNext), "1");
    QCOMPARE(f.engine.state().NextNumber, 1);
}

void RoundEngineTest::startRevealsTheStripDealsAndHandsOffLast()
{
    RoundFixture f(25);
    f.engine.cmdStart_Click();
    QCOMPARE(f.log, kStartSteps);
}

void RoundEngineTest::dealDrawsAgainWhenItHitsANumberedButton()
{
    RoundFixture f(5);
    std::vector<float> script;
    for (int button : {5, 5, 4, 5, 4, 3, 2, 2, 1})
        script.push_back(FakeRandom::hitting(button, 5));
    f.random.willDraw(script);
    f.engine.cmdStart_Click();
    for (int index = 1; index <= 5; ++index)
        QCOMPARE(f.view.numbar(index), QString::number(6 - index));
    QCOMPARE(f.random.draws(), 9);
    QCOMPARE(f.engine.state().DrawnButton, 1);
}

void RoundEngineTest::drawsAtBothEndsOfTheRangeStayOnTheBoard_data()
{
    QTest::addColumn<int>("boardSize");
    QTest::addColumn<float>("fraction");
    QTest::addColumn<int>("button");
    const float belowOne = std::nextafter(1.0f, 0.0f);
    QTest::newRow("zero on 25") << 25 << 0.0f << 1;
    QTest::newRow("just below one on 25") << 25 << belowOne << 25;
    QTest::newRow("just below one on 49") << 49 << belowOne << 49;
    QTest::newRow("just below one on 96") << 96 << belowOne << 96;
}

void RoundEngineTest::drawsAtBothEndsOfTheRangeStayOnTheBoard()
{
    QFETCH(int, boardSize);
    QFETCH(float, fraction);
    QFETCH(int, button);
    RoundFixture f(boardSize);
    f.random.willDraw({fraction});
    f.engine.cmdStart_Click();
    QCOMPARE(f.view.indexOf(1), button);
}

void RoundEngineTest::clicksAreJudgedAgainstTheNextNumber_data()
{
    QTest::addColumn<QList<int>>("clickedNumbers");
    QTest::addColumn<QString>("points");
    QTest::addColumn<int>("next");
    QTest::addColumn<bool>("lastClickedEnabled");
    QTest::newRow("right first click") << QList<int>{1} << "10" << 2 << false;
    QTest::newRow("wrong first click") << QList<int>{2} << "-5" << 1 << true;
    QTest::newRow("same wrong button twice") << QList<int>{7, 7} << "-10" << 1 << true;
    QTest::newRow("wrong after right") << QList<int>{1, 3} << "5" << 2 << true;
    QTest::newRow("three in turn") << QList<int>{1, 2, 3} << "30" << 4 << false;
}

void RoundEngineTest::clicksAreJudgedAgainstTheNextNumber()
{
    QFETCH(QList<int>, clickedNumbers);
    QFETCH(QString, points);
    QFETCH(int, next);
    QFETCH(bool, lastClickedEnabled);
    RoundFixture f(25);
    f.engine.cmdStart_Click();
    for (int number : clickedNumbers)
        f.click(number);
    QCOMPARE(f.view.caption(RoundControl::lblPoints), points);
    QCOMPARE(f.view.caption(RoundControl::lblNext), QString::number(next));
    QCOMPARE(f.engine.state().NextNumber, next);
    QCOMPARE(f.view.isNumbarEnabled(f.view.indexOf(clickedNumbers.last())), lastClickedEnabled);
}

void RoundEngineTest::scoreIsPointsPerThousandSecondsRoundedDown_data()
{
    QTest::addColumn<int>("boardSize");
    QTest::addColumn<int>("wrongClicks");
    QTest::addColumn<float>("endReading");
    QTest::addColumn<QString>("score");
    QTest::newRow("perfect 25 in 20 s") << 25 << 0 << 120.0f << "12500";
    QTest::newRow("10 points in 30 s") << 25 << 48 << 130.0f << "333";
    QTest::newRow("-5 points in 30 s") << 25 << 51 << 130.0f << "-167";
    QTest::newRow("-50 points in 1000 s") << 25 << 60 << 1100.0f << "-50";
    QTest::newRow("perfect 96 in 1000 s") << 96 << 0 << 1100.0f << "960";
}

void RoundEngineTest::scoreIsPointsPerThousandSecondsRoundedDown()
{
    QFETCH(int, boardSize);
    QFETCH(int, wrongClicks);
    QFETCH(float, endReading);
    QFETCH(QString, score);
    RoundFixture f(boardSize);
    f.clock.willRead({100.0f, endReading});
    f.engine.cmdStart_Click();
    for (int i = 0; i < wrongClicks; ++i)
        f.click(2);
    f.clickAllInTurn();
    QCOMPARE(f.view.caption(RoundControl::lblPoints), score);
    QCOMPARE(f.log.back(), "roundFinished " + score);
    QCOMPARE(f.engine.state().Points, score.toDouble());
}

void RoundEngineTest::clockReadingRoundsHalvesToEven_data()
{
    QTest::addColumn<float>("seconds");
    QTest::addColumn<int>("reading");
    QTest::newRow("100.4 down") << 100.4f << 100;
    QTest::newRow("119.6 up") << 119.6f << 120;
    QTest::newRow("100.5 to even below") << 100.5f << 100;
    QTest::newRow("101.5 to even above") << 101.5f << 102;
    QTest::newRow("last half second of the day") << 86399.5f << 86400;
}

void RoundEngineTest::clockReadingRoundsHalvesToEven()
{
    QFETCH(float, seconds);
    QFETCH(int, reading);
    QCOMPARE(clockReading(seconds), reading);
}

void RoundEngineTest::elapsedSecondsComeFromTheRoundedReadings_data()
{
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("end");
    QTest::addColumn<int>("seconds");
    QTest::newRow("rounded before subtracting") << 100.4f << 119.6f << 20;
    QTest::newRow("halves to even at both ends") << 100.5f << 101.5f << 2;
    QTest::newRow("across midnight") << 86390.0f << 10.0f << 20;
    QTest::newRow("equal readings count a whole day") << 500.0f << 500.3f << 86400;
    // Regression: 86400 − 86400 + 0 divided the score by zero.
    QTest::newRow("start read as 86400, finish as 0") << 86399.8f << 0.2f << 86400;
}

void RoundEngineTest::elapsedSecondsComeFromTheRoundedReadings()
{
    QFETCH(float, start);
    QFETCH(float, end);
    QFETCH(int, seconds);
    RoundFixture f(25);
    f.clock.willRead({start, end});
    f.engine.cmdStart_Click();
    f.clickAllInTurn();
    QCOMPARE(f.engine.state().ElapsedSeconds, seconds);
    QCOMPARE(f.view.caption(RoundControl::lblNext), QString::number(seconds));
    QCOMPARE(f.engine.state().Points, std::floor(250.0 * 1000 / seconds));
}

void RoundEngineTest::lastClickShowsTheTimeWithoutRefreshingProgress()
{
    RoundFixture f(25);
    f.clock.willRead({100.0f, 120.0f});
    f.engine.cmdStart_Click();
    for (int number = 1; number < 25; ++number)
        f.click(number);
    QCOMPARE(f.view.caption(RoundControl::lblNext), "25");
    f.log.clear();
    f.click(25);
    const EventLog finish = {"disable " + QString::number(f.view.indexOf(25)), "clock",
                             "lblNextSupport=時間", "lblNext=20", "lblPoints=12500",
                             "hide fraNumbars", "show cmdAgain", "show cmdEnd",
                             "roundFinished 12500"};
    QCOMPARE(f.log, finish);
    QCOMPARE(f.engine.state().NextNumber, 26);
}

void RoundEngineTest::againStartsAFreshRoundFromEveryState_data()
{
    QTest::addColumn<QList<int>>("clickedNumbers");
    QTest::addColumn<bool>("started");
    QTest::newRow("ready") << QList<int>{} << false;
    QTest::newRow("playing") << QList<int>{1, 2, 9} << true;
    QTest::newRow("finished") << oneTo(25) << true;
}

void RoundEngineTest::againStartsAFreshRoundFromEveryState()
{
    QFETCH(QList<int>, clickedNumbers);
    QFETCH(bool, started);
    RoundFixture f(25);
    if (started)
        f.engine.cmdStart_Click();
    for (int number : clickedNumbers)
        f.click(number);
    f.log.clear();
    f.engine.cmdAgain_Click();

    const EventLog expected = EventLog{"clear board"} + kStartSteps
                              + EventLog{"hide cmdAgain", "hide cmdEnd", "lblNextSupport=次は"};
    QCOMPARE(f.log, expected);
    QCOMPARE(dealtNumbers(f.view), oneTo(25));
    QVERIFY(everyButtonEnabled(f.view));
    QCOMPARE(f.engine.state().Points, 0.0);
    QCOMPARE(f.engine.state().NextNumber, 1);
    QVERIFY(f.view.isVisible(RoundControl::fraNumbars));
    QVERIFY(!f.view.isVisible(RoundControl::cmdStart));
}

void RoundEngineTest::boardBeyondByteRangeOverflowsTheCounter()
{
    RoundFixture f(255);
    std::vector<float> script;
    for (int button = 1; button <= 255; ++button)
        script.push_back(FakeRandom::hitting(button, 255));
    f.random.willDraw(script);
    QCOMPARE(errorNumber([&] { f.engine.cmdStart_Click(); }), 6);
    QCOMPARE(f.view.numbar(255), "255");
    QVERIFY(!f.log.contains("roundStarted"));
}

QTEST_GUILESS_MAIN(RoundEngineTest)
#include "tst_roundengine.moc"
