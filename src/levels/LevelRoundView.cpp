#include "levels/LevelRoundView.h"

#include "ui/Form.h"

#include <QAbstractButton>

namespace lumora {

namespace {

using Control = ui::LevelNames::Control;

// The round's names for the window's controls are the design's own; the compiler checks each
// case, and that none is left out.
Control designName(RoundControl control)
{
    switch (control) {
    case RoundControl::cmdStart: return Control::cmdStart;
    case RoundControl::lblNextSupport: return Control::lblNextSupport;
    case RoundControl::lblNext: return Control::lblNext;
    case RoundControl::lblPointsSupport: return Control::lblPointsSupport;
    case RoundControl::lblPoints: return Control::lblPoints;
    case RoundControl::fraNumbars: return Control::fraNumbars;
    case RoundControl::cmdAgain: return Control::cmdAgain;
    case RoundControl::cmdEnd: return Control::cmdEnd;
    }
    raise(ErrorCode::ControlArrayElementMissing);
}

} // namespace

LevelRoundView::LevelRoundView(LevelWindow &form, int boardSize)
    : m_form(form)
    , m_numbars(static_cast<std::size_t>(boardSize) + 1)
{
    for (int index = 1; index <= boardSize; ++index)
        m_numbars[static_cast<std::size_t>(index)] = &m_form.controlAs<QAbstractButton>(Control::cmdNumbar, index);
}

QAbstractButton &LevelRoundView::numbar(int index) const
{
    // An index off the board raises the window's own error.
    if (index < 1 || index >= static_cast<int>(m_numbars.size()))
        return m_form.controlAs<QAbstractButton>(Control::cmdNumbar, index);
    return *m_numbars[static_cast<std::size_t>(index)];
}

std::string LevelRoundView::numbarCaption(int index) const
{
    return numbar(index).text().toStdString();
}

void LevelRoundView::setNumbarCaption(int index, const std::string &caption)
{
    numbar(index).setText(QString::fromStdString(caption));
}

void LevelRoundView::enableNumbar(int index)
{
    numbar(index).setEnabled(true);
}

void LevelRoundView::disableNumbar(int index)
{
    numbar(index).setEnabled(false);
}

void LevelRoundView::setCaption(RoundControl control, const std::string &caption)
{
    m_form.setCaption(designName(control), QString::fromStdString(caption));
}

void LevelRoundView::show(RoundControl control)
{
    m_form.control(designName(control)).show();
}

void LevelRoundView::hide(RoundControl control)
{
    m_form.control(designName(control)).hide();
}

} // namespace lumora
