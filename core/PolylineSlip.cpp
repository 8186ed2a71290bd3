#include "PolylineSlip.h"

#include "Grades.h"
#include "SlopeSection.h"
#include "Trunc2.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kEps = 0.00001; // every comparison of positions along x
constexpr int kTop = kPolylineSegments;

// Segment tables from the toe upward, and the abscissae of the vertices.
struct Polyline {
    std::array<double, kPolylineSegments> thetaDeg;
    std::array<double, kPolylineSegments> length;
    std::array<double, kPolylineSegments> cohesion;
    std::array<double, kPolylineSegments> phiDeg;
    std::array<double, kPolylineSegments + 1> x;
};

Polyline PolylineOf(const PolylineSlipRecord& r) {
    Polyline p{{r.m_theta3, r.m_theta2, r.m_theta1},
               {r.m_L3, r.m_L2, r.m_L1},
               {r.m_c3, r.m_c2, r.m_c1},
               {r.m_phi3, r.m_phi2, r.m_phi1},
               {}};
    p.x[0] = 0;
    for (int k = 0; k < kPolylineSegments; ++k)
        p.x[k + 1] = std::cos(p.thetaDeg[k] * kDegToRad) * p.length[k] + p.x[k];
    return p;
}

struct Segment {
    double alpha; // rad
    int index;
};

// The segment of a position: searched down from the top vertex, a position belongs to
// the segment below the lowest vertex it does not pass by eps. A position beyond the
// top vertex keeps the segment it is given. No segment lies below the first vertex.
std::optional<Segment> SegmentAt(const Polyline& p, double pos, Segment current) {
    int i = kTop;
    while (pos - p.x[i] < kEps) {
        if (i == 0)
            return std::nullopt;
        current = {p.thetaDeg[i - 1] * kDegToRad, i - 1};
        i = i - 1;
    }
    return current;
}

// Form numbering of a segment: index 0 (at the toe) is segment 3.
std::string SegmentLabel(const char* symbol, int index) {
    return std::string(symbol) + std::to_string(kPolylineSegments - index);
}

std::string RefusalOfSegments(const Polyline& p) {
    for (int k = 0; k < kPolylineSegments; ++k) {
        if (!std::isfinite(p.length[k]))
            return "折线长" + SegmentLabel("L", k) + "必须是有限数值。";
        if (!std::isfinite(p.thetaDeg[k]))
            return SegmentLabel("折线角", k) + "必须是有限数值。";
        if (!std::isfinite(p.x[k + 1]))
            return "折线长度超出数值范围：滑面的水平投影不是有限数值。";
    }
    return {};
}

double CrestX(const PolylineSlipRecord& r) {
    return r.m_h / std::tan(r.m_beta * kDegToRad);
}

double FirstPileX(const PolylineSlipRecord& r) {
    return CrestX(r) + r.m_a + r.m_d / 1000;
}

// Inputs that would keep a strip or pile loop running without end or send the segment
// search below the first vertex.
std::string RefusalOfInputs(const PolylineSlipRecord& r, const Polyline& p) {
    if (!(r.m_h >= 0.001))
        return "坡高h必须不小于0.001 m。";
    if (!std::isfinite(r.m_h))
        return "坡高h必须是有限数值。";
    if (std::string segments = RefusalOfSegments(p); !segments.empty())
        return segments;
    const double stripWidth = 0.01 * r.m_h;
    if (p.x[kTop] / stripWidth >= kMaxPolylineStrips)
        return "滑面水平投影相对坡高h过长：条分数超过" + std::to_string(kMaxPolylineStrips) +
               "条。";
    if (!(r.m_sax > 0))
        return "桩中心距sax必须大于0。";
    const double firstPile = FirstPileX(r);
    if (firstPile - p.x[0] < kEps)
        return "首排桩必须位于坡脚之后：请检查承台距坡肩距离a、桩直径d、坡高h和坡角。";
    const double lastPile = std::min(CrestX(r) + r.m_a + r.m_b, p.x[kTop]);
    if ((lastPile - firstPile) / r.m_sax >= kMaxPolylinePileRows)
        return "桩中心距sax过小：承台宽度内的桩排数超过" + std::to_string(kMaxPolylinePileRows) +
               "排。";
    return {};
}

const char* const kBelowFirstVertex = "条块位置落在第一段折线之前，无法确定所在的折线段。";
const char* const kTooManyStrips = "条分数超过上限，无法计算：请检查坡高h和折线长度。";
const char* const kTooManyPileRows = "桩排数超过上限，无法计算：请检查桩中心距sax。";

