#include "about/AboutForm.h"
#include "about/HelpViewer.h"
#include "levels/LevelForm.h"
#include "levels/RoundServices.h"
#include "levels/SeededRandom.h"
#include "scores/HighScoreForm.h"
#include "scores/HighScoreTestSupport.h"
#include "support/RoundDriving.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace lumora;
using namespace Qt::StringLiterals;
using Control = LevelForm::Control;
using Menu = LevelForm::Menu;

class LevelWindowTest : public QObject
{
    Q_OBJECT

    test::FixedClock m_clock;
    SeededRandom m_random;
    RoundServicesOverride m_services{m_clock, m_random};
    test::ScriptedDialogs m_dialogs;
    ui::DialogsOverride m_useDialogs{m_dialogs};

private slots:
    void initTestCase() { test::prepareProgram(); }
    void init() { m_dialogs = test::ScriptedDialogs{}; }
    void cleanup() { test::discardAllWindows(); }

    // The level windows' random source.
    void drawsStayBelowOneAndCoverTheRange()
    {
        SeededRandom random;
        random.seed(43200.5f);
        float highest = 0;
        for (int i = 0; i < 200000; ++i) {
            const float draw = random.next();
            QVERIFY(draw >= 0.0f && draw < 1.0f);
            highest = std::max(highest, draw);
        }
        QVERIFY(highest > 0.9999f); // the whole range, up to just below 1
    }

    // Each window's title, size and check mark, and one board button at the end of a row.
    void eachWindowHasItsTitleSizeCheckMarkAndGrid_data()
    {
        // clang-format off
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Menu>("checked");
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("twips");
        QTest::newRow("beginner") << int(Level::Beginner) << "初級" << Menu::menFirst << 5 << QPoint(3480, 240);
        QTest::newRow("intermediate") << int(Level::Intermediate) << "中級" << Menu::menSecond << 7 << QPoint(5160, 240);
        QTest::newRow("advanced") << int(Level::Advanced) << "上級" << Menu::menThird << 96 << QPoint(9360, 6120);
        // clang-format on
    }

    void eachWindowHasItsTitleSizeCheckMarkAndGrid()
    {
        QFETCH(int, level);
        QFETCH(QString, name);
        QFETCH(Menu, checked);
        QFETCH(int, index);
        QFETCH(QPoint, twips);
        LevelForm &form = levelForm(Level(level));
        form.showForm();
        QCOMPARE(form.windowTitle(),
                 QStringLiteral("ルモラ＋＋　Version %1　%2　-by ささらぎ-").arg(test::versionText(), name));
        for (const Menu entry : {Menu::menFirst, Menu::menSecond, Menu::menThird})
            QCOMPARE(form.menuEntry(entry).isChecked(), entry == checked);
        QPushButton &button = form.controlAs<QPushButton>(Control::cmdNumbar, index);
        QCOMPARE(button.geometry(), QRect(twips / 15, QSize(57, 57)));
        QCOMPARE(button.parentWidget()->objectName(), QStringLiteral("fraNumbars"));
    }

    // Space after Start dealt again onto a dealt board (a hang); after もう一度 it pressed the
    // hidden 終わる (the program ended).
    void spaceAfterStartOrAgainPressesNoHiddenButton_data()
    {
        // clang-format off
        QTest::addColumn<Control>("button");
        QTest::newRow("Start") << Control::cmdStart;
        QTest::newRow("もう一度") << Control::cmdAgain;
        // clang-format on
    }

    void spaceAfterStartOrAgainPressesNoHiddenButton()
    {
        QFETCH(Control, button);
        LevelForm &form = frmFirst();
        form.showForm();
        if (button == Control::cmdAgain)
            test::playPerfectRound(form, m_clock, 100, 130);
        QWidget &pressed = form.control(button);
        pressed.setFocus();
        QTest::keyClick(&pressed, Qt::Key_Space);
        QVERIFY(form.isControlShown(Control::fraNumbars));
        QWidget *focus = form.focusWidget();
        QVERIFY(focus && form.isVisible() && focus->isVisible()); // checked first: a second deal never returns
        QVERIFY(!(test::buttonCarrying(form, 1).focusPolicy() & Qt::TabFocus)); // nor Tab reaches the board
        QTest::keyClick(focus, Qt::Key_Space);
        QCOMPARE(test::loadedFormNames(), QStringList{"frmFirst"});
        QCOMPARE(form.caption(Control::lblNext), QStringLiteral("1"));
    }

    // Mid-round, F4 deals afresh and the entry for the window's own level changes nothing.
    void f4DealsAfreshAndTheOwnLevelEntryChangesNothing_data()
    {
        // clang-format off
        QTest::addColumn<int>("level");
        QTest::addColumn<Menu>("entry");  // menAgain: its key, F4
        QTest::newRow("F4") << int(Level::Intermediate) << Menu::menAgain;
        QTest::newRow("初級's own entry") << int(Level::Beginner) << Menu::menFirst;
        QTest::newRow("中級's own entry") << int(Level::Intermediate) << Menu::menSecond;
        QTest::newRow("上級's own entry") << int(Level::Advanced) << Menu::menThird;
        // clang-format on
    }

    void f4DealsAfreshAndTheOwnLevelEntryChangesNothing()
    {
        QFETCH(int, level);
        QFETCH(Menu, entry);
        LevelForm &form = levelForm(Level(level));
        form.showForm();
        QTRY_VERIFY(form.isActiveWindow());
        test::startPlaying(form, m_clock);
        const bool f4 = entry == Menu::menAgain;
        f4 ? QTest::keyClick(form.windowHandle(), Qt::Key_F4) : form.menuEntry(entry).trigger();
        QCOMPARE(test::loadedFormNames(), QStringList{QString::fromStdString(form.formName())});
        QCOMPARE(form.roundState().NextNumber, f4 ? 1 : 2);
        QCOMPARE(form.roundState().Points, f4 ? 0.0 : 5.0);
        QVERIFY(form.menuEntry(f4 ? Menu::menSecond : entry).isChecked());
    }

