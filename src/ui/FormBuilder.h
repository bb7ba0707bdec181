#pragma once

#include "ui/Design.h"

namespace lumora::ui {

class Form;

// The one adapter from window designs to Qt widgets.
class FormBuilder
{
public:
    static constexpr const char *kAutoSizeProperty = "lumoraAutoSize";

    static void build(Form &form, const FormDesign &design);
};

} // namespace lumora::ui
