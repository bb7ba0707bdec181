#include "levels/LevelForm.h"
#include "levels/RoundServices.h"
#include "levels/SeededRandom.h"
#include "scores/HighScoreTestSupport.h"
#include "support/RoundDriving.h"

#include "support/TestMain.h"
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace lumora;

namespace {

QPushButton &boardButton(LevelForm &form, int index)
{
    return form.controlAs<QPushButton>("cmdNumbar", index);
}

} // namespace

class LevelWindowTest : public QObject
{
    Q_OBJECT

    test::FixedClock m_clock;
    SeededRandom m_random;

private slots:
    void initTestCase() { test::prepareProgram(); }
    void cleanup() { test::discardAllWindows(); }

    void eachWindowHasItsTitleSizeAndCheckMark_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QString>("checked");
        QTest::newRow("beginner") << int(Level::Beginner) << "ルモラ＋＋　Version 2.1.7　初級　-by ささらぎ-"
                                  << QSize(308, 365) << "menFirst";
        QTest::newRow("intermediate") << int(Level::Intermediate) << "ルモラ＋＋　Version 2.1.7　中級　-by ささらぎ-"
                                      << QSize(425, 477) << "menSecond";
        QTest::newRow("advanced") << int(Level::Advanced) << "ルモラ＋＋　Version 2.1.7　上級　-by ささらぎ-"
                                  << QSize(708, 536) << "menThird";
    }

    void eachWindowHasItsTitleSizeAndCheckMark()
    {
        QFETCH(int, level);
        QFETCH(QString, title);
        QFETCH(QSize, client);
        QFETCH(QString, checked);
        LevelForm &form = levelForm(Level(level));
        form.showForm();
        QCOMPARE(form.windowTitle(), title);
        QCOMPARE(form.clientArea().size(), client);
        QCOMPARE(form.size().width(), client.width());
        for (const char *entry : {"menFirst", "menSecond", "menThird"})
            QCOMPARE(form.menuEntry(entry).isChecked(), checked == QLatin1String(entry));
        // Choosing the checked entry must not clear its mark.
        form.menuEntry(checked.toStdString()).trigger();
        QVERIFY(form.menuEntry(checked.toStdString()).isChecked());
    }

    void boardButtonsStandOnTheGrid_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("beginner 5") << int(Level::Beginner) << 5 << QPoint(3480, 240);
        QTest::newRow("beginner 21") << int(Level::Beginner) << 21 << QPoint(120, 3600);
        QTest::newRow("advanced 12") << int(Level::Advanced) << 12 << QPoint(9360, 240);
        QTest::newRow("advanced 13") << int(Level::Advanced) << 13 << QPoint(120, 1080);
        QTest::newRow("advanced 96") << int(Level::Advanced) << 96 << QPoint(9360, 6120);
    }

    void boardButtonsStandOnTheGrid()
    {
        QFETCH(int, level);
        QFETCH(int, index);
        QFETCH(QPoint, twips);
        QPushButton &button = boardButton(levelForm(Level(level)), index);
        QCOMPARE(button.geometry(), QRect(twips / 15, QSize(57, 57)));
        QCOMPARE(button.parentWidget()->objectName(), QStringLiteral("fraNumbars"));
    }

    void aFreshWindowShowsOnlyStartAndTheDesignCaptions()
    {
        LevelForm &form = frmSecond();
        form.showForm();
        QVERIFY(form.isControlShown("cmdStart"));
        for (const char *hidden : {"lblNextSupport", "lblNext", "lblPoints", "lblPointsSupport", "fraNumbars",
                                   "cmdAgain", "cmdEnd"})
            QVERIFY2(!form.isControlShown(hidden), hidden);
        QCOMPARE(form.caption("lblNextSupport"), QStringLiteral("次は"));
        QCOMPARE(form.caption("lblNext"), QStringLiteral("0"));
        QCOMPARE(form.caption("lblPointsSupport"), QStringLiteral("点"));
        QCOMPARE(form.caption("lblPoints"), QStringLiteral("0"));
        QCOMPARE(form.roundState().NextNumber, 0);
    }

    void tabNeverReachesABoardButton()
    {
        LevelForm &form = frmFirst();
        form.showForm();
        form.cmdStart_Click();
        for (int index = 1; index <= 25; ++index)
            QVERIFY(!(boardButton(form, index).focusPolicy() & Qt::TabFocus));
    }

    void theMenuBarCarriesEveryEntryWithItsKeys()
    {
        LevelForm &form = frmThird();
        QCOMPARE(form.menuEntry("menAgain").shortcut(), QKeySequence(Qt::Key_F4));
        QCOMPARE(form.menuEntry("menEnd").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(form.menuEntry("menOnlineHelp").shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(form.menuEntry("menFile").text(), QStringLiteral("ファイル(&F)"));
        QCOMPARE(form.menuEntry("menGrade").menu()->actions().size(), 3);
        QCOMPARE(form.menuEntry("menFile").menu()->actions().size(), 6);
        QCOMPARE(form.menuEntry("menHelp").menu()->actions().size(), 2);
    }

    void aWholeRoundIsPlayedOnTheRealBoard()
    {
        RoundServicesOverride services(m_clock, m_random);
        test::TempHighScoreFile file;
        test::ScriptedDialogs dialogs;
        ui::DialogsOverride useDialogs(dialogs);
        LevelForm &form = frmFirst();
        form.showForm();
        QTest::mouseClick(&form.control("cmdStart"), Qt::LeftButton);
        QVERIFY(form.isControlShown("fraNumbars"));
        QCOMPARE(form.caption("lblNext"), QStringLiteral("1"));

        m_clock.seconds = 100.4f;
        form.cmdAgain_Click(); // a fresh deal with a known start reading
        QTest::mouseClick(&test::buttonCarrying(form, 2), Qt::LeftButton);
        QCOMPARE(form.caption("lblPoints"), QStringLiteral("-5"));
        QVERIFY(test::buttonCarrying(form, 2).isEnabled());
        for (int number = 1; number <= 25; ++number) {
            if (number == 25)
                m_clock.seconds = 119.6f;
            QTest::mouseClick(&test::buttonCarrying(form, number), Qt::LeftButton);
            if (number < 25)
                QCOMPARE(form.caption("lblNext"), QString::number(number + 1));
        }
        // 245 points in 20 whole seconds.
        QCOMPARE(form.caption("lblNextSupport"), QStringLiteral("時間"));
        QCOMPARE(form.caption("lblNext"), QStringLiteral("20"));
        QCOMPARE(form.caption("lblPoints"), QStringLiteral("12250"));
        QVERIFY(!form.isControlShown("fraNumbars"));
        QVERIFY(form.isControlShown("cmdAgain"));
        QVERIFY(form.isControlShown("cmdEnd"));

        QTest::mouseClick(&form.control("cmdAgain"), Qt::LeftButton);
        QCOMPARE(form.caption("lblNextSupport"), QStringLiteral("次は"));
        QCOMPARE(form.caption("lblNext"), QStringLiteral("1"));
        QCOMPARE(form.caption("lblPoints"), QStringLiteral("0"));
        QVERIFY(!form.isControlShown("cmdAgain"));
        QVERIFY(boardButton(form, 1).isEnabled());
    }

    // A hidden button kept the focus and still took Space.
    void aHiddenOrDisabledButtonHandsTheFocusOn_data()
    {
        QTest::addColumn<bool>("hide");
        QTest::addColumn<bool>("nextShown");
        QTest::newRow("hidden, to the next button") << true << true;
        QTest::newRow("hidden, to the window") << true << false;
        QTest::newRow("disabled, to the window") << false << false;
    }

    void aHiddenOrDisabledButtonHandsTheFocusOn()
    {
        QFETCH(bool, hide);
        QFETCH(bool, nextShown);
        ui::FormDesign design{.name = "frmFocus", .clientWidth = 3000, .clientHeight = 1000};
        design.controls = {{.kind = ui::ControlKind::CommandButton, .name = "cmdFirst", .width = 900, .height = 400},
                           {.kind = ui::ControlKind::CommandButton, .name = "cmdNext", .left = 1200, .width = 900,
                            .height = 400, .visible = nextShown}};
        ui::Form form(design);
        auto &first = form.controlAs<QPushButton>("cmdFirst");
        int clicks = 0;
        connect(&first, &QPushButton::clicked, this, [&] {
            ++clicks;
            hide ? first.hide() : first.setEnabled(false);
        });
        form.showForm();
        first.setFocus();
        QTest::keyClick(&first, Qt::Key_Space);
        QWidget *focus = form.focusWidget();
        QCOMPARE(focus, nextShown ? &form.control("cmdNext") : &form);
        QTest::keyClick(focus, Qt::Key_Space);
        QCOMPARE(clicks, 1);
    }

    // Space after Start dealt again onto a dealt board (a hang); after もう一度 it pressed the
    // hidden 終わる (the program ended).
    void spaceAfterStartOrAgainPressesNoHiddenButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Start") << "cmdStart";
        QTest::newRow("もう一度") << "cmdAgain";
    }

    void spaceAfterStartOrAgainPressesNoHiddenButton()
    {
        QFETCH(QString, button);
        RoundServicesOverride services(m_clock, m_random);
        test::TempHighScoreFile file;
        test::ScriptedDialogs dialogs;
        ui::DialogsOverride useDialogs(dialogs);
        LevelForm &form = frmFirst();
        form.showForm();
        if (button == "cmdAgain")
            test::bringTo(form, m_clock, test::RoundPhase::Finished);
        QWidget &pressed = form.control(button.toStdString());
        pressed.setFocus();
        QTest::keyClick(&pressed, Qt::Key_Space);
        QVERIFY(form.isControlShown("fraNumbars"));
        QWidget *focus = form.focusWidget();
        QVERIFY(focus && form.isVisible() && focus->isVisible()); // checked first: a second deal never returns
        QTest::keyClick(focus, Qt::Key_Space);
        QCOMPARE(test::loadedFormNames(), QStringList{"frmFirst"});
        QCOMPARE(form.caption("lblNext"), QStringLiteral("1"));
    }

    void theEndButtonEndsTheProgram()
    {
        frmFirst().showForm();
        frmSecond(); // hidden windows go too
        frmFirst().cmdEnd_Click();
        QVERIFY(test::loadedFormNames().isEmpty());
    }
};

LUMORA_REGISTER_TEST(LevelWindowTest)
#include "tst_levelwindow.moc"
