// A record's save and Clear's, each read top to bottom: the lock, the reading, the decision, the
// line, its replacing the file, and what the player is told, once the lock is let go.
#include "scores/RecordKeeper.h"

#include "core/Messages.h"
#include "scores/CodePage932.h"
#include "scores/HighScoreFile.h"
#include "scores/NameRule.h"

namespace lumora {

namespace {

// Asks until the name can be stored exactly; an unusable name gets the reason above the prompt.
// Cancelling the box, which shows no default text, gives the empty name.
QString askHolderName(ui::Dialogs &dialogs, QWidget *owner)
{
    const QString prompt = QString::fromUtf8(messages::kNamePrompt);
    const QString title = QString::fromUtf8(messages::kNamePromptTitle);
    const auto ask = [&](const QString &text) {
        return foldToCp932(dialogs.inputBox(owner, text, title).value_or(QString()));
    };
    QString name = ask(prompt);
    while (const std::optional<QString> problem = nameProblem(name))
        name = ask(*problem + u'\n' + prompt);
    return name;
}

} // namespace

void TryLoadHighScores()
{
    LoadHighScores();
}

RecordOutcome CheckHighScore(int slot, double points, ui::Dialogs &dialogs, QWidget *owner)
{
    if (!highScores().isRecord(slot, points))
        return RecordOutcome::NotARecord;
    const QString name = askHolderName(dialogs, owner);

    // Another running copy may have saved since this round started: the file is read again under
    // the lock, its records in other slots are written back, and an equal or better one in this
    // slot stays. Only a file that is not there starts from the table.
    HighScoreSave save;
    HighScoreTable current = highScores();
    save.read(current);
    const bool beatenMeanwhile = !save.failed() && !current.isRecord(slot, points);
    if (!beatenMeanwhile)
        save.replace(encodeHighScoreLine(withWritableSlots(withSlot(current.fields(), slot, points, name), slot)));
    const std::optional<SaveFailure> failure = save.finish();

    if (failure) {
        dialogs.warning(owner, saveFailureMessage(*failure), QString());
        return RecordOutcome::SaveFailed;
    }
    if (beatenMeanwhile) {
        const auto [score, holder] = current.slotTexts(slot);
        dialogs.messageBox(owner, QString::fromUtf8(messages::kBeatenMeanwhile).arg(score, holder),
                           ui::MessageButtons::Ok, QString());
        return RecordOutcome::BeatenMeanwhile;
    }
    return RecordOutcome::Saved;
}

bool ClearHighScores(ui::Dialogs &dialogs, QWidget *owner)
{
    HighScoreSave save;
    save.replace(encodeHighScoreLine(resetHighScoreFields()));
    const std::optional<SaveFailure> failure = save.finish();

    if (failure)
        dialogs.warning(owner, saveFailureMessage(*failure), QString());
    return !failure;
}

} // namespace lumora
