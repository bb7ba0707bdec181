#include "ui/Icons.h"

#include "ui/ProgramIconEngine.h"

namespace lumora::ui {

QIcon programIcon()
{
    // An image for every size the title bar, the taskbar and the desktops ask for at 100 to 200 %
    // scaling, so that none is scaled up from a smaller one; read when first asked for.
    return QIcon(new ProgramIconEngine);
}

QPixmap picture(Picture picture)
{
    switch (picture) {
    case Picture::ProgramIcon: return QPixmap(QStringLiteral(":/icons/lumora-256.png"));
    case Picture::AboutIcon: return QPixmap(QStringLiteral(":/icons/about-32.png"));
    case Picture::None: break;
    }
    return {};
}

} // namespace lumora::ui
