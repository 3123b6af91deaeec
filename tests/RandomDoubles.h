#pragma once
// Random finite doubles for the number-text tests, in turns: a random bit pattern (every
// magnitude, subnormals included) and a short decimal such as a sheet holds (up to seven
// digits, up to six of them after the point).

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

namespace korvane {

class RandomDoubles {
public:
    explicit RandomDoubles(std::uint64_t seed) : m_random(seed) {}

    double Next() {
        m_shortDecimal = !m_shortDecimal;
        if (m_shortDecimal)
            return static_cast<double>(m_digits(m_random)) / std::pow(10.0, m_places(m_random));
        for (;;) {
            const std::uint64_t pattern = m_random();
            double value;
            std::memcpy(&value, &pattern, sizeof value);
            if (std::isfinite(value))
                return value;
        }
    }

private:
    std::mt19937_64 m_random;
    std::uniform_int_distribution<long> m_digits{0, 10'000'000};
    std::uniform_int_distribution<int> m_places{0, 6};
    bool m_shortDecimal = true; // the first value is a bit pattern
};

} // namespace korvane
