#include "levels/LevelRoundView.h"

#include "ui/Form.h"

#include <array>

namespace lumora {

namespace {
const char *controlName(RoundControl control)
{
    static constexpr std::array<const char *, 8> kNames{
        "cmdStart", "lblNextSupport", "lblNext", "lblPointsSupport", "lblPoints", "fraNumbars", "cmdAgain", "cmdEnd"};
    return kNames[static_cast<std::size_t>(control)];
}
} // namespace

LevelRoundView::LevelRoundView(ui::Form &form)
    : m_form(form)
{
}

std::string LevelRoundView::numbarCaption(int index) const
{
    return m_form.caption("cmdNumbar", index).toStdString();
}

void LevelRoundView::setNumbarCaption(int index, const std::string &caption)
{
    m_form.setCaption("cmdNumbar", index, QString::fromStdString(caption));
}

void LevelRoundView::enableNumbar(int index)
{
    m_form.control("cmdNumbar", index).setEnabled(true);
}

void LevelRoundView::disableNumbar(int index)
{
    m_form.control("cmdNumbar", index).setEnabled(false);
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
