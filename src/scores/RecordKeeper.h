#pragma once

#include <QString>

namespace lumora {

// The two modal boxes record keeping needs; the level windows supply real ones.
class RecordDialogs
{
public:
    virtual ~RecordDialogs() = default;
    // The modal text-input box, no default text: the text typed, or "" when cancelled.
    virtual QString askName(const QString &prompt, const QString &title) = 0;
    // A modal message; the program goes on once the player has read it.
    virtual void reportSaveFailure(const QString &message) = 0;
    // A modal message: another copy saved a better record for this level in the meantime.
    virtual void reportBetterRecord(const QString &message) = 0;
};

enum class RecordOutcome { NotARecord, Saved, BeatenMeanwhile, SaveFailed };

// Round start: refreshes the table from the file; a missing or damaged file changes only what
// could be read and is never reported.
void TryLoadHighScores();

// Round finish: when `points` beats the stored score of `slot` (1..3), asks for the holder's name
// and saves the file with that slot replaced. The table is not changed; the record reaches it
// with the next load. The file is read again before the save; when another running copy has
// stored an equal or better score for the slot meanwhile, nothing is saved and the player is
// shown that record. A failed save is reported to the player and the game goes on.
RecordOutcome CheckHighScore(int slot, double points, RecordDialogs &dialogs);

} // namespace lumora
