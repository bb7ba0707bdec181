#pragma once

#include <QString>

#include <cstdint>
#include <utility>

class QWidget;

namespace lumora {

// The help file that every level window's cdlHelp carries from its design: the program's own
// Japanese help page.
inline constexpr char kLumoraHelpFile[] = ":/help/lumora-help.html";

// cdlHelp's kind: holds a help file and a help command and hands both to the help viewer. It
// sits on a window, which owns any message it shows.
class CommonDialog
{
public:
    // Show the help file, opening it whatever the viewer showed before.
    static constexpr std::int16_t cdlHelpForceFile = 9;

    CommonDialog(QWidget *window, QString helpFile)
        : HelpFile(std::move(helpFile))
        , m_window(window)
    {
    }

    // Raises "Invalid procedure call" for a command the viewer does not know.
    void ShowHelp() const;

    std::int16_t HelpCommand = 0;
    QString HelpFile;

private:
    QWidget *m_window;
};

} // namespace lumora
