#include "levels/LevelRoundView.h"

#include "ui/Form.h"

#include <QAbstractButton>

#include <array>

namespace lumora {

namespace {
const char *controlName(RoundControl control)
{
    static constexpr std::array<const char *, 8> kNames{"cmdStart",  "lblNextSupport", "lblNext",  "lblPointsSupport",
                                                        "lblPoints", "fraNumbars",     "cmdAgain", "cmdEnd"};
    return kNames[static_cast<std::size_t>(control)];
}
} // namespace

LevelRoundView::LevelRoundView(ui::Form &form, int boardSize)
    : m_form(form)
    , m_numbars(static_cast<std::size_t>(boardSize) + 1)
{
    for (int index = 1; index <= boardSize; ++index)
        m_numbars[static_cast<std::size_t>(index)] = &m_form.controlAs<QAbstractButton>("cmdNumbar", index);
}

QAbstractButton &LevelRoundView::numbar(int index) const
{
    // An index off the board raises the window's own error.
    if (index < 1 || index >= static_cast<int>(m_numbars.size()))
        return m_form.controlAs<QAbstractButton>("cmdNumbar", index);
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
    m_form.setCaption(controlName(control), QString::fromStdString(caption));
}

void LevelRoundView::show(RoundControl control)
{
    m_form.control(controlName(control)).show();
}

void LevelRoundView::hide(RoundControl control)
{
    m_form.control(controlName(control)).hide();
}

} // namespace lumora
