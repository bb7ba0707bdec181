#pragma once

#include "ui/Design.h"

// The faces the designs use, by name, so each design row reads like its table.
namespace lumora::ui::fonts {

inline FontDesign mincho(double points)
{
    return {"ＭＳ 明朝", points, false, Charset::ShiftJis};
}
inline FontDesign pMincho(double points)
{
    return {"ＭＳ Ｐ明朝", points, false, Charset::ShiftJis};
}
inline FontDesign pGothic(double points)
{
    return {"ＭＳ Ｐゴシック", points, false, Charset::ShiftJis};
}
inline FontDesign timesItalic(double points)
{
    return {"Times New Roman", points, true, Charset::Western};
}
inline FontDesign times(double points)
{
    return {"Times New Roman", points, false, Charset::Western};
}

} // namespace lumora::ui::fonts
