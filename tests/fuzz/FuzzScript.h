// Reads the operations a fuzzer input asks for. An input that runs out
// reads as zeros, and a missing script is replaced by one made from a hash
// of the input, so that a bare image still has operations run on it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>

class FuzzScript {
public:
    FuzzScript(const std::uint8_t* data, std::size_t size, std::uint64_t fallbackSeed)
        : m_data(data), m_size(size), m_fallback(fallbackSeed)
    {
    }

    bool AtEnd() const { return m_size > 0 ? m_at >= m_size : m_generated >= kGeneratedSteps * 8; }

    std::uint8_t Byte()
    {
        if (m_size == 0) {
            ++m_generated;
            return std::uint8_t(m_fallback());
        }
        return m_at < m_size ? m_data[m_at++] : 0;
    }

    unsigned Word() { return unsigned(Byte()) | unsigned(Byte()) << 8; }

    // A number below n (0 when n is 0).
    int Below(int n) { return n > 0 ? int(Word() % unsigned(n)) : 0; }

private:
    static constexpr int kGeneratedSteps = 12;
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
    std::mt19937_64 m_fallback;
    int m_generated = 0;
};
