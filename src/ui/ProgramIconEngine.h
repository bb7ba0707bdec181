#pragma once

#include <QIcon>
#include <QIconEngine>

#include <array>

namespace lumora::ui {

// The program's icon, its images decoded only when a window system first asks for a size: Qt's
// own engine reads every file it is given at once, though offscreen and Wayland ask for none and
// Windows for two (the title bar's and the taskbar's, at the screen's scaling).
class ProgramIconEngine final : public QIconEngine
{
public:
    // Every size an image is drawn at (as in the .ico and the desktops' icon theme).
    static constexpr std::array kDrawnSizes{16, 20, 22, 24, 32, 40, 48, 64, 128, 256};

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }

private:
    QIcon &imageFor(QSize size);

    // One image each, loaded on its first use; Qt's icon scales it down and draws its modes.
    std::array<QIcon, kDrawnSizes.size()> m_images;
};

} // namespace lumora::ui
