#pragma once

#include <exception>
#include <string>

namespace lumora {

// The classic run-time error numbers. An error that no handler traps ends the program
// through one report that shows the number and the description (messages::errorDescription).
enum class ErrorCode : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
    ControlArrayElementMissing = 340,
};

class RuntimeError : public std::exception
{
public:
    explicit RuntimeError(ErrorCode code);

    ErrorCode code() const { return m_code; }
    int number() const { return static_cast<int>(m_code); }
    const char *what() const noexcept override;

private:
    ErrorCode m_code;
};

[[noreturn]] void raise(ErrorCode code);

} // namespace lumora
