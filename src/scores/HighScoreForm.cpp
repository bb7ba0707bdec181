#include "scores/HighScoreForm.h"

#include "scores/HighScoreFile.h"
#include "scores/HighScoreTable.h"
#include "ui/Dialogs.h"
#include "ui/FormRegistry.h"

namespace lumora {

HighScoreForm::HighScoreForm()
{
    onClick<"cmdClear">([this] { cmdClear_Click(); });
    onClick<"cmdOK">([this] { cmdOK_Click(); });
}

void HighScoreForm::Form_Load()
{
    // A missing or short file is every first run: show the table as far as it could be read.
    LoadHighScores();
    const HighScoreTable &table = highScores();
    setCaption<"lblFirstPoint">(table.HighScore1.displayText());
    setCaption<"lblSecondPoint">(table.HighScore2.displayText());
    setCaption<"lblThirdPoint">(QString::number(table.HighScore3));
    setCaption<"lblFirstName">(table.HighName1.displayText());
    setCaption<"lblSecondName">(table.HighName2.displayText());
    setCaption<"lblThirdName">(table.HighName3);
}

void HighScoreForm::Form_Unload(bool &cancel)
{
    Q_UNUSED(cancel);
    // Only OK enables the level windows again; a close from the title bar counts as OK, so the
    // level window is never left disabled.
    if (m_closing == Closing::ByTitleBar)
        emit dismissed();
}

void HighScoreForm::cmdClear_Click()
{
    const auto answer = ui::dialogs().messageBox(this, QStringLiteral("ハイスコアを消去してよろしいですか？"),
                                                 ui::MessageButtons::YesNo, QStringLiteral("確認"));
    if (answer == ui::MessageAnswer::Yes) {
        const SaveResult result = SaveHighScores(resetHighScoreFields());
        if (!result.saved())
            ui::dialogs().warning(this, saveFailureMessage(result), QString());
    }
    m_closing = Closing::ByClear;
    // The window comes back owned by the level window that opened it.
    QPointer<QWidget> opener = owner();
    unload();
    HighScoreForm &again = frmHighScore();
    emit reopened(again);
    if (opener)
        again.showForm(*opener);
    else
        again.showForm();
}

void HighScoreForm::cmdOK_Click()
{
    m_closing = Closing::ByOK;
    unload();
    emit dismissed();
}

HighScoreForm &frmHighScore()
{
    return ui::FormRegistry::reference<HighScoreForm>("frmHighScore", [] { return new HighScoreForm; });
}

} // namespace lumora
