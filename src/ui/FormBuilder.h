#pragma once

#include "ui/Design.h"
#include "ui/Widgets.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <type_traits>
#include <utility>
#include <vector>

namespace lumora::ui {

class Form;

// The one adapter from window designs to Qt widgets.
class FormBuilder
{
public:
    static void build(Form &form, const FormDesign &design);

private:
    static void setUpWindow(Form &form, const FormDesign &design);
    static void buildClientArea(Form &form, const FormDesign &design);
    static void buildMenus(Form &form, const std::vector<MenuDesign> &design);
    static QWidget *buildControl(Form &form, const ControlDesign &c, const FontDesign &windowFont);
    static void setTabOrder(std::vector<std::pair<int, QWidget *>> &controls);
};

// The class FormBuilder builds each kind of control as.
template <ControlKind kind>
constexpr auto controlClass()
{
    if constexpr (kind == ControlKind::CommandButton)
        return std::type_identity<QPushButton>();
    else if constexpr (kind == ControlKind::Label)
        return std::type_identity<Label>();
    else if constexpr (kind == ControlKind::Frame)
        return std::type_identity<Frame>();
    else if constexpr (kind == ControlKind::TextBox)
        return std::type_identity<QPlainTextEdit>();
    else if constexpr (kind == ControlKind::PictureBox || kind == ControlKind::Image)
        return std::type_identity<PictureLabel>();
    else if constexpr (kind == ControlKind::Line)
        return std::type_identity<Line>();
    else
        return std::type_identity<QTimer>();
}
template <ControlKind kind>
using ControlClass = typename decltype(controlClass<kind>())::type;

} // namespace lumora::ui
