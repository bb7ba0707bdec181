#pragma once

#include <QString>

#include <cstdint>
#include <utility>

namespace lumora {

// The help file that every level window's cdlHelp carries from its design: the program's own
// Japanese help page.
inline constexpr char kLumoraHelpFile[] = ":/help/lumora-help.html";

// cdlHelp's kind: holds a help file and a help command and hands both to the help viewer.
class CommonDialog
{
public:
    // Show the help file, opening it whatever the viewer showed before.
    static constexpr std::int16_t cdlHelpForceFile = 9;

    explicit CommonDialog(QString helpFile) : HelpFile(std::move(helpFile)) {}

    // Raises "Invalid procedure call" for a command the viewer does not know.
    void ShowHelp() const;

    std::int16_t HelpCommand = 0;
    QString HelpFile;
};

} // namespace lumora
