#include "durability/SystemCallInterrupter.h"

#include <csignal>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumora::test {

namespace {

constexpr int kCannotTrace = 77;
// What waitpid reports for a system-call stop once PTRACE_O_TRACESYSGOOD is set.
constexpr int kSystemCallStop = SIGTRAP | 0x80;

void runTracedChild(const std::function<bool()> &work)
{
    if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
        _exit(kCannotTrace);
    // Waits here until the parent has set its tracing options.
    raise(SIGSTOP);
    // _exit: the child must not run the parent's exit handlers or flush its buffers twice.
    _exit(work() ? 0 : 1);
}

SystemCallInterrupter::Outcome exitOutcome(int status)
{
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return SystemCallInterrupter::Outcome::Finished;
    if (WIFEXITED(status) && WEXITSTATUS(status) == kCannotTrace)
        return SystemCallInterrupter::Outcome::NotPermitted;
    return SystemCallInterrupter::Outcome::Failed;
}

} // namespace

SystemCallInterrupter::Outcome SystemCallInterrupter::killAtStop(const std::function<bool()> &work, int stop)
{
    const pid_t child = fork();
    if (child < 0)
        return Outcome::Failed;
    if (child == 0)
        runTracedChild(work);

    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFSTOPPED(status))
        return exitOutcome(status);
    // EXITKILL: should this test die, its traced child dies with it.
    ptrace(PTRACE_SETOPTIONS, child, nullptr, PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL);

    int stopsSeen = 0;
    int pendingSignal = 0;
    for (;;) {
        ptrace(PTRACE_SYSCALL, child, nullptr, pendingSignal);
        pendingSignal = 0;
        waitpid(child, &status, 0);
        if (!WIFSTOPPED(status))
            return exitOutcome(status);
        if (WSTOPSIG(status) != kSystemCallStop) {
            pendingSignal = WSTOPSIG(status);
            continue;
        }
        if (++stopsSeen == stop) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return Outcome::Killed;
        }
    }
}

} // namespace lumora::test
