#include "scores/MomentaryRetry.h"

#include <QThread>

#include <algorithm>

namespace lumora {

int retryWhileMomentary(const QDeadlineTimer &deadline, const std::function<int()> &attempt,
                        const std::function<bool(int)> &momentary)
{
    for (;;) {
        const int error = attempt();
        if (error == 0 || !momentary(error) || deadline.hasExpired())
            return error;
        QThread::msleep(std::clamp<qint64>(deadline.remainingTime(), 1, kMomentaryPauseMs));
    }
}

} // namespace lumora
