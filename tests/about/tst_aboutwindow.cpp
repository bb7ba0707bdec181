#include "FakeRegistry.h"
#include "SysInfoRecorders.h"

#include "about/AboutForm.h"
#include "about/SysInfoServices.h"
#include "levels/LevelForm.h"
#include "support/WindowTestSupport.h"
#include "ui/Icons.h"

#include "support/TestMain.h"
#include <QPointer>
#include <QTest>

using namespace lumora;

class AboutWindowTest : public QObject
{
    Q_OBJECT

    test::ScriptedDialogs m_dialogs;
    ui::DialogsOverride m_dialogsOverride{m_dialogs};

private slots:
    void initTestCase() { test::prepareProgram(); }
    void init() { m_dialogs = {}; }
    void cleanup() { test::discardAllWindows(); }

    void theMenuEntryShowsTitleVersionAndOwnIconWhileTheLevelWindowStaysUsable()
    {
        frmFirst().showForm();
        frmFirst().menuEntry("menAbout").trigger();
        QVERIFY(frmAbout().isVisible());
        QCOMPARE(frmAbout().windowTitle(), ui::applicationTitle() + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(frmAbout().caption("lblVersion"), QStringLiteral("Version 2.1.7"));
        QVERIFY(frmAbout().windowIcon().pixmap(32).toImage() != ui::programIcon().pixmap(32).toImage());
        QVERIFY(frmFirst().isEnabled());
    }

    void enterAndEscapePressOK_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("enter") << int(Qt::Key_Return);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }

    void enterAndEscapePressOK()
    {
        QFETCH(int, key);
        frmAbout().showForm();
        QTRY_VERIFY(frmAbout().isActiveWindow());
        QTest::keyClick(frmAbout().windowHandle(), Qt::Key(key));
        QVERIFY(!ui::FormRegistry::find("frmAbout"));
        QVERIFY(m_dialogs.messages.empty()); // not the system-information button
    }

    void oneWindowOutlivesALevelSwitchAndEndsWithTheProgram()
    {
        frmFirst().showForm();
        frmFirst().menAbout_Click();
        const QPointer<AboutForm> about = &frmAbout();
        frmThird().menAbout_Click();
        frmFirst().menSecond_Click();
        QCOMPARE(test::loadedFormNames(), (QStringList{"frmAbout", "frmSecond", "frmThird"}));
        QVERIFY(about && about->isVisible());
        frmSecond().menEnd_Click();
        QVERIFY(test::loadedFormNames().isEmpty());
    }

    void theTimerStopsAfterItsFirstTickAndIsResetOnClose()
    {
        const QPointer<QTimer> timer = &frmAbout().timer("Timer1");
        QCOMPARE(timer->interval(), 100);
        QTRY_VERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 0);
        frmAbout().cmdOK_Click();
        QVERIFY(timer); // deleted only once the handler has returned
        QCOMPARE(timer->interval(), 100);
    }

    void systemInformationWithoutAToolSaysSoOnce_data()
    {
        QTest::addColumn<bool>("byAccessKey");
        QTest::newRow("button") << false;
        QTest::newRow("access key S") << true;
    }

    void systemInformationWithoutAToolSaysSoOnce()
    {
        QFETCH(bool, byAccessKey);
        FakeRegistry emptyRegistry;
        RecordingStarter starter;
        SysInfoServices services = sysInfoServices();
        services.registry = &emptyRegistry;
        services.starter = &starter;
        SysInfoServicesOverride fake(services);

        frmAbout().showForm();
        if (byAccessKey) {
            QTRY_VERIFY(frmAbout().isActiveWindow());
            QTest::keyClick(frmAbout().windowHandle(), Qt::Key_S, Qt::AltModifier);
            QTRY_VERIFY(!m_dialogs.messages.empty()); // an access key presses the button a moment later
        } else {
            QTest::mouseClick(&frmAbout().control("cmdSysInfo"), Qt::LeftButton);
        }
        QTest::qWait(150);
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QCOMPARE(m_dialogs.messages.front().prompt, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
        QVERIFY(m_dialogs.messages.front().title.isEmpty()); // the application title
        QVERIFY(starter.started.isEmpty());
        QVERIFY(frmAbout().isVisible());
    }
};

LUMORA_REGISTER_TEST(AboutWindowTest)
#include "tst_aboutwindow.moc"
