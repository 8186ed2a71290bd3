// Case recipes of the two pile group calculations: combined action and high cap.
#include "GoldenRecipes.h"
#include "Grades.h"
#include "PileKernel.h"

#include <climits>
#include <cmath>
#include <string>
#include <utility>

using namespace korvane;

namespace {

// What differs between the two pile records where the edges need it.
template <class Record> struct PileForm;

template <> struct PileForm<CombinedActionRecord> {
    static constexpr const char* kSoil = "ms"; // soil coefficient along the piles
    static double Soil(const CombinedActionRecord& r) { return r.m_ms; }
    // h0 = burial + h before the clamp to 10.
    static double Burial(const CombinedActionRecord& r) { return r.m_hn; }
    static std::vector<const char*> Results() {
        return {"Ntop", "x0", "Hc", "Hb", "Mb", "Mc", "Nb", "capU", "capBeta", "maxMoment"};
    }
};

template <> struct PileForm<HighCapRecord> {
    static constexpr const char* kSoil = "ms1";
    static double Soil(const HighCapRecord& r) { return r.m_ms1; }
    static double Burial(const HighCapRecord&) { return 0; }
    static std::vector<const char*> Results() {
        return {"Mmax", "xPile", "yMmax", "Qmax", "yQmax", "Ntop", "x0", "capU", "capBeta"};
    }
};

// The deformation coefficient alpha as the calculations derive it, for soil coefficient
// `soil`; not finite when no concrete grade is chosen.
template <class Record> double Alpha(const CaseDraft<Record>& c, double soil) {
    const Record& r = *c.record;
    const double EI = BendingStiffness(ConcreteGradeTable(RecordedConcreteRow(c.lists[0])).Ec,
                                       SectionInertia(r.m_d));
    return DeformationCoefficient(CalculationWidth(r.m_d), soil, EI);
}

// The smallest d that takes the large-pile calculation width (d - 1 >= 0.001).
double LargePileSwitch() {
    double d = 1.001;
    while (d - 1.0 < 0.001)
        d = Ulps(d, 1);
    while (Ulps(d, -1) - 1.0 >= 0.001)
        d = Ulps(d, -1);
    return d;
}

// Pile counts at and past the 2500 piles the tables hold, and below 1.
const std::vector<std::pair<int, int>> kGroups = {
    {50, 50},       {1, 2500},      {2500, 1},    {25, 100},
    {100, 25},      {41, 61},       {61, 41},     {1, 2501},
    {2501, 1},      {0, 9},         {9, 0},       {-1, 26},
    {26, -1},       {INT_MIN, 1},   {1, INT_MIN}, {INT_MAX, INT_MAX},
    {46341, 46341}, {65536, 65536}, {1, 1},       {2, 1},
    {1, 2}};

template <class Record> std::vector<Edge<Record>> SharedPileEdges() {
    using Form = PileForm<Record>;
    return {
        ValuesEdge<Record>("concrete", {-1, 6, 7, 100, -2, INT_MIN, INT_MAX}, 3),
        {"pile group at its limit",
         [](CaseDraft<Record>& c, GoldenRandom& rng) {
             const auto& [nx, nz] = rng.Pick(kGroups);
             c.Set("nx", nx);
             c.Set("nz", nz);
         },
         3},
        {"d at the large-pile width",
         [](CaseDraft<Record>& c, GoldenRandom& rng) {
             const double t = LargePileSwitch();
             c.Set("d", rng.Pick(std::vector<double>{Ulps(t, -1), t, 1.0, 0.999, 1.001, 1.0011}));
         },
         2},
        {"alpha h at a rounding of the depth grid",
         [](CaseDraft<Record>& c, GoldenRandom& rng) {
             const double alpha = Alpha(c, Form::Soil(*c.record));
             if (!std::isfinite(alpha) || !(alpha > 0))
                 return;
             const double target =
                 rng.Chance(0.8)
                     ? (rng.Between(0, 39) + 0.5) * 0.1
                     : rng.Pick(std::vector<double>{3.9999999, 4.0, 4.0000001, 4.1, 10, 40});
             c.Set("h", Ulps(target / alpha, rng.Between(-2, 2)));
         },
         4},
        {"h0 at 10",
         [](CaseDraft<Record>& c, GoldenRandom& rng) {
             c.Set("h", Ulps(10 - Form::Burial(*c.record), rng.Between(-2, 2)));
         },
         2},
        {"tip restraint at its switch",
         [](CaseDraft<Record>& c, GoldenRandom& rng) {
             // A soil soft enough that limit / alpha passes 10, then h0 at the switch.
             const int layer = rng.Below(2);
             const double limit = layer == 0 ? 3.5 : 2.5;
             const Record& r = *c.record;
             const double EI = BendingStiffness(
                 ConcreteGradeTable(RecordedConcreteRow(c.lists[0])).Ec, SectionInertia(r.m_d));
             if (!(EI > 0))
                 return;
             const double target = rng.Uniform(0.15, limit / 10.5);
             const double soil = TypedSignificant(
                 target * target * target * target * target * EI / CalculationWidth(r.m_d), 3);
             const double alpha = Alpha(c, soil);
             c.Set("bearingLayer", layer);
             c.Set(Form::kSoil, soil);
             c.Set("h", Ulps(limit / alpha + 0.001 - Form::Burial(*c.record), rng.Between(-3, 3)));
         },
         3},
        // Piles without stiffness or without soil or rock to bear on: results that are
        // not finite numbers.
        {"pile without support",
         [](CaseDraft<Record>& c, GoldenRandom& rng) {
             switch (rng.Below(4)) {
             case 0:
                 c.Set("d", rng.Pick(std::vector<double>{0, kMinusZero}));
                 break;
             case 1:
                 c.Set(Form::kSoil, rng.Pick(std::vector<double>{0, kMinusZero}));
                 break;
             case 2:
                 c.Set("pileType", 1);
                 c.Set("mp", 0);
                 break;
             default:
                 c.Set("pileType", 0);
                 c.Set("CR", 0);
                 break;
             }
         },
         8},
        NonFiniteEdge<Record>(
            {"d", "h", "H", "M", "NG", Form::kSoil, "mp", "CR", "l0", "sax", "saz", "xiN"}, 3),
        ValuesEdge<Record>("pileType", {0, 1, 2, -1}),
        ValuesEdge<Record>("phi", {0, 45, 46, 90, -1, -45, 180, 360, INT_MIN, INT_MAX}),
        ValuesEdge<Record>("l0", {0, kMinusZero, 20, 20.0001, -1, 50, 50.0001, 1e9}),
        ValuesEdge<Record>("xiN", {0, kMinusZero, 0.5, 0.49999, 1, 1.00001, -0.5}),
        ValuesEdge<Record>("CR", {0, kMinusZero, 3e5, 299999.99, 1.5e7, 15000000.01}),
        ValuesEdge<Record>("mp", {0, kMinusZero, 1e6, 1000000.01}),
        ValuesEdge<Record>(Form::kSoil, {0, kMinusZero, -1e4, 1e-9, 1e6}),
        ValuesEdge<Record>("sax", {0, kMinusZero, 6, 6.0001, -1}),
        ValuesEdge<Record>("saz", {0, kMinusZero, 6, 6.0001, -1}),
        ValuesEdge<Record>("h", {0, kMinusZero, 100, 100.0001, -19, 1e-9}),
        ValuesEdge<Record>("d", {0, kMinusZero, -0.6, 1e-9, 3, 3.0001}),
        ValuesEdge<Record>("H", {0, kMinusZero, -1e4}),
        ValuesEdge<Record>("M", {0, kMinusZero, -1e5}),
        ValuesEdge<Record>("NG", {0, kMinusZero, -1e5}),
        {"no load on the cap",
         [](CaseDraft<Record>& c, GoldenRandom&) {
             // No pile carries a moment: the pile-top force keeps what the field held.
             c.Set("H", 0);
             c.Set("M", 0);
         },
         2},
        {"results of an earlier press",
         [](CaseDraft<Record>& c, GoldenRandom& rng) {
             for (const char* name : Form::Results())
                 c.Set(name, TypedFixed(rng.Uniform(-1000, 1000), 2));
         },
         2},
        {"plot of an earlier press",
         [](CaseDraft<Record>& c, GoldenRandom& rng) {
             for (const char* series : {"momentSeries", "shearSeries"})
                 for (int i = 0; i < Record::kSeriesPoints; ++i)
                     c.Set(std::string(series) + "[" + std::to_string(i) + "]",
                           TypedFixed(rng.Uniform(-5000, 5000), 2));
         }},
        {"materials of an earlier press",
         [](CaseDraft<Record>& c, GoldenRandom& rng) {
             const ConcreteGrade g = ConcreteGradeTable(rng.Below(kConcreteGrades));
             c.Set("Ec", g.Ec);
             c.Set("ft", g.ft);
             c.Set("fc", g.fc);
             c.Set("I", rng.Pick(std::vector<double>{0, 0.0063617, 1}));
         }},
    };
}

std::vector<Edge<CombinedActionRecord>> CombinedEdges() {
    using R = CombinedActionRecord;
    std::vector<Edge<R>> edges = SharedPileEdges<R>();
    const std::vector<Edge<R>> own = {
        ValuesEdge<R>("bearingLayer", {0, 1, 2, 3, -1, INT_MIN}),
        ValuesEdge<R>(
            "hn", {1.0, Ulps(1.0, -1), Ulps(1.0, 1), 0.999, 1.001, 0, kMinusZero, -1.8, 1e-9, 20},
            2),
        ValuesEdge<R>("mu", {0, kMinusZero, 1, -0.5}),
        ValuesEdge<R>("etaC", {0, kMinusZero, 1}),
        ValuesEdge<R>("L", {0, kMinusZero, -16.5}),
        ValuesEdge<R>("B", {0, kMinusZero, -1}),
        ValuesEdge<R>("mc", {0, kMinusZero}),
        ValuesEdge<R>("lastPoint", {0, 40, -1, 41, INT_MIN}),
        {"no load and no friction",
         [](CaseDraft<R>& c, GoldenRandom&) {
             c.Set("H", 0);
             c.Set("M", 0);
             c.Set("mu", 0);
         }},
    };
    edges.insert(edges.end(), own.begin(), own.end());
    return edges;
}

std::vector<Edge<HighCapRecord>> HighCapEdges() {
    using R = HighCapRecord;
    std::vector<Edge<R>> edges = SharedPileEdges<R>();
    edges.push_back(ValuesEdge<R>("bearingLayer", {0, 1, 2, -1, INT_MIN}));
    edges.push_back(ValuesEdge<R>("h", {10, Ulps(10, -1), Ulps(10, 1), 9.99, 10.01}));
    return edges;
}

} // namespace

