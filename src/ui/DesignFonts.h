#pragma once

#include "ui/Design.h"

// The faces the designs use, by name, so each design row reads like its table.
namespace lumora::ui::fonts {

constexpr FontDesign mincho(double points)
{
    return {"ＭＳ 明朝", points, false, Charset::ShiftJis};
}
constexpr FontDesign pMincho(double points)
{
    return {"ＭＳ Ｐ明朝", points, false, Charset::ShiftJis};
}
constexpr FontDesign pGothic(double points)
{
    return {"ＭＳ Ｐゴシック", points, false, Charset::ShiftJis};
}
constexpr FontDesign timesItalic(double points)
{
    return {"Times New Roman", points, true, Charset::Western};
}
constexpr FontDesign times(double points)
{
    return {"Times New Roman", points, false, Charset::Western};
}

} // namespace lumora::ui::fonts
