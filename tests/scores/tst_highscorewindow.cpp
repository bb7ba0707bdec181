#include "scores/HighScoreForm.h"
#include "scores/HighScoreTestSupport.h"
#include "support/WindowTestSupport.h"

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

namespace {

// A window of no particular kind: the one that opens the high-score window, or asks.
ui::FormDesign plainWindow(const char *name)
{
    return {.name = name, .clientWidth = 3000, .clientHeight = 1500};
}

} // namespace

// The high-score window as any window that opens it sees it; how the level windows open and
// follow it is tst_levelwindow's.
class HighScoreWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { test::prepareProgram(); }
    void cleanup() { test::discardAllWindows(); }

    // The real boxes: Japanese buttons in any locale, and text an input method commits in the name box.
    void theRealBoxesAreJapaneseAndTakeInputMethodText()
    {
        // Asks the machine, not the program: a program that fails to load the catalogue must fail here.
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm"))
            QSKIP("Qt's Japanese catalogue (qt6-translations-l10n) is not installed");
        ui::Form asking(plainWindow("frmAsking")), active(plainWindow("frmActive"));
        // Each real modal box once it is the active window: its owner, a message's format and the buttons.
        QStringList seen;
        QTimer reader;
        connect(&reader, &QTimer::timeout, this, [&seen, &asking] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isActiveWindow())
                return;
            const auto *box = qobject_cast<QMessageBox *>(dialog);
            seen << (dialog->windowHandle()->transientParent() == asking.windowHandle() ? u"owned"_s : u"not owned"_s);
            seen.back() += box ? (box->textFormat() == Qt::PlainText ? u" plain"_s : u" marked up"_s) : QString();
            for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
                seen.back() += u' ' + button->text();
            if (auto *line = dialog->findChild<QLineEdit *>()) {
                QInputMethodEvent typed;
                typed.setCommitString(u"森野　太郎\u301C"_s);
                QApplication::sendEvent(line, &typed);
                return dialog->accept();
            }
            dialog->reject();
        });
        asking.showForm();
        active.showForm(); // the active window, which does not ask
        reader.start(10);
        ui::dialogs().messageBox(&asking, u"x"_s, ui::MessageButtons::YesNo, QString());
        const std::optional<QString> typed = ui::dialogs().inputBox(&asking, u"x"_s, QString());
        ui::dialogs().warning(&asking, u"x"_s, QString());
        reader.stop();
        // Both kinds of message box show names from the file: as they stand, never as markup.
        QCOMPARE(seen,
                 (QStringList{u"owned plain はい(&Y) いいえ(&N)"_s, u"owned OK キャンセル"_s, u"owned plain OK"_s}));
        QCOMPARE(typed.value_or(QString()), u"森野　太郎\u301C"_s);
    }

    void eachLoadShowsTheTableOrSaysWhyNotAndClearResetsOnlyAfterYes_data()
    {
        // clang-format off
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("unreadable");  // a folder where the file is, from the start
        QTest::addColumn<QStringList>("shown");  // each level's name and score once the window is loaded again
        QTest::newRow("yes") << true << false << QStringList{" ", "0", " ", "0", " ", "0"};
        // Names were rendered as markup, and an <img> made the window load a local file.
        QTest::newRow("no") << false << false << QStringList{"<img src=/x.png>", "900", "&amp;", "2", "c", "3"};
        // A file that is there but cannot be read showed the table without a word, as a first run
        // does, and the player never learnt why the records were gone.
        QTest::newRow("no, with a file that cannot be read") << false << true << QStringList{"", "", "", "", "", "0"};
        // clang-format on
    }

    void eachLoadShowsTheTableOrSaysWhyNotAndClearResetsOnlyAfterYes()
    {
        QFETCH(bool, yes);
        QFETCH(bool, unreadable);
        QFETCH(QStringList, shown);
        test::TempHighScoreFile file;
        QVERIFY(!unreadable || QDir().mkpath(file.path()));
        highScores() = HighScoreTable{};
        test::ScriptedDialogs dialogs;
        ui::DialogsOverride useDialogs(dialogs);
        dialogs.messageAnswers.push_back(yes ? ui::MessageAnswer::Yes : ui::MessageAnswer::No);
        ui::Form opener(plainWindow("frmOpener"));
        opener.showForm();
        frmHighScore().showForm(opener);
        test::verifyOwnedBy(frmHighScore(), opener);
        if (!unreadable)
            file.write("900,\"<img src=/x.png>\",2,\"&amp;\",3,\"c\"\r\n"_ba); // another copy saved meanwhile
        const QWidget *asking = &frmHighScore();
        const HighScoreForm *again = nullptr;
        connect(&frmHighScore(), &HighScoreForm::reopened, this, [&again](HighScoreForm &form) { again = &form; });

        QCoreApplication::processEvents(); // a first run's window, opened above, tells nothing; the others, why
        QTest::mouseClick(&frmHighScore().control<"cmdClear">(), Qt::LeftButton);

        QCOMPARE(dialogs.messages.size(), std::size_t(1));
        QCOMPARE(dialogs.messages[0].owner, asking);
        QCOMPARE(dialogs.messages[0].title + u'|' + dialogs.messages[0].prompt,
                 u"確認|ハイスコアを消去してよろしいですか？"_s);
        QCOMPARE(again, &frmHighScore()); // the window loaded anew
        QVERIFY(frmHighScore().isVisible());
        test::verifyOwnedBy(frmHighScore(), opener);
        QStringList captions;
        for (const char *label :
             {"lblFirstName", "lblFirstPoint", "lblSecondName", "lblSecondPoint", "lblThirdName", "lblThirdPoint"})
            captions << frmHighScore().findChild<QLabel *>(label)->text();
        QCOMPARE(captions, shown);
        for (const QLabel *label : frmHighScore().findChildren<QLabel *>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
        // Told by each window that found it once it is on screen, above it.
        QCoreApplication::processEvents();
        QStringList warned;
        for (const auto &warning : dialogs.warnings)
            warned << (warning.owner == asking || warning.owner == again ? warning.prompt : u"another owner"_s);
        const QString told = u"ハイスコアを読み込めませんでした。\nファイル: "_s + QDir::toNativeSeparators(file.path())
            + u"\nファイルを読み取れません（ファイルの代わりにフォルダーがあります）。"_s;
        QCOMPARE(warned, unreadable ? QStringList(2, told) : QStringList());
    }
};

QTEST_MAIN(HighScoreWindowTest)
#include "tst_highscorewindow.moc"
