#include "about/AboutForm.h"
#include "about/HelpViewer.h"
#include "levels/LevelForm.h"
#include "scores/HighScoreForm.h"
#include "scores/HighScoreTestSupport.h"
#include "support/RoundDriving.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace lumora;
using namespace Qt::StringLiterals;

class LevelWindowTest : public QObject
{
    Q_OBJECT

    test::PlayingSeams m_play;

private slots:
    void initTestCase() { test::prepareProgram(); }
    void init() { m_play.dialogs = test::ScriptedDialogs{}; }
    void cleanup() { test::discardAllWindows(); }

    // Each window's title, size and check mark, and one board button at the end of a row, out of
    // Tab's reach.
    void eachWindowHasItsTitleSizeCheckMarkAndGrid_data()
    {
        // clang-format off
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("beginner") << int(Level::Beginner) << "初級" << "menFirst" << 5 << QPoint(3480, 240);
        QTest::newRow("intermediate") << int(Level::Intermediate) << "中級" << "menSecond" << 7 << QPoint(5160, 240);
        QTest::newRow("advanced") << int(Level::Advanced) << "上級" << "menThird" << 96 << QPoint(9360, 6120);
        // clang-format on
    }

    void eachWindowHasItsTitleSizeCheckMarkAndGrid()
    {
        QFETCH(int, level);
        QFETCH(QString, name);
        QFETCH(QString, checked);
        QFETCH(int, index);
        QFETCH(QPoint, twips);
        LevelForm &form = levelForm(Level(level));
        form.showForm();
        QCOMPARE(form.windowTitle(),
                 QStringLiteral("ルモラ＋＋　Version %1　%2　-by ささらぎ-").arg(test::versionText(), name));
        for (const QAction *entry :
             {&form.menuEntry<"menFirst">(), &form.menuEntry<"menSecond">(), &form.menuEntry<"menThird">()})
            QCOMPARE(entry->isChecked(), entry->objectName() == checked);
        QPushButton &button = form.control<"cmdNumbar">(index);
        QCOMPARE(button.geometry(), QRect(twips / 15, QSize(57, 57)));
        QCOMPARE(button.parentWidget()->objectName(), QStringLiteral("fraNumbars"));
        QVERIFY(!(button.focusPolicy() & Qt::TabFocus)); // Space goes to no number a player cannot see
    }

    // Mid-round, F4 deals afresh and the entry for the window's own level changes nothing.
    void f4DealsAfreshAndTheOwnLevelEntryChangesNothing_data()
    {
        // clang-format off
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("entry");  // menAgain: its key, F4
        QTest::newRow("F4") << int(Level::Intermediate) << "menAgain";
        QTest::newRow("初級's own entry") << int(Level::Beginner) << "menFirst";
        QTest::newRow("中級's own entry") << int(Level::Intermediate) << "menSecond";
        QTest::newRow("上級's own entry") << int(Level::Advanced) << "menThird";
        // clang-format on
    }

    void f4DealsAfreshAndTheOwnLevelEntryChangesNothing()
    {
        QFETCH(int, level);
        QFETCH(QString, entry);
        LevelForm &form = levelForm(Level(level));
        form.showForm();
        QTRY_VERIFY(form.isActiveWindow());
        test::startPlaying(form, m_play.clock);
        const bool f4 = entry == "menAgain";
        f4 ? QTest::keyClick(form.windowHandle(), Qt::Key_F4) : form.findChild<QAction *>(entry)->trigger();
        QCOMPARE(test::loadedFormNames(), QStringList{QString::fromStdString(form.formName())});
        QCOMPARE(form.roundState().NextNumber, f4 ? 1 : 2);
        QCOMPARE(form.roundState().Points, f4 ? 0.0 : 5.0);
        QVERIFY(form.findChild<QAction *>(f4 ? "menSecond" : entry)->isChecked());
    }

    void switchingThereAndBackAbandonsTheRoundForOneFreshWindow()
    {
        QPointer<LevelForm> first = &frmFirst();
        first->showForm();
        test::startPlaying(*first, m_play.clock);
        first->menuEntry<"menSecond">().trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(test::loadedFormNames(), QStringList{"frmSecond"});
        QVERIFY(first.isNull());

        frmSecond().menuEntry<"menFirst">().trigger();
        QCOMPARE(test::loadedFormNames(), QStringList{"frmFirst"});
        QVERIFY(frmFirst().isVisible() && frmFirst().control<"cmdStart">().isVisibleTo(&frmFirst()));
        QCOMPARE(frmFirst().roundState().NextNumber, 0);
    }

