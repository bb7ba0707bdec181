#include "app/LevelSelectionForm.h"
#include "app/SplashForm.h"
#include "app/basPublic.h"
#include "levels/LevelForm.h"
#include "support/WindowTestSupport.h"

#include <QTest>

using namespace lumora;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareProgram(); }
    void cleanup() { test::discardAllWindows(); }

    // A key (or, without one, a click on the element) dismisses the splash for the level choice.
    void theSplashGoesOnACharacterKeyOrAClickOnMostOfIt_data()
    {
        // clang-format off
        QTest::addColumn<QString>("keys");
        QTest::addColumn<SplashForm::Control>("element"); // clicked when there is no key
        QTest::addColumn<bool>("dismissed");
        using Control = SplashForm::Control;
        QTest::newRow("letter") << "A" << Control() << true;
        QTest::newRow("Enter") << "Return" << Control() << true;
        QTest::newRow("Esc") << "Esc" << Control() << true;
        QTest::newRow("Space") << "Space" << Control() << true;
        QTest::newRow("Backspace") << "Backspace" << Control() << true;
        QTest::newRow("alt with a letter") << "Alt+A" << Control() << false;
        QTest::newRow("arrow") << "Left" << Control() << false;
        QTest::newRow("click on the warning") << "" << Control::lblWarning << true;
        QTest::newRow("click on the version") << "" << Control::lblVersion << false;
        // clang-format on
    }

    void theSplashGoesOnACharacterKeyOrAClickOnMostOfIt()
    {
        QFETCH(QString, keys);
        QFETCH(SplashForm::Control, element);
        QFETCH(bool, dismissed);
        Main();
        // Without it, Wayland compositors and Qt's own decorations there gave the splash a title bar.
        QVERIFY(frmSplash().windowFlags().testFlag(Qt::FramelessWindowHint));
        if (!keys.isEmpty())
            QTest::keySequence(&frmSplash(), QKeySequence(keys));
        else
            QTest::mouseClick(&frmSplash().control(element), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(test::loadedFormNames(), QStringList{dismissed ? "frmMain" : "frmSplash"});
        QVERIFY(ui::FormRegistry::loaded().front()->isVisible());
    }

    void choosingALevelLeavesExactlyThatLevelWindow_data()
    {
        // clang-format off
        QTest::addColumn<LevelSelectionForm::Control>("button");
        QTest::addColumn<QString>("window");
        using Control = LevelSelectionForm::Control;
        QTest::newRow("beginner") << Control::cmdFirst << "frmFirst";
        QTest::newRow("intermediate") << Control::cmdSecond << "frmSecond";
        QTest::newRow("advanced") << Control::cmdThird << "frmThird";
        // clang-format on
    }

    void choosingALevelLeavesExactlyThatLevelWindow()
    {
        QFETCH(LevelSelectionForm::Control, button);
        QFETCH(QString, window);
        frmMain().showForm();
        QTest::mouseClick(&frmMain().control(button), Qt::LeftButton);
        QCOMPARE(test::loadedFormNames(), QStringList{window});
        const ui::Form *shown = ui::FormRegistry::find(window.toStdString());
        QVERIFY(shown->isVisible() && !shown->windowFlags().testFlag(Qt::FramelessWindowHint));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
