#include "scores/FileLock.h"

#include "scores/FileErrorText.h"
#include "scores/MomentaryRetry.h"

namespace lumora {

FileLock::FileLock(QString path)
    : m_path(std::move(path))
{
}

FileLock::~FileLock()
{
    close();
}

FileLock::State FileLock::lock(const QDeadlineTimer &deadline)
{
    m_reason = open();
    if (!m_reason.isEmpty())
        return State::Failed;
    const int error = retryWhileMomentary(
        deadline, [this] { return tryLock(); }, isHeldElsewhere);
    if (error == 0)
        return State::Locked;
    if (isHeldElsewhere(error))
        return State::HeldElsewhere;
    m_reason = fileErrorText(error);
    return State::Failed;
}

} // namespace lumora
