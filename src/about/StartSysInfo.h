#pragma once

#include "about/Registry.h"
#include "about/SysInfoPorts.h"

namespace lumora {

inline constexpr char kSysInfoUnavailable[] = "現時点ではｼｽﾃﾑ情報を使用できません";

// Starts the system-information tool that the registry names, or shows kSysInfoUnavailable.
// Every run-time error on the way ends in that message; none escapes.
void StartSysInfo(Registry &registry, FileLookup &files, ProgramStarter &starter,
                  MessageSink &messages);

} // namespace lumora
