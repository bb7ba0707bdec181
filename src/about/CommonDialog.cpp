#include "about/CommonDialog.h"

#include "about/HelpViewer.h"
#include "core/RuntimeError.h"

namespace lumora {

void CommonDialog::ShowHelp() const
{
    if (HelpCommand != cdlHelpForceFile)
        raise(ErrorCode::InvalidProcedureCall);
    showHelpFile(m_window, HelpFile);
}

} // namespace lumora
