#include "CombinedAction.h"
#include "FormMembers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace korvane;

namespace {

constexpr int kC30 = 0;
constexpr int kC55 = 5;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct CombinedRun {
    CombinedActionRecord r;
    CombinedActionWork w{};
    CalcOutcome outcome;
    void Calculate(int grade = kC30) { outcome = CalculateCombinedAction(r, grade, w); }
};

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(CombinedActionDefaults, PileSoilAndCapParameters) {
    CombinedRun run;
    run.Calculate();
    ASSERT_TRUE(run.outcome.computed());
    EXPECT_TRUE(run.outcome.undefined.empty());
    const CombinedActionWork& w = run.w;
    EXPECT_DOUBLE_EQ(run.r.m_Ec, 30000000.0);
    EXPECT_DOUBLE_EQ(run.r.m_ft, 1.43);
    EXPECT_DOUBLE_EQ(run.r.m_fc, 14.3);
    EXPECT_DOUBLE_EQ(run.r.m_I, 3.142 * 0.6 * 0.6 * 0.6 * 0.6 / 64);
    EXPECT_DOUBLE_EQ(w.pile.b0, 1.26);
    EXPECT_NEAR(w.pile.EI, 162245.02, 0.005);
    EXPECT_NEAR(w.pile.alpha, 0.59985, 0.000005);
    EXPECT_EQ(w.n, 40);
    EXPECT_EQ(run.r.m_lastPoint, 40);
    EXPECT_DOUBLE_EQ(w.tip.h0, 20.8);
    EXPECT_DOUBLE_EQ(w.tip.C0, 20.8 * 50000);
    EXPECT_EQ(w.tip.kh, 0.0);
    EXPECT_EQ(w.Cb, 0.0);
    EXPECT_EQ(w.layout.np, 234);
    EXPECT_DOUBLE_EQ(w.layout.xoff, 7.64);
    EXPECT_NEAR(w.layout.Sx2, 5691.04, 0.005);
    EXPECT_DOUBLE_EQ(w.layout.Abscissa(26), 1.91 - 7.64); // first pile of the second X row
    EXPECT_DOUBLE_EQ(w.layout.Abscissa(233), 7.64);
}

TEST(CombinedActionDefaults, PileHeadCoefficients) {
    CombinedRun run;
    run.Calculate();
    const CombinedActionWork& w = run.w;
    EXPECT_NEAR(w.head.factors.fHH, 2.4406, 5e-5);
    EXPECT_NEAR(w.head.factors.fMH, 1.6210, 5e-5);
    EXPECT_NEAR(w.head.factors.fMM, 1.7506, 5e-5);
    EXPECT_NEAR(w.head.stiffness.rNN, 616186.66, 0.005);
    EXPECT_NEAR(w.head.stiffness.rHH, 12776.69, 0.005);
    EXPECT_NEAR(w.head.stiffness.rMH, 32060.92, 0.005);
    EXPECT_NEAR(w.head.stiffness.rMM, 113438.90, 0.005);
}

TEST(CombinedActionDefaults, CapAndPileResults) {
    CombinedRun run;
    run.Calculate();
    const CombinedActionRecord& r = run.r;
    EXPECT_DOUBLE_EQ(r.m_capU, 4.85);
    EXPECT_DOUBLE_EQ(r.m_capBeta, 26.36);
    EXPECT_DOUBLE_EQ(r.m_Hc, 4985.5);
    EXPECT_DOUBLE_EQ(r.m_Mc, 3038.5);
    EXPECT_EQ(r.m_Nb, 0.0);
    EXPECT_EQ(r.m_Hb, 0.0);
    EXPECT_EQ(r.m_Mb, 0.0);
    EXPECT_DOUBLE_EQ(r.m_x0, 3.21);
    // The largest moment lies at z = 1.4; the last pile (x = +7.64) raised it last.
    EXPECT_DOUBLE_EQ(r.m_maxMoment, 55.54);
    EXPECT_DOUBLE_EQ(r.m_Ntop, 2635.86);
    EXPECT_NEAR(PileAxialForce(run.w.head, run.w.cap, run.w.layout.Abscissa(0), run.r.m_l0), 153.71,
                0.005);
    EXPECT_NEAR(r.m_momentSeries[0], -18.50, 0.005);
    EXPECT_NEAR(r.m_momentSeries[14], 55.54, 0.01);
    EXPECT_NEAR(r.m_shearSeries[0], 53.57, 0.005);
    EXPECT_EQ(r.m_shearSeries[40], 0.0);
}

TEST(CombinedActionVariants, CapEffectAndBottomFriction) {
    CombinedRun effect;
    effect.r.m_etaC = 0.2;
    effect.Calculate();
    EXPECT_DOUBLE_EQ(effect.r.m_Nb, 7409.82);
    EXPECT_DOUBLE_EQ(effect.r.m_Mb, 19512.47);
    EXPECT_EQ(effect.r.m_Hb, 0.0);
    EXPECT_DOUBLE_EQ(effect.r.m_capU, 4.84);
    EXPECT_DOUBLE_EQ(effect.r.m_capBeta, 25.8);

    CombinedRun friction;
    friction.r.m_etaC = 0.2;
    friction.r.m_mu = 0.3;
    friction.Calculate();
    // From the cut vertical resistance: 0.3 × 7409.82 = 2222.946, cut.
    EXPECT_DOUBLE_EQ(friction.r.m_Hb, 2222.94);
    EXPECT_DOUBLE_EQ(friction.r.m_capU, 4.28);
}

TEST(CombinedActionVariants, HighCapWithoutBurial) {
    CombinedRun run;
    run.r.m_hn = 0.0;
    run.Calculate();
    EXPECT_EQ(run.w.Cn, 0.0);
    EXPECT_EQ(run.w.Fc, 0.0);
    EXPECT_EQ(run.w.Ic, 0.0);
    EXPECT_EQ(run.r.m_Hc, 0.0);
    EXPECT_EQ(run.r.m_Mc, 0.0);
    EXPECT_DOUBLE_EQ(run.r.m_capU, 6.54);
}

TEST(CombinedActionVariants, ShallowCapTakesUnitBurialForTheBottomSoil) {
    CombinedRun run;
    run.r.m_hn = 0.5;
    run.r.m_etaC = 0.2;
    run.Calculate();
    EXPECT_DOUBLE_EQ(run.w.Cb, 10000.0 * 0.2);
    // hn + h = 6 is raised to 10 for the tip coefficient.
    CombinedRun shortPile;
    shortPile.r.m_hn = 1.0;
    shortPile.r.m_h = 5.0;
    shortPile.Calculate();
    EXPECT_DOUBLE_EQ(shortPile.w.tip.h0, 10.0);
    EXPECT_DOUBLE_EQ(shortPile.w.tip.C0, 10.0 * 50000);
}

TEST(CombinedActionVariants, NoFreeLength) {
    CombinedRun run;
    run.r.m_l0 = 0.0;
    run.Calculate();
    EXPECT_EQ(run.w.head.top.dHH, run.w.head.ground.dHH);
    EXPECT_EQ(run.w.head.top.dMM, run.w.head.ground.dMM);
    EXPECT_DOUBLE_EQ(run.r.m_maxMoment, -88.38); // at the ground line, sign kept
    EXPECT_DOUBLE_EQ(run.r.m_capU, 2.09);
    EXPECT_DOUBLE_EQ(run.r.m_x0, 2.09);
}

TEST(CombinedActionVariants, TipEmbeddedInRock) {
    CombinedRun run;
    run.r.m_bearingLayer = 2;
    run.r.m_mp = 1.0; // not used for the factors of an embedded tip
    run.Calculate();
    EXPECT_NEAR(run.w.head.factors.fHH, 2.4008, 5e-5);
    EXPECT_NEAR(run.w.head.factors.fMH, 1.5999, 5e-5);
    EXPECT_NEAR(run.w.head.factors.fMM, 1.7322, 5e-5);

    CombinedRun defaults;
    defaults.r.m_bearingLayer = 2;
    defaults.Calculate();
    EXPECT_DOUBLE_EQ(defaults.r.m_maxMoment, 57.08);
}

TEST(CombinedActionVariants, EndBearingTakesRockCoefficientOnAnyLayer) {
    CombinedRun run;
    run.r.m_pileType = 0;
    run.r.m_bearingLayer = 0;
    run.r.m_CR = 9000000.0;
    run.Calculate();
    EXPECT_DOUBLE_EQ(run.w.tip.C0, 9000000.0);
    EXPECT_DOUBLE_EQ(run.w.A0, 0.7855 * 0.6 * 0.6);
}

TEST(CombinedActionVariants, NoLateralLoadLeavesPileTopForceAlone) {
    CombinedRun run;
    run.Calculate();
    ASSERT_DOUBLE_EQ(run.r.m_Ntop, 2635.86);
    run.r.m_H = 0.0;
    run.r.m_M = 0.0;
    run.Calculate();
    for (int j = 0; j <= 40; ++j) {
        EXPECT_EQ(run.r.m_momentSeries[j], 0.0) << j;
        EXPECT_EQ(run.r.m_shearSeries[j], 0.0) << j;
    }
    EXPECT_EQ(run.r.m_maxMoment, 0.0);
    EXPECT_DOUBLE_EQ(run.r.m_Ntop, 2635.86); // kept from the run before
    EXPECT_EQ(run.r.m_capU, 0.0);
    EXPECT_TRUE(run.outcome.undefined.empty());
}

TEST(CombinedActionVariants, ShortPileStopsTheSeriesAtItsTip) {
    CombinedRun probe;
    probe.Calculate();
    const double alpha = probe.w.pile.alpha; // independent of h
    const struct {
        double alphaH;
        int n;
    } cases[] = {{2.44, 24}, {2.46, 25}, {4.05, 40}};
    for (const auto& c : cases) {
        CombinedRun run;
        run.r.m_h = c.alphaH / alpha;
        for (int j = 0; j < 41; ++j)
            run.r.m_momentSeries[j] = run.r.m_shearSeries[j] = 777.0;
        run.Calculate();
        ASSERT_EQ(run.r.m_lastPoint, c.n) << c.alphaH;
        for (int j = 0; j <= c.n; ++j)
            EXPECT_NE(run.r.m_momentSeries[j], 777.0) << j;
        for (int j = c.n + 1; j < 41; ++j) {
            EXPECT_EQ(run.r.m_momentSeries[j], 777.0) << j;
            EXPECT_EQ(run.r.m_shearSeries[j], 777.0) << j;
        }
    }
}

TEST(CombinedActionVariants, LargeResultsAreNotWrapped) {
    CombinedRun run;
    run.r.m_H *= 1e6;
    run.r.m_M *= 1e6;
    run.r.m_NG *= 1e6;
    run.Calculate();
    EXPECT_NEAR(run.r.m_capU, 4.85e6, 0.01e6);
    EXPECT_NEAR(run.r.m_capBeta, 26.36e6, 0.01e6);
    EXPECT_GT(run.r.m_Hc, 4.98e9);
    EXPECT_GT(run.r.m_maxMoment, 5.55e7);
}

// Every double and int member of the record, compared bit for bit (NaN equal to NaN).
void ExpectSameRecord(const CombinedActionRecord& a, const CombinedActionRecord& b) {
    for (const auto& info : korvane::CombinedActionMembers()) {
        if (const auto* pd = std::get_if<double CombinedActionRecord::*>(&info.member)) {
            const double x = a.**pd, y = b.**pd;
            EXPECT_TRUE(x == y || (std::isnan(x) && std::isnan(y))) << info.name;
        } else {
            const auto pi = std::get<int CombinedActionRecord::*>(info.member);
            EXPECT_EQ(a.*pi, b.*pi) << info.name;
        }
    }
    for (int j = 0; j < 41; ++j) {
        EXPECT_EQ(a.m_momentSeries[j], b.m_momentSeries[j]) << j;
        EXPECT_EQ(a.m_shearSeries[j], b.m_shearSeries[j]) << j;
    }
}

TEST(CombinedActionInput, RefusalsLeaveTheRecordUntouched) {
    const struct {
        const char* what;
        int grade, nx, nz;
        RefusalReason reason;
    } cases[] = {
        {"no grade", -1, 9, 26, RefusalReason::NoConcreteGrade},
        {"grade past the list", kConcreteGradeCount, 9, 26, RefusalReason::NoConcreteGrade},
        {"no X piles", kC30, 0, 26, RefusalReason::TooFewPiles},
        {"negative Z piles", kC30, 9, -2, RefusalReason::TooFewPiles},
        {"2501 piles", kC30, 41, 61, RefusalReason::TooManyPiles},
        {"int overflow", kC30, 100000, 100000, RefusalReason::TooManyPiles},
    };
    for (const auto& c : cases) {
        CombinedRun before;
        before.Calculate(); // results present, so that a write would show
        CombinedRun run;
        run.r = before.r;
        run.r.m_nx = c.nx;
        run.r.m_nz = c.nz;
        CombinedActionRecord copy = run.r;
        run.Calculate(c.grade);
        EXPECT_FALSE(run.outcome.computed()) << c.what;
        ASSERT_TRUE(run.outcome.refusal) << c.what;
        EXPECT_EQ(run.outcome.refusal->reason, c.reason) << c.what;
        ExpectSameRecord(run.r, copy);
    }
}

TEST(CombinedActionInput, LargestGroupIsComputed) {
    CombinedRun run;
    run.r.m_nx = 50;
    run.r.m_nz = 50;
    run.Calculate(kC55);
    ASSERT_TRUE(run.outcome.computed());
    EXPECT_EQ(run.w.layout.np, 2500);
    EXPECT_DOUBLE_EQ(run.w.layout.Abscissa(2499), 49 * 1.91 / 2);
    EXPECT_TRUE(run.outcome.undefined.empty());
}

TEST(CombinedActionInput, DegenerateInputsComputeOnAndNameWhatIsUndefined) {
    const struct {
        const char* what;
        void (*set)(CombinedActionRecord&);
        const char* undefined; // a name expected in the list, or nullptr for none
    } cases[] = {
        {"d = 0", [](CombinedActionRecord& r) { r.m_d = 0.0; }, "capU"},
        {"h = 0", [](CombinedActionRecord& r) { r.m_h = 0.0; }, nullptr},
        {"ms = 0", [](CombinedActionRecord& r) { r.m_ms = 0.0; }, "capU"},
        // No tip support: no vertical stiffness, the settlement is infinite.
        {"mp = 0", [](CombinedActionRecord& r) { r.m_mp = 0.0; }, "capU"},
        {"d not a number", [](CombinedActionRecord& r) { r.m_d = kNaN; }, "I"},
        {"negative d", [](CombinedActionRecord& r) { r.m_d = -0.6; }, "maxMoment"},
        {"infinite h", [](CombinedActionRecord& r) { r.m_h = kInf; }, "lastPoint"},
        {"negative h", [](CombinedActionRecord& r) { r.m_h = -19.0; }, nullptr},
        {"infinite H", [](CombinedActionRecord& r) { r.m_H = kInf; }, "capU"},
        {"M not a number", [](CombinedActionRecord& r) { r.m_M = kNaN; }, "capBeta"},
        {"sax not a number", [](CombinedActionRecord& r) { r.m_sax = kNaN; }, "capU"},
    };
    for (const auto& c : cases) {
        CombinedRun run;
        c.set(run.r);
        run.Calculate();
        ASSERT_TRUE(run.outcome.computed()) << c.what;
        EXPECT_GE(run.r.m_lastPoint, 0) << c.what;
        EXPECT_LE(run.r.m_lastPoint, 40) << c.what;
        if (c.undefined) {
            EXPECT_TRUE(Contains(run.outcome.undefined, c.undefined)) << c.what;
        }
        // A shown value that is flagged is the cut's 0, never a number passed off as a result.
        const std::vector<std::string>& u = run.outcome.undefined;
        if (Contains(u, "capU")) {
            EXPECT_EQ(run.r.m_capU, 0.0) << c.what;
        }
        if (Contains(u, "x0")) {
            EXPECT_EQ(run.r.m_x0, 0.0) << c.what;
        }
    }
}

TEST(CombinedActionInput, UndefinedNamesFollowDeclarationOrder) {
    CombinedRun run;
    run.r.m_d = 0.0; // modulus and stiffness degenerate: nearly everything undefined
    run.Calculate();
    const std::vector<std::string>& u = run.outcome.undefined;
    ASSERT_FALSE(u.empty());
    std::vector<std::string> order;
    for (const auto& info : korvane::CombinedActionMembers())
        order.emplace_back(info.name);
    order.emplace_back("momentSeries");
    order.emplace_back("shearSeries");
    size_t last = 0;
    for (const std::string& name : u) {
        const auto it = std::find(order.begin(), order.end(), name);
        ASSERT_NE(it, order.end()) << name;
        const size_t pos = static_cast<size_t>(it - order.begin());
        EXPECT_GE(pos, last) << name;
        last = pos;
    }
    EXPECT_FALSE(Contains(u, "Ec")); // looked up, always defined
}

} // namespace
