#pragma once

#include "core/Override.h"
#include "scores/HighScoreFormat.h"
#include "scores/HighScoreTable.h"

#include <QString>

#include <functional>
#include <optional>

namespace lumora {

// The high-score file a load reads: on Windows the fixed path C:\Windows\System\LumoraHigh.Dll or
// the player's VirtualStore copy of it, elsewhere LumoraHigh.Dll in the player's application data
// folder.
QString HighScoreFile();

// The file a save writes, and the lock beside it: HighScoreFile(), but on Windows the VirtualStore
// copy when the fixed place cannot be written.
QString highScoreSaveFile();

// Points both at `path` until the guard goes away. For tests only, so that no test reaches the
// player's file.
class HighScoreFileOverride : public Override<QString>
{
public:
    explicit HighScoreFileOverride(const QString &path);
};

// Reads HighScoreFile() into `table` (see readHighScores). Shows nothing to the player.
LoadResult LoadHighScores(HighScoreTable &table = highScores());

enum class SaveOutcome { Saved, Unchanged, NameNotWritable, CannotCreate, CannotRead, CannotWrite, Locked };

struct SaveResult
{
    SaveOutcome outcome = SaveOutcome::Saved;
    QString path;   // the file the save was for
    QString reason; // fit to show the player; empty when saved

    bool saved() const { return outcome == SaveOutcome::Saved; }
};

// Replaces the file's content with the line of these six values, creating the folder if needed.
// The new content is written beside the file, forced to disk and renamed over it, the rename
// forced to disk too, so that a save that fails leaves the previous file as it was and one that
// is done survives a power cut. A file that is read-only is not replaced. Saves under the lock of
// UpdateHighScores, so that no other copy's save comes between. Does not touch the table.
SaveResult SaveHighScores(const HighScoreFields &fields);

// Reads the file again into a copy of `table` and saves what `update` makes of it, holding a lock
// file beside it meanwhile, so that another running copy cannot save between the reading and the
// writing. Only a file that is not there starts from `table`; one that cannot be read fails the
// save (CannotRead) and is left as it was. `update` returns nothing to leave the file alone (the
// outcome is then Unchanged). A lock another copy keeps for more than a few seconds fails the
// save; the system lets go of the lock of a copy that died.
SaveResult UpdateHighScores(const HighScoreTable &table,
                            const std::function<std::optional<HighScoreFields>(const HighScoreTable &)> &update);

// The Japanese message that tells the player a save failed, naming the file and the reason.
QString saveFailureMessage(const SaveResult &result);

} // namespace lumora
