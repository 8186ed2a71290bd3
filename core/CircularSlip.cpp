#include "CircularSlip.h"

#include "Grades.h"
#include "SlopeSection.h"
#include "Trunc2.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace korvane {

namespace {

constexpr double kStartBest = 600; // so that the first ray is always kept

// What every trial circle of one search shares.
struct TrialCircles {
    explicit TrialCircles(const CircularSlipRecord& record)
        : r(record), section(SlopeSectionOf(record)), tanPhi(std::tan(record.m_phi * kDegToRad)) {}

    const CircularSlipRecord& r;
    const SlopeSection section;
    const double tanPhi;
};

// Depth of the circle below its centre at x; a point just past the circle's
// rightmost point counts as level with the centre instead of giving NaN.
double DepthBelowCentre(double radius, double x, double x0) {
    double r2 = radius * radius - (x - x0) * (x - x0);
    if (r2 < 0)
        r2 = 0;
    return std::sqrt(r2);
}

// Inclination of the circle's radius to the point (x, y) on it, from the vertical.
double AngleFromVertical(double x, double y, double x0, double y0) {
    return std::atan2(x - x0, y0 - y);
}

// One slice edge on the circle: the circle's height there and the angle of the radius
// to it from the vertical.
struct CircleEdge {
    double x;
    double y;
    double alpha;
};

// The slice edges from the toe to the first one past the exit point. They depend on the
// circle alone and are found in one pass before the loads, so that the angle calls run
// back to back instead of each waiting on the loads of the slice before it.
struct SliceEdges {
    std::array<CircleEdge, kMaxCircleSlices + 1> at;
    int slices = 0;
    bool withinLimits = true;
};

void FindSliceEdges(double x0, double y0, double radius, double width, double exitX,
                    SliceEdges& edges) {
    double x = 0, y = 0;
    edges.at[0] = {x, y, AngleFromVertical(x, y, x0, y0)};
    while (x - exitX < kCircleSearchTol) {
        if (edges.slices == kMaxCircleSlices) {
            edges.withinLimits = false;
            break;
        }
        x = x + width;
        y = y0 - DepthBelowCentre(radius, x, x0);
        edges.at[++edges.slices] = {x, y, AngleFromVertical(x, y, x0, y0)};
    }
}

// What a plain evaluation hears of its slices and pile rows: nothing, so that the
// searches run the loops with no detail kept.
struct NoDetail {
    static constexpr bool kKept = false;
    void OnSlice(const CircleEdge&, const CircleEdge&, double, double, double, const Slice&,
                 const SliceWidthTerms&, const SliceLoads&) {}
    void OnPileRow(double, double, double) {}
    void OnResistance(double) {}
};

// Keeps every slice and pile row of one circle as the loops computed them.
struct KeepDetail {
    static constexpr bool kKept = true;
    CircleDetail& d;

