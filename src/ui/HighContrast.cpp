#include "ui/HighContrast.h"

namespace lumora::ui {

namespace {
std::optional<bool> &answer()
{
    static std::optional<bool> forced;
    return forced;
}
} // namespace

bool highContrast()
{
    return answer() ? *answer() : platformHighContrast();
}

HighContrastOverride::HighContrastOverride(bool on)
    : Override(answer(), on)
{
}

} // namespace lumora::ui
