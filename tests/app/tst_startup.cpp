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

    // Each leads on to exactly one window: a key (or, without one, a click on the element) leaves
    // the splash for the level choice, and a level button the choice for that level's window.
    void theSplashAndTheLevelChoiceLeadOn_data()
    {
        // clang-format off
        QTest::addColumn<QString>("from"); // frmSplash, as Main shows it, or frmMain
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("element"); // clicked when there is no key
        QTest::addColumn<QString>("next");
        QTest::newRow("letter") << "frmSplash" << "A" << QString() << "frmMain";
        QTest::newRow("Enter") << "frmSplash" << "Return" << QString() << "frmMain";
        QTest::newRow("Esc") << "frmSplash" << "Esc" << QString() << "frmMain";
        QTest::newRow("Space") << "frmSplash" << "Space" << QString() << "frmMain";
        QTest::newRow("Backspace") << "frmSplash" << "Backspace" << QString() << "frmMain";
        QTest::newRow("alt with a letter") << "frmSplash" << "Alt+A" << QString() << "frmSplash";
        QTest::newRow("arrow") << "frmSplash" << "Left" << QString() << "frmSplash";
        QTest::newRow("click on the warning") << "frmSplash" << "" << "lblWarning" << "frmMain";
        QTest::newRow("click on the version") << "frmSplash" << "" << "lblVersion" << "frmSplash";
        QTest::newRow("beginner") << "frmMain" << "" << "cmdFirst" << "frmFirst";
        QTest::newRow("intermediate") << "frmMain" << "" << "cmdSecond" << "frmSecond";
        QTest::newRow("advanced") << "frmMain" << "" << "cmdThird" << "frmThird";
        // clang-format on
    }

    void theSplashAndTheLevelChoiceLeadOn()
    {
        QFETCH(QString, from);
        QFETCH(QString, keys);
        QFETCH(QString, element);
        QFETCH(QString, next);
        from == "frmSplash" ? Main() : frmMain().showForm();
        ui::Form &window = *ui::FormRegistry::find(from.toStdString());
        if (!keys.isEmpty())
            QTest::keySequence(&window, QKeySequence(keys));
        else
            QTest::mouseClick(window.findChild<QWidget *>(element), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(test::loadedFormNames(), QStringList{next});
        const ui::Form *shown = ui::FormRegistry::find(next.toStdString());
        QVERIFY(shown->isVisible());
        // Without it, Wayland compositors and Qt's own decorations there gave the splash a title bar.
        QCOMPARE(shown->windowFlags().testFlag(Qt::FramelessWindowHint), next == "frmSplash");
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
