#include "scores/RecordKeeper.h"

#include "scores/CodePage932.h"
#include "scores/HighScoreFile.h"
#include "scores/NameRule.h"

namespace lumora {

namespace {

// Asks until the name can be stored exactly; an unusable name gets the reason above the prompt.
QString askHolderName(RecordDialogs &dialogs)
{
    const QString prompt = QStringLiteral("名前を入力して下さい!");
    const QString title = QStringLiteral("ハイスコア！！");
    QString name = foldToCp932(dialogs.askName(prompt, title));
    while (const std::optional<QString> problem = nameProblem(name))
        name = foldToCp932(dialogs.askName(*problem + u'\n' + prompt, title));
    return name;
}

} // namespace

void TryLoadHighScores()
{
    LoadHighScores();
}

RecordOutcome CheckHighScore(int slot, double points, RecordDialogs &dialogs)
{
    if (!(highScores().recordScore(slot) < points))
        return RecordOutcome::NotARecord;
    const QString name = askHolderName(dialogs);

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
        dialogs.reportBetterRecord(QStringLiteral("その間に、より良い記録が保存されました。\n%1 点　%2").arg(score, holder));
        return RecordOutcome::BeatenMeanwhile;
    }
    if (!result.saved()) {
        dialogs.reportSaveFailure(saveFailureMessage(result));
        return RecordOutcome::SaveFailed;
    }
    return RecordOutcome::Saved;
}

} // namespace lumora
