#include "levels/LevelForm.h"
#include "levels/RoundServices.h"
#include "levels/SeededRandom.h"
#include "scores/HighScoreForm.h"
#include "scores/HighScoreTestSupport.h"
#include "support/RoundDriving.h"

#include <QApplication>
#include <QDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

using namespace lumora;
using namespace Qt::StringLiterals;

class HighScoreWindowTest : public QObject
{
    Q_OBJECT

    test::FixedClock m_clock;
    SeededRandom m_random;

private slots:
    void initTestCase() { test::prepareProgram(); }
    void cleanup() { test::discardAllWindows(); }

    void aRecordRoundAsksForTheNameAndTheWindowShowsIt()
    {
        test::TempHighScoreFile file;
        RoundServicesOverride services(m_clock, m_random);
        test::ScriptedDialogs dialogs;
        ui::DialogsOverride useDialogs(dialogs);
        dialogs.inputAnswers.push_back(u"森野　太郎\u301C"_s);
        // Names were rendered as markup, and an <img> made the window load a local file.
        file.write("1,\"a\",2,\"<img src=/x.png>\",3,\"&amp;\"\r\n"_ba);
        frmFirst().showForm();
        test::playPerfectRound(frmFirst(), m_clock, 100.0f, 120.0f);

        QCOMPARE(dialogs.inputs.at(0).owner, &frmFirst());
        frmFirst().menHigh_Click();
        test::verifyOwnedBy(frmHighScore(), frmFirst());
        QStringList shown;
        using enum HighScoreForm::Control;
        for (const HighScoreForm::Control label :
             {lblFirstName, lblFirstPoint, lblSecondName, lblSecondPoint, lblThirdName, lblThirdPoint})
            shown << frmHighScore().caption(label);
        QCOMPARE(shown, (QStringList{u"森野　太郎～"_s, "12500", "<img src=/x.png>", "2", "&amp;", "3"}));
        for (const QLabel *label : frmHighScore().findChildren<QLabel *>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    // The real boxes: Japanese buttons in any locale, and text an input method commits in the name box.
    void theRealBoxesAreJapaneseAndTakeInputMethodText()
    {
        // Asks the machine, not the program: a program that fails to load the catalogue must fail here.
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm"))
            QSKIP("Qt's Japanese catalogue (qt6-translations-l10n) is not installed");
        QStringList shown;
        QList<Qt::TextFormat> formats;
        QList<const QWindow *> owners;
        QTimer reader;
        // Answers each real modal box once it is the active window.
        connect(&reader, &QTimer::timeout, this, [&shown, &formats, &owners] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isActiveWindow())
                return;
            owners << dialog->windowHandle()->transientParent();
            if (const auto *box = qobject_cast<QMessageBox *>(dialog))
                formats << box->textFormat();
            for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
                shown << button->text();
            if (auto *line = dialog->findChild<QLineEdit *>()) {
                QInputMethodEvent typed;
                typed.setCommitString(u"森野　太郎\u301C"_s);
                QApplication::sendEvent(line, &typed);
                return dialog->accept();
            }
            dialog->reject();
        });
        frmFirst().showForm();
        frmThird().showForm(); // the active window, which does not ask
        reader.start(10);
        ui::dialogs().messageBox(&frmFirst(), u"x"_s, ui::MessageButtons::YesNo, QString());
        const std::optional<QString> typed = ui::dialogs().inputBox(&frmFirst(), u"x"_s, QString());
        ui::dialogs().warning(&frmFirst(), u"x"_s, QString());
        reader.stop();
        QCOMPARE(owners, QList<const QWindow *>(3, frmFirst().windowHandle()));
        QCOMPARE(shown, (QStringList{"はい(&Y)", "いいえ(&N)", "OK", "キャンセル", "OK"}));
        // Both kinds of message box show names from the file: as they stand, never as markup.
        QCOMPARE(formats, (QList<Qt::TextFormat>{Qt::PlainText, Qt::PlainText}));
        QCOMPARE(typed.value_or(QString()), u"森野　太郎\u301C"_s);
    }

    void clearAsksAndResetsOnlyAfterYes_data()
    {
        // clang-format off
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("shown");  // 初級's score once the window is loaded again
        QTest::newRow("yes") << true << "0";
        QTest::newRow("no") << false << "900";
        // clang-format on
    }

    void clearAsksAndResetsOnlyAfterYes()
    {
        QFETCH(bool, yes);
        QFETCH(QString, shown);
        test::TempHighScoreFile file;
        highScores() = HighScoreTable{};
        test::ScriptedDialogs dialogs;
        ui::DialogsOverride useDialogs(dialogs);
        dialogs.messageAnswers.push_back(yes ? ui::MessageAnswer::Yes : ui::MessageAnswer::No);
        frmFirst().showForm();
        frmFirst().menHigh_Click();
        file.write("900,\"cd\",,,0,\"\"\r\n"_ba); // another copy of the game saved meanwhile
        const QWidget *asking = &frmHighScore();

        QTest::mouseClick(&frmHighScore().control(HighScoreForm::Control::cmdClear), Qt::LeftButton);

        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].owner, asking);
        test::verifyOwnedBy(frmHighScore(), frmFirst());
        QCOMPARE(dialogs.messages[0].title + u'|' + dialogs.messages[0].prompt,
                 u"確認|ハイスコアを消去してよろしいですか？"_s);
        QVERIFY(dialogs.warnings.empty());
        QVERIFY(frmHighScore().isVisible());
        QCOMPARE(frmHighScore().caption(HighScoreForm::Control::lblFirstPoint), shown);
        QVERIFY(!frmFirst().isEnabled());
        QTest::mouseClick(&frmHighScore().control(HighScoreForm::Control::cmdOK),
                          Qt::LeftButton); // the window loaded anew
        QVERIFY(frmFirst().isEnabled());
    }

    void leavingEnablesAllThreeLevelWindowsLoadingTheMissingOnesHidden_data()
    {
        // clang-format off
        QTest::addColumn<bool>("byTitleBar");
        QTest::newRow("OK") << false;
        QTest::newRow("the title bar's close") << true;
        // clang-format on
    }

    void leavingEnablesAllThreeLevelWindowsLoadingTheMissingOnesHidden()
    {
        QFETCH(bool, byTitleBar);
        test::TempHighScoreFile file;
        frmSecond().showForm();
        frmSecond().menHigh_Click();
        // The greyed level window's close box ended the game while this window was open.
        QVERIFY(!frmSecond().close());
        QCOMPARE(test::loadedFormNames(), (QStringList{"frmHighScore", "frmSecond"}));

        if (byTitleBar)
            frmHighScore().close();
        else
            QTest::mouseClick(&frmHighScore().control(HighScoreForm::Control::cmdOK), Qt::LeftButton);

        QCOMPARE(test::loadedFormNames(), (QStringList{"frmFirst", "frmSecond", "frmThird"}));
        for (const Level level : {Level::Beginner, Level::Intermediate, Level::Advanced})
            QVERIFY(levelForm(level).isEnabled());
        QVERIFY(!frmFirst().isVisible() && !frmThird().isVisible());
    }
};

QTEST_MAIN(HighScoreWindowTest)
#include "tst_highscorewindow.moc"
