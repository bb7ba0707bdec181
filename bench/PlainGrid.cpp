#include "PlainGrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <numeric>

namespace lumora::bench {

namespace {

constexpr int kColumns = 12;
constexpr int kRows = 8;

QFont font(const QString &family, int pixelSize, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setItalic(italic);
    return font;
}

QLabel *label(const QString &text, const QFont &font, QRect geometry, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel *numberLabel(const QFont &font, QColor colour, QRect geometry, QWidget *parent)
{
    QLabel *number = label(QStringLiteral("0"), font, geometry, parent);
    number->setAlignment(Qt::AlignRight | Qt::AlignTop);
    number->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette palette = number->palette();
    palette.setColor(QPalette::WindowText, colour);
    number->setPalette(palette);
    return number;
}

} // namespace

PlainGrid::PlainGrid()
    : m_buttonFor(kColumns * kRows + 1)
{
    m_window.setFont(font(QStringLiteral("IPAPGothic"), 12, false));
    m_window.setFixedSize(708, 536);
    const QFont mincho = font(QStringLiteral("IPAPMincho"), 29, false);
    const QFont times = font(QStringLiteral("Liberation Serif"), 27, true);
    label(QStringLiteral("次は"), mincho, {8, 16, 61, 29}, &m_window);
    m_next = numberLabel(times, Qt::red, {72, 16, 57, 33}, &m_window);
    m_points = numberLabel(times, Qt::blue, {560, 16, 97, 33}, &m_window);
    label(QStringLiteral("点"), mincho, {656, 16, 29, 29}, &m_window);

    auto *frame = new QGroupBox(&m_window);
    frame->setGeometry(8, 56, 695, 473);
    const QFont buttonFont = font(QStringLiteral("Liberation Serif"), 32, true);
    for (int index = 0; index < kColumns * kRows; ++index) {
        auto *button = new QPushButton(frame);
        button->setFont(buttonFont);
        button->setGeometry(8 + 56 * (index % kColumns), 16 + 56 * (index / kColumns), 57, 57);
        button->setFocusPolicy(Qt::ClickFocus);
        QObject::connect(button, &QPushButton::clicked, [this, button] { numberClicked(button); });
        m_buttons.push_back(button);
    }
    m_window.show();
    settle();
}

void PlainGrid::deal()
{
    for (QPushButton *button : m_buttons) {
        button->setText(QString());
        button->setEnabled(true);
    }
    std::vector<int> numbers(m_buttons.size());
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), m_random);
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setText(QString::number(numbers[i]));
    m_nextNumber = 1;
    m_pointCount = 0;
    showProgress();
}

void PlainGrid::prepareClicks()
{
    settle();
    for (QPushButton *button : m_buttons)
        m_buttonFor.at(button->text().toUInt()) = button;
}

void PlainGrid::click(int number)
{
    QTest::mouseClick(m_buttonFor[number], Qt::LeftButton);
}

void PlainGrid::numberClicked(QPushButton *button)
{
    if (button->text().toInt() != m_nextNumber) {
        m_pointCount -= 5;
    } else {
        button->setEnabled(false);
        ++m_nextNumber;
        m_pointCount += 10;
    }
    showProgress();
}

void PlainGrid::showProgress()
{
    m_points->setText(QString::number(m_pointCount));
    m_next->setText(QString::number(m_nextNumber));
}

} // namespace lumora::bench
