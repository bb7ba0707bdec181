#include "levels/LevelForm.h"
#include "levels/RoundServices.h"
#include "levels/SeededRandom.h"
#include "scores/HighScoreTestSupport.h"
#include "support/RoundDriving.h"

#include "support/TestMain.h"
#include <QPointer>
#include <QPushButton>

using namespace lumora;

using test::RoundPhase;

class LevelMenusTest : public QObject
{
    Q_OBJECT

    test::FixedClock m_clock;
    SeededRandom m_random;
    std::unique_ptr<RoundServicesOverride> m_services;
    std::unique_ptr<test::TempHighScoreFile> m_file;
    test::ScriptedDialogs m_dialogs;
    std::unique_ptr<ui::DialogsOverride> m_useDialogs;

private slots:
    void initTestCase() { test::prepareProgram(); }

    void init()
    {
        m_services = std::make_unique<RoundServicesOverride>(m_clock, m_random);
        m_file = std::make_unique<test::TempHighScoreFile>();
        m_dialogs = test::ScriptedDialogs{};
        m_useDialogs = std::make_unique<ui::DialogsOverride>(m_dialogs);
        m_clock.seconds = 1000;
    }

    void cleanup()
    {
        test::discardAllWindows();
        m_useDialogs.reset();
        m_file.reset();
        m_services.reset();
    }

    void f4StartsAFreshRoundFromEveryState_data()
    {
        QTest::addColumn<int>("phase");
        QTest::newRow("ready, before the first start") << int(RoundPhase::Ready);
        QTest::newRow("playing") << int(RoundPhase::Playing);
        QTest::newRow("finished") << int(RoundPhase::Finished);
    }

    void f4StartsAFreshRoundFromEveryState()
    {
        QFETCH(int, phase);
        LevelForm &form = frmFirst();
        form.showForm();
        QTRY_VERIFY(form.isActiveWindow());
        test::bringTo(form, m_clock, RoundPhase(phase));

        QTest::keyClick(form.windowHandle(), Qt::Key_F4);

        QCOMPARE(form.roundState().NextNumber, 1);
        QCOMPARE(form.roundState().Points, 0.0);
        QVERIFY(form.isControlShown("fraNumbars"));
        QVERIFY(!form.isControlShown("cmdStart"));
        QVERIFY(!form.isControlShown("cmdAgain"));
        QCOMPARE(form.caption("lblNextSupport"), QStringLiteral("次は"));
    }

    void theOwnLevelEntryChangesNothing()
    {
        LevelForm &form = frmSecond();
        form.showForm();
        test::bringTo(form, m_clock, RoundPhase::Playing);
        const RoundState before = form.roundState();
        QStringList board;
        for (int index = 1; index <= 49; ++index)
            board << form.caption("cmdNumbar", index);

        form.menuEntry("menSecond").trigger();

        QCOMPARE(test::loadedFormNames(), QStringList{"frmSecond"});
        QCOMPARE(form.roundState().StartTime, before.StartTime);
        QCOMPARE(form.roundState().Points, before.Points);
        QCOMPARE(form.roundState().NextNumber, before.NextNumber);
        for (int index = 1; index <= 49; ++index)
            QCOMPARE(form.caption("cmdNumbar", index), board.at(index - 1));
    }

    void switchingThereAndBackLeavesOneFreshLevelWindow()
    {
        QPointer<LevelForm> first = &frmFirst();
        first->showForm();
        test::bringTo(*first, m_clock, RoundPhase::Playing);

        first->menuEntry("menSecond").trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(test::loadedFormNames(), QStringList{"frmSecond"});
        QVERIFY(first.isNull());

        frmSecond().menuEntry("menFirst").trigger();
        QCOMPARE(test::loadedFormNames(), QStringList{"frmFirst"});
        QVERIFY(frmFirst().isVisible());
        QVERIFY(frmFirst().isControlShown("cmdStart"));
        QCOMPARE(frmFirst().roundState().NextNumber, 0);
    }

    void switchingAbandonsTheRoundWithoutARecordCheck()
    {
        LevelForm &form = frmThird();
        form.showForm();
        test::bringTo(form, m_clock, RoundPhase::Playing);
        form.menFirst_Click();
        QVERIFY(m_dialogs.inputs.empty());
        QVERIFY(!m_file->exists());
        QVERIFY(frmFirst().isControlShown("cmdStart"));
    }

    void aHiddenLevelWindowIsShownAsItIs()
    {
        frmFirst().showForm();
        test::bringTo(frmSecond(), m_clock, RoundPhase::Playing); // exists hidden, mid-round
        const std::int32_t start = frmSecond().roundState().StartTime;
        frmFirst().menSecond_Click();
        QVERIFY(frmSecond().isVisible());
        QCOMPARE(frmSecond().roundState().StartTime, start);
        QCOMPARE(frmSecond().roundState().NextNumber, 2);
    }

    void ctrlQEndsTheProgramDuringARoundAndWithTheAboutWindowOpen_data()
    {
        QTest::addColumn<bool>("aboutOpen");
        QTest::newRow("during a round") << false;
        QTest::newRow("with the About window beside it") << true;
    }

    void ctrlQEndsTheProgramDuringARoundAndWithTheAboutWindowOpen()
    {
        QFETCH(bool, aboutOpen);
        LevelForm &form = frmFirst();
        form.showForm();
        test::bringTo(form, m_clock, RoundPhase::Playing);
        if (aboutOpen)
            form.menAbout_Click();
        form.activateWindow();
        QTRY_VERIFY(form.isActiveWindow());
        QTest::keyClick(form.windowHandle(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(test::loadedFormNames().isEmpty());
        QVERIFY(m_dialogs.messages.empty());
    }

    void theCloseBoxEndsTheProgramEvenWithHiddenLevelWindows()
    {
        frmSecond();
        frmThird();
        frmFirst().showForm();
        frmFirst().close();
        QVERIFY(test::loadedFormNames().isEmpty());
    }
};

LUMORA_REGISTER_TEST(LevelMenusTest)
#include "tst_levelmenus.moc"
