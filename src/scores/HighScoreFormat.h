#pragma once

#include "scores/HighScoreTable.h"

#include <QByteArray>

#include <optional>
#include <system_error>

// The one line of the high-score file: six comma-separated fields ended by CR LF, numbers as
// plain digits, names between double quotes without any escape, text in code page 932.
namespace lumora {

// A load reads at most this many bytes, so a file of any size costs bounded time and memory.
// Any line a save writes fits (a save refuses anything longer).
inline constexpr qsizetype kMaxHighScoreBytes = 256 * 1024;

// Missing: no file there; CannotRead: a file there that could not be read.
enum class LoadOutcome { Loaded, Missing, CannotRead, EndedEarly };

struct LoadResult
{
    LoadOutcome outcome = LoadOutcome::Loaded;
    int fieldsRead = 0;    // table members stored, 0..6
    std::error_code error; // why the file could not be read (CannotRead)

    bool loaded() const { return outcome == LoadOutcome::Loaded; }
};

// Reads six fields into `table` in file order, each stored as soon as it has been read; when the
// bytes end before the sixth, the members already read keep their new values. Forms a save
// never writes are taken as follows: spaces around a field are skipped; bytes between a closing
// quote and the next separator are dropped; a quote left open runs to the end; an unquoted field
// that is not a number is a text without double quotes; slot 3 takes the nearest whole number
// of what it reads (halves to even, held at the ends of the 32-bit range; a text that is no
// number gives 0); an unquoted field read as a name keeps its text as it stands.
LoadResult readHighScores(QByteArrayView bytes, HighScoreTable &table);

// The line for these six values, CR LF included; nothing when it cannot be written: a text
// holding a double quote (it would not read back) or a character code page 932 cannot hold,
// or a line longer than a load reads.
std::optional<QByteArray> encodeHighScoreLine(const HighScoreFields &fields);

// A slot's share of the line: three of them, two commas and CR LF fit in what a load reads.
inline constexpr qsizetype kMaxSlotBytes = (kMaxHighScoreBytes - 4) / 3;

// `fields` with every slot but `keep` (1..3) that cannot be written back within its share of the
// line, or not at all, replaced by the reset value: 0 and a one-space name. Such a slot comes only
// from a damaged or foreign file (every slot the game writes fits), and it must never keep a
// player's record out of the file.
HighScoreFields withWritableSlots(HighScoreFields fields, int keep);

} // namespace lumora
