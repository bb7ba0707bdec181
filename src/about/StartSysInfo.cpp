#include "about/StartSysInfo.h"

#include "about/GetKeyValue.h"
#include "about/SysInfoKeys.h"
#include "core/Messages.h"
#include "core/RuntimeError.h"

#include <optional>

namespace lumora {

namespace {

std::optional<std::string> sysInfoPath(Registry &registry, FileLookup &files)
{
    std::string path;
    if (GetKeyValue(registry, HKEY_LOCAL_MACHINE, kSysInfoToolKey, kSysInfoToolValue, path))
        return path;
    if (!GetKeyValue(registry, HKEY_LOCAL_MACHINE, kSysInfoLocationKey, kSysInfoLocationValue, path))
        return std::nullopt;
    // Appended as it stands: a folder ending in a backslash gives two in a row.
    path += kSysInfoToolFile;
    if (!files.fileExists(path))
        return std::nullopt;
    return path;
}

} // namespace

void StartSysInfo(Registry &registry, FileLookup &files, ProgramStarter &starter, ui::Dialogs &dialogs, QWidget *owner)
{
    try {
        if (const auto path = sysInfoPath(registry, files)) {
            starter.start(*path);
            return;
        }
    } catch (const RuntimeError &) {
        // Whatever failed, the player is told only that the tool is unavailable.
    }
    dialogs.messageBox(owner, QString::fromUtf8(messages::kSysInfoUnavailable), ui::MessageButtons::Ok, QString());
}

} // namespace lumora
