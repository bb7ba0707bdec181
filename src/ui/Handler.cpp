#include "ui/Handler.h"

#include "core/Messages.h"
#include "ui/Dialogs.h"
#include "ui/Program.h"

namespace lumora::ui {

void reportRuntimeError(const RuntimeError &error) noexcept
{
    try {
        const QString text =
            QString::fromUtf8(messages::kRuntimeErrorReport).arg(error.number()).arg(QString::fromLatin1(error.what()));
        dialogs().messageBox(nullptr, text, MessageButtons::Ok, QString());
    } catch (...) {
        // The report itself failed; ending is all that is left.
    }
    endProgram();
}

} // namespace lumora::ui
