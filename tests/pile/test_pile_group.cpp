#include "PileGroup.h"
#include "Trunc2.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

using namespace korvane;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::uint64_t Bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

// The series term by term as written out: every power, product and factorial
// recomputed for each term.
double TailByTerms(double z, int a, int e) {
    double sum = 0.0;
    for (int k = 1; k <= 19; ++k) {
        const int p = 5 * k + e;
        sum = ((Power(-1.0, k) * Prod5k(k, a)) * Power(z, p)) / Factorial(p) + sum;
    }
    return sum;
}

PileSeries SeriesByTerms(double z) {
    return {TailByTerms(z, 4, 0) + 1.0,
            TailByTerms(z, 3, 1) + z,
            TailByTerms(z, 2, 2) + 0.5 * z * z,
            TailByTerms(z, 1, 3) + z * z * z / 6,
            TailByTerms(z, 4, -1),
            TailByTerms(z, 3, 0) + 1.0,
            TailByTerms(z, 2, 1) + z,
            TailByTerms(z, 1, 2) + z * z * 0.5,
            TailByTerms(z, 4, -2),
            TailByTerms(z, 3, -1),
            TailByTerms(z, 2, 0) + 1.0,
            TailByTerms(z, 1, 1) + z,
            TailByTerms(z, 4, -3),
            TailByTerms(z, 3, -2),
            TailByTerms(z, 2, -1),
            TailByTerms(z, 1, 0) + 1.0};
}

void ExpectSameBits(const PileSeries& a, const PileSeries& b, double z) {
    const double* x = &a.A1;
    const double* y = &b.A1;
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(Bits(x[i]), Bits(y[i])) << "z = " << z << ", function " << i;
}

TEST(PileSeriesEvaluation, SameBitsAsTheTermByTermSum) {
    std::vector<double> depths = {0.0,  -0.0, 0.001, 4.0,    1e-300,  DBL_MIN, 4.9e-324,
                                  -1.0, -4.0, 12.5,  1e10,   1e300,   kInf,    -kInf,
                                  kNaN, 3.99, 4.01,  0.0999, 0.30001, 2.04999};
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> reduced(0.0, 4.0);
    for (int i = 0; i < 200; ++i)
        depths.push_back(reduced(random));
    for (double z : depths)
        ExpectSameBits(EvaluatePileSeries(z), SeriesByTerms(z), z);
}

TEST(PileSeriesEvaluation, GridDepthsComeFromTheTableWithTheSameBits) {
    for (int j = 0; j < kGridPoints; ++j) {
        const double z = kReducedDepthGrid[j];
        ExpectSameBits(GridSeries(j), SeriesByTerms(z), z);
        ExpectSameBits(SeriesAtReducedDepth(z), SeriesByTerms(z), z);
        // A depth one ulp off the grid is evaluated, not looked up.
        const double off = std::nextafter(z, 5.0);
        ExpectSameBits(SeriesAtReducedDepth(off), SeriesByTerms(off), off);
    }
    for (double z : {-0.0, kNaN, kInf, -3.0, 0.05, 4.05})
        ExpectSameBits(SeriesAtReducedDepth(z), SeriesByTerms(z), z);
}

TEST(PileLayoutOf, AbscissaeAndTheirSquaresInPileOrder) {
    const PileLayout g = PileLayoutOf(3, 2, 1.5);
    EXPECT_EQ(g.np, 6);
    EXPECT_EQ(g.xoff, 1.5);
    const double expected[] = {-1.5, -1.5, 0.0, 0.0, 1.5, 1.5};
    double sum = 0.0;
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(g.Abscissa(k), expected[k]) << k;
        sum = expected[k] * expected[k] + sum;
    }
    EXPECT_EQ(Bits(g.Sx2), Bits(sum));

    // A sum whose rounding depends on its order: pile by pile, not row by row.
    const PileLayout wide = PileLayoutOf(50, 50, 0.37);
    double pileByPile = 0.0;
    for (int k = 0; k < wide.np; ++k)
        pileByPile = wide.Abscissa(k) * wide.Abscissa(k) + pileByPile;
    EXPECT_EQ(Bits(wide.Sx2), Bits(pileByPile));
}

// The running maximum as the depth search writes it out: every pile, every depth.
GroupMaximum MaximumPileByPile(const std::vector<double>& values, int piles, double start) {
    GroupMaximum m{start, 0.0, -1, -1};
    for (int k = 0; k < piles; ++k) {
        for (int j = 0; j < static_cast<int>(values.size()); ++j) {
            if (RaisesMaximum(m.shown, values[j])) {
                m.shown = Trunc2(values[j]);
                m.raw = values[j];
                m.depth = j;
                m.pile = k;
            }
        }
    }
    return m;
}

void ExpectSameMaximum(const std::vector<double>& values, int piles, double start) {
    const GroupMaximum fast = GroupMaximumOf(values, piles, start);
    const GroupMaximum slow = MaximumPileByPile(values, piles, start);
    EXPECT_EQ(Bits(fast.shown), Bits(slow.shown));
    EXPECT_EQ(fast.depth, slow.depth);
    EXPECT_EQ(fast.pile, slow.pile);
    if (slow.depth >= 0) {
        EXPECT_EQ(Bits(fast.raw), Bits(slow.raw));
    }
}

TEST(GroupMaximumOf, SameAsScanningEveryPile) {
    const std::vector<std::vector<double>> cases = {
        {},                   // no depth points
        {0.0, 0.0, 0.0},      // nothing raises
        {1.0, 3.0, 2.0},      // plain maximum: only the first pile raises
        {5.001, 5.005, 1.0},  // both above the cut: every pile re-raises
        {5.005, -5.003, 2.0}, // the sign of the stored maximum flips
        {-18.5, 55.548, 55.541, 12.0, -55.549},
        {kInf, 3.0}, // an infinite moment is stored as 0
        {1.0, kInf, -kInf, 2.0},
        {1e300, -1e300, 7.0},    // too large to cut
        {0.004, -0.009, 0.0099}, // below the cut altogether
        {21474836.475, 21474836.47},
    };
    for (const auto& values : cases) {
        for (int piles : {1, 2, 3, 7, 2500}) {
            SCOPED_TRACE(piles);
            ExpectSameMaximum(values, piles, 0.0);
            ExpectSameMaximum(values, piles, 5.0);
        }
    }
    // Random depth profiles of moments with three decimals, so that values often lie
    // between a stored cut maximum and the value it was cut from.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> spread(-60000, 60000);
    std::uniform_int_distribution<int> near(-50, 50); // around ±55.00
    for (int n = 0; n < 600; ++n) {
        std::vector<double> values(41);
        for (double& v : values) {
            const int t = n % 2 == 0 ? spread(random) : near(random);
            v = n % 2 == 0 ? t / 1000.0 : (t < 0 ? -55.0 + t / 1000.0 : 55.0 + t / 1000.0);
        }
        ExpectSameMaximum(values, 1 + n % 40, 0.0);
    }
}

} // namespace
