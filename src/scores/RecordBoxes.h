#pragma once

#include "scores/RecordKeeper.h"

class QWidget;

namespace lumora {

// The name prompt and the save-failure message, as the player's modal boxes, owned by the level
// window whose round it is.
class RecordBoxes final : public RecordDialogs
{
public:
    explicit RecordBoxes(QWidget &owner) : m_owner(owner) {}
    QString askName(const QString &prompt, const QString &title) override;
    void reportSaveFailure(const QString &message) override;
    void reportBetterRecord(const QString &message) override;

private:
    QWidget &m_owner;
};

} // namespace lumora
