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
        QTest::addColumn<QString>("element"); // clicked when there is no key
        QTest::addColumn<bool>("dismissed");
        QTest::newRow("letter") << "A" << QString() << true;
        QTest::newRow("Enter") << "Return" << QString() << true;
        QTest::newRow("Esc") << "Esc" << QString() << true;
        QTest::newRow("Space") << "Space" << QString() << true;
        QTest::newRow("Backspace") << "Backspace" << QString() << true;
        QTest::newRow("alt with a letter") << "Alt+A" << QString() << false;
        QTest::newRow("arrow") << "Left" << QString() << false;
        QTest::newRow("click on the warning") << "" << "lblWarning" << true;
        QTest::newRow("click on the version") << "" << "lblVersion" << false;
        // clang-format on
    }

    void theSplashGoesOnACharacterKeyOrAClickOnMostOfIt()
    {
        QFETCH(QString, keys);
        QFETCH(QString, element);
        QFETCH(bool, dismissed);
        Main();
        // Without it, Wayland compositors and Qt's own decorations there gave the splash a title bar.
        QVERIFY(frmSplash().windowFlags().testFlag(Qt::FramelessWindowHint));
        if (!keys.isEmpty())
            QTest::keySequence(&frmSplash(), QKeySequence(keys));
        else
            QTest::mouseClick(frmSplash().findChild<QWidget *>(element), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(test::loadedFormNames(), QStringList{dismissed ? "frmMain" : "frmSplash"});
        QVERIFY(ui::FormRegistry::loaded().front()->isVisible());
    }

    void choosingALevelLeavesExactlyThatLevelWindow_data()
    {
        // clang-format off
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("beginner") << "cmdFirst" << "frmFirst";
        QTest::newRow("intermediate") << "cmdSecond" << "frmSecond";
        QTest::newRow("advanced") << "cmdThird" << "frmThird";
        // clang-format on
    }

    void choosingALevelLeavesExactlyThatLevelWindow()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        frmMain().showForm();
        QTest::mouseClick(frmMain().findChild<QWidget *>(button), Qt::LeftButton);
        QCOMPARE(test::loadedFormNames(), QStringList{window});
        const ui::Form *shown = ui::FormRegistry::find(window.toStdString());
        QVERIFY(shown->isVisible() && !shown->windowFlags().testFlag(Qt::FramelessWindowHint));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
