#include "app/LevelSelectionForm.h"
#include "app/SplashForm.h"
#include "app/basPublic.h"
#include "levels/LevelForm.h"
#include "support/WindowTestSupport.h"

#include "support/TestMain.h"
#include <QLabel>
#include <QTest>

using namespace lumora;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareProgram(); }
    void cleanup() { test::discardAllWindows(); }

    void mainShowsTheSplashWithTheVersionText()
    {
        Main();
        QCOMPARE(test::loadedFormNames(), QStringList{"frmSplash"});
        QVERIFY(frmSplash().isVisible());
        QCOMPARE(frmSplash().caption("lblVersion"), QStringLiteral("Version 2.1.7"));
        QVERIFY(frmSplash().windowTitle().isEmpty());
        QVERIFY(!frmSplash().controlAs<QLabel>("imgLogo").pixmap().isNull());
        QVERIFY(!frmSplash().windowIcon().isNull());
    }

    void everyCharacterKeyDismissesTheSplash_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier);
        QTest::newRow("digit") << int(Qt::Key_7) << int(Qt::NoModifier);
        QTest::newRow("enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("space") << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier);
        QTest::newRow("shifted letter") << int(Qt::Key_B) << int(Qt::ShiftModifier);
    }

    void everyCharacterKeyDismissesTheSplash()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Main();
        QTest::keyClick(&frmSplash(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(test::loadedFormNames(), QStringList{"frmMain"});
        QVERIFY(frmMain().isVisible());
    }

    void keysWithoutACharacterLeaveTheSplash_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("arrow") << int(Qt::Key_Left);
        QTest::newRow("function key") << int(Qt::Key_F1);
        QTest::newRow("shift alone") << int(Qt::Key_Shift);
        QTest::newRow("ctrl alone") << int(Qt::Key_Control);
        QTest::newRow("alt alone") << int(Qt::Key_Alt);
    }

    void keysWithoutACharacterLeaveTheSplash()
    {
        QFETCH(int, key);
        Main();
        QTest::keyClick(&frmSplash(), Qt::Key(key));
        QCOMPARE(test::loadedFormNames(), QStringList{"frmSplash"});
    }

    void aClickOnAnyClickableElementDismissesTheSplash_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("frame") << "Frame1" << -1;
        QTest::newRow("logo") << "imgLogo" << -1;
        QTest::newRow("company") << "lblCompany" << -1;
        QTest::newRow("company product") << "lblCompanyProduct" << -1;
        QTest::newRow("product name") << "lblProductName" << 0;
        QTest::newRow("trade mark") << "lblProductName" << 2;
        QTest::newRow("warning") << "lblWarning" << -1;
    }

    void aClickOnAnyClickableElementDismissesTheSplash()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        Main();
        QWidget &element = frmSplash().control(name.toStdString(), index);
        QTest::mouseClick(&element, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(test::loadedFormNames(), QStringList{"frmMain"});
    }

    void aClickOnTheVersionLabelLeavesTheSplash()
    {
        Main();
        QTest::mouseClick(&frmSplash().control("lblVersion"), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(test::loadedFormNames(), QStringList{"frmSplash"});
    }

    void choosingALevelLeavesExactlyThatLevelWindow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::newRow("beginner") << "cmdFirst" << "frmFirst";
        QTest::newRow("intermediate") << "cmdSecond" << "frmSecond";
        QTest::newRow("advanced") << "cmdThird" << "frmThird";
    }

    void choosingALevelLeavesExactlyThatLevelWindow()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        frmMain().showForm();
        QTest::mouseClick(&frmMain().control(button.toStdString()), Qt::LeftButton);
        QCOMPARE(test::loadedFormNames(), QStringList{window});
        QVERIFY(ui::FormRegistry::find(window.toStdString())->isVisible());
    }

    void theLevelButtonsAnswerTheirAccessKeys()
    {
        frmMain().showForm();
        QTRY_VERIFY(frmMain().isActiveWindow());
        QTest::keyClick(frmMain().windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(test::loadedFormNames(), QStringList{"frmSecond"});
    }
};

LUMORA_REGISTER_TEST(StartupTest)
#include "tst_startup.moc"
