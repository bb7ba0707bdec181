#pragma once

#include <concepts>
#include <string>

namespace lumora {

// The text of a number as the game shows it: plain decimal digits, a leading "-" when negative,
// no grouping, no exponent, and no decimal point for a whole number.
std::string numberText(double value);

template <std::integral T>
std::string numberText(T value)
{
    return std::to_string(value);
}

// The numeric value of a caption; surrounding spaces are allowed, anything else that is not a
// decimal number is error 13 (Type mismatch).
double numberValue(const std::string &text);

} // namespace lumora
