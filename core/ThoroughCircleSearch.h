#pragma once

#include "CircularSlipRecord.h"

namespace korvane {

// A thorough search for the least factor over the circles the critical circle search
// tries: through the toe, centres on rays from the crest between the record's two
// search angles, from the record's first search distance outward. It uses the same
// factor of one circle and leaves the critical circle search and its results alone;
// it answers whether some circle of that family has a lower factor than the one the
// form shows.

// Search depth beyond the first search distance, in slope heights. A circle's slices are
// a tenth of its radius wide, and the last one reaches past the exit point by up to a
// slice width with its weight and base angle taken at its right edge. Far from the crest
// the sliding mass is cut into two or three slices, the last reaching metres beyond the
// exit point where the circle has risen out of the ground, and the factor swings with the
// slicing rather than the slope: on toe circles of every slope angle it drops below the
// least factor of finely sliced circles from about seven slope heights out. Within three
// the mass keeps three slices or more, and the least factors of slopes of 30 degrees and
// steeper lie within one slope height of the crest.
inline constexpr double kThoroughDepthInSlopeHeights = 3.0;

// The grid laid over the sector before the refinement: intervals between the two search
// angles (one degree on the form's 144 to 55 degrees, so that every ray the form walks is
// on the grid) and along the depth.
inline constexpr int kThoroughAngleIntervals = 89;
inline constexpr int kThoroughDistanceIntervals = 60;
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
// 100 000. Inputs that would need more give no result rather than seconds of work.
inline constexpr long long kThoroughMaxWork = 2000000;

struct ThoroughCircle {
    bool found = false;  // a circle with a finite factor was found within the work bound
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

} // namespace korvane
