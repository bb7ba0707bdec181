#include "levels/LevelRoundView.h"

#include <utility>

namespace lumora {

namespace {

using LevelWindow = LevelRoundView::LevelWindow;

// The round's control at `at` in its set, looked up in the level design when this is compiled,
// as the window's own names are: a design without it, or without a label where the round sets a
// caption, does not build.
template <std::size_t at>
QWidget &roundControl(LevelWindow &form)
{
    constexpr RoundControlName control = kRoundControls[at];
    constexpr ui::DesignName<control.name.size() + 1> name(control.name);
    if constexpr (control.label)
        static_assert(ui::isKind<ui::levelRows, name, ui::ControlKind::Label>,
                      "the round sets captions of labels alone");
    return form.control<name>();
}

template <std::size_t... at>
std::array<QWidget *, sizeof...(at)> roundControls(LevelWindow &form, std::index_sequence<at...>)
{
    return {&roundControl<at>(form)...};
}

} // namespace

LevelRoundView::LevelRoundView(LevelWindow &form, int boardSize)
    : m_form(form)
    , m_controls(roundControls(form, std::make_index_sequence<std::size(kRoundControls)>()))
    , m_numbars(static_cast<std::size_t>(boardSize) + 1)
{
    for (int index = 1; index <= boardSize; ++index)
        m_numbars[static_cast<std::size_t>(index)] = &m_form.control<"cmdNumbar">(index);
}

QPushButton &LevelRoundView::numbar(int index) const
{
    // An index off the board raises the window's own error.
    if (index < 1 || index >= static_cast<int>(m_numbars.size()))
        return m_form.control<"cmdNumbar">(index);
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

void LevelRoundView::setCaption(RoundLabel label, const std::string &caption)
{
    // A label, as roundControl checked.
    static_cast<ui::Label *>(m_controls[label.index()])->setCaption(QString::fromStdString(caption));
}

void LevelRoundView::show(RoundControl control)
{
    m_controls[control.index()]->show();
}

void LevelRoundView::hide(RoundControl control)
{
    m_controls[control.index()]->hide();
}

} // namespace lumora
