#include "Plausibility.h"

#include "FieldText.h"

#include <cmath>

namespace korvane {

namespace {

using P = PlausibleRange;
constexpr double kInf = std::numeric_limits<double>::infinity();

// Lengths, heights, weights, diameters: above 0.
constexpr P Positive(const char* member) {
    return {member, 0, true};
}
// Depths, thicknesses, cohesions, spacings where 0 stands for none: not below 0.
constexpr P NotNegative(const char* member) {
    return {member, 0};
}
// A friction angle: 0 up to, not including, a right angle (its tangent grows without bound).
constexpr P FrictionAngle(const char* member) {
    return {member, 0, false, 90, true};
}

// A pile spacing across the slope is at least the pile's diameter (in mm).
constexpr P SpacingAcross(const char* member) {
    return {member, 0, true, kInf, false, "d", 0.001};
}

constexpr P kCircular[] = {
    Positive("b"),
    FrictionAngle("phi"),
    NotNegative("c"),
    Positive("h"),
    NotNegative("a"),
    {"beta", 0, true, 90},
    NotNegative("h1"),
    Positive("L"),
    NotNegative("sax"),
    SpacingAcross("say"),
    Positive("gamma"),
    Positive("Bb"),
    {"aSeismic", 0, false, 1},
    {"slopeAmp", 1.1, false, 1.6},
    NotNegative("hb"),
    Positive("d"),
    NotNegative("stirrupDia"),
    Positive("stirrupSpacing"),
};

constexpr P kPolyline[] = {
    Positive("b"),
    NotNegative("a"),
    FrictionAngle("phi1"),
    NotNegative("c1"),
    {"theta1", -90, true, 90, true},
    NotNegative("L1"),
    FrictionAngle("phi2"),
    NotNegative("c2"),
    {"theta2", -90, true, 90, true},
    NotNegative("L2"),
    FrictionAngle("phi3"),
    NotNegative("c3"),
    {"theta3", -90, true, 90, true},
    NotNegative("L3"),
    NotNegative("h1"),
    Positive("gamma"),
    Positive("L"),
    NotNegative("sax"),
    SpacingAcross("say"),
    Positive("Bb"),
    NotNegative("hb"),
    {"aSeismic", 0, false, 1},
    {"slopeAmp", 1.1, false, 1.6},
    Positive("d"),
    NotNegative("stirrupDia"),
    Positive("stirrupSpacing"),
    Positive("h"),
    {"beta", 0, true, 90},
};

// The pile forms' diameters are in metres.
constexpr P kCombined[] = {
    NotNegative("CR"),     NotNegative("hn"), NotNegative("mc"),  NotNegative("mu"),
    NotNegative("mp"),     NotNegative("ms"), NotNegative("sax"), NotNegative("saz"),
    Positive("h"),         Positive("d"),     Positive("B"),      FrictionAngle("phi"),
    {"etaC", 0, false, 1}, Positive("L"),     NotNegative("l0"),
};

constexpr P kHighCap[] = {
    NotNegative("CR"),  NotNegative("mp"),    NotNegative("ms1"),
    NotNegative("sax"), NotNegative("saz"),   Positive("h"),
    Positive("d"),      FrictionAngle("phi"), NotNegative("l0"),
};

} // namespace

std::span<const PlausibleRange> PlausibleRangesOf(std::string_view calculator) {
    if (calculator == "circular")
        return kCircular;
    if (calculator == "polyline")
        return kPolyline;
    if (calculator == "combined")
        return kCombined;
    if (calculator == "highcap")
        return kHighCap;
    return {};
}

namespace plausibility_detail {

std::string ValueText(double value, bool whole) {
    return whole ? FormatWholeNumber(static_cast<int>(value)) : FormatNumber(value);
}

bool Inside(const PlausibleRange& range, double value) {
    if (!(range.aboveLow ? value > range.low : value >= range.low))
        return false;
    return range.belowHigh ? value < range.high : value <= range.high;
}

std::string Expectation(const PlausibleRange& range, double atLeast, const char* atLeastCaption,
                        const char* unit) {
    const std::string withUnit = *unit ? std::string(" ") + unit : std::string();
    if (atLeastCaption) {
        std::string caption = atLeastCaption;
        if (const std::size_t open = caption.rfind('('); open != std::string::npos && open > 0)
            caption.resize(open);
        return "应不小于" + caption + "（" + FormatNumber(atLeast) + withUnit + "）";
    }
    const double low = range.low;
    std::string text = "应";
    if (std::isfinite(low))
        text += (range.aboveLow ? "大于 " : "不小于 ") + FormatNumber(low);
    if (std::isfinite(range.high)) {
        if (std::isfinite(low))
            text += " 且";
        text += (range.belowHigh ? "小于 " : "不大于 ") + FormatNumber(range.high);
    }
    return text;
}

} // namespace plausibility_detail

} // namespace korvane
