#pragma once

#include "Grades.h"

#include <cmath>
#include <optional>
#include <vector>

namespace korvane {

// The slope, the cap behind its crest and the cap's pile rows as both slip calculations
// see them, whatever the shape of the slip surface. None of it depends on the surface,
// so each calculation works it out once and every slice and pile row reuses it.

// Positions along x are compared with this tolerance: slice edges against the crest
// height and the cap span, pile rows against the span and the end of the slip surface.
inline constexpr double kSlopeEdgeTol = 0.00001;

// The record members the two calculators share; both records give them the same names.
struct SlopeInputs {
    double h, beta, a, b;      // slope height, angle (°), cap distance from the crest, width
    double gamma, h1;          // soil unit weight, liquefied layer thickness
    double F, H, hb, L, Bb;    // cap base loads, embedment, pile length, cap length
    double aSeismic, slopeAmp; // seismic coefficient and slope amplification
    double d, stirrupDia, stirrupSpacing, ft, fyv; // pile section, mm and N/mm²
};

template <class Record> SlopeInputs SlopeInputsOf(const Record& r) {
    return {.h = r.m_h,
            .beta = r.m_beta,
            .a = r.m_a,
            .b = r.m_b,
            .gamma = r.m_gamma,
            .h1 = r.m_h1,
            .F = r.m_F,
            .H = r.m_H,
            .hb = r.m_hb,
            .L = r.m_L,
            .Bb = r.m_Bb,
            .aSeismic = r.m_aSeismic,
            .slopeAmp = r.m_slopeAmp,
            .d = r.m_d,
            .stirrupDia = r.m_stirrupDia,
            .stirrupSpacing = r.m_stirrupSpacing,
            .ft = r.m_ft,
            .fyv = r.m_fyv};
}

struct SlopeSection {
    SlopeInputs in;
    double slope;           // tan(beta)
    double crestX;          // the crest B
    double capNear;         // x1, the cap's near edge
    double capFar;          // x2, the cap's far edge
    double firstPileX;      // the first pile row, one pile diameter inside the near edge
    double liquefiedThrust; // 0.5 gamma h1², spread over the slices on level ground
    double capPressure;     // q on a slice whose right edge lies under the cap, kPa
    double pileShear;       // shear resistance of one pile, kN
};

SlopeSection SlopeSectionOf(const SlopeInputs& in);

template <class Record> SlopeSection SlopeSectionOf(const Record& r) {
    return SlopeSectionOf(SlopeInputsOf(r));
}

// A working copy of a slope record carrying the grades of the two list selections (-1
// for none).
template <class Record> Record WithPileGrades(const Record& r, int concreteIndex, int rebarIndex) {
    Record working = r;
    working.m_ft = ConcreteGradeTable(concreteIndex).ft;
    working.m_fyv = RebarGradeTable(rebarIndex);
    return working;
}

// A calculation that went through shows the grades it used.
template <class Record> void ShowPileGrades(Record& r, const Record& working) {
    r.m_ft = working.m_ft;
    r.m_fyv = working.m_fyv;
}

// Shear resistance of one pile, kN: the concrete share on an equivalent width 0.88 d
// and effective depth 0.8 d plus two stirrup legs. Diameters and spacing in mm,
// strengths in N/mm².
double SlopePileShear(double d, double stirrupDia, double stirrupSpacing, double ft, double fyv);

// What every slice of one slip surface shares through its width.
struct SliceWidthTerms {
    double width;
    double capHorizontal; // the amplified cap load H on one slice width
    double liquefied;     // the liquefied thrust on one slice of level ground
};

// exitX: where the slip surface reaches the level ground; the liquefied thrust is spread
// evenly from the crest to there.
SliceWidthTerms SliceWidthTermsOf(const SlopeSection& s, double width, double exitX);

// Ground height at x: the slope face, or the level ground once the face rises past the
// slope height by more than the tolerance.
struct GroundAt {
    GroundAt(const SlopeSection& s, double x) {
        y = s.slope * x;
        level = y - s.in.h > kSlopeEdgeTol;
        if (level)
            y = s.in.h;
    }
    double y;
    bool level;
};

// A slice carries the cap pressure when its right edge lies within the cap span.
inline bool UnderCap(const SlopeSection& s, double x) {
    return x - s.capNear > kSlopeEdgeTol && x - s.capFar < kSlopeEdgeTol;
}

// Heights of the ground and of the slip surface at one slice edge.
struct SliceEdge {
    double ground;
    double slip;
};

// The base of one slice: its inclination, and what the soil along it resists.
struct SliceBase {
    double cosAlpha;
    double sinAlpha;
    double tanPhi;
    double cohesion; // cohesion times the base length
};

// One slice between two edges with its loads taken at the right edge. The liquefied
// share and the cap pressure are 0 where they do not act.
struct Slice {
    SliceEdge left;
    SliceEdge right;
    double liquefied;
    double capPressure;
    SliceBase base;
};

struct SliceLoads {
    double area;
    double weight;
    double seismic;
    double vertical;
    double horizontal;
    double normal; // used as it is, also when negative
    // The slice's own terms of the two sums; the sums add them in their own order.
    double resisting;
    double driving;
};

struct SlipSums {
    double resisting = 0;
    double driving = 0;
};

// Adds one slice to the sums along the slip surface. Every horizontal action points
// toward the slope face.
inline SliceLoads AddSlice(const SlopeSection& s, const SliceWidthTerms& t, const Slice& slice,
                           SlipSums& sums) {
    SliceLoads l;
    l.area =
        std::fabs((slice.right.ground - slice.right.slip + slice.left.ground - slice.left.slip) *
                  0.5 * t.width);
    l.weight = l.area * s.in.gamma;
    l.seismic = l.weight * s.in.aSeismic * s.in.slopeAmp;
    l.vertical = slice.capPressure * t.width + l.weight;
    l.horizontal = l.seismic + slice.liquefied + t.capHorizontal;
    l.normal = slice.base.cosAlpha * l.vertical - slice.base.sinAlpha * l.horizontal;
    l.resisting = slice.base.tanPhi * l.normal + slice.base.cohesion;
    l.driving = slice.base.sinAlpha * l.vertical + slice.base.cosAlpha * l.horizontal;
    sums.resisting = (slice.base.tanPhi * l.normal + sums.resisting) + slice.base.cohesion;
    sums.driving =
        sums.driving + slice.base.sinAlpha * l.vertical + slice.base.cosAlpha * l.horizontal;
    return l;
}

enum class PileWalkEnd {
    PastTheRows, // every row was counted
    LoopLimit,   // the walk reached the row limit it was given
    NoCrossing,  // a row found no slip surface below it
};

struct PileRowSums {
    double resisting = 0; // per metre run, of the rows counted so far
    int count = 0;
    PileWalkEnd end = PileWalkEnd::PastTheRows;
};

// The pile rows from the first one, sax apart, while a row lies within the cap span and
// not past lastX (both with the edge tolerance). visit(x) answers whether the walk goes on
// past the row at x.
template <class Visit>
PileWalkEnd ForEachPileRow(const SlopeSection& s, double lastX, double sax, int loopLimit,
                           Visit&& visit) {
    double xp = s.firstPileX;
    int count = 0;
    while (xp - s.capFar < kSlopeEdgeTol && xp - lastX < kSlopeEdgeTol) {
        if (count == loopLimit)
            return PileWalkEnd::LoopLimit;
        if (!visit(xp))
            return PileWalkEnd::NoCrossing;
        xp = xp + sax;
        ++count;
    }
    return PileWalkEnd::PastTheRows;
}

// Every such row counts as cut by the slip surface, whatever the pile length.
// cosineAt(x) gives the cosine of the surface's inclination where the row at x crosses
// it, or nothing when it finds no crossing; counted(resistance) hears of each row counted,
// with its resistance per metre run.
template <class CosineAt, class Counted>
PileRowSums WalkPileRows(const SlopeSection& s, double lastX, double sax, double say, int loopLimit,
                         CosineAt&& cosineAt, Counted&& counted) {
    PileRowSums sums;
    sums.end = ForEachPileRow(s, lastX, sax, loopLimit, [&](double xp) {
        const std::optional<double> cosine = cosineAt(xp);
        if (!cosine)
            return false;
        const double resistance = *cosine * s.pileShear / say;
        sums.resisting = resistance + sums.resisting;
        ++sums.count;
        counted(resistance);
        return true;
    });
    return sums;
}

template <class CosineAt>
PileRowSums WalkPileRows(const SlopeSection& s, double lastX, double sax, double say, int loopLimit,
                         CosineAt&& cosineAt) {
    return WalkPileRows(s, lastX, sax, say, loopLimit, cosineAt, [](double) {});
}

// The pile rows of the cap span at most maxRows of them, as a walk finds them: for a
// drawing of the section. A spacing that does not move the rows on gives the first row.
std::vector<double> PileRowPositions(const SlopeSection& s, double sax, int maxRows);

} // namespace korvane
