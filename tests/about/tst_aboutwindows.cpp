#include "FakeSysInfo.h"

#include "about/AboutForm.h"
#include "about/CommonDialog.h"
#include "about/HelpViewer.h"
#include "about/SysInfoServices.h"
#include "levels/LevelForm.h"
#include "support/WindowTestSupport.h"
#include "ui/Icons.h"

#include "support/TestMain.h"
#include <QPointer>
#include <QTest>

using namespace lumora;

// The About window and the help viewer as the level windows reach them.
class AboutWindowsTest : public QObject
{
    Q_OBJECT

    test::ScriptedDialogs m_dialogs;
    ui::DialogsOverride m_dialogsOverride{m_dialogs};

private slots:
    void initTestCase() { test::prepareProgram(); }
    void init() { m_dialogs = {}; }
    void cleanup() { test::discardAllWindows(); }

    void theAboutWindowShowsTitleVersionAndIconAndStartsSystemInformation()
    {
        FakeSysInfo noTool;
        SysInfoServices services = sysInfoServices();
        services.registry = &noTool;
        services.starter = &noTool;
        SysInfoServicesOverride fake(services);
        frmFirst().showForm();
        frmFirst().menuEntry("menAbout").trigger();
        QCOMPARE(frmAbout().windowTitle(), ui::applicationTitle() + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(frmAbout().caption("lblVersion"), QStringLiteral("Version 2.1.7"));
        QVERIFY(frmAbout().windowIcon().pixmap(32).toImage() != ui::programIcon().pixmap(32).toImage());
        QVERIFY(frmAbout().isVisible() && frmFirst().isEnabled());

        QTest::mouseClick(&frmAbout().control("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
        QCOMPARE(m_dialogs.messages.front().prompt, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
        QVERIFY(m_dialogs.messages.front().title.isEmpty());  // the application title

        // The timer stops after its first tick and gets its interval back when the window closes.
        const QPointer<QTimer> timer = &frmAbout().timer("Timer1");
        QTRY_VERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 0);
        frmAbout().cmdOK_Click();
        QVERIFY(timer);  // deleted only once the handler has returned
        QCOMPARE(timer->interval(), 100);
    }

    void theLevelWindowsOpenThemAndKeysCloseThem_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<QKeyCombination>("key");
        QTest::newRow("About, Return") << false << QKeyCombination(Qt::Key_Return);
        QTest::newRow("About, Escape") << false << QKeyCombination(Qt::Key_Escape);
        // The viewer ignored the desktop's close keys.
        QTest::newRow("help, Escape") << true << QKeyCombination(Qt::Key_Escape);
        QTest::newRow("help, Ctrl+W") << true << (Qt::ControlModifier | Qt::Key_W);
    }

    void theLevelWindowsOpenThemAndKeysCloseThem()
    {
        QFETCH(bool, help);
        QFETCH(QKeyCombination, key);
        frmFirst().showForm();
        QTRY_VERIFY(frmFirst().isActiveWindow());
        if (help)
            QTest::keyClick(frmFirst().windowHandle(), Qt::Key_F1);
        // Asked for again from another level window, the one window comes to the front.
        frmThird().menuEntry(help ? "menOnlineHelp" : "menAbout").trigger();
        ui::Form &window = help ? static_cast<ui::Form &>(frmHelp()) : frmAbout();
        if (help)
            QCOMPARE(frmHelp().page(), QUrl(QStringLiteral("qrc:/help/lumora-help.html")));
        QTRY_VERIFY(window.isActiveWindow());
        QTest::keyClick(window.windowHandle(), key.key(), key.keyboardModifiers());
        QCOMPARE(test::loadedFormNames(), (QStringList{"frmFirst", "frmThird"}));
        QVERIFY(m_dialogs.messages.empty());  // not the system-information button
    }

    void helpThatCannotBeShownIsReportedAndTheProgramGoesOn_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("command");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/lumora-help.html") << 9;
        QTest::newRow("none named") << QString() << 9;
        QTest::newRow("a folder") << QDir::tempPath() << 9;
        QTest::newRow("a command other than 9 raises error 5") << QString(kLumoraHelpFile) << 1;
    }

    void helpThatCannotBeShownIsReportedAndTheProgramGoesOn()
    {
        QFETCH(QString, file);
        QFETCH(int, command);
        frmFirst().showForm();
        CommonDialog cdlHelp(file);
        cdlHelp.HelpCommand = std::int16_t(command);
        QCOMPARE(raisedError([&] { cdlHelp.ShowHelp(); }), command == 9 ? 0 : 5);
        QCOMPARE(m_dialogs.warnings.size(), std::size_t(command == 9));
        if (command == 9)
            QVERIFY(m_dialogs.warnings.front().prompt.startsWith(QStringLiteral("ヘルプを表示できません。")));
        QCOMPARE(test::loadedFormNames(), QStringList{"frmFirst"});
    }
};

LUMORA_REGISTER_TEST(AboutWindowsTest)
#include "tst_aboutwindows.moc"
