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
    int index;    // from the toe upward
    double alpha; // rad
    double rise;  // of the slip line across one strip, tan(alpha) dx
    double baseLength;
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
            baseLength,
            {cosAlpha, std::sin(alpha), std::tan(p.phiDeg[index] * kDegToRad),
             baseLength * p.cohesion[index]}};
}

// The segments from the toe up: visit(k, alpha, cos alpha, x, L) with the abscissa x of
// the segment's upper vertex, each vertex cos alpha · L beyond the one below it.
template <class Visit> void WalkSegments(const PolylineSlipRecord& r, Visit&& visit) {
    const double thetaDeg[kPolylineSegments] = {r.m_theta3, r.m_theta2, r.m_theta1};
    const double length[kPolylineSegments] = {r.m_L3, r.m_L2, r.m_L1};
    double x = 0;
    for (int k = 0; k < kPolylineSegments; ++k) {
        const double alpha = thetaDeg[k] * kDegToRad;
        const double cosAlpha = std::cos(alpha);
        x = cosAlpha * length[k] + x;
        visit(k, alpha, cosAlpha, x, length[k]);
    }
}

Polyline PolylineOf(const PolylineSlipRecord& r, double dx) {
    Polyline p{{r.m_theta3, r.m_theta2, r.m_theta1},
               {r.m_L3, r.m_L2, r.m_L1},
               {r.m_c3, r.m_c2, r.m_c1},
               {r.m_phi3, r.m_phi2, r.m_phi1},
               {},
               {}};
    p.x[0] = 0;
    WalkSegments(r, [&](int k, double alpha, double cosAlpha, double x, double) {
        p.x[k + 1] = x;
        p.terms[k] = TermsOf(alpha, k, cosAlpha, dx, p);
    });
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

// The members of a segment by index from the toe: index 0 is the form's segment 3.
constexpr const char* kSegmentLength[kPolylineSegments] = {"L3", "L2", "L1"};
constexpr const char* kSegmentAngle[kPolylineSegments] = {"theta3", "theta2", "theta1"};

std::optional<Refusal> RefusalOfSegments(const Polyline& p) {
    for (int k = 0; k < kPolylineSegments; ++k) {
        if (!std::isfinite(p.length[k]))
            return Refusal{RefusalReason::NotFinite, kSegmentLength[k]};
        if (!std::isfinite(p.thetaDeg[k]))
            return Refusal{RefusalReason::NotFinite, kSegmentAngle[k]};
        if (!std::isfinite(p.x[k + 1]))
            return Refusal{RefusalReason::SlipProjectionNotFinite};
    }
    return std::nullopt;
}

// Inputs that would keep a strip or pile loop running without end or send the segment
// search below the first vertex.
std::optional<Refusal> RefusalOfInputs(const PolylineSlipRecord& r, const SlopeSection& section,
                                       const Polyline& p) {
    if (!(r.m_h >= kLeastPolylineSlopeHeight))
        return Refusal{.reason = RefusalReason::BelowMinimum,
                       .member = "h",
                       .limit = kLeastPolylineSlopeHeight};
    if (!std::isfinite(r.m_h))
        return Refusal{RefusalReason::NotFinite, "h"};
    if (std::optional<Refusal> segments = RefusalOfSegments(p))
        return segments;
    const double stripWidth = kStripWidthInSlopeHeights * r.m_h;
    if (p.x[kTop] / stripWidth >= kMaxPolylineStrips)
        return Refusal{.reason = RefusalReason::SlipTooLong, .limit = kMaxPolylineStrips};
    if (!(r.m_sax > 0))
        return Refusal{RefusalReason::NotPositive, "sax"};
    const double firstPile = section.firstPileX;
    if (firstPile - p.x[0] < kEps)
        return Refusal{RefusalReason::FirstPileBeforeToe};
    const double lastPile = std::min(section.capFar, p.x[kTop]);
    if ((lastPile - firstPile) / r.m_sax >= kMaxPolylinePileRows)
        return Refusal{.reason = RefusalReason::TooManyPileRowsInCap,
                       .member = "sax",
                       .limit = kMaxPolylinePileRows};
    return std::nullopt;
}

// Vertical strips of width 0.01 h from the toe to just past the top vertex. The slip
// line is stepped with the angle of the segment holding each strip's right edge.
// Keeping every strip is a parameter of the loop's code, so that a calculation that
// keeps none runs the loop as if the strips' detail did not exist.
template <bool kKeepStrips>
bool SumStrips(const SlopeSection& section, const Polyline& p, double dx, PolylineSlipDetail& out,
               int& seg) {
    const double xTop = p.x[kTop];
    const SliceWidthTerms each = SliceWidthTermsOf(section, dx, xTop);
    double x = 0, slipY = 0, groundY = 0;
    SlipSums sums;
    while (x - xTop < kEps) {
        if (out.stripCount == kPolylineStripLoopLimit) {
            out.refusal = Refusal{RefusalReason::StripLimit};
            return false;
        }
        PolylineStrip s;
        s.rightX = x + dx;
        const std::optional<int> found = SegmentAt(p, s.rightX, seg);
        if (!found) {
            out.refusal = Refusal{RefusalReason::BeforeFirstVertex};
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
        if constexpr (kKeepStrips)
            out.strips.push_back({s, x, on.baseLength, loads.vertical, loads.horizontal,
                                  loads.resisting, loads.driving});
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
    const PileRowSums rows = WalkPileRows(
        section, p.x[kTop], r.m_sax, r.m_say, kPolylinePileRowLoopLimit,
        [&](double xp) -> std::optional<double> {
            const std::optional<int> found = SegmentAt(p, xp, seg);
            if (!found)
                return std::nullopt;
            seg = *found;
            const SegmentTerms& on = p.terms[seg];
            out.pileRows.push_back({xp, on.index, on.base.cosAlpha});
            return on.base.cosAlpha;
        },
        [&](double resistance) { out.pileRows.back().resistance = resistance; });
    if (rows.end == PileWalkEnd::LoopLimit)
        out.refusal = Refusal{RefusalReason::PolylinePileRowLimit};
    else if (rows.end == PileWalkEnd::NoCrossing)
        out.refusal = Refusal{RefusalReason::BeforeFirstVertex};
    else
        out.pileResisting = rows.resisting;
    return rows.end == PileWalkEnd::PastTheRows;
}

} // namespace

std::array<SlipVertex, kPolylineSegments + 1> PolylineVertices(const PolylineSlipRecord& r) {
    std::array<SlipVertex, kPolylineSegments + 1> v{};
    WalkSegments(r, [&v](int k, double alpha, double, double x, double length) {
        v[k + 1] = {x, std::sin(alpha) * length + v[k].y};
    });
    return v;
}

namespace {

template <bool kKeepStrips> PolylineSlipDetail Analyse(const PolylineSlipRecord& working) {
    PolylineSlipDetail out;
    const double dx = kStripWidthInSlopeHeights * working.m_h;
    const SlopeSection section = SlopeSectionOf(working);
    const Polyline p = PolylineOf(working, dx);
    out.vertexX = p.x;
    out.refusal = RefusalOfInputs(working, section, p);
    if (out.refusal)
        return out;
    out.stripWidth = dx;
    int seg = kLevelStart;
    if (!SumStrips<kKeepStrips>(section, p, dx, out, seg) ||
        !SumPileRows(working, section, p, out, seg))
        return out;
    out.factor = (out.soilResisting + out.pileResisting) / out.driving;
    return out;
}

} // namespace

PolylineSlipDetail AnalysePolylineSlip(const PolylineSlipRecord& working) {
    return Analyse<false>(working);
}

PolylineSlipDetail DescribePolylineSlip(const PolylineSlipRecord& working) {
    return Analyse<true>(working);
}

CalcOutcome ComputePolylineSlip(PolylineSlipRecord& r, int concreteIndex, int rebarIndex) {
    const PolylineSlipRecord working = WithPileGrades(r, concreteIndex, rebarIndex);
    const PolylineSlipDetail detail = AnalysePolylineSlip(working);
    if (detail.refusal)
        return CalcOutcome::Refused(*detail.refusal);

    CalcOutcome outcome;
    ShowPileGrades(r, working);
    r.m_ks = Trunc2(detail.factor);
    if (!std::isfinite(detail.factor))
        outcome.undefined.emplace_back("ks");
    return outcome;
}

} // namespace korvane
