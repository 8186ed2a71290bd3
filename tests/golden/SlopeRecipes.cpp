// Case recipes of the two slope calculations: the circle search and the polyline slip.
#include "GoldenRecipes.h"
#include "Grades.h"

#include <algorithm>
#include <climits>
#include <cmath>

using namespace korvane;

namespace {

// Grade lists: nothing chosen, past the end, far outside.
const std::vector<double> kConcreteEdges = {-1, 6, 7, 100, -2, INT_MIN, INT_MAX};
const std::vector<double> kRebarEdges = {-1, 3, 4, INT_MIN, INT_MAX};

const std::vector<double> kSlopeAngles = {0,     kMinusZero, 1e-4, 0.01, 1,   89.99, 90,
                                          90.01, 135,        180,  -55,  360, 1e-9};

double CrestX(double h, double betaDeg) {
    return h / std::tan(betaDeg * kDegToRad);
}

// Slices and pile rows the circle search evaluates, counted as the search counts them
// up to its limits: the price of a case in the replay.
long long SearchWork(const CaseDraft<CircularSlipRecord>& c) {
    const CircularSlipRecord w = CircleSearchWorkingRecord(
        *c.record, RecordedConcreteRow(c.lists[0]), RecordedRebarRow(c.lists[1]));
    // Inputs the search refuses before any circle cost nothing.
    for (double v : {w.m_h, w.m_beta, w.m_a, w.m_b, w.m_d, w.m_sax, w.m_say, w.m_searchDistFrom})
        if (!std::isfinite(v))
            return 0;
    if (!(w.m_sax > 0) || (w.m_b - w.m_d / 1000) / w.m_sax >= kMaxCirclePileRows)
        return 0;
    const double range = w.m_searchAngleFrom - w.m_searchAngleTo;
    if (!(range >= 0 && range < kMaxSearchRays))
        return 0;

    const double crestX = CrestX(w.m_h, w.m_beta);
    long long work = 0;
    double angle = w.m_searchAngleFrom;
    for (int ray = 0; ray <= static_cast<int>(range); ++ray, angle -= kSearchAngleStepDeg) {
        double dist = w.m_searchDistFrom;
        double prev = 500;
        for (int centre = 0;; ++centre, dist += kCentreStepInSlopeHeights * w.m_h) {
            if (centre == kMaxCentresPerRay)
                return work; // refused: the factor keeps falling along the ray
            const double x = std::cos(angle * kDegToRad) * dist + crestX;
            const double y = std::sin(angle * kDegToRad) * dist + w.m_h;
            const CircleEvaluation e = EvaluateCircle(w, x, y);
            work += e.sliceCount + e.pileRowCount;
            if (!e.withinLimits || work > kMaxSearchWork)
                return work; // refused at a limit
            if (!(prev - e.factor > kCircleSearchTol))
                break;
            prev = e.factor;
        }
    }
    return work;
}

template <class Record> Edge<Record> StaleMaterials() {
    return {"ft, fyv of an earlier press", [](CaseDraft<Record>& c, GoldenRandom& rng) {
                c.Set("ft", rng.Pick(std::vector<double>{0, 1.43, 1.57, 1.96}));
                c.Set("fyv", rng.Pick(std::vector<double>{0, 210, 300, 360}));
            }};
}

// Members both slope forms share, at their edges.
template <class Record> void AddSharedSlopeEdges(std::vector<Edge<Record>>& edges) {
    const std::vector<Edge<Record>> shared = {
        ValuesEdge<Record>("concrete", kConcreteEdges),
        ValuesEdge<Record>("rebar", kRebarEdges),
        ValuesEdge<Record>("b", {0, kMinusZero, 1e-9, -1.4, 0.6, 0.8, 100}),
        ValuesEdge<Record>("a", {0, kMinusZero, -3.3, -10, 100, 1e-9}),
        ValuesEdge<Record>("h", {0, kMinusZero, 1e-3, 1e-9, -6, 100, 1000}, 2),
        ValuesEdge<Record>("beta", kSlopeAngles, 3),
        ValuesEdge<Record>("h1", {1e-9, 2, 6, 100}),
        ValuesEdge<Record>("L", {0, kMinusZero, -12, 1e-9}),
        ValuesEdge<Record>("say", {0, kMinusZero, 0.1, -2.2, 1e-300}, 2),
        ValuesEdge<Record>("gamma", {0, kMinusZero, -18.6}),
        ValuesEdge<Record>("Bb", {0, kMinusZero, -4.7}),
        ValuesEdge<Record>("F", {0, -1200, 1e9}),
        ValuesEdge<Record>("H", {0, kMinusZero, -168, 1e9}),
        ValuesEdge<Record>("aSeismic", {0, -0.3, 1}),
        ValuesEdge<Record>("slopeAmp", {0, 1.1, 1.6}),
        ValuesEdge<Record>("hb", {0, 6, 7, -1.5}),
        ValuesEdge<Record>("d", {0, kMinusZero, -800, 1e5, 1400}),
        ValuesEdge<Record>("stirrupDia", {0, -8}),
        ValuesEdge<Record>("stirrupSpacing", {0, kMinusZero, -200, 1e-9}, 2),
        StaleMaterials<Record>(),
    };
    edges.insert(edges.end(), shared.begin(), shared.end());
}

std::vector<Edge<CircularSlipRecord>> CircularEdges() {
    using R = CircularSlipRecord;
    std::vector<Edge<R>> edges = {
        ValuesEdge<R>("phi", {0, kMinusZero, 45, 89.99, 90, -12}),
        ValuesEdge<R>("c", {0, kMinusZero, -16.7, 1e-9}),
        // 0 is searched as 0.1 and shown as 0 again, like a typed 0.1.
        ValuesEdge<R>("sax", {0, kMinusZero, 0.1, 0.1000000001, 1e-5, -1, -0.1, 1e-300}, 3),
        ValuesEdge<R>("searchAngleFrom", {55, 90, 144, 180, 200}),
        ValuesEdge<R>("searchAngleTo", {55, 144, 143.5, 0, -100}),
        ValuesEdge<R>("searchDistFrom", {0, kMinusZero, -1, 1e-9, 0.1, 3, 1e300}, 2),
        {"sax at the pile row limit",
         [](CaseDraft<R>& c, GoldenRandom& rng) {
             const R& r = *c.record;
             const double rows = kMaxCirclePileRows;
             c.Set("sax", Ulps((r.m_b - r.m_d / 1000) / rows, rng.Between(-1, 1)));
         }},
        {"search rays at their limit",
         [](CaseDraft<R>& c, GoldenRandom& rng) {
             const double from = c.Get("searchAngleFrom");
             c.Set("searchAngleTo",
                   from - rng.Pick(std::vector<double>{360, 361, 360.5, 0, 0.5, -0.5, 1e-9}));
         }},
        {"search start moved",
         [](CaseDraft<R>& c, GoldenRandom& rng) {
             c.Set("searchAngleFrom", TypedFixed(rng.Uniform(90, 180), 0));
             c.Set("searchAngleTo", TypedFixed(rng.Uniform(20, 90), 0));
             c.Set("searchDistFrom", TypedFixed(rng.Uniform(0, 3), 1));
         }},
        {"results of an earlier press",
         [](CaseDraft<R>& c, GoldenRandom& rng) {
             for (const char* name : {"x", "y", "ks", "R"})
                 c.Set(name, TypedFixed(rng.Uniform(-20, 20), 2));
         }},
        // Inputs that pass the checks but stop the search at one of its work limits.
        {"search stopped at a limit",
         [](CaseDraft<R>& c, GoldenRandom& rng) {
             switch (rng.Below(4)) {
             case 0: // the factor falls with every step outward
                 c.Set("h", rng.Pick(std::vector<double>{0.01, 0.02}));
                 c.Set("c", -1e6);
                 c.Set("gamma", -18.6);
                 break;
             case 1: // a crest so far out that a row spacing no longer moves the row
                 c.Set("h", rng.Pick(std::vector<double>{1e17, 1e18}));
                 break;
             case 2: // ten thousand rows under every large circle
                 c.Set("h", 1000);
                 c.Set("b", 1000);
                 c.Set("sax", 0.1);
                 break;
             default: // slices too narrow to reach the exit of a circle at the toe
                 c.Set("h", 0);
                 c.Set("searchDistFrom", rng.Pick(std::vector<double>{1e-9, 1e-12}));
                 break;
             }
         },
         3},
        // Centres and crests beyond the double range: a kept ray with a centre that is
        // not a finite number.
        {"centres out of range",
         [](CaseDraft<R>& c, GoldenRandom& rng) {
             switch (rng.Below(3)) {
             case 0:
                 c.Set("searchDistFrom", rng.Pick(std::vector<double>{1e300, 1e200, 1.7e308}));
                 break;
             case 1:
                 c.Set("beta", rng.Pick(std::vector<double>{0, kMinusZero}));
                 break;
             default:
                 c.Set("h", rng.Pick(std::vector<double>{1e300, 1e308, -1e300}));
                 break;
             }
         },
         10},
        NonFiniteEdge<R>({"h", "beta", "a", "b", "d", "sax", "say", "searchDistFrom",
                          "searchAngleFrom", "phi", "c", "gamma", "H", "stirrupSpacing"},
                         6),
    };
    AddSharedSlopeEdges(edges);
    return edges;
}

std::vector<Edge<PolylineSlipRecord>> PolylineEdges() {
    using R = PolylineSlipRecord;
    const std::vector<double> angles = {0, kMinusZero, 90, 89.99, 90.01, 120, 180, -10, -90, 360};
    const std::vector<double> lengths = {0, kMinusZero, 1e-9, -3, 1e6, 1e300};
    const std::vector<double> frictions = {0, 45, 90, -12};
    const std::vector<double> cohesions = {0, kMinusZero, -16.7};
    std::vector<Edge<R>> edges = {
        ValuesEdge<R>("h", {0.001, 0.000999, Ulps(0.001, -1), 0.0011}),
        ValuesEdge<R>("sax", {0, kMinusZero, -1.8, 1e-9, 1e-300}, 2),
        ValuesEdge<R>("theta1", angles),
        ValuesEdge<R>("theta2", angles),
        ValuesEdge<R>("theta3", angles),
        ValuesEdge<R>("L1", lengths),
        ValuesEdge<R>("L2", lengths),
        ValuesEdge<R>("L3", lengths),
        ValuesEdge<R>("phi1", frictions),
        ValuesEdge<R>("phi2", frictions),
        ValuesEdge<R>("phi3", frictions),
        ValuesEdge<R>("c1", cohesions),
        ValuesEdge<R>("c2", cohesions),
        ValuesEdge<R>("c3", cohesions),
        ValuesEdge<R>("ks", {1.5, -3}),
        {"first pile at the toe",
         [](CaseDraft<R>& c, GoldenRandom& rng) {
             const R& r = *c.record;
             const double offset =
                 rng.Pick(std::vector<double>{0, 1e-5, -1e-5, 2e-5, 1e-6, -1e-6, 1e-3});
             c.Set("a", -(CrestX(r.m_h, r.m_beta) + r.m_d / 1000) + offset);
         },
         2},
        {"strips at their limit",
         [](CaseDraft<R>& c, GoldenRandom& rng) {
             // L3 such that the slip surface spans 1000 h: 100000 strips of 0.01 h.
             const R& r = *c.record;
             const double upper = std::cos(r.m_theta2 * kDegToRad) * r.m_L2 +
                                  std::cos(r.m_theta1 * kDegToRad) * r.m_L1;
             const double L3 = (1000 * r.m_h - upper) / std::cos(r.m_theta3 * kDegToRad);
             c.Set("L3", L3 * rng.Pick(std::vector<double>{1, 1 + 1e-12, 1 - 1e-12, 1 - 1e-6}));
         }},
        {"a slope 1 mm high",
         [](CaseDraft<R>& c, GoldenRandom& rng) {
             // Strips of 0.01 mm, as narrow as the tolerance of the segment search.
             c.Set("h", Ulps(0.001, rng.Between(0, 2)));
             for (const char* name : {"L1", "L2", "L3"})
                 c.Set(name, rng.Pick(std::vector<double>{0.05, 0.1, 0.3}));
         }},
        // Loads and resistances that divide by 0 or overflow: a factor that is not a
        // finite number.
        {"factor out of range",
         [](CaseDraft<R>& c, GoldenRandom& rng) {
             const char* name = rng.Pick(
                 std::vector<const char*>{"stirrupSpacing", "say", "L", "Bb", "b", "gamma", "d"});
             c.Set(name, rng.Pick(std::vector<double>{0, kMinusZero, 1e300}));
         },
         6},
        {"sax at the pile row limit",
         [](CaseDraft<R>& c, GoldenRandom& rng) {
             const R& r = *c.record;
             double top = 0;
             for (const auto& [theta, L] :
                  {std::pair{r.m_theta3, r.m_L3}, std::pair{r.m_theta2, r.m_L2},
                   std::pair{r.m_theta1, r.m_L1}})
                 top = std::cos(theta * kDegToRad) * L + top;
             const double crestX = CrestX(r.m_h, r.m_beta);
             const double first = crestX + r.m_a + r.m_d / 1000;
             const double last = std::min(crestX + r.m_a + r.m_b, top);
             c.Set("sax", Ulps((last - first) / kMaxPolylinePileRows, rng.Between(-1, 1)));
         }},
        NonFiniteEdge<R>({"h", "L1", "L2", "L3", "theta1", "theta2", "theta3", "sax", "a", "d",
                          "beta", "say", "phi2", "c3", "F"},
                         5),
    };
    AddSharedSlopeEdges(edges);
    return edges;
}

// Typed fields that both forms type in a narrower or other range than default × 0.5..1.5.
const std::vector<TypicalRule> kSlopeTypical = {
    {"h1", 0, 3, 2, 0.6},     {"slopeAmp", 1.1, 1.6, 2},       {"d", 400, 1500, 0},
    {"stirrupDia", 6, 14, 0}, {"stirrupSpacing", 100, 300, 0},
};

} // namespace

