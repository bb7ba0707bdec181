#include "levels/SystemClock.h"

#include <QTime>

namespace lumora {

float SystemClock::secondsSinceMidnight()
{
    // Divided in double: the milliseconds of a day need more digits than a float holds.
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

} // namespace lumora
