#pragma once

#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

// The few widget kinds Qt lacks: labels and frames that report clicks, and a straight line.
namespace lumora::ui {

class Label : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    // A label that fits its text (the design's autoSize) fits each new caption too.
    void setAutoSize(bool autoSize) { m_autoSize = autoSize; }
    void setCaption(const QString &caption);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_autoSize = false;
};

// A picture stretched to its box, drawn at the box's size in device pixels from the largest
// image there is (scaled down, smoothly, up to 200 %), and drawn anew when the window moves to a
// screen of another pixel ratio: the painter never stretches it, so it stays sharp. It holds the
// picture as a QLabel's pixmap, so assistive tools see an image, by the name it is given.
class PictureLabel : public Label
{
    Q_OBJECT
public:
    PictureLabel(const QPixmap &source, const QString &name, QWidget *parent);

    const QPixmap &drawn() const { return m_drawn; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_drawn;
};

class Frame : public QGroupBox
{
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A line from one point to another in the parent's coordinates, drawn by a widget that covers
// just the line's bounding box.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QPoint from, QPoint to, const QColor &color, int width, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_color;
    int m_width;
};

} // namespace lumora::ui
