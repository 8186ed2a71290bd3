#include "ThoroughCircleSearch.h"

#include "CircularSlip.h"
#include "Grades.h"
#include "SlopeSection.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace korvane {

namespace {

// A trial centre as the search moves it: the angle of its ray from the crest and its
// depth parameter u, 0 at the first search distance and 1 at the search depth.
struct SectorPoint {
    double angleDeg;
    double u;
};

struct Centre {
    double x;
    double y;
};

// The centres of the family: rays from the crest between the two search angles, from
// the first search distance out to the search depth. The distance grows with the square
// of u, so that even steps of u lie close together near the crest, where the critical
// circles of most slopes have their centres, and far apart at depth, where the factor
// changes slowly.
struct Sector {
    double angleLow, angleHigh;
    double distFrom, depth;
    double crestX, crestY;

    bool Contains(const SectorPoint& p) const {
        return p.angleDeg >= angleLow && p.angleDeg <= angleHigh && p.u >= 0 && p.u <= 1;
    }

    // Placed on its ray as the critical circle search places its centres.
    Centre At(const SectorPoint& p) const {
        const double a = p.angleDeg * kDegToRad;
        const double dist = distFrom + depth * (p.u * p.u);
        return {std::cos(a) * dist + crestX, std::sin(a) * dist + crestY};
    }
};

// The factor of one circle within the search's work bound. A circle whose factor is not
// a finite number (a loop limit, no driving sum, inputs that are not numbers), or that is
// cut into too few slices for the factor to describe the slope, is passed over as if it
// were not in the family.
class Probe {
public:
    Probe(const CircularSlipRecord& working, const Sector& sector, const CircleMeasure* measure)
        : w_(working), sector_(sector), measure_(measure) {}

    std::optional<double> Factor(const SectorPoint& p) {
        if (exhausted_)
            return std::nullopt;
        const Centre c = sector_.At(p);
        const CircleEvaluation e = EvaluateCircle(w_, c.x, c.y);
        ++circles_;
        work_ += e.sliceCount + e.pileRowCount;
        if (work_ > kThoroughMaxWork)
            exhausted_ = true;
        if (!std::isfinite(e.factor) || e.sliceCount < kThoroughMinSlices)
            return std::nullopt;
        if (measure_)
            return (*measure_)(c.x, c.y);
        return e.factor;
    }

    bool Exhausted() const { return exhausted_; }
    int Circles() const { return circles_; }

private:
    const CircularSlipRecord& w_;
    const Sector& sector_;
    const CircleMeasure* measure_; // null: the factor itself
    long long work_ = 0;
    int circles_ = 0;
    bool exhausted_ = false;
};

struct Candidate {
    SectorPoint at;
    double factor;
};

// The grid's factors, angle by angle; nullopt where a circle has none.
class Grid {
public:
    Grid(const Sector& s, Probe& probe)
        : angleStep_((s.angleHigh - s.angleLow) / kThoroughAngleIntervals),
          uStep_(1.0 / kThoroughDistanceIntervals), sector_(s) {
        factors_.reserve((kThoroughAngleIntervals + 1) * (kThoroughDistanceIntervals + 1));
        for (int i = 0; i <= kThoroughAngleIntervals; ++i)
            for (int j = 0; j <= kThoroughDistanceIntervals; ++j)
                factors_.push_back(probe.Factor(Point(i, j)));
    }

    double AngleStep() const { return angleStep_; }
    double UStep() const { return uStep_; }

    // Grid centres no neighbour undercuts, least first; the refinement starts from the
    // best few, so that a second valley of the factor is not lost to the first.
    std::vector<Candidate> LocalLeasts(int count) const {
        std::vector<Candidate> leasts;
        for (int i = 0; i <= kThoroughAngleIntervals; ++i)
            for (int j = 0; j <= kThoroughDistanceIntervals; ++j)
                if (IsLocalLeast(i, j))
                    leasts.push_back({Point(i, j), *At(i, j)});
        std::sort(leasts.begin(), leasts.end(),
                  [](const Candidate& a, const Candidate& b) { return a.factor < b.factor; });
        if (static_cast<int>(leasts.size()) > count)
            leasts.resize(count);
        return leasts;
    }

private:
    // The last row and column sit on the sector's edges exactly, whatever the rounding
    // of the steps.
    SectorPoint Point(int i, int j) const {
        return {i == kThoroughAngleIntervals ? sector_.angleHigh
                                             : sector_.angleLow + i * angleStep_,
                j == kThoroughDistanceIntervals ? 1.0 : j * uStep_};
    }

