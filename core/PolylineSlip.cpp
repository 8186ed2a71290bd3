#include "PolylineSlip.h"

#include "Grades.h"
#include "SlopeSection.h"
#include "Trunc2.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace korvane {

namespace {

constexpr double kEps = kSlopeEdgeTol; // every comparison of positions along x
constexpr int kTop = kPolylineSegments;

// What the strips and pile rows on one segment share, worked out once per segment.
struct SegmentTerms {
    int index;      // from the toe upward
    double alpha;   // rad
    double rise;    // of the slip line across one strip, tan(alpha) dx
    SliceBase base; // of one strip, whose base is dx / cos(alpha) long
};

// Segment tables from the toe upward, the abscissae of the vertices and the terms of
// each segment. Behind the segments stands the level start: a strip beyond the top
// vertex before any segment was found keeps it, with the soil of the lowest segment.
struct Polyline {
    std::array<double, kPolylineSegments> thetaDeg;
    std::array<double, kPolylineSegments> length;
    std::array<double, kPolylineSegments> cohesion;
    std::array<double, kPolylineSegments> phiDeg;
    std::array<double, kPolylineSegments + 1> x;
    std::array<SegmentTerms, kPolylineSegments + 1> terms;
};

constexpr int kLevelStart = kPolylineSegments; // its place in Polyline::terms

SegmentTerms TermsOf(double alpha, int index, double cosAlpha, double dx, const Polyline& p) {
    const double baseLength = dx / cosAlpha;
    return {index,
            alpha,
            std::tan(alpha) * dx,
            {cosAlpha, std::sin(alpha), std::tan(p.phiDeg[index] * kDegToRad),
             baseLength * p.cohesion[index]}};
}

Polyline PolylineOf(const PolylineSlipRecord& r, double dx) {
    Polyline p{{r.m_theta3, r.m_theta2, r.m_theta1},
               {r.m_L3, r.m_L2, r.m_L1},
               {r.m_c3, r.m_c2, r.m_c1},
               {r.m_phi3, r.m_phi2, r.m_phi1},
               {},
               {}};
    p.x[0] = 0;
    for (int k = 0; k < kPolylineSegments; ++k) {
        const double alpha = p.thetaDeg[k] * kDegToRad;
        const double cosAlpha = std::cos(alpha);
        p.x[k + 1] = cosAlpha * p.length[k] + p.x[k];
        p.terms[k] = TermsOf(alpha, k, cosAlpha, dx, p);
    }
    const double level = 0;
    p.terms[kLevelStart] = TermsOf(level, 0, std::cos(level), dx, p);
    return p;
}

// The segment of a position: searched down from the top vertex, a position belongs to
// the segment below the lowest vertex it does not pass by eps. A position beyond the
// top vertex keeps the segment it is given. No segment lies below the first vertex.
std::optional<int> SegmentAt(const Polyline& p, double pos, int current) {
    int i = kTop;
    while (pos - p.x[i] < kEps) {
        if (i == 0)
            return std::nullopt;
        current = i - 1;
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

// Inputs that would keep a strip or pile loop running without end or send the segment
// search below the first vertex.
std::string RefusalOfInputs(const PolylineSlipRecord& r, const SlopeSection& section,
                            const Polyline& p) {
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
    const double firstPile = section.firstPileX;
    if (firstPile - p.x[0] < kEps)
        return "首排桩必须位于坡脚之后：请检查承台距坡肩距离a、桩直径d、坡高h和坡角。";
    const double lastPile = std::min(section.capFar, p.x[kTop]);
    if ((lastPile - firstPile) / r.m_sax >= kMaxPolylinePileRows)
        return "桩中心距sax过小：承台宽度内的桩排数超过" + std::to_string(kMaxPolylinePileRows) +
               "排。";
    return {};
}

const char* const kBelowFirstVertex = "条块位置落在第一段折线之前，无法确定所在的折线段。";
const char* const kTooManyStrips = "条分数超过上限，无法计算：请检查坡高h和折线长度。";
const char* const kTooManyPileRows = "桩排数超过上限，无法计算：请检查桩中心距sax。";

// Vertical strips of width 0.01 h from the toe to just past the top vertex. The slip
// line is stepped with the angle of the segment holding each strip's right edge.
bool SumStrips(const SlopeSection& section, const Polyline& p, double dx, PolylineSlipDetail& out,
               int& seg) {
    const double xTop = p.x[kTop];
    const SliceWidthTerms each = SliceWidthTermsOf(section, dx, xTop);
    double x = 0, slipY = 0, groundY = 0;
    SlipSums sums;
    while (x - xTop < kEps) {
        if (out.stripCount == kPolylineStripLoopLimit) {
            out.refusal = kTooManyStrips;
            return false;
        }
        PolylineStrip s;
        s.rightX = x + dx;
        const std::optional<int> found = SegmentAt(p, s.rightX, seg);
        if (!found) {
            out.refusal = kBelowFirstVertex;
            return false;
        }
        seg = *found;
        const SegmentTerms& on = p.terms[seg];
        s.segment = on.index;
        s.alpha = on.alpha;
        s.slipY = on.rise + slipY;
        const GroundAt ground(section, s.rightX);
        s.groundY = ground.y;
        if (ground.level) {
            s.liquefied = each.liquefied;
            ++out.levelGroundStrips;
        }
        if (UnderCap(section, s.rightX)) {
            s.capPressure = section.capPressure;
            out.capPressure = s.capPressure;
            ++out.capStrips;
        }
        const SliceLoads loads = AddSlice(
            section, each,
            {{groundY, slipY}, {s.groundY, s.slipY}, s.liquefied, s.capPressure, on.base}, sums);
        s.area = loads.area;
        s.weight = loads.weight;
        s.seismic = loads.seismic;
        s.capHorizontal = each.capHorizontal;
        s.normal = loads.normal;
        s.sumRAfter = sums.resisting;
        s.sumTAfter = sums.driving;
        if (out.stripCount == 0)
            out.firstStrip = s;
        ++out.stripCount;
        out.lastStripRightX = s.rightX;
        x = s.rightX;
        slipY = s.slipY;
        groundY = s.groundY;
    }
    out.soilResisting = sums.resisting;
    out.driving = sums.driving;
    return true;
}

// Every pile row from one diameter behind the cap's near edge up to its far edge and
// no further than the top vertex counts as cut.
bool SumPileRows(const PolylineSlipRecord& r, const SlopeSection& section, const Polyline& p,
                 PolylineSlipDetail& out, int seg) {
    out.pileShear = section.pileShear;
    const PileRowSums rows =
        WalkPileRows(section, p.x[kTop], r.m_sax, r.m_say, kPolylinePileRowLoopLimit,
                     [&](double xp) -> std::optional<double> {
                         const std::optional<int> found = SegmentAt(p, xp, seg);
                         if (!found)
                             return std::nullopt;
                         seg = *found;
                         out.pileRows.push_back({xp, p.terms[seg].index});
                         return p.terms[seg].base.cosAlpha;
                     });
    if (rows.end == PileWalkEnd::LoopLimit)
        out.refusal = kTooManyPileRows;
    else if (rows.end == PileWalkEnd::NoCrossing)
        out.refusal = kBelowFirstVertex;
    else
        out.pileResisting = rows.resisting;
    return rows.end == PileWalkEnd::PastTheRows;
}

} // namespace

PolylineSlipDetail AnalysePolylineSlip(const PolylineSlipRecord& working) {
    PolylineSlipDetail out;
    const double dx = 0.01 * working.m_h;
    const SlopeSection section = SlopeSectionOf(working);
    const Polyline p = PolylineOf(working, dx);
    out.vertexX = p.x;
    out.refusal = RefusalOfInputs(working, section, p);
    if (!out.refusal.empty())
        return out;
    out.stripWidth = dx;
    int seg = kLevelStart;
    if (!SumStrips(section, p, dx, out, seg) || !SumPileRows(working, section, p, out, seg))
        return out;
    out.factor = (out.soilResisting + out.pileResisting) / out.driving;
    return out;
}

CalcOutcome ComputePolylineSlip(PolylineSlipRecord& r, int concreteIndex, int rebarIndex) {
    const PolylineSlipRecord working = WithPileGrades(r, concreteIndex, rebarIndex);
    const PolylineSlipDetail detail = AnalysePolylineSlip(working);
    if (!detail.refusal.empty())
        return CalcOutcome::Refused(detail.refusal);

    CalcOutcome outcome;
    ShowPileGrades(r, working);
    r.m_ks = Trunc2(detail.factor);
    if (!std::isfinite(detail.factor))
        outcome.undefined.emplace_back("ks");
    return outcome;
}

} // namespace korvane
