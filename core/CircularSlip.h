#pragma once

#include "CalcOutcome.h"
#include "CircleDetail.h"
#include "CircularSlipRecord.h"

#include <optional>
#include <vector>

namespace korvane {

// Loop limits of the circular slip calculation. A sensible circle has at most about
// 22 slices and the default search walks two to five centres per ray; the limits only
// stop inputs that would otherwise keep a loop running without end or for minutes.
inline constexpr int kMaxCircleSlices = 1000;
inline constexpr int kMaxCirclePileRows = 10000; // rows the cap span may admit
// The tolerance at the far edge and rounding may add a row to what the span admits.
inline constexpr int kCirclePileRowLoopLimit = kMaxCirclePileRows + 2;
inline constexpr int kMaxCentresPerRay = 10000;
inline constexpr int kMaxSearchRays = 361;
inline constexpr long long kMaxSearchWork = 1000000; // slices plus pile rows, all circles

// The method's own numbers. A trial circle through the toe is cut into slices a tenth
// of its radius wide; centres move out along each search ray in steps of a hundredth of
// the slope height while each step lowers the factor by more than the tolerance, which
// also ends the slices and decides which ray is kept; the rays are a degree apart. A
// pile spacing of 0 is searched with the substitute, so that the pile rows end.
inline constexpr double kSliceWidthInRadii = 0.1;
inline constexpr double kCentreStepInSlopeHeights = 0.01;
inline constexpr double kCircleSearchTol = 0.001;
inline constexpr double kSearchAngleStepDeg = 1.0;
inline constexpr double kZeroSpacingSubstitute = 0.1;
// A ray's first centre must undercut this factor by the tolerance; a search whose rays
// all fail to shows this factor as ks, which is then no circle's factor.
inline constexpr double kCircleSearchStartFactor = 500;

// The quantities of one trial circle, for checking the slice method step by step.
struct CircleEvaluation {
    double radius = 0;        // distance of the centre from the toe
    double exitX = 0;         // x where the circle meets the level ground
    double sliceWidth = 0;    // one tenth of the radius
    int sliceCount = 0;       // slices from the toe to just past the exit point
    int capSliceCount = 0;    // slices whose right edge lies under the cap
    int pileRowCount = 0;     // pile rows within the cap span and left of the exit point
    double pileShear = 0;     // shear resistance of one pile, kN
    double soilResisting = 0; // cohesion and friction along the slice bases
    double pileResisting = 0; // resistance of the cut pile rows per metre run
    double driving = 0;       // driving sum along the slice bases
    double factor = 0;        // (soilResisting + pileResisting) / driving
    bool withinLimits = true; // false when a loop reached its limit; factor is then NaN
};

// One trial circle through the toe with centre (x0, y0), its stability factor included.
// The caller has set m_ft and m_fyv and passes spacings greater than 0. A circle
// that would need more slices or pile rows than the limits above gives a NaN factor.
CircleEvaluation EvaluateCircle(const CircularSlipRecord& r, double x0, double y0);

// The same circle slice by slice and row by row, from the same loops, for a reader to
// check the factor by hand.
CircleDetail DescribeCircle(const CircularSlipRecord& r, double x0, double y0);

// The outcome of one ray of the search: the factor the walk settled on, the centre
// whose factor that is, and the last centre it evaluated, one step further out, which
// is the centre shown when the ray is kept.
struct SearchRay {
    double angleDeg = 0;
    double factor = 0;
    bool factorFound = false; // false: no centre undercut the start value, factor is that
    double factorX = 0;
    double factorY = 0;
    double lastX = 0;
    double lastY = 0;
    int centresEvaluated = 0;
    bool kept = false;
};

// The walk over the rays on a record whose grades are looked up and whose spacings
// are already in force (zero spacings replaced). Nothing is written to the record.
struct CircleSearchRun {
    std::optional<Refusal> refusal; // set: the search was refused or abandoned at a loop limit
    std::vector<SearchRay> rays;
    bool anyKept = false;
    double ks = 0, radius = 0, x = 0, y = 0; // unrounded values of the last kept ray
    // The centre whose factor is ks, when the kept ray found one.
    bool ksCircleFound = false;
    double ksX = 0, ksY = 0;
};

CircleSearchRun RunCircleSearch(const CircularSlipRecord& working);

// The rays of a search, from the first search angle down to the last, a step apart.
int CircleSearchRayCount(const CircularSlipRecord& r);

// A typed spacing of exactly 0 stands for the substitute.
inline bool SearchSubstitutesSpacing(double typed) {
    return typed == 0;
}
// The spacing a search works with.
double CircleSearchSpacing(double typed);

// The record a search works on: the grades of the two list selections (-1 for none)
// looked up and spacings of 0 replaced by the substitute, so that every pile row loop
// ends.
CircularSlipRecord CircleSearchWorkingRecord(const CircularSlipRecord& r, int concreteIndex,
                                             int rebarIndex);

// Why a search cannot run on a working record, or nothing when it can: inputs that would
// keep a loop running without end or leave no geometry to search. Any search over the
// trial circles refuses the same inputs.
std::optional<Refusal> CircleSearchRefusal(const CircularSlipRecord& working);

// The critical circle search behind the calculate button: looks up the grades of the
// two list selections (-1 for none), searches the rays and writes m_ft, m_fyv, m_x,
// m_y, m_ks and m_R. Spacings of 0 are searched with the substitute and, like a typed substitute,
// come back as 0. Refuses, without touching the record, inputs that the search cannot survive.
CalcOutcome SearchCriticalCircle(CircularSlipRecord& r, int concreteIndex, int rebarIndex);
// The same, leaving the search's own run in `run`.
CalcOutcome SearchCriticalCircle(CircularSlipRecord& r, int concreteIndex, int rebarIndex,
                                 CircleSearchRun& run);

} // namespace korvane
