#pragma once

// How the calculation fuzz targets turn bytes into record values, and the inverse
// (InputEncoder) that the seed writer uses, so that both sides share one layout.
//
// Every value is drawn by a selector byte followed, for some selectors, by payload
// bytes. FuzzedDataProvider takes integers from the END of the input, most
// significant byte first; an exhausted input yields 0, which selects "keep": an
// empty input is the form's defaults.
//
//   selector >> 6 == 0  keep the current value
//                 == 1  an interesting value, (selector & 63) modulo the table size
//                 == 2  double: current × a scale factor; int: (selector & 63) − 8
//                 == 3  double: (selector & 63) == 63 → raw 64-bit pattern, else a
//                       signed 16-bit payload over 1, 10, 100 or 1000 (what a user
//                       types); int: raw 32-bit payload

#include <array>
#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

using namespace korvane;

namespace fuzzin {

inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Values at which the calculations switch branches or divide, plus the extremes.
inline constexpr std::array<double, 56> kInterestingDoubles = {
    0.0,     -0.0,    1.0,     -1.0,    0.5,     0.1,          0.001,   0.0001,
    1e-5,    1e-6,    1e-9,    1e-300,  DBL_MIN, 4.9e-324,     DBL_EPSILON,
    2.0,     3.0,     10.0,    40.0,    45.0,    89.99,        90.0,    90.01,
    135.0,   144.0,   180.0,   270.0,   360.0,   -90.0,        1e3,     1e6,
    1e9,     1e15,    1e300,   DBL_MAX, -DBL_MAX, kInf,        -kInf,   kNaN,
    -kNaN,   2500.0,  2501.0,  21474836.48, -21474836.48, 4.0,  4.05,    3.5,
    2.5,     0.002,   1.5,     -0.001,  55.0,    -1e-300,      1e-12,   0.6,
    -1e15,
};

inline constexpr std::array<double, 16> kScales = {
    -1.0, 0.0, 0.5, 2.0, 10.0, 0.1, 100.0, 0.01, 1e3, 1e-3, 1e6, 1e-6, 1.0001, 0.9999, 1e100, 1e-100,
};

inline constexpr std::array<int, 36> kInterestingInts = {
    0,      1,      -1,      2,       3,           -2,          4,      5,
    6,      7,      9,       10,      40,          41,          45,     46,
    49,     50,     51,      99,      100,         2499,        2500,   2501,
    10000,  46340,  46341,   65536,   INT_MAX,     INT_MIN,     INT_MAX - 1,
    INT_MIN + 1, 1 << 30, -(1 << 30), 1000000, -100,
};

inline constexpr std::array<double, 4> kDivisors = {1.0, 10.0, 100.0, 1000.0};

inline constexpr std::uint8_t kKeep = 0x00;
inline constexpr std::uint8_t kInteresting = 0x40;
inline constexpr std::uint8_t kSmallOrScaled = 0x80;
inline constexpr std::uint8_t kPayload = 0xC0;
inline constexpr std::uint8_t kRawDouble = 0xFF;

// Reads values in the layout above; Provider is FuzzedDataProvider (a template so
// that the seed writer, built without the fuzzer headers, can include this file).
template <class Provider> double ConsumeDouble(Provider& in, double current) {
    const auto sel = in.template ConsumeIntegral<std::uint8_t>();
    const unsigned low = sel & 63u;
    switch (sel >> 6) {
    case 0:
        return current;
    case 1:
        return kInterestingDoubles[low % kInterestingDoubles.size()];
    case 2:
        return current * kScales[low % kScales.size()];
    default:
        if (low == 63)
            return std::bit_cast<double>(in.template ConsumeIntegral<std::uint64_t>());
        return static_cast<double>(in.template ConsumeIntegral<std::int16_t>()) /
               kDivisors[low % kDivisors.size()];
    }
}

template <class Provider> int ConsumeInt(Provider& in, int current) {
    const auto sel = in.template ConsumeIntegral<std::uint8_t>();
    const unsigned low = sel & 63u;
    switch (sel >> 6) {
    case 0:
        return current;
    case 1:
        return kInterestingInts[low % kInterestingInts.size()];
    case 2:
        return static_cast<int>(low) - 8;
    default:
        return in.template ConsumeIntegral<std::int32_t>();
    }
}

// Builds inputs that the consumers above read back as the given values.
class InputEncoder {
public:
    void Byte(std::uint8_t b) { consumed_.push_back(b); }
    void Keep() { Byte(kKeep); }
    void RawDouble(double v) {
        Byte(kRawDouble);
        Integral(std::bit_cast<std::uint64_t>(v), 8);
    }
    void RawInt(int v) {
        Byte(kPayload);
        // ConsumeIntegral<int32_t> adds the payload to INT32_MIN.
        Integral(static_cast<std::uint32_t>(v) ^ 0x80000000u, 4);
    }
    // The input bytes: consumption runs from the end, so the order is reversed.
    std::vector<std::uint8_t> Bytes() const { return {consumed_.rbegin(), consumed_.rend()}; }

private:
    void Integral(std::uint64_t v, int bytes) {
        for (int i = bytes - 1; i >= 0; --i)
            Byte(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t> consumed_;
};

} // namespace fuzzin