    void OnSlice(const CircleEdge& left, const CircleEdge& right, double baseLength, double groundL,
                 double groundR, const Slice& slice, const SliceWidthTerms& each,
                 const SliceLoads& loads) {
        d.slices.push_back({.leftX = left.x,
                            .rightX = right.x,
                            .leftSlipY = left.y,
                            .rightSlipY = right.y,
                            .leftGroundY = groundL,
                            .rightGroundY = groundR,
                            .alpha = right.alpha,
                            .baseLength = baseLength,
                            .area = loads.area,
                            .weight = loads.weight,
                            .capLoad = slice.capPressure * each.width,
                            .liquefied = slice.liquefied,
                            .seismic = loads.seismic,
                            .capHorizontal = each.capHorizontal,
                            .vertical = loads.vertical,
                            .horizontal = loads.horizontal,
                            .normal = loads.normal,
                            .resisting = loads.resisting,
                            .driving = loads.driving});
    }
    void OnPileRow(double x, double y, double alpha) {
        d.pileRows.push_back({.x = x, .y = y, .alpha = alpha});
    }
    void OnResistance(double resistance) { d.pileRows.back().resistance = resistance; }
};

// Vertical slices of equal width from the toe until the last one passes the exit
// point. A slice's right edge is the next one's left edge.
template <class Detail>
int SumSlices(const TrialCircles& t, double radius, const SliceWidthTerms& each,
              const SliceEdges& edges, SlipSums& sums, Detail& detail) {
    int underCapCount = 0;
    double groundL = 0;
    for (int k = 1; k <= edges.slices; ++k) {
        const CircleEdge& left = edges.at[k - 1];
        const CircleEdge& right = edges.at[k];
        const double baseLength = std::fabs((right.alpha - left.alpha) * radius);
        const SliceBase base{std::cos(right.alpha), std::sin(right.alpha), t.tanPhi,
                             baseLength * t.r.m_c};
        const GroundAt ground(t.section, right.x);
        const bool underCap = UnderCap(t.section, right.x);
        if (underCap)
            ++underCapCount;
        const Slice slice{{groundL, left.y},
                          {ground.y, right.y},
                          ground.level ? each.liquefied : 0,
                          underCap ? t.section.capPressure : 0,
                          base};
        const SliceLoads loads = AddSlice(t.section, each, slice, sums);
        if constexpr (Detail::kKept)
            detail.OnSlice(left, right, baseLength, groundL, ground.y, slice, each, loads);
        groundL = ground.y;
    }
    return underCapCount;
}

// Every pile row within the cap span and left of the exit point counts as cut.
template <class Detail>
PileRowSums SumPileRows(const TrialCircles& t, double x0, double y0, double radius, double exitX,
                        Detail& detail) {
    return WalkPileRows(
        t.section, exitX, t.r.m_sax, t.r.m_say, kCirclePileRowLoopLimit,
        [&](double xp) -> std::optional<double> {
            const double yp = y0 - DepthBelowCentre(radius, xp, x0);
            const double alpha = AngleFromVertical(xp, yp, x0, y0);
            if constexpr (Detail::kKept)
                detail.OnPileRow(xp, yp, alpha);
            return std::cos(alpha);
        },
        [&](double resistance) {
            if constexpr (Detail::kKept)
                detail.OnResistance(resistance);
        });
}

template <class Detail>
CircleEvaluation Evaluate(const TrialCircles& t, double x0, double y0, Detail& detail) {
    CircleEvaluation e;
    e.radius = std::sqrt(x0 * x0 + y0 * y0);
    e.exitX = std::sqrt(e.radius * e.radius - (t.r.m_h - y0) * (t.r.m_h - y0)) + x0;
    e.sliceWidth = kSliceWidthInRadii * e.radius;
    SliceEdges edges;
    FindSliceEdges(x0, y0, e.radius, e.sliceWidth, e.exitX, edges);
    SlipSums sums;
    e.sliceCount = edges.slices;
    e.capSliceCount = SumSlices(t, e.radius, SliceWidthTermsOf(t.section, e.sliceWidth, e.exitX),
                                edges, sums, detail);
    e.soilResisting = sums.resisting;
    e.driving = sums.driving;
    e.pileShear = t.section.pileShear;
    const PileRowSums rows = SumPileRows(t, x0, y0, e.radius, e.exitX, detail);
    e.pileRowCount = rows.count;
    e.pileResisting = rows.resisting;
    e.withinLimits = edges.withinLimits && rows.end == PileWalkEnd::PastTheRows;
    e.factor = e.withinLimits ? (e.soilResisting + e.pileResisting) / e.driving
                              : std::numeric_limits<double>::quiet_NaN();
    return e;
}

CircleEvaluation Evaluate(const TrialCircles& t, double x0, double y0) {
    NoDetail none;
    return Evaluate(t, x0, y0, none);
}

struct Centre {
    double x;
    double y;
};

// A search ray from the crest; its direction is worked out once for all its centres.
struct Ray {
    Ray(double crestX, double crestY, double angleDeg)
        : x0(crestX), y0(crestY), cosAngle(std::cos(angleDeg * kDegToRad)),
          sinAngle(std::sin(angleDeg * kDegToRad)) {}

    Centre At(double dist) const { return {cosAngle * dist + x0, sinAngle * dist + y0}; }

