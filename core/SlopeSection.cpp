#include "SlopeSection.h"

#include "Grades.h"

#include <cmath>
#include <limits>

namespace korvane {

SlopeSection SlopeSectionOf(const SlopeInputs& in) {
    SlopeSection s{};
    s.in = in;
    s.slope = std::tan(in.beta * kDegToRad);
    s.crestX = in.h / s.slope;
    s.capNear = s.crestX + in.a;
    s.capFar = s.capNear + in.b;
    s.firstPileX = s.capNear + in.d / 1000;
    s.liquefiedThrust = 0.5 * in.gamma * in.h1 * in.h1;
    s.capPressure = (in.h - in.hb) * in.F / in.L / in.b / in.Bb;
    s.pileShear = SlopePileShear(in.d, in.stirrupDia, in.stirrupSpacing, in.ft, in.fyv);
    return s;
}

double SlopePileShear(double d, double stirrupDia, double stirrupSpacing, double ft, double fyv) {
    const double asv = kHalfPi * stirrupDia * stirrupDia;
    return (0.7 * ft * 0.88 * d * 0.8 * d + 1.25 * fyv * 0.8 * d * asv / stirrupSpacing) / 1000;
}

SliceWidthTerms SliceWidthTermsOf(const SlopeSection& s, double width, double exitX) {
    return {width, s.in.H * s.in.slopeAmp * width / s.in.Bb / s.in.b,
            s.liquefiedThrust * width / (exitX - s.crestX)};
}

std::vector<double> PileRowPositions(const SlopeSection& s, double sax, int maxRows) {
    if (!std::isfinite(s.firstPileX) || !std::isfinite(s.capFar))
        return {};
    if (!(sax > 0) || !std::isfinite(sax))
        return {s.firstPileX};
    std::vector<double> rows;
    ForEachPileRow(s, std::numeric_limits<double>::infinity(), sax, maxRows, [&rows](double xp) {
        rows.push_back(xp);
        return true;
    });
    return rows;
}

} // namespace korvane
