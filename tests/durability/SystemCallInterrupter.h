#pragma once

#include <functional>

namespace lumora::test {

// Runs a piece of work in a forked child under ptrace and kills it with SIGKILL at its n-th
// system-call stop. Every change a process makes to a file goes through a system call, and each
// call is stopped at entry and again at exit, so killing at stop 1, 2, 3, ... interrupts the work
// at every point where it can leave a file behind.
class SystemCallInterrupter
{
public:
    enum class Outcome {
        Killed,        // stopped at the chosen system call
        Finished,      // the work returned true before that call was reached
        Failed,        // the work returned false, or the child died some other way
        NotPermitted,  // this machine does not let a process trace its child
    };

    // `work` runs in the child only; the child never returns into the caller's code.
    static Outcome killAtStop(const std::function<bool()> &work, int stop);
};

} // namespace lumora::test
