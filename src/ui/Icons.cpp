#include "ui/Icons.h"

namespace lumora::ui {

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/lumora-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/lumora-32.png"), QSize(32, 32));
    return icon;
}

QPixmap picture(Picture picture)
{
    switch (picture) {
    case Picture::ProgramIcon: return QPixmap(QStringLiteral(":/icons/lumora-32.png"));
    case Picture::AboutIcon: return QPixmap(QStringLiteral(":/icons/about-32.png"));
    case Picture::None: break;
    }
    return {};
}

} // namespace lumora::ui
