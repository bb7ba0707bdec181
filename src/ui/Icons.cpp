#include "ui/Icons.h"

namespace lumora::ui {

QIcon programIcon()
{
    // An image for every size the title bar, the taskbar and the desktops ask for at 100 to 200 %
    // scaling, so that none is scaled up from a smaller one.
    QIcon icon;
    for (const int size : {16, 20, 22, 24, 32, 40, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/lumora-%1.png").arg(size), QSize(size, size));
    return icon;
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
