#pragma once

#include "scores/RecordKeeper.h"

namespace lumora {

// The name prompt and the save-failure message, as the player's modal boxes.
class RecordBoxes final : public RecordDialogs
{
public:
    QString askName(const QString &prompt, const QString &title) override;
    void reportSaveFailure(const QString &message) override;
    void reportBetterRecord(const QString &message) override;
};

} // namespace lumora
