#include "ui/Widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumora::ui {

namespace {
bool releasedInside(const QWidget &widget, const QMouseEvent &event)
{
    return event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
}
} // namespace

// A label takes its own clicks, so a click on a label without a handler never reaches the frame
// beneath it.
void Label::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (releasedInside(*this, *event))
        emit clicked();
}

void Label::setCaption(const QString &caption)
{
    setText(caption);
    if (m_autoSize)
        adjustSize();
}

PictureLabel::PictureLabel(const QPixmap &source, const QString &name, QWidget *parent)
    : Label(parent)
{
    setPixmap(source);
    setAccessibleName(name);
}

void PictureLabel::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize size = (QSizeF(contentsRect().size()) * ratio).toSize();
    if (m_drawn.size() != size || m_drawn.devicePixelRatio() != ratio) {
        m_drawn = pixmap().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_drawn.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(contentsRect().topLeft(), m_drawn);
}

void Frame::mouseReleaseEvent(QMouseEvent *event)
{
    QGroupBox::mouseReleaseEvent(event);
    if (releasedInside(*this, *event))
        emit clicked();
}

Line::Line(QPoint from, QPoint to, const QColor &color, int width, QWidget *parent)
    : QWidget(parent)
    , m_color(color)
    , m_width(width)
{
    const QRect box = QRect(from, to).normalized().adjusted(0, 0, width, width);
    setGeometry(box);
    m_from = from - box.topLeft();
    m_to = to - box.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(QRect(m_from, m_to).normalized().adjusted(0, 0, m_width - 1, m_width - 1), m_color);
}

} // namespace lumora::ui
