#pragma once

#include "about/Registry.h"
#include "about/SysInfoPorts.h"
#include "ui/Dialogs.h"

class QWidget;

namespace lumora {

// Starts the system-information tool that the registry names, or shows
// messages::kSysInfoUnavailable in a message box owned by `owner`, with an OK button only, no icon
// and the application title. Every run-time error on the way ends in that message; none escapes.
void StartSysInfo(Registry &registry, FileLookup &files, ProgramStarter &starter, ui::Dialogs &dialogs, QWidget *owner);

} // namespace lumora
