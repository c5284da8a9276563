#pragma once

#include <cstdint>
#include <random>

namespace velnor {

// Random values in 0..1, both ends included, in steps of 1/32767: the granularity of a 15-bit
// rand(), which the random colours have always had.
class UnitRandom {
public:
    static constexpr int kSteps = 32767;

    explicit UnitRandom(uint32_t seed = std::random_device{}()) : m_engine(seed) {}

    float operator()() {
        return static_cast<float>(std::uniform_int_distribution(0, kSteps)(m_engine)) / kSteps;
    }

private:
    std::mt19937 m_engine;
};

}  // namespace velnor
