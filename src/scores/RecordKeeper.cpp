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

    // Another running copy may have saved a record in another slot since this round started:
    // read the file again so that record is written back rather than lost.
    HighScoreTable current = highScores();
    LoadHighScores(current);
    const SaveResult result = SaveHighScores(withSlot(current.fields(), slot, points, name));
    if (!result.saved()) {
        dialogs.reportSaveFailure(saveFailureMessage(result));
        return RecordOutcome::SaveFailed;
    }
    return RecordOutcome::Saved;
}

} // namespace lumora
