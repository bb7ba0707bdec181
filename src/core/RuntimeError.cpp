#include "core/RuntimeError.h"

#include "core/Messages.h"

namespace lumora {

RuntimeError::RuntimeError(ErrorCode code)
    : m_code(code)
{
}

const char *RuntimeError::what() const noexcept
{
    return messages::errorDescription(m_code);
}

void raise(ErrorCode code)
{
    throw RuntimeError(code);
}

} // namespace lumora