    double x0, y0;
    double cosAngle, sinAngle;
};

bool IsFinite(double v) {
    return std::isfinite(v);
}

Refusal Because(RefusalReason reason, const char* member = "") {
    return Refusal{reason, member};
}

// Inputs that would keep a loop of the search running without end, or that leave no
// geometry to search. Checked on the record as the search will use it.
std::optional<Refusal> RefusalOfSearchInputs(const CircularSlipRecord& w) {
    const std::pair<const char*, double> mustBeFinite[] = {{"h", w.m_h}, {"beta", w.m_beta},
                                                           {"a", w.m_a}, {"b", w.m_b},
                                                           {"d", w.m_d}, {"sax", w.m_sax}};
    for (const auto& [member, value] : mustBeFinite)
        if (!IsFinite(value))
            return Because(RefusalReason::NotFinite, member);
    if (w.m_sax < 0)
        return Because(RefusalReason::Negative, "sax");
    if (!(w.m_sax > 0))
        return Because(RefusalReason::NotPositive, "sax");
    if (!IsFinite(w.m_say))
        return Because(RefusalReason::NotFinite, "say");
    // Rows the cap span admits at most, counted from the first row to the far edge.
    if ((w.m_b - w.m_d / 1000) / w.m_sax >= kMaxCirclePileRows)
        return Refusal{.reason = RefusalReason::TooManyPileRowsInCap,
                       .member = "sax",
                       .limit = kMaxCirclePileRows};
    const double angleRange = w.m_searchAngleFrom - w.m_searchAngleTo;
    if (!(angleRange >= 0 && angleRange < kMaxSearchRays))
        return Because(RefusalReason::SearchAnglesInvalid);
    if (!IsFinite(w.m_searchDistFrom))
        return Because(RefusalReason::SearchStartNotFinite);
    return std::nullopt;
}

// Walks the rays of one search and counts the slices and pile rows of every circle it
// evaluates, so that no combination of long walks and many rows can run on unchecked.
struct RayWalker {
    explicit RayWalker(const CircularSlipRecord& record)
        : w(record), circles(record), crestX(circles.section.crestX),
          ds(kCentreStepInSlopeHeights * record.m_h) {}

    const CircularSlipRecord& w;
    const TrialCircles circles;
    const double crestX;
    const double ds; // step along a ray
    long long work = 0;
    std::optional<Refusal> refusal;

    // Refuses at a loop limit; otherwise the factor of the circle.
    std::optional<double> Factor(const Centre& c) {
        const CircleEvaluation e = Evaluate(circles, c.x, c.y);
        work += e.sliceCount + e.pileRowCount;
        if (!e.withinLimits)
            refusal = Because(e.sliceCount == kMaxCircleSlices ? RefusalReason::CircleSliceLimit
                                                               : RefusalReason::CirclePileRowLimit);
        else if (work > kMaxSearchWork)
            refusal = Because(RefusalReason::SearchWorkLimit);
        if (refusal)
            return std::nullopt;
        return e.factor;
    }

    // Outward from the start distance while each step lowers the factor by more than
    // the tolerance. The ray's result is the factor before the step that failed; the
    // centre reported is the last one evaluated.
    SearchRay Walk(double angleDeg) {
        SearchRay ray;
        ray.angleDeg = angleDeg;
        const Ray along(crestX, w.m_h, angleDeg);
        double dist = w.m_searchDistFrom;
        double prev = kCircleSearchStartFactor;
        Centre c = along.At(dist);
        std::optional<double> cur = Factor(c);
        ray.centresEvaluated = 1;
        while (cur && prev - *cur > kCircleSearchTol) {
            if (ray.centresEvaluated == kMaxCentresPerRay) {
                refusal = Because(RefusalReason::EndlessDescent);
                break;
            }
            prev = *cur;
            ray.factorFound = true;
            ray.factorX = c.x;
            ray.factorY = c.y;
            dist = dist + ds;
            c = along.At(dist);
            cur = Factor(c);
            ++ray.centresEvaluated;
        }
        ray.factor = prev;
        ray.lastX = c.x;
        ray.lastY = c.y;
        return ray;
    }
};

} // namespace

CircleEvaluation EvaluateCircle(const CircularSlipRecord& r, double x0, double y0) {
    return Evaluate(TrialCircles(r), x0, y0);
}

