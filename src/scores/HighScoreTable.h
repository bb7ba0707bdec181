#pragma once

#include "scores/FieldValue.h"

#include <QString>

#include <array>
#include <cstdint>
#include <utility>

namespace lumora {

// The six values of one line of the high-score file, in file order: score and name of slot 1,
// of slot 2, of slot 3.
using HighScoreFields = std::array<FieldValue, 6>;

// One best score and its holder per level. Slots 1 and 2 keep the kind of what was read; slot 3
// is always a number and a string. Changes only by a load.
struct HighScoreTable
{
    FieldValue HighScore1;
    FieldValue HighName1;
    FieldValue HighScore2;
    FieldValue HighName2;
    std::int32_t HighScore3 = 0;
    QString HighName3;

    // The six values as a save writes them; slot 3 as a number and a text.
    HighScoreFields fields() const;
    // Whether `points` is a record in `slot` (1..3): strictly higher than the stored score, taken
    // as FieldValue::recordValue takes it. An equal score is none.
    bool isRecord(int slot, double points) const;
    // The score and name of `slot` (1..3) as the high-score window shows them.
    std::pair<QString, QString> slotTexts(int slot) const;

    friend bool operator==(const HighScoreTable &, const HighScoreTable &) = default;
};

// The process-wide table, shared by the level windows and the high-score window.
HighScoreTable &highScores();

// The fields that reset every slot: the number 0 and a name of one space, three times.
HighScoreFields resetHighScoreFields();

// `fields` with the score and name of `slot` (1..3) replaced.
HighScoreFields withSlot(HighScoreFields fields, int slot, double score, const QString &name);

} // namespace lumora
