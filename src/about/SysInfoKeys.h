#pragma once

// Where the registry names the system-information tool: the tool itself, or failing that
// the folder that holds kSysInfoToolFile.
namespace lumora {

inline constexpr char kSysInfoToolKey[] = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
inline constexpr char kSysInfoToolValue[] = "PATH";
inline constexpr char kSysInfoLocationKey[] = R"(SOFTWARE\Microsoft\Shared Tools Location)";
inline constexpr char kSysInfoLocationValue[] = "MSINFO";
inline constexpr char kSysInfoToolFile[] = R"(\MSINFO32.EXE)";

} // namespace lumora
