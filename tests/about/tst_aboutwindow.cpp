#include "about/AboutForm.h"
#include "about/CommonDialog.h"
#include "about/FakeSysInfo.h"
#include "about/HelpViewer.h"
#include "about/SysInfoServices.h"
#include "support/RaisedError.h"
#include "support/WindowTestSupport.h"

#include <QTest>

using namespace lumora;
using namespace Qt::StringLiterals;

// The About window and the help viewer. How the level windows open them is tst_levelwindow's.
class AboutWindowTest : public QObject
{
    Q_OBJECT

    test::ScriptedDialogs m_dialogs;
    ui::DialogsOverride m_dialogsOverride{m_dialogs};
    test::FakeSysInfo m_noTool; // so that no test starts a program of this machine
    SysInfoServicesOverride m_sysInfo{{&m_noTool, sysInfoServices().files, &m_noTool}};

private slots:
    void initTestCase() { test::prepareWindows(); }
    void init() { m_dialogs = {}; }
    void cleanup() { test::discardAllWindows(); }

    void theirContentAndTheDesktopsKeysCloseThem_data()
    {
        // clang-format off
        QTest::addColumn<bool>("help");
        QTest::addColumn<QKeyCombination>("key");
        QTest::newRow("About, Return") << false << QKeyCombination(Qt::Key_Return);
        QTest::newRow("About, Escape") << false << QKeyCombination(Qt::Key_Escape);
        // The viewer ignored the desktop's close keys.
        QTest::newRow("help, Escape") << true << QKeyCombination(Qt::Key_Escape);
        QTest::newRow("help, Ctrl+W") << true << (Qt::ControlModifier | Qt::Key_W);
        // clang-format on
    }

    void theirContentAndTheDesktopsKeysCloseThem()
    {
        QFETCH(bool, help);
        QFETCH(QKeyCombination, key);
        help ? showHelpFile(nullptr, kLumoraHelpFile) : frmAbout().showForm();
        ui::Form &window = help ? static_cast<ui::Form &>(frmHelp()) : frmAbout();
        if (help) {
            QCOMPARE(frmHelp().page(), QUrl(QStringLiteral("qrc:/help/lumora-help.html")));
        } else {
            QCOMPARE(frmAbout().windowTitle(), ui::applicationTitle() + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
            // The button asks the services; without a tool the player is told so, in a box with the
            // application's title.
            QTest::mouseClick(&frmAbout().control<"cmdSysInfo">(), Qt::LeftButton);
            QCOMPARE(m_dialogs.messages.size(), std::size_t(1));
            QVERIFY(m_dialogs.messages.front().title.isEmpty() && m_dialogs.messages.front().owner == &frmAbout());
            frmAbout().control<"cmdOK">().setFocus(); // where the window opened, for Return
        }
        QTRY_VERIFY(window.isActiveWindow());
        QTest::keyClick(window.windowHandle(), key.key(), key.keyboardModifiers());
        QVERIFY(test::loadedFormNames().isEmpty());
    }

    void helpThatCannotBeShownIsReportedAndTheProgramGoesOn_data()
    {
        // clang-format off
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("command");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/lumora-help.html") << 9;
        QTest::newRow("a command other than 9 raises error 5") << QString(kLumoraHelpFile) << 1;
        // clang-format on
    }

    void helpThatCannotBeShownIsReportedAndTheProgramGoesOn()
    {
        QFETCH(QString, file);
        QFETCH(int, command);
        frmAbout().showForm();
        CommonDialog cdlHelp(&frmAbout(), file);
        cdlHelp.HelpCommand = std::int16_t(command);
        QCOMPARE(test::raisedError([&] { cdlHelp.ShowHelp(); }), command == 9 ? 0 : 5);
        QCOMPARE(m_dialogs.warnings.size(), std::size_t(command == 9));
        if (command == 9)
            QVERIFY(m_dialogs.warnings.front().prompt.startsWith(QStringLiteral("ヘルプを表示できません。"))
                    && m_dialogs.warnings.front().owner == &frmAbout());
        QCOMPARE(test::loadedFormNames(), QStringList{"frmAbout"});
    }
};

QTEST_MAIN(AboutWindowTest)
#include "tst_aboutwindow.moc"
