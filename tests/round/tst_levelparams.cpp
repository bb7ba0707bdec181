#include "round/LevelParams.h"

#include <QTest>

using namespace lumora;

Q_DECLARE_METATYPE(lumora::Level)

class LevelParamsTest : public QObject
{
    Q_OBJECT

private slots:
    void boardButtonsStandOnTheGrid_data();
    void boardButtonsStandOnTheGrid();
    void boardFillsItsGridAndFrame_data();
    void boardFillsItsGridAndFrame();
    void titleJoinsVersionAndLevelWithFullWidthSpaces_data();
    void titleJoinsVersionAndLevelWithFullWidthSpaces();
};

void LevelParamsTest::boardButtonsStandOnTheGrid_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("beginner top-left") << Level::Beginner << 1 << 120 << 240;
    QTest::newRow("beginner top-right") << Level::Beginner << 5 << 3480 << 240;
    QTest::newRow("beginner last row") << Level::Beginner << 21 << 120 << 3600;
    QTest::newRow("advanced top-right") << Level::Advanced << 12 << 9360 << 240;
    QTest::newRow("advanced second row") << Level::Advanced << 13 << 120 << 1080;
    QTest::newRow("advanced bottom-right") << Level::Advanced << 96 << 9360 << 6120;
}

void LevelParamsTest::boardButtonsStandOnTheGrid()
{
    QFETCH(Level, level);
    QFETCH(int, index);
    QFETCH(int, left);
    QFETCH(int, top);
    const TwipPoint position = boardPosition(levelParams(level), index);
    QCOMPARE(position.left, left);
    QCOMPARE(position.top, top);
}

void LevelParamsTest::boardFillsItsGridAndFrame_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("rightMargin");
    QTest::newRow("beginner") << Level::Beginner << 120;
    QTest::newRow("intermediate") << Level::Intermediate << 120;
    QTest::newRow("advanced") << Level::Advanced << 210;
}

void LevelParamsTest::boardFillsItsGridAndFrame()
{
    QFETCH(Level, level);
    QFETCH(int, rightMargin);
    constexpr int buttonSize = 855;
    const LevelParams &params = levelParams(level);
    QCOMPARE(params.columns * params.rows, params.boardSize);
    const TwipPoint last = boardPosition(params, params.boardSize);
    QCOMPARE(params.frameWidth - (last.left + buttonSize), rightMargin);
    QCOMPARE(params.frameHeight - (last.top + buttonSize), 120);
}

void LevelParamsTest::titleJoinsVersionAndLevelWithFullWidthSpaces_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<QString>("title");
    QTest::newRow("beginner") << Level::Beginner << "ルモラ＋＋　Version 2.1.7　初級　-by ささらぎ-";
    QTest::newRow("intermediate") << Level::Intermediate << "ルモラ＋＋　Version 2.1.7　中級　-by ささらぎ-";
    QTest::newRow("advanced") << Level::Advanced << "ルモラ＋＋　Version 2.1.7　上級　-by ささらぎ-";
}

void LevelParamsTest::titleJoinsVersionAndLevelWithFullWidthSpaces()
{
    QFETCH(Level, level);
    QFETCH(QString, title);
    QCOMPARE(QString::fromStdString(levelTitle(levelParams(level), "Version 2.1.7")), title);
}

QTEST_GUILESS_MAIN(LevelParamsTest)
#include "tst_levelparams.moc"
