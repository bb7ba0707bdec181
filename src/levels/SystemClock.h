#pragma once

#include "round/RoundPorts.h"

namespace lumora {

// The platform clock: local time of day.
class SystemClock : public Clock
{
public:
    float secondsSinceMidnight() override;
};

} // namespace lumora
