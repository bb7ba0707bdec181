#include "about/CommonDialog.h"
#include "about/HelpViewer.h"
#include "levels/LevelForm.h"
#include "levels/RoundServices.h"
#include "levels/SeededRandom.h"
#include "support/RoundDriving.h"

#include "support/TestMain.h"
#include <QTest>

using namespace lumora;
using test::RoundPhase;

namespace {

// What the player sees of the round, and what its score depends on.
QString roundSnapshot(const LevelForm &form)
{
    const RoundState &s = form.roundState();
    return QStringLiteral("%1 %2 %3 %4 %5 | %6 %7 %8 %9")
        .arg(s.NextNumber).arg(s.Points).arg(s.StartTime).arg(s.EndTime).arg(s.ElapsedSeconds)
        .arg(form.caption("lblNext"), form.caption("lblPoints"))
        .arg(form.isControlShown("fraNumbars")).arg(form.isControlShown("cmdAgain"));
}

} // namespace

class OnlineHelpTest : public QObject
{
    Q_OBJECT

    test::FixedClock m_clock;
    SeededRandom m_random;
    RoundServicesOverride m_services{m_clock, m_random};
    test::ScriptedDialogs m_dialogs;
    ui::DialogsOverride m_dialogsOverride{m_dialogs};

private slots:
    void initTestCase() { test::prepareProgram(); }
    void init() { m_dialogs = {}; }
    void cleanup() { test::discardAllWindows(); }

    void f1AndTheMenuEntryShowTheShippedPageWhileTheRoundGoesOn_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("phase");
        QTest::addColumn<bool>("byF1");
        for (const auto &[levelName, level] : {std::pair{"beginner", Level::Beginner},
                                               {"intermediate", Level::Intermediate}, {"advanced", Level::Advanced}}) {
            for (const auto &[phaseName, phase] : {std::pair{"ready", RoundPhase::Ready},
                                                   {"playing", RoundPhase::Playing}, {"finished", RoundPhase::Finished}}) {
                QTest::addRow("%s %s F1", levelName, phaseName) << int(level) << int(phase) << true;
                QTest::addRow("%s %s menu", levelName, phaseName) << int(level) << int(phase) << false;
            }
        }
    }

    void f1AndTheMenuEntryShowTheShippedPageWhileTheRoundGoesOn()
    {
        QFETCH(int, level);
        QFETCH(int, phase);
        QFETCH(bool, byF1);
        LevelForm &form = levelForm(Level(level));
        form.showForm();
        test::bringTo(form, m_clock, RoundPhase(phase));
        const QString before = roundSnapshot(form);

        if (byF1) {
            QTRY_VERIFY(form.isActiveWindow());
            QTest::keyClick(form.windowHandle(), Qt::Key_F1);
        } else {
            form.menuEntry("menOnlineHelp").trigger();
        }

        QVERIFY(ui::FormRegistry::find("frmHelp") && frmHelp().isVisible());
        QCOMPARE(frmHelp().page(), QUrl(QStringLiteral("qrc:/help/lumora-help.html")));
        QVERIFY(m_dialogs.warnings.empty());
        QCOMPARE(roundSnapshot(form), before);
        QVERIFY(form.isVisible() && form.isEnabled());
    }

    void askingAgainFromAnotherWindowKeepsOneViewer()
    {
        frmFirst().menOnlineHelp_Click();
        frmThird().menOnlineHelp_Click();
        QCOMPARE(test::loadedFormNames(), (QStringList{"frmFirst", "frmHelp", "frmThird"}));
    }

    // The viewer ignored the desktop's close keys.
    void escapeAndCtrlWCloseTheViewer_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Ctrl+W") << int(Qt::Key_W) << int(Qt::ControlModifier);
    }

    void escapeAndCtrlWCloseTheViewer()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        frmFirst().showForm();
        frmFirst().menOnlineHelp_Click();
        QTRY_VERIFY(frmHelp().isActiveWindow());
        QTest::keyClick(frmHelp().windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(test::loadedFormNames(), QStringList{"frmFirst"});
    }

    void aHelpFileThatCannotBeReadIsReportedAndTheProgramGoesOn_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/lumora-help.html");
        QTest::newRow("none named") << QString();
        QTest::newRow("a folder") << QDir::tempPath();
    }

    void aHelpFileThatCannotBeReadIsReportedAndTheProgramGoesOn()
    {
        QFETCH(QString, file);
        frmFirst().showForm();
        CommonDialog cdlHelp(file);
        cdlHelp.HelpCommand = CommonDialog::cdlHelpForceFile;
        cdlHelp.ShowHelp();
        QCOMPARE(m_dialogs.warnings.size(), std::size_t(1));
        QVERIFY(m_dialogs.warnings.front().prompt.startsWith(QStringLiteral("ヘルプを表示できません。")));
        QCOMPARE(test::loadedFormNames(), QStringList{"frmFirst"});
    }
};

LUMORA_REGISTER_TEST(OnlineHelpTest)
#include "tst_onlinehelp.moc"
