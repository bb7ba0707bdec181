#pragma once

#include "ui/Dialogs.h"

class QWidget;

// Record keeping: the round-start load, and a record's save and Clear's, each told to the player.
namespace lumora {

enum class RecordOutcome { NotARecord, Saved, BeatenMeanwhile, SaveFailed };

// Round start: refreshes the table from the file; a missing or damaged file changes only what
// could be read and is never reported.
void TryLoadHighScores();

// Round finish: when `points` beats the stored score of `slot` (1..3), asks for the holder's name
// and saves the file with that slot replaced. The table is not changed; the record reaches it
// with the next load. The file is read again before the save; when another running copy has
// stored an equal or better score for the slot meanwhile, nothing is saved and the player is
// shown that record. A failed save is reported to the player and the game goes on. Every box is
// asked through `dialogs`, owned by `owner`, the level window whose round it is.
RecordOutcome CheckHighScore(int slot, double points, ui::Dialogs &dialogs, QWidget *owner);

// Clear: saves the reset state, 0 and a one-space name in every slot. A failed save is reported
// through `dialogs`, owned by `owner`. Whether it was saved.
bool ClearHighScores(ui::Dialogs &dialogs, QWidget *owner);

} // namespace lumora
