#include "scores/HighScoreTable.h"

#include "core/RuntimeError.h"

namespace lumora {

namespace {

std::size_t scoreIndex(int slot)
{
    if (slot < 1 || slot > 3)
        raise(ErrorCode::SubscriptOutOfRange);
    return 2 * static_cast<std::size_t>(slot - 1);
}

} // namespace

HighScoreFields HighScoreTable::fields() const
{
    return {HighScore1, HighName1, HighScore2, HighName2, FieldValue::number(HighScore3), FieldValue::text(HighName3)};
}

bool HighScoreTable::isRecord(int slot, double points) const
{
    return fields()[scoreIndex(slot)].recordValue() < points;
}

std::pair<QString, QString> HighScoreTable::slotTexts(int slot) const
{
    const HighScoreFields all = fields();
    const std::size_t index = scoreIndex(slot);
    return {all[index].displayText(), all[index + 1].displayText()};
}

HighScoreTable &highScores()
{
    static HighScoreTable table;
    return table;
}

HighScoreFields resetHighScoreFields()
{
    HighScoreFields fields;
    for (int slot = 1; slot <= 3; ++slot)
        fields = withSlot(fields, slot, 0, QStringLiteral(" "));
    return fields;
}

HighScoreFields withSlot(HighScoreFields fields, int slot, double score, const QString &name)
{
    const std::size_t index = scoreIndex(slot);
    fields[index] = FieldValue::number(score);
    fields[index + 1] = FieldValue::text(name);
    return fields;
}

} // namespace lumora
