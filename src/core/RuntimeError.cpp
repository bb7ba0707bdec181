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
    case ErrorCode::BadFileNameOrNumber: return "Bad file name or number";
    case ErrorCode::FileNotFound: return "File not found";
    case ErrorCode::DeviceIoError: return "Device I/O error";
    case ErrorCode::DiskFull: return "Disk full";
    case ErrorCode::InputPastEndOfFile: return "Input past end of file";
    case ErrorCode::PermissionDenied: return "Permission denied";
    case ErrorCode::PathFileAccessError: return "Path/File access error";
    case ErrorCode::PathNotFound: return "Path not found";
    case ErrorCode::ObjectNotSet: return "Object variable or With block variable not set";
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
