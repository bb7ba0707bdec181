#include "ui/ProgramIconEngine.h"

#include <QPainter>

#include <algorithm>

namespace lumora::ui {

QPixmap ProgramIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    // The size asked is in device pixels already: the inner icon must not scale it again.
    return imageFor(size).pixmap(size, 1, mode, state);
}

void ProgramIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    imageFor(rect.size() * painter->device()->devicePixelRatio()).paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize ProgramIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    // The images are square, and one at least as large as asked is scaled down to it: no file is read.
    const int side = std::min({size.width(), size.height(), kDrawnSizes.back()});
    return {side, side};
}

QList<QSize> ProgramIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    // X11 takes every size offered into a window property at the window's first show, where a
    // desktop that reads the icon theme never looks; so it gets the sizes its window managers
    // pick from, and the largest, which anything larger is scaled down from.
    return {{16, 16}, {32, 32}, {48, 48}, {256, 256}};
}

// The smallest image at least as large as asked, else the largest: none is ever scaled up.
QIcon &ProgramIconEngine::imageFor(QSize size)
{
    const int side = std::max(size.width(), size.height());
    const auto drawn = std::find_if(kDrawnSizes.begin(), kDrawnSizes.end() - 1, [side](int s) { return s >= side; });
    const auto index = static_cast<std::size_t>(drawn - kDrawnSizes.begin());
    QIcon &image = m_images.at(index);
    if (image.isNull())
        image = QIcon(QStringLiteral(":/icons/lumora-%1.png").arg(*drawn));
    return image;
}

} // namespace lumora::ui
