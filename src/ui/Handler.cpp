#include "ui/Handler.h"

#include "ui/Dialogs.h"
#include "ui/Program.h"

namespace lumora::ui {

void reportRuntimeError(const RuntimeError &error) noexcept
{
    try {
        const QString text =
            QStringLiteral("実行時エラー '%1':\n\n%2").arg(error.number()).arg(QString::fromLatin1(error.what()));
        dialogs().messageBox(nullptr, text, MessageButtons::Ok, QString());
    } catch (...) {
        // The report itself failed; ending is all that is left.
    }
    endProgram();
}

} // namespace lumora::ui