CaseRecipe<CircularSlipRecord> CircularRecipe() {
    CaseRecipe<CircularSlipRecord> recipe{CircularGolden(), 2500, 0x636972632d31ull, kSlopeTypical,
                                          CircularEdges()};
    recipe.boundaryShare = 0.35;
    recipe.hostileShare = 0.3;
    recipe.edgeShare = 0.15;
    recipe.edgeInputs = {"c", "gamma", "F", "H", "phi", "say", "d", "h"};
    recipe.edgeResults = {"x", "y", "ks", "ks", "R"};
    recipe.typical.push_back({"sax", 0.5, 3, 1, 0.4});
    // Most searches cost a few thousand slices; the heavy ones are those that reach
    // the search's own work limit.
    recipe.cost = SearchWork;
    recipe.budget = 350000;
    recipe.heavyBudget = 1100000;
    recipe.heavyCases = 8;
    return recipe;
}

CaseRecipe<PolylineSlipRecord> PolylineRecipe() {
    CaseRecipe<PolylineSlipRecord> recipe{PolylineGolden(), 2500, 0x706f6c792d31ull, kSlopeTypical,
                                          PolylineEdges()};
    recipe.boundaryShare = 0.35;
    recipe.hostileShare = 0.3;
    recipe.edgeShare = 0.15;
    recipe.edgeInputs = {"c1", "c2", "c3", "phi2", "gamma", "F", "H", "say", "d", "L2"};
    recipe.edgeResults = {"ks"};
    recipe.typical.push_back({"theta1", 40, 85, 1});
    recipe.typical.push_back({"theta2", 20, 60, 1});
    recipe.typical.push_back({"theta3", 2, 20, 1});
    return recipe;
}
