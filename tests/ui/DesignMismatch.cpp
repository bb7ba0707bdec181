// Must not compile (the test design_mismatch_fails_the_build): code that names a control its
// window's design has no row for and sets the caption of a button, and a design with rows
// FormBuilder could not build.
#include "ui/Form.h"

using namespace lumora::ui;

constexpr FormDesign oneButton()
{
    return {.name = "frmOneButton", .controls = {{.kind = ControlKind::CommandButton, .name = "cmdFirst"}}};
}

void nameControlsTheDesignLacks(FormOf<oneButton> &window)
{
    window.control<"cmdMissing">();
    window.setCaption<"cmdFirst">(QString());
}

// A label in a button, a menu entry above its parent, two single controls of one name.
constexpr FormDesign badRows()
{
    FormDesign design = oneButton();
    design.controls.push_back({.kind = ControlKind::Label, .name = "lblInside", .container = "cmdFirst"});
    design.controls.push_back({.kind = ControlKind::Label, .name = "lblInside"});
    design.menus = {{.name = "menChild", .parent = "menFile"}, {.name = "menFile"}};
    return design;
}
template class lumora::ui::FormOf<badRows>;
