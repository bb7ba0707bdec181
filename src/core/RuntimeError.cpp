#include "core/RuntimeError.h"

namespace lumora {

const char *errorDescription(ErrorCode code)
{
    switch (code) {
    case ErrorCode::InvalidProcedureCall: return "Invalid procedure call or argument";
    case ErrorCode::Overflow: return "Overflow";
    case ErrorCode::OutOfMemory: return "Out of memory";
    case ErrorCode::SubscriptOutOfRange: return "Subscript out of range";
    case ErrorCode::DivisionByZero: return "Division by zero";
    case ErrorCode::TypeMismatch: return "Type mismatch";
    case ErrorCode::FileNotFound: return "File not found";
    case ErrorCode::ControlArrayElementMissing: return "Control array element does not exist";
    }
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(ErrorCode code)
    : m_code(code)
{
}

void raise(ErrorCode code)
{
    throw RuntimeError(code);
}

} // namespace lumora
