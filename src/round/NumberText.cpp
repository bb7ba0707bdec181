#include "round/NumberText.h"

#include "core/RuntimeError.h"

#include <array>
#include <charconv>
#include <cmath>

namespace lumora {

std::string numberText(double value)
{
    // Negative zero would otherwise read "-0".
    if (value == 0)
        return "0";
    // The longest fixed texts, of DBL_MAX and of the smallest subnormal, stay under 330 characters.
    std::array<char, 400> buffer;
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (error != std::errc())
        raise(ErrorCode::Overflow);
    return std::string(buffer.data(), end);
}

double numberValue(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        raise(ErrorCode::TypeMismatch);
    const auto last = text.find_last_not_of(' ') + 1;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data() + first, text.data() + last, value);
    // "inf" and "nan" parse, but are no numbers a caption may hold.
    if (error != std::errc() || end != text.data() + last || !std::isfinite(value))
        raise(ErrorCode::TypeMismatch);
    return value;
}

} // namespace lumora
