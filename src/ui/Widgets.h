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

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A picture stretched to its box, drawn at the box's size in device pixels from the largest
// image there is (scaled down, smoothly, up to 200 %), and drawn anew when the window moves to a
// screen of another pixel ratio: the painter never stretches it, so it stays sharp.
class PictureLabel : public Label
{
    Q_OBJECT
public:
    PictureLabel(QPixmap source, QWidget *parent);

    const QPixmap &drawn() const { return m_drawn; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_source;
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
