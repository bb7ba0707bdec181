#include "levels/LevelForm.h"
#include "levels/RoundServices.h"
#include "levels/SeededRandom.h"
#include "scores/CodePage932.h"
#include "scores/HighScoreForm.h"
#include "scores/HighScoreTestSupport.h"
#include "support/RoundDriving.h"

#include "support/TestMain.h"
#include <QApplication>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

using namespace lumora;

namespace {

const QByteArray kResetLine = QByteArrayLiteral("0,\" \",0,\" \",0,\" \"\r\n");

QStringList rowTexts(HighScoreForm &form)
{
    QStringList texts;
    for (const char *label : {"lblFirstName", "lblFirstPoint", "lblSecondName", "lblSecondPoint", "lblThirdName",
                              "lblThirdPoint"})
        texts << form.caption(label);
    return texts;
}

} // namespace

class HighScoreWindowTest : public QObject
{
    Q_OBJECT

    test::FixedClock m_clock;
    SeededRandom m_random;

private slots:
    void initTestCase() { test::prepareProgram(); }
    void cleanup() { test::discardAllWindows(); }

    void aRecordRoundAsksTheRealPromptAndTheWindowShowsIt()
    {
        test::TempHighScoreFile file;
        RoundServicesOverride services(m_clock, m_random);
        LevelForm &form = frmFirst();
        form.showForm();

        QString promptLabel;
        QString promptTitle;
        QTimer answer;
        answer.setInterval(10);
        connect(&answer, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isActiveWindow())
                return;
            if (!promptLabel.isEmpty())
                return dialog->reject();  // asked again: the name was refused
            promptLabel = dialog->labelText();
            promptTitle = dialog->windowTitle();
            // Typed as an input method commits it, ending in a wave dash (U+301C).
            QInputMethodEvent typed;
            typed.setCommitString(QStringLiteral("森野　太郎\u301C"));
            QApplication::sendEvent(dialog->findChild<QLineEdit *>(), &typed);
            dialog->accept();
        });
        answer.start();
        test::playPerfectRound(form, m_clock, 100.0f, 120.0f);
        answer.stop();

        QCOMPARE(promptLabel, QStringLiteral("名前を入力して下さい!"));
        QCOMPARE(promptTitle, QStringLiteral("ハイスコア！！"));
        QCOMPARE(file.bytes(), QByteArray("12500,\"") + QByteArray::fromHex("905896EC814091BE98598160")
                                   + QByteArray("\",,,0,\"\"\r\n"));

        form.menHigh_Click();
        QVERIFY(!form.isEnabled());
        QCOMPARE(rowTexts(frmHighScore()),
                 (QStringList{"森野　太郎～", "12500", "", "", "", "0"}));
        QVERIFY(frmHighScore().control("cmdOK").hasFocus() || frmHighScore().focusWidget() == &frmHighScore().control("cmdOK"));
    }

    void theStandardButtonsAreJapaneseWhateverTheLocale()
    {
        if (!ui::installQtTranslations())
            QSKIP("Qt's Japanese catalogue (qt6-translations-l10n) is not installed");
        QStringList shown;
        QTimer reader;
        reader.setInterval(10);
        connect(&reader, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isActiveWindow())
                return;
            QStringList texts;
            for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
                texts << button->text();
            shown << texts.join(u' ');
            dialog->reject();
        });
        reader.start();
        ui::dialogs().messageBox(QStringLiteral("x"), ui::MessageButtons::YesNo, QString());
        ui::dialogs().inputBox(QStringLiteral("x"), QString());
        ui::dialogs().warning(QStringLiteral("x"), QString());
        reader.stop();
        QCOMPARE(shown, (QStringList{"はい(&Y) いいえ(&N)", "OK キャンセル", "OK"}));
    }

    void theWindowOpensWithoutAFileOrWithAShortOne_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("no file") << QByteArray() << QStringList{"", "", "", "", "", "0"};
        QTest::newRow("only a score and a name") << QByteArray("830,\"ab\"\r\n")
                                                 << QStringList{"ab", "830", "", "", "", "0"};
        QTest::newRow("reset state") << kResetLine << QStringList{" ", "0", " ", "0", " ", "0"};
        // Names were rendered as markup, and an <img> made the window load a local file.
        QTest::newRow("markup in names") << QByteArray("1,\"<b>Taro</b>\",2,\"<img src=/x.png>\",3,\"&amp;\"\r\n")
                                         << QStringList{"<b>Taro</b>", "1", "<img src=/x.png>", "2", "&amp;", "3"};
    }

    void theWindowOpensWithoutAFileOrWithAShortOne()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, rows);
        test::TempHighScoreFile file;
        if (!content.isEmpty())
            file.write(content);
        highScores() = HighScoreTable{};
        frmFirst().menHigh_Click();
        QVERIFY(frmHighScore().isVisible());
        QCOMPARE(rowTexts(frmHighScore()), rows);
        for (const QLabel *label : frmHighScore().findChildren<QLabel *>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    // The greyed level window's close box ended the game while this window was open.
    void theDisabledLevelWindowIgnoresTheCloseBox()
    {
        test::TempHighScoreFile file;
        frmFirst().showForm();
        frmFirst().menHigh_Click();
        QVERIFY(!frmFirst().close());
        QCOMPARE(test::loadedFormNames(), (QStringList{"frmFirst", "frmHighScore"}));
        frmSecond().menEnd_Click(); // the program's own end still closes it
        QVERIFY(test::loadedFormNames().isEmpty());
    }

    void clearAnsweredYesWritesTheResetStateAndReloads()
    {
        test::TempHighScoreFile file;
        file.write("830,\"ab\",,,0,\"\"\r\n");
        test::ScriptedDialogs dialogs;
        ui::DialogsOverride useDialogs(dialogs);
        dialogs.messageAnswers.push_back(ui::MessageAnswer::Yes);
        frmFirst().menHigh_Click();
        QPointer<HighScoreForm> before = &frmHighScore();

        QTest::mouseClick(&frmHighScore().control("cmdClear"), Qt::LeftButton);

        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages.front().prompt, QStringLiteral("ハイスコアを消去してよろしいですか？"));
        QCOMPARE(dialogs.messages.front().title, QStringLiteral("確認"));
        QCOMPARE(file.bytes(), kResetLine);
        QVERIFY(&frmHighScore() != before.data());
        QVERIFY(frmHighScore().isVisible());
        QCOMPARE(rowTexts(frmHighScore()), (QStringList{" ", "0", " ", "0", " ", "0"}));
        QVERIFY(!frmFirst().isEnabled());
    }

    void clearAnsweredNoLeavesTheFileAndStillReloads()
    {
        test::TempHighScoreFile file;
        file.write("830,\"ab\",,,0,\"\"\r\n");
        test::ScriptedDialogs dialogs;
        ui::DialogsOverride useDialogs(dialogs);
        dialogs.messageAnswers.push_back(ui::MessageAnswer::No);
        frmFirst().menHigh_Click();
        QPointer<HighScoreForm> before = &frmHighScore();
        file.write("900,\"cd\",,,0,\"\"\r\n"); // another copy of the game saved meanwhile

        frmHighScore().cmdClear_Click();

        QCOMPARE(file.bytes(), QByteArray("900,\"cd\",,,0,\"\"\r\n"));
        QVERIFY(&frmHighScore() != before.data());
        QCOMPARE(frmHighScore().caption("lblFirstPoint"), QStringLiteral("900"));
    }

    void aClearThatCannotSaveTellsThePlayerAndGoesOn()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString previous = HighScoreFile();
        setHighScoreFileOverride(dir.filePath(QStringLiteral("not-a-folder/LumoraHigh.Dll")));
        test::ScriptedDialogs dialogs;
        ui::DialogsOverride useDialogs(dialogs);
        dialogs.messageAnswers.push_back(ui::MessageAnswer::Yes);
        frmFirst().menHigh_Click();

        frmHighScore().cmdClear_Click();
        setHighScoreFileOverride(previous);

        QCOMPARE(dialogs.warnings.size(), std::size_t(1));
        QVERIFY(dialogs.warnings.front().prompt.contains(QStringLiteral("LumoraHigh.Dll")));
        QVERIFY(frmHighScore().isVisible());
    }

    void okEnablesAllThreeLevelWindowsLoadingTheMissingOnesHidden()
    {
        test::TempHighScoreFile file;
        frmSecond().showForm();
        frmSecond().menHigh_Click();
        QVERIFY(!frmSecond().isEnabled());
        QVERIFY(!loadedLevelForm(Level::Beginner));

        QTest::mouseClick(&frmHighScore().control("cmdOK"), Qt::LeftButton);

        QCOMPARE(test::loadedFormNames(), (QStringList{"frmFirst", "frmSecond", "frmThird"}));
        for (const Level level : {Level::Beginner, Level::Intermediate, Level::Advanced})
            QVERIFY(levelForm(level).isEnabled());
        QVERIFY(!frmFirst().isVisible());
        QVERIFY(!frmThird().isVisible());
    }

    void closingFromTheTitleBarNeverLeavesTheLevelWindowDisabled()
    {
        test::TempHighScoreFile file;
        frmThird().showForm();
        frmThird().menHigh_Click();
        frmHighScore().close();
        QVERIFY(frmThird().isEnabled());
        QVERIFY(!ui::FormRegistry::find("frmHighScore"));
    }

    void aLevelWindowIgnoresInputWhileTheHighScoreWindowIsOpen()
    {
        test::TempHighScoreFile file;
        LevelForm &form = frmFirst();
        form.showForm();
        form.menHigh_Click();
        QTest::mouseClick(&form.control("cmdStart"), Qt::LeftButton);
        QTest::keyClick(form.windowHandle(), Qt::Key_F4);
        QCOMPARE(form.roundState().NextNumber, 0);
        QVERIFY(form.isControlShown("cmdStart"));
    }
};

LUMORA_REGISTER_TEST(HighScoreWindowTest)
#include "tst_highscorewindow.moc"
