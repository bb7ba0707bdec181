#pragma once

#include <utility>

namespace lumora {

// Puts `replacement` into one of the program's seams (its dialogs, clock and random source, system
// services, the high-score file's place) until the guard goes away, then puts back what was there:
// tests answer, time, deal and save through it. Each seam has one guard, `<Seam>Override`, made
// from this one.
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
