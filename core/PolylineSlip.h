#pragma once

#include "CalcOutcome.h"
#include "PolylineSlipRecord.h"

#include <array>
#include <optional>
#include <vector>

namespace korvane {

// The slip surface has three straight segments, indexed from the toe upward (index 0
// is segment 3 of the form). Strip and pile-row limits only stop inputs that would
// otherwise keep a loop running without end; the defaults need 172 strips.
inline constexpr int kPolylineSegments = 3;
inline constexpr int kMaxPolylineStrips = 100000;
inline constexpr int kMaxPolylinePileRows = 10000;
// The strip past the top vertex, the tolerance at the far edge and rounding may add to
// what the lengths admit; the loops stop only beyond that.
inline constexpr int kPolylineStripLoopLimit = kMaxPolylineStrips + 2;
inline constexpr int kPolylinePileRowLoopLimit = kMaxPolylinePileRows + 2;

// Strips are a hundredth of the slope height wide; a lower slope than the least height
// would make them too narrow to end.
inline constexpr double kStripWidthInSlopeHeights = 0.01;
inline constexpr double kLeastPolylineSlopeHeight = 0.001;

// One vertical strip as computed, for checking the method step by step.
struct PolylineStrip {
    double rightX = 0;
    int segment = 0;    // index from the toe upward
    double alpha = 0;   // base angle, rad
    double slipY = 0;   // slip line height at the right edge
    double groundY = 0; // ground height at the right edge, after the level-ground cut
    double capPressure = 0;
    double area = 0;
    double weight = 0;
    double seismic = 0;
    double capHorizontal = 0;
    double liquefied = 0;
    double normal = 0;
    double sumRAfter = 0; // resisting sum including this strip
    double sumTAfter = 0; // driving sum including this strip
};

// A strip with the rest of what a reader needs to check it by hand. Kept apart from the
// loop's own strip, which stays small enough to live in registers while the loop runs.
struct PolylineStripDetail {
    PolylineStrip strip;
    double leftX = 0;
    double baseLength = 0;
    double vertical = 0;   // V = q·dx + G
    double horizontal = 0; // Q = Fs + E + Hc
    double resisting = 0;  // this strip's term of the resisting sum
    double driving = 0;    // this strip's term of the driving sum
};

struct PolylinePileRow {
    double x = 0;
    int segment = 0;
    double cosAlpha = 0;   // of the segment the row crosses
    double resistance = 0; // cos α · Vp / say, per metre run
};

struct PolylineSlipDetail {
    std::optional<Refusal> refusal; // set: nothing was computed
    std::array<double, kPolylineSegments + 1> vertexX{};
    double stripWidth = 0;
    int stripCount = 0;
    int levelGroundStrips = 0;
    int capStrips = 0;
    double capPressure = 0; // q of the strips under the cap, kPa
    double lastStripRightX = 0;
    PolylineStrip firstStrip;
    std::vector<PolylineStripDetail> strips; // every strip, when they were asked for
    double soilResisting = 0;                // sumR
    double driving = 0;                      // sumT
    double pileShear = 0;                    // shear resistance of one pile, kN
    std::vector<PolylinePileRow> pileRows;
    double pileResisting = 0; // sumP
    double factor = 0;        // ks before the cut to two decimals
};

// A vertex of the slip surface, in the section's axes (origin at the toe).
struct SlipVertex {
    double x = 0;
    double y = 0;
};

// The toe and the upper end of each segment, from the toe up: the points the strips and
// pile rows are placed against.
std::array<SlipVertex, kPolylineSegments + 1> PolylineVertices(const PolylineSlipRecord& r);

// The strip and pile-row sums on a record whose grades are already looked up.
// Nothing is written to the record.
PolylineSlipDetail AnalysePolylineSlip(const PolylineSlipRecord& working);
// The same, keeping every strip in `strips` for a reader to check the sums by hand.
PolylineSlipDetail DescribePolylineSlip(const PolylineSlipRecord& working);

// Stability factor of the three-segment slip surface: looks up the grades of the two
// list selections (-1 for none) and writes m_ft, m_fyv and m_ks. Refuses, without
// touching the record, inputs that the strip loops cannot survive.
CalcOutcome ComputePolylineSlip(PolylineSlipRecord& r, int concreteIndex, int rebarIndex);

} // namespace korvane
