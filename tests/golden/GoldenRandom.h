#pragma once

// The golden master generator's only source of chance: splitmix64 from a fixed seed,
// and integer arithmetic on its output, so that the same cases come out on every
// machine and with every standard library (std:: distributions promise no sequence).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace korvane;

class GoldenRandom {
public:
    explicit GoldenRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // 0 .. n-1 (the bias of the modulo is far below anything that matters here).
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    // [0, 1) on 53 bits.
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Uniform(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    bool Chance(double p) { return Unit() < p; }
    template <class T> const T& Pick(const std::vector<T>& items) {
        return items[Below(static_cast<int>(items.size()))];
    }

    // What fuzzin::ConsumeDouble / ConsumeInt read their selectors and payloads from,
    // in place of FuzzedDataProvider's bytes.
    template <class T> T ConsumeIntegral() { return static_cast<T>(Next()); }

private:
    std::uint64_t state_;
};

// A value as a user types it: `digits` significant digits (printf rounds correctly,
// so the text, and the double read back from it, are the same everywhere).
inline double TypedSignificant(double v, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", digits, v);
    return std::strtod(text, nullptr);
}

// A value as a user types it with `decimals` places after the point.
inline double TypedFixed(double v, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return std::strtod(text, nullptr);
}
