#pragma once

#include "core/RuntimeError.h"

#include <cmath>
#include <concepts>
#include <limits>
#include <utility>

// Range-checked arithmetic: a result that does not fit its type is a run-time error, as every
// integer and floating-point step of the game is checked.
namespace lumora::checked {

// Integers: the sum or difference must fit T, so a byte counter stepping past 255 overflows.
template <std::integral T>
T add(T a, T b)
{
    T result;
    if (__builtin_add_overflow(a, b, &result))
        raise(ErrorCode::Overflow);
    return result;
}

template <std::integral T>
T subtract(T a, T b)
{
    T result;
    if (__builtin_sub_overflow(a, b, &result))
        raise(ErrorCode::Overflow);
    return result;
}

template <std::integral To, std::integral From>
To narrow(From value)
{
    if (!std::in_range<To>(value))
        raise(ErrorCode::Overflow);
    return static_cast<To>(value);
}

// Floating-point steps. Explicit checks of the result rather than <cfenv> flags: the compiler
// may reorder or drop flag tests, while a finite-result check cannot be optimised away. With
// finite operands a non-finite result means overflow or an invalid operation.
template <std::floating_point T>
T finite(T value)
{
    if (!std::isfinite(value))
        raise(ErrorCode::Overflow);
    return value;
}

template <std::floating_point T>
T add(T a, T b)
{
    return finite(a + b);
}

template <std::floating_point T>
T subtract(T a, T b)
{
    return finite(a - b);
}

template <std::floating_point T>
T multiply(T a, T b)
{
    return finite(a * b);
}

template <std::floating_point T>
T divide(T a, T b)
{
    if (b == 0)
        raise(a == 0 || std::isnan(a) ? ErrorCode::Overflow : ErrorCode::DivisionByZero);
    return finite(a / b);
}

// Whole-number conversion, halves to the even neighbour (the default rounding mode, which
// nothing in the program changes), with a range check of the rounded value.
template <std::integral To, std::floating_point From>
To roundTo(From value)
{
    const From rounded = std::nearbyint(value);
    constexpr int bits = std::numeric_limits<To>::digits;
    const From lowest = std::is_signed_v<To> ? -std::ldexp(From(1), bits) : From(0);
    const From pastHighest = std::ldexp(From(1), bits);
    // Compared as floating point so that no out-of-range value is ever cast; NaN fails both.
    if (!(rounded >= lowest && rounded < pastHighest))
        raise(ErrorCode::Overflow);
    return static_cast<To>(rounded);
}

} // namespace lumora::checked
