#pragma once

#include "ui/Design.h"

#include <utility>
#include <vector>

class QWidget;

namespace lumora::ui {

class Form;

// The one adapter from window designs to Qt widgets.
class FormBuilder
{
public:
    static constexpr const char *kAutoSizeProperty = "lumoraAutoSize";

    static void build(Form &form, const FormDesign &design);

private:
    static void setUpWindow(Form &form, const FormDesign &design);
    static void buildClientArea(Form &form, const FormDesign &design);
    static void buildMenus(Form &form, const std::vector<MenuDesign> &design);
    static QWidget *buildControl(Form &form, const ControlDesign &c, const FontDesign &windowFont);
    static void setTabOrder(std::vector<std::pair<int, QWidget *>> &controls);
};

} // namespace lumora::ui
