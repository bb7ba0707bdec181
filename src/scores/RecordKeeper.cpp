#include "scores/RecordKeeper.h"

#include "scores/CodePage932.h"
#include "scores/HighScoreFile.h"
#include "scores/NameRule.h"

namespace lumora {

namespace {

// Asks until the name can be stored exactly; an unusable name gets the reason above the prompt.
// Cancelling the box, which shows no default text, gives the empty name.
QString askHolderName(ui::Dialogs &dialogs, QWidget *owner)
{
    const QString prompt = QStringLiteral("名前を入力して下さい!");
    const QString title = QStringLiteral("ハイスコア！！");
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
    if (!(highScores().recordScore(slot) < points))
        return RecordOutcome::NotARecord;
    const QString name = askHolderName(dialogs, owner);

    // Another running copy may have saved since this round started: its records in other slots
    // are written back, and a better one in this slot stays.
    HighScoreTable stored;
    const SaveResult result = UpdateHighScores(highScores(), [&](const HighScoreTable &current) {
        stored = current;
        return current.recordScore(slot) < points
            ? std::optional(withWritableSlots(withSlot(current.fields(), slot, points, name), slot))
            : std::nullopt;
    });
    if (result.outcome == SaveOutcome::Unchanged) {
        const auto [score, holder] = stored.slotTexts(slot);
        dialogs.messageBox(owner,
                           QStringLiteral("その間に、より良い記録が保存されました。\n%1 点　%2").arg(score, holder),
                           ui::MessageButtons::Ok, QString());
        return RecordOutcome::BeatenMeanwhile;
    }
    if (!result.saved()) {
        dialogs.warning(owner, saveFailureMessage(result), QString());
        return RecordOutcome::SaveFailed;
    }
    return RecordOutcome::Saved;
}

} // namespace lumora
