#pragma once

#include "CircularSlipRecord.h"

#include <functional>
#include <optional>

namespace korvane {

// A thorough search for the least factor over the circles the critical circle search
// tries: through the toe, centres on rays from the crest between the record's two search
// angles, from the record's first search distance outward, cut into enough slices for
// the factor to describe the slope. It uses the same factor of one circle and leaves the
// critical circle search and its results alone; it answers whether some circle of that
// family has a lower factor than the one the form shows.

// Search depth beyond the first search distance, in slope heights. The least factors of
// slopes of 30 degrees and steeper lie within one slope height of the crest. On flatter
// slopes, and where a strong earthquake acts on soil of little friction, the factor keeps
// falling as the circles grow deeper and the family may have no least circle; the
// critical circle search's walks then stop where a step gains less than its tolerance,
// seen at about nine slope heights, and the search depth reaches past that.
inline constexpr double kThoroughDepthInSlopeHeights = 10.0;

// A circle's slices are a tenth of its radius wide, and the last one reaches past the
// exit point by up to a slice width with its weight and base angle taken at its right
// edge. A circle far out on a ray near the slope face cuts the sliding mass into two or
// three slices, the last reaching metres beyond the exit point where the circle has risen
// out of the ground; its factor swings with the slicing, not the slope (on toe circles
// of every slope angle it falls below the least factor of finely sliced circles from
// about seven slope heights out). Such circles are outside what the factor is made for.
inline constexpr int kThoroughMinSlices = 4;

// The grid laid over the sector before the refinement: intervals between the two search
// angles (one degree on the form's 144 to 55 degrees, so that every ray the form walks is
// on the grid) and along the depth, closer near the crest than far out.
inline constexpr int kThoroughAngleIntervals = 89;
inline constexpr int kThoroughDistanceIntervals = 100;
// Grid centres, each a local least of the grid, from which the refinement starts: the
// factor jumps where a slice or a pile row comes or goes, so its valleys are many and
// narrow, and the least grid centre need not lie in the deepest one.
inline constexpr int kThoroughRefinedStarts = 8;
// The refinement halves its steps at least five times (to a 32nd of a grid cell), then
// until a halving lowers the factor by less than the tolerance.
inline constexpr double kThoroughFactorTol = 0.0001;
inline constexpr int kThoroughMinHalvings = 5;
inline constexpr int kThoroughMaxHalvings = 16;
inline constexpr int kThoroughMaxMovesPerStep = 64;
// Slices plus pile rows over all circles; on the form defaults a search needs some
// 200 000. Inputs that would need more give no result rather than seconds of work.
inline constexpr long long kThoroughMaxWork = 3000000;

struct ThoroughCircle {
    bool found = false;  // a circle of the family with a finite factor, within the work bound
    double ks = 0;       // its factor, unrounded
    double x = 0, y = 0; // its centre, from the toe as the form's m_x, m_y
    double R = 0;        // its radius, the centre's distance from the toe, as m_R
    int circlesEvaluated = 0;
};

// The least factor over the family on the inputs of `record`, with the grades of the two
// list selections (-1 for none) and zero spacings taken as the critical circle search
// takes them. Reads the record only. Inputs that the critical circle search refuses give
// no result.
ThoroughCircle ThoroughCircleSearch(const CircularSlipRecord& record, int concreteIndex,
                                    int rebarIndex);

// The same on a working record whose grades are looked up and whose spacings are in
// force (CircleSearchWorkingRecord).
ThoroughCircle ThoroughCircleSearchOn(const CircularSlipRecord& working);

// Another measure of a circle of the family, given its centre: nullopt where it has none.
using CircleMeasure = std::function<std::optional<double>(double x0, double y0)>;
// The least of `measure` over the same family, by the same grid and refinement: a circle
// the search passes over (no finite factor, too few slices, past the work bound) is
// passed over here too, and so is one `measure` has no value for. `ks` is the measure.
ThoroughCircle ThoroughCircleSearchOn(const CircularSlipRecord& working,
                                      const CircleMeasure& measure);

} // namespace korvane