// Vertical strips of width 0.01 h from the toe to just past the top vertex. The slip
// line is stepped with the angle of the segment holding each strip's right edge, and
// every horizontal action points toward the slope face.
bool SumStrips(const PolylineSlipRecord& r, const Polyline& p, PolylineSlipDetail& out,
               Segment& seg) {
    const double liquefiedThrust = 0.5 * r.m_gamma * r.m_h1 * r.m_h1;
    const double dx = 0.01 * r.m_h;
    const double betaR = r.m_beta * kDegToRad;
    const double xTop = p.x[kTop];
    double x = 0, slipY = 0, groundY = 0, sumR = 0, sumT = 0;
    while (x - xTop < kEps) {
        if (out.stripCount == kPolylineStripLoopLimit) {
            out.refusal = kTooManyStrips;
            return false;
        }
        PolylineStrip s;
        s.rightX = x + dx;
        const std::optional<Segment> found = SegmentAt(p, s.rightX, seg);
        if (!found) {
            out.refusal = kBelowFirstVertex;
            return false;
        }
        seg = *found;
        s.segment = seg.index;
        s.alpha = seg.alpha;
        s.slipY = std::tan(seg.alpha) * dx + slipY;
        s.groundY = std::tan(betaR) * s.rightX;
        if (s.groundY - r.m_h > kEps) {
            s.groundY = r.m_h;
            s.liquefied = liquefiedThrust * dx / (xTop - r.m_h / std::tan(betaR));
            ++out.levelGroundStrips;
        }
        const double capNear = r.m_h / std::tan(betaR) + r.m_a;
        const double capFar = capNear + r.m_b;
        if (s.rightX - capNear > kEps && s.rightX - capFar < kEps) {
            s.capPressure = (r.m_h - r.m_hb) * r.m_F / r.m_L / r.m_b / r.m_Bb;
            out.capPressure = s.capPressure;
            ++out.capStrips;
        }
        s.area = std::fabs((((s.groundY - s.slipY) + groundY) - slipY) * 0.5 * dx);
        s.weight = s.area * r.m_gamma;
        s.seismic = s.weight * r.m_aSeismic * r.m_slopeAmp;
        s.capHorizontal = r.m_H * r.m_slopeAmp * dx / r.m_Bb / r.m_b;
        const double vertical = s.capPressure * dx + s.weight;
        const double horizontal = s.seismic + s.liquefied + s.capHorizontal;
        s.normal = std::cos(s.alpha) * vertical - std::sin(s.alpha) * horizontal;
        const double baseLength = dx / std::cos(s.alpha);
        sumR = (std::tan(p.phiDeg[seg.index] * kDegToRad) * s.normal + sumR) +
               baseLength * p.cohesion[seg.index];
        sumT = (sumT + std::sin(s.alpha) * vertical) + std::cos(s.alpha) * horizontal;
        s.sumRAfter = sumR;
        s.sumTAfter = sumT;
        if (out.stripCount == 0)
            out.firstStrip = s;
        ++out.stripCount;
        out.lastStripRightX = s.rightX;
        x = s.rightX;
        slipY = s.slipY;
        groundY = s.groundY;
    }
    out.soilResisting = sumR;
    out.driving = sumT;
    return true;
}

// Every pile row from one diameter behind the cap's near edge up to its far edge and
// no further than the top vertex counts as cut, whatever the pile length.
bool SumPileRows(const PolylineSlipRecord& r, const Polyline& p, PolylineSlipDetail& out,
                 Segment seg) {
    const double crestX = r.m_h / std::tan(r.m_beta * kDegToRad);
    const double capFar = crestX + r.m_a + r.m_b;
    out.pileShear = SlopePileShear(r.m_d, r.m_stirrupDia, r.m_stirrupSpacing, r.m_ft, r.m_fyv);
    double xp = crestX + r.m_a + r.m_d / 1000;
    double sumP = 0;
    while (xp - capFar < kEps && xp - p.x[kTop] < kEps) {
        if (static_cast<int>(out.pileRows.size()) == kPolylinePileRowLoopLimit) {
            out.refusal = kTooManyPileRows;
            return false;
        }
        const std::optional<Segment> found = SegmentAt(p, xp, seg);
        if (!found) {
            out.refusal = kBelowFirstVertex;
            return false;
        }
        seg = *found;
        sumP = std::cos(seg.alpha) * out.pileShear / r.m_say + sumP;
        out.pileRows.push_back({xp, seg.index});
        xp = xp + r.m_sax;
    }
    out.pileResisting = sumP;
    return true;
}

} // namespace

PolylineSlipDetail AnalysePolylineSlip(const PolylineSlipRecord& working) {
    PolylineSlipDetail out;
    const Polyline p = PolylineOf(working);
    out.vertexX = p.x;
    out.refusal = RefusalOfInputs(working, p);
    if (!out.refusal.empty())
        return out;
    out.stripWidth = 0.01 * working.m_h;
    Segment seg{0, 0};
    if (!SumStrips(working, p, out, seg) || !SumPileRows(working, p, out, seg))
        return out;
    out.factor = (out.soilResisting + out.pileResisting) / out.driving;
    return out;
}

CalcOutcome ComputePolylineSlip(PolylineSlipRecord& r, int concreteIndex, int rebarIndex) {
    PolylineSlipRecord working = r;
    working.m_ft = ConcreteGradeTable(concreteIndex).ft;
    working.m_fyv = RebarGradeTable(rebarIndex);
    const PolylineSlipDetail detail = AnalysePolylineSlip(working);
    if (!detail.refusal.empty())
        return CalcOutcome::Refused(detail.refusal);

    CalcOutcome outcome;
    r.m_ft = working.m_ft;
    r.m_fyv = working.m_fyv;
    r.m_ks = Trunc2(detail.factor);
    if (!std::isfinite(detail.factor))
        outcome.undefined.emplace_back("ks");
    return outcome;
}