CaseRecipe<CombinedActionRecord> CombinedRecipe() {
    CaseRecipe<CombinedActionRecord> recipe{CombinedGolden(),
                                            2500,
                                            0x636f6d622d31ull,
                                            {
                                                {"xiN", 0.5, 1.0, 2},
                                                {"mu", 0, 0.5, 2, 0.5},
                                                {"nx", 1, 50, 0, 0, 3},
                                                {"nz", 1, 50, 0, 0, 3},
                                                {"d", 0.3, 2.0, 2},
                                                {"bearingLayer", 0, 2},
                                                {"phi", 0, 45},
                                                {"pileType", 0, 1},
                                                {"etaC", 0, 0.3, 2, 0.4},
                                                {"l0", 0, 20, 1, 0.3},
                                            },
                                            CombinedEdges()};
    recipe.boundaryShare = 0.4;
    recipe.hostileShare = 0.2;
    recipe.edgeShare = 0.15;
    recipe.edgeInputs = {"H", "M",  "NG", "ms", "mc", "mp",   "CR", "d",
                         "h", "hn", "l0", "B",  "L",  "etaC", "mu", "sax"};
    // The depth series are shown uncut; these results only through their cut.
    recipe.edgeResults = {"Hc",   "Mc",      "Nb", "Hb",        "Mb",
                          "capU", "capBeta", "x0", "maxMoment", "Ntop"};
    return recipe;
}

CaseRecipe<HighCapRecord> HighCapRecipe() {
    CaseRecipe<HighCapRecord> recipe{HighCapGolden(),
                                     2500,
                                     0x686963612d31ull,
                                     {
                                         {"xiN", 0.5, 1.0, 2},
                                         {"nx", 1, 50, 0, 0, 3},
                                         {"nz", 1, 50, 0, 0, 3},
                                         {"h", 5, 60, 1},
                                         {"d", 0.3, 2.0, 2},
                                         {"bearingLayer", 0, 1},
                                         {"phi", 0, 45},
                                         {"pileType", 0, 1},
                                         {"l0", 0, 20, 1, 0.2},
                                     },
                                     HighCapEdges()};
    recipe.boundaryShare = 0.4;
    recipe.hostileShare = 0.2;
    recipe.edgeShare = 0.15;
    recipe.edgeInputs = {"H", "M", "NG", "ms1", "mp", "CR", "d", "h", "l0", "sax", "saz", "xiN"};
    recipe.edgeResults = {"Mmax", "yMmax", "Qmax", "yQmax", "x0", "capU", "capBeta"};
    return recipe;
}