    const std::optional<double>& At(int i, int j) const {
        return factors_[i * (kThoroughDistanceIntervals + 1) + j];
    }

    bool IsLocalLeast(int i, int j) const {
        if (!At(i, j))
            return false;
        for (int di = -1; di <= 1; ++di)
            for (int dj = -1; dj <= 1; ++dj) {
                const int ni = i + di, nj = j + dj;
                if ((di == 0 && dj == 0) || ni < 0 || nj < 0 || ni > kThoroughAngleIntervals ||
                    nj > kThoroughDistanceIntervals)
                    continue;
                if (At(ni, nj) && *At(ni, nj) < *At(i, j))
                    return false;
            }
        return true;
    }

    double angleStep_, uStep_;
    const Sector& sector_;
    std::vector<std::optional<double>> factors_;
};

// Pattern search from one grid centre: moves to the best of the eight neighbours at the
// current steps while one is lower, then halves the steps, until a halving gains less
// than the tolerance. The factor jumps where a slice or a pile row comes or goes, so
// the search compares factors only and never estimates a slope.
Candidate Refine(Candidate best, double angleStep, double uStep, const Sector& sector,
                 Probe& probe) {
    double before = best.factor;
    for (int halving = 0; halving <= kThoroughMaxHalvings; ++halving) {
        for (int move = 0; move < kThoroughMaxMovesPerStep; ++move) {
            Candidate next = best;
            for (int da = -1; da <= 1; ++da)
                for (int dd = -1; dd <= 1; ++dd) {
                    // A sector without width along an axis has nothing to poll there.
                    if ((da == 0 && dd == 0) || (da != 0 && angleStep == 0) ||
                        (dd != 0 && uStep == 0))
                        continue;
                    const SectorPoint p{best.at.angleDeg + da * angleStep, best.at.u + dd * uStep};
                    if (!sector.Contains(p))
                        continue;
                    const std::optional<double> f = probe.Factor(p);
                    if (f && *f < next.factor)
                        next = {p, *f};
                }
            if (probe.Exhausted() || !(next.factor < best.factor))
                break;
            best = next;
        }
        if (probe.Exhausted())
            break;
        if (halving >= kThoroughMinHalvings && before - best.factor < kThoroughFactorTol)
            break;
        before = best.factor;
        angleStep = angleStep / 2;
        uStep = uStep / 2;
    }
    return best;
}

ThoroughCircle LeastOverTheFamily(const CircularSlipRecord& w, const CircleMeasure* measure) {
    ThoroughCircle result;
    if (CircleSearchRefusal(w))
        return result;
    const double depth = kThoroughDepthInSlopeHeights * std::fabs(w.m_h);
    const Sector sector{w.m_searchAngleTo,        w.m_searchAngleFrom,
                        w.m_searchDistFrom,       depth,
                        SlopeSectionOf(w).crestX, w.m_h};
    if (!std::isfinite(w.m_searchDistFrom + depth) || !std::isfinite(sector.crestX))
        return result;

    Probe probe(w, sector, measure);
    const Grid grid(sector, probe);
    std::optional<Candidate> least;
    for (const Candidate& start : grid.LocalLeasts(kThoroughRefinedStarts)) {
        const Candidate c = Refine(start, grid.AngleStep(), grid.UStep(), sector, probe);
        if (!least || c.factor < least->factor)
            least = c;
    }
    result.circlesEvaluated = probe.Circles();
    if (!least || probe.Exhausted())
        return result;

    const Centre c = sector.At(least->at);
    result.found = true;
    result.ks = least->factor;
    result.x = c.x;
    result.y = c.y;
    result.R = std::sqrt(c.x * c.x + c.y * c.y);
    return result;
}

} // namespace

ThoroughCircle ThoroughCircleSearchOn(const CircularSlipRecord& working) {
    return LeastOverTheFamily(working, nullptr);
}

ThoroughCircle ThoroughCircleSearchOn(const CircularSlipRecord& working,
                                      const CircleMeasure& measure) {
    return LeastOverTheFamily(working, &measure);
}

ThoroughCircle ThoroughCircleSearch(const CircularSlipRecord& record, int concreteIndex,
                                    int rebarIndex) {
    return ThoroughCircleSearchOn(CircleSearchWorkingRecord(record, concreteIndex, rebarIndex));
}

} // namespace korvane
