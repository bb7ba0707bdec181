#include "scores/RecordBoxes.h"

#include "ui/Dialogs.h"

namespace lumora {

QString RecordBoxes::askName(const QString &prompt, const QString &title)
{
    return ui::dialogs().inputBox(&m_owner, prompt, title).value_or(QString());
}

void RecordBoxes::reportSaveFailure(const QString &message)
{
    ui::dialogs().warning(&m_owner, message, QString());
}

void RecordBoxes::reportBetterRecord(const QString &message)
{
    ui::dialogs().messageBox(&m_owner, message, ui::MessageButtons::Ok, QString());
}

} // namespace lumora
