#pragma once

#include <QDeadlineTimer>

#include <functional>

namespace lumora {

// How long in all a save tries again what is refused for a momentary reason, and the pause
// between the tries.
constexpr int kMomentaryRetryMs = 1000;
constexpr int kMomentaryPauseMs = 50;

// Runs `attempt` (0 when done, else the system's code), and again while `momentary` takes its
// refusal for one that may pass, until `deadline`. Returns the last code.
int retryWhileMomentary(const QDeadlineTimer &deadline, const std::function<int()> &attempt,
                        const std::function<bool(int)> &momentary);

} // namespace lumora
