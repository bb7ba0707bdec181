#include "scores/HighScoreForm.h"

#include "core/Messages.h"
#include "scores/HighScoreFile.h"
#include "scores/HighScoreTable.h"
#include "scores/RecordKeeper.h"
#include "ui/Dialogs.h"
#include "ui/FormRegistry.h"

#include <QMetaObject>

namespace lumora {

HighScoreForm::HighScoreForm()
{
    onClick<"cmdClear">([this] { cmdClear_Click(); });
    onClick<"cmdOK">([this] { cmdOK_Click(); });
}

void HighScoreForm::Form_Load()
{
    // A missing file is every first run: the table as it stands, without a word. One that is
    // there but cannot be read is told once the window is on screen (showEvent).
    const LoadResult load = LoadHighScores();
    if (load.outcome == LoadOutcome::CannotRead)
        m_unreadable = load.error;
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

// The warning waits for the window to be shown, so that it stands above the window that owns it.
void HighScoreForm::showEvent(QShowEvent *event)
{
    FormOf::showEvent(event);
    if (const std::error_code unreadable = std::exchange(m_unreadable, {})) {
        QMetaObject::invokeMethod(
            this, [this, unreadable] { ui::dialogs().warning(this, loadFailureMessage(unreadable), QString()); },
            Qt::QueuedConnection);
    }
}

void HighScoreForm::cmdClear_Click()
{
    const auto answer =
        ui::dialogs().messageBox(this, QString::fromUtf8(messages::kClearQuestion), ui::MessageButtons::YesNo,
                                 QString::fromUtf8(messages::kClearQuestionTitle));
    if (answer == ui::MessageAnswer::Yes)
        ClearHighScores(ui::dialogs(), this);
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
