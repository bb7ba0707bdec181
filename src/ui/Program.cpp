#include "ui/Program.h"

#include "ui/FormRegistry.h"

#include <QCoreApplication>

namespace lumora::ui {

void endProgram() noexcept
{
    FormRegistry::discardAll();
    QCoreApplication::quit();
}

} // namespace lumora::ui
