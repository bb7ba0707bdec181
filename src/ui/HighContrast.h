#pragma once

#include "core/Override.h"

#include <optional>

namespace lumora::ui {

// Whether the desktop runs a high-contrast theme, in which a program is to draw with the
// system's colours alone, as Windows' own controls do there. Asked once per window, when it is
// built from its design.
bool highContrast();

// What the platform says, without the tests' answer.
bool platformHighContrast();

// Answers for the platform until the guard goes away (tests).
class HighContrastOverride : public Override<std::optional<bool>>
{
public:
    explicit HighContrastOverride(bool on);
};

} // namespace lumora::ui
