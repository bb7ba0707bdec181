#include "about/HelpViewerDesign.h"

namespace lumora::ui {

// The help viewer is the program's own: its whole client area is the page, which the viewer
// fills itself.
FormDesign helpViewerDesign()
{
    FormDesign d;
    d.name = "frmHelp";
    d.caption = "ルモラ++ ヘルプ";
    d.clientWidth = 9000;
    d.clientHeight = 9600;
    d.minButton = true;
    return d;
}

} // namespace lumora::ui