    void switchingThereAndBackAbandonsTheRoundForOneFreshWindow()
    {
        QPointer<LevelForm> first = &frmFirst();
        first->showForm();
        test::startPlaying(*first, m_clock);
        first->menuEntry(Menu::menSecond).trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(test::loadedFormNames(), QStringList{"frmSecond"});
        QVERIFY(first.isNull());

        frmSecond().menuEntry(Menu::menFirst).trigger();
        QCOMPARE(test::loadedFormNames(), QStringList{"frmFirst"});
        QVERIFY(frmFirst().isVisible() && frmFirst().isControlShown(Control::cmdStart));
        QCOMPARE(frmFirst().roundState().NextNumber, 0);
    }

    void everyWayOutEndsTheProgramMidRound_data()
    {
        // clang-format off
        QTest::addColumn<QString>("way");
        QTest::newRow("close box") << "close";
        QTest::newRow("終わる") << "cmdEnd";
        QTest::newRow("Ctrl+Q") << "Ctrl+Q";
        QTest::newRow("Ctrl+Q with the About window beside") << "About";
        // clang-format on
    }

    void everyWayOutEndsTheProgramMidRound()
    {
        QFETCH(QString, way);
        if (way == "About" && QGuiApplication::platformName() == QLatin1String("wayland"))
            QSKIP("on Wayland the compositor, not the program, moves the focus away from the About window");
        frmThird(); // hidden level windows go too
        LevelForm &form = frmFirst();
        form.showForm();
        test::startPlaying(form, m_clock);
        if (way == "About")
            form.menAbout_Click();
        form.activateWindow();
        QTRY_VERIFY(form.isActiveWindow());
        if (way == "close")
            form.close();
        else if (way == "cmdEnd")
            form.cmdEnd_Click();
        else
            QTest::keyClick(form.windowHandle(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(test::loadedFormNames().isEmpty());
        QVERIFY(m_dialogs.messages.empty());
    }

    void aRecordRoundAsksForTheNameAndTheHighScoreWindowShowsIt()
    {
        test::TempHighScoreFile file;
        m_dialogs.inputAnswers.push_back(u"森野　太郎\u301C"_s);
        // Names were rendered as markup, and an <img> made the window load a local file.
        file.write("1,\"a\",2,\"<img src=/x.png>\",3,\"&amp;\"\r\n"_ba);
        frmFirst().showForm();
        test::playPerfectRound(frmFirst(), m_clock, 100.0f, 120.0f);

        QCOMPARE(m_dialogs.inputs.at(0).owner, &frmFirst());
        frmFirst().menHigh_Click();
        QCOMPARE(frmHighScore().windowHandle()->transientParent(), frmFirst().windowHandle());
        QStringList shown;
        using enum HighScoreForm::Control;
        for (const HighScoreForm::Control label :
             {lblFirstName, lblFirstPoint, lblSecondName, lblSecondPoint, lblThirdName, lblThirdPoint})
            shown << frmHighScore().caption(label);
        QCOMPARE(shown, (QStringList{u"森野　太郎～"_s, "12500", "<img src=/x.png>", "2", "&amp;", "3"}));
        for (const QLabel *label : frmHighScore().findChildren<QLabel *>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
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
            QTest::mouseClick(&frmHighScore().control(HighScoreForm::Control::cmdClear), Qt::LeftButton);
        QVERIFY(!frmSecond().isEnabled());
        if (way == "close")
            frmHighScore().close();
        else
            QTest::mouseClick(&frmHighScore().control(HighScoreForm::Control::cmdOK), Qt::LeftButton);

        QCOMPARE(test::loadedFormNames(), (QStringList{"frmFirst", "frmSecond", "frmThird"}));
        for (const Level level : {Level::Beginner, Level::Intermediate, Level::Advanced})
            QVERIFY(levelForm(level).isEnabled());
        QVERIFY(!frmFirst().isVisible() && !frmThird().isVisible());
    }

    // Asked for again from another level window, the one About window or help viewer comes to
    // the front, owned by none of them.
    void theHelpMenuOpensOneAboutWindowOrHelpViewerOfItsOwn_data()
    {
        // clang-format off
        QTest::addColumn<bool>("help");
        QTest::newRow("About") << false;
        QTest::newRow("help, by F1 and again by the entry") << true;
        // clang-format on
    }

    void theHelpMenuOpensOneAboutWindowOrHelpViewerOfItsOwn()
    {
        QFETCH(bool, help);
        frmFirst().showForm();
        QTRY_VERIFY(frmFirst().isActiveWindow());
        if (help)
            QTest::keyClick(frmFirst().windowHandle(), Qt::Key_F1);
        frmThird().menuEntry(help ? Menu::menOnlineHelp : Menu::menAbout).trigger();
        ui::Form &window = help ? static_cast<ui::Form &>(frmHelp()) : frmAbout();
        QTRY_VERIFY(window.isActiveWindow());
        QVERIFY2(!window.windowHandle()->transientParent(), "help and About stand on their own");
        const QStringList loaded =
            help ? QStringList{"frmFirst", "frmHelp", "frmThird"} : QStringList{"frmAbout", "frmFirst", "frmThird"};
        QCOMPARE(test::loadedFormNames(), loaded);
        if (help)
            QCOMPARE(frmHelp().page(), QUrl(QStringLiteral("qrc:/help/lumora-help.html")));
    }
};

QTEST_MAIN(LevelWindowTest)
#include "tst_levelwindow.moc"