    void everyWayOutEndsTheProgramMidRound_data()
    {
        // clang-format off
        QTest::addColumn<QString>("way");
        QTest::newRow("close box") << "close";
        QTest::newRow("終わる") << "cmdEnd";
        QTest::newRow("Ctrl+Q") << "Ctrl+Q";
        // clang-format on
    }

    void everyWayOutEndsTheProgramMidRound()
    {
        QFETCH(QString, way);
        frmThird(); // hidden level windows go too
        LevelForm &form = frmFirst();
        form.showForm();
        test::startPlaying(form, m_play.clock);
        form.activateWindow();
        QTRY_VERIFY(form.isActiveWindow());
        if (way == "close")
            form.close();
        else if (way == "cmdEnd")
            form.cmdEnd_Click();
        else
            QTest::keyClick(form.windowHandle(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(test::loadedFormNames().isEmpty());
        QVERIFY(m_play.dialogs.messages.empty());
    }

    // The name prompt and the high-score window belong to the level window whose round it was.
    void aRecordRoundAsksForTheNameAndTheHighScoreWindowShowsIt()
    {
        test::TempHighScoreFile file;
        m_play.dialogs.inputAnswers.push_back(u"森野　太郎"_s);
        frmFirst().showForm();
        test::playPerfectRound(frmFirst(), m_play.clock, 100.0f, 120.0f);
        QCOMPARE(m_play.dialogs.inputs.at(0).owner, &frmFirst());
        frmFirst().menHigh_Click();
        QCOMPARE(frmHighScore().windowHandle()->transientParent(), frmFirst().windowHandle());
        QCOMPARE(frmHighScore().control<"lblFirstName">().text() + frmHighScore().control<"lblFirstPoint">().text(),
                 u"森野　太郎12500"_s);
    }

    void leavingTheHighScoresEnablesAllThreeLevelWindowsLoadingTheMissingOnesHidden_data()
    {
        // clang-format off
        QTest::addColumn<QString>("way");
        QTest::newRow("OK") << "OK";
        QTest::newRow("the title bar's close") << "close";
        QTest::newRow("OK after Clear") << "Clear";
        // clang-format on
    }

    void leavingTheHighScoresEnablesAllThreeLevelWindowsLoadingTheMissingOnesHidden()
    {
        QFETCH(QString, way);
        test::TempHighScoreFile file;
        frmSecond().showForm();
        frmSecond().menHigh_Click();
        // The greyed level window's close box ended the game while this window was open.
        QVERIFY(!frmSecond().close());
        QCOMPARE(test::loadedFormNames(), (QStringList{"frmHighScore", "frmSecond"}));

        if (way == "Clear") // answered No; the window is loaded anew
            QTest::mouseClick(&frmHighScore().control<"cmdClear">(), Qt::LeftButton);
        QVERIFY(!frmSecond().isEnabled());
        if (way == "close")
            frmHighScore().close();
        else
            QTest::mouseClick(&frmHighScore().control<"cmdOK">(), Qt::LeftButton);

        QCOMPARE(test::loadedFormNames(), (QStringList{"frmFirst", "frmSecond", "frmThird"}));
        for (const Level level : {Level::Beginner, Level::Intermediate, Level::Advanced})
            QVERIFY(levelForm(level).isEnabled());
        QVERIFY(!frmFirst().isVisible() && !frmThird().isVisible());
    }

    // F1 and the help menu's entries open one help viewer and one About window, the viewer asked
    // for again from another level window, owned by none of them.
    void theHelpMenuOpensOneAboutWindowAndOneHelpViewerOfTheirOwn()
    {
        frmFirst().showForm();
        QTRY_VERIFY(frmFirst().isActiveWindow());
        QTest::keyClick(frmFirst().windowHandle(), Qt::Key_F1);
        QCOMPARE(test::loadedFormNames(), (QStringList{"frmFirst", "frmHelp"}));
        frmThird().menuEntry<"menOnlineHelp">().trigger();
        QTRY_VERIFY(frmHelp().isActiveWindow());
        frmThird().menuEntry<"menAbout">().trigger();
        QTRY_VERIFY(frmAbout().isActiveWindow());
        QCOMPARE(test::loadedFormNames(), (QStringList{"frmAbout", "frmFirst", "frmHelp", "frmThird"}));
        for (const ui::Form *window : {static_cast<ui::Form *>(&frmHelp()), static_cast<ui::Form *>(&frmAbout())})
            QVERIFY2(!window->windowHandle()->transientParent(), "help and About stand on their own");
    }
};

QTEST_MAIN(LevelWindowTest)
#include "tst_levelwindow.moc"
