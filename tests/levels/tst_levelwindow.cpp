#include "about/AboutForm.h"
#include "about/HelpViewer.h"
#include "levels/LevelForm.h"
#include "scores/HighScoreForm.h"
#include "scores/HighScoreTestSupport.h"
#include "support/RoundDriving.h"

#include <QApplication>
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
        for (const QAction *entry : form.findChildren<QAction *>())
            QCOMPARE(entry->isChecked(), entry->objectName() == checked);
        QPushButton &button = form.control<"cmdNumbar">(index);
        QCOMPARE(button.geometry(), QRect(twips / 15, QSize(57, 57)));
        QCOMPARE(button.parentWidget()->objectName(), QStringLiteral("fraNumbars"));
        QVERIFY(!(button.focusPolicy() & Qt::TabFocus)); // Space goes to no number a player cannot see
    }

    // Mid-round: F4 deals afresh; the entry of the window's own level changes nothing; a switch to
    // another level and back leaves one window, built afresh; every way out ends the program at
    // once, without a question, the hidden level windows and About with it.
    void eachMenuWayMidRoundDealsKeepsSwitchesOrEnds_data()
    {
        // clang-format off
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("way"); // keys, the own level's entry, 中級 and back, the close box or 終わる
        QTest::addColumn<int>("next");    // the round's next number afterwards; -1: the program ended
        QTest::newRow("F4") << int(Level::Intermediate) << "F4" << 1;
        QTest::newRow("初級's own entry") << int(Level::Beginner) << "menFirst" << 2;
        QTest::newRow("中級's own entry") << int(Level::Intermediate) << "menSecond" << 2;
        QTest::newRow("上級's own entry") << int(Level::Advanced) << "menThird" << 2;
        QTest::newRow("中級 and back") << int(Level::Beginner) << "switch" << 0;
        QTest::newRow("close box") << int(Level::Beginner) << "close" << -1;
        QTest::newRow("終わる") << int(Level::Beginner) << "終わる" << -1;
        QTest::newRow("Ctrl+Q") << int(Level::Beginner) << "Ctrl+Q" << -1;
        QTest::newRow("Ctrl+Q beside the About window") << int(Level::Beginner) << "About" << -1;
        // clang-format on
    }

    void eachMenuWayMidRoundDealsKeepsSwitchesOrEnds()
    {
        QFETCH(int, level);
        QFETCH(QString, way);
        QFETCH(int, next);
        if (next < 0) // a hidden level window, to go too
            frmThird();
        if (way == "About") { // opened beside another level window, which the player left for this one
            frmSecond().showForm();
            frmSecond().menuEntry<"menAbout">().trigger();
            QTRY_VERIFY(frmAbout().isActiveWindow());
            frmSecond().menuEntry<"menFirst">().trigger();
        }
        QPointer<LevelForm> form = &levelForm(Level(level));
        const QString name = QString::fromStdString(form->formName());
        form->showForm();
        test::startPlaying(*form, m_play.clock);
        form->activateWindow();
        QTRY_VERIFY(form->isActiveWindow());
        if (QAction *own = form->findChild<QAction *>(way)) {
            own->trigger();
            QVERIFY(own->isChecked()); // choosing it keeps the mark
        } else if (way == "switch") {
            form->menuEntry<"menSecond">().trigger();
            frmSecond().menuEntry<"menFirst">().trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(form.isNull());
        } else if (way == "close") {
            form->close();
        } else if (way == "終わる") {
            form->cmdEnd_Click();
        } else {
            QTest::keySequence(form->windowHandle(), QKeySequence(way == "About" ? u"Ctrl+Q"_s : way));
        }
        QCOMPARE(test::loadedFormNames(), next < 0 ? QStringList() : QStringList{name});
        QVERIFY(m_play.dialogs.messages.empty());
        if (next >= 0) {
            LevelForm &now = levelForm(Level(level));
            QCOMPARE(now.roundState().NextNumber, next);
            QCOMPARE(now.roundState().Points, next == 2 ? 5.0 : 0.0);
            QVERIFY(now.isVisible());
            QCOMPARE(now.control<"cmdStart">().isVisibleTo(&now), next == 0);
        }
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
        // The greyed level window's close box ended the game while this window was open; nor do its
        // keys work when a click gives it the focus: F4 deals, F1 opens the help, Ctrl+Q ends.
        QVERIFY(!frmSecond().close());
        QApplication::setActiveWindow(&frmSecond());
        QTest::keySequence(frmSecond().windowHandle(), QKeySequence(u"F4, F1, Ctrl+Q"_s));
        QCOMPARE(frmSecond().roundState().NextNumber, 0);
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
