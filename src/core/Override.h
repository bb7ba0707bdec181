#pragma once

#include <utility>

namespace lumora {

// Puts `replacement` into one of the program's seams (its dialogs, clock, random source, system
// services) until the guard goes away, then puts back what was there: tests answer, time and
// deal through it.
template <typename T>
class Override
{
public:
    Override(T &seam, T replacement)
        : m_seam(seam)
        , m_previous(std::exchange(seam, std::move(replacement)))
    {
    }
    ~Override() { m_seam = std::move(m_previous); }
    Override(const Override &) = delete;
    Override &operator=(const Override &) = delete;

private:
    T &m_seam;
    T m_previous;
};

} // namespace lumora