CircleDetail DescribeCircle(const CircularSlipRecord& r, double x0, double y0) {
    CircleDetail d;
    KeepDetail keep{d};
    const TrialCircles t(r);
    const CircleEvaluation e = Evaluate(t, x0, y0, keep);
    d.x0 = x0;
    d.y0 = y0;
    d.radius = e.radius;
    d.exitX = e.exitX;
    d.sliceWidth = e.sliceWidth;
    d.pileShear = e.pileShear;
    d.say = r.m_say;
    d.soilResisting = e.soilResisting;
    d.pileResisting = e.pileResisting;
    d.driving = e.driving;
    d.factor = e.factor;
    d.withinLimits = e.withinLimits;
    return d;
}

CircleSearchRun RunCircleSearch(const CircularSlipRecord& w) {
    CircleSearchRun run;
    run.refusal = RefusalOfSearchInputs(w);
    if (run.refusal)
        return run;

    RayWalker walker(w);
    const int rayCount = CircleSearchRayCount(w);
    double angle = w.m_searchAngleFrom;
    double best = kStartBest;
    run.rays.reserve(rayCount);

    for (int i = 0; i < rayCount; ++i) {
        SearchRay ray = walker.Walk(angle);
        if (walker.refusal) {
            run.refusal = walker.refusal;
            return run;
        }
        // A ray within the tolerance above the kept one replaces it too, so ties go
        // to the smaller angle.
        if (ray.factor - best < kCircleSearchTol) {
            best = ray.factor;
            ray.kept = true;
            run.anyKept = true;
            run.ks = best;
            run.x = ray.lastX;
            run.y = ray.lastY;
            run.radius = std::sqrt(ray.lastX * ray.lastX + ray.lastY * ray.lastY);
            run.ksCircleFound = ray.factorFound;
            run.ksX = ray.factorX;
            run.ksY = ray.factorY;
        }
        run.rays.push_back(ray);
        angle = angle - kSearchAngleStepDeg;
    }
    return run;
}

CircularSlipRecord CircleSearchWorkingRecord(const CircularSlipRecord& r, int concreteIndex,
                                             int rebarIndex) {
    CircularSlipRecord working = WithPileGrades(r, concreteIndex, rebarIndex);
    working.m_sax = CircleSearchSpacing(working.m_sax);
    working.m_say = CircleSearchSpacing(working.m_say);
    return working;
}

int CircleSearchRayCount(const CircularSlipRecord& r) {
    return static_cast<int>(r.m_searchAngleFrom - r.m_searchAngleTo) + 1;
}

double CircleSearchSpacing(double typed) {
    return SearchSubstitutesSpacing(typed) ? kZeroSpacingSubstitute : typed;
}

std::optional<Refusal> CircleSearchRefusal(const CircularSlipRecord& working) {
    return RefusalOfSearchInputs(working);
}

CalcOutcome SearchCriticalCircle(CircularSlipRecord& r, int concreteIndex, int rebarIndex) {
    CircleSearchRun run;
    return SearchCriticalCircle(r, concreteIndex, rebarIndex, run);
}

CalcOutcome SearchCriticalCircle(CircularSlipRecord& r, int concreteIndex, int rebarIndex,
                                 CircleSearchRun& run) {
    const CircularSlipRecord working = CircleSearchWorkingRecord(r, concreteIndex, rebarIndex);
    run = RunCircleSearch(working);
    if (run.refusal)
        return CalcOutcome::Refused(*run.refusal);

    CalcOutcome outcome;
    ShowPileGrades(r, working);
    if (run.anyKept) {
        r.m_x = Trunc2(run.x);
        r.m_y = Trunc2(run.y);
        r.m_ks = Trunc2(run.ks);
        r.m_R = Trunc2(run.radius);
        const std::pair<const char*, double> shown[] = {
            {"x", run.x}, {"y", run.y}, {"ks", run.ks}, {"R", run.radius}};
        for (const auto& [name, value] : shown)
            if (!IsFinite(value))
                outcome.undefined.emplace_back(name);
    }
    // The substitute spacing is not kept: 0 and a typed 0.1 both show as 0.
    r.m_sax = working.m_sax == kZeroSpacingSubstitute ? 0 : working.m_sax;
    r.m_say = working.m_say == kZeroSpacingSubstitute ? 0 : working.m_say;
    return outcome;
}

} // namespace korvane
