#include "FormMembers.h"
#include "HighCap.h"

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

struct HighCapRun {
    HighCapRecord r;
    HighCapWork w{};
    CalcOutcome outcome;
    void Calculate(int grade = kC30) { outcome = CalculateHighCapForces(r, grade, w); }
};

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(HighCapDefaults, PileParametersAndCapMovement) {
    HighCapRun run;
    run.Calculate();
    ASSERT_TRUE(run.outcome.computed());
    EXPECT_TRUE(run.outcome.undefined.empty());
    const HighCapWork& w = run.w;
    EXPECT_DOUBLE_EQ(run.r.m_I, 0.003068359375);
    EXPECT_DOUBLE_EQ(run.r.m_Ec, 30000000.0);
    EXPECT_DOUBLE_EQ(w.pile.b0, 1.125);
    EXPECT_DOUBLE_EQ(w.pile.EI, 78243.1640625);
    EXPECT_NEAR(w.pile.alpha, 0.612592, 5e-7);
    EXPECT_DOUBLE_EQ(w.tip.h0, 34.0);
    EXPECT_DOUBLE_EQ(w.tip.C0, 510000.0);
    EXPECT_DOUBLE_EQ(w.A0, 3.0639409375);
    EXPECT_EQ(w.tip.kh, 0.0);
    EXPECT_EQ(w.layout.np, 432);
    EXPECT_DOUBLE_EQ(w.layout.Sx2, 82800.0);
    EXPECT_EQ(w.alphaH, 4.0);
    EXPECT_NEAR(w.cap.V, 0.0058200, 5e-8);
    EXPECT_NEAR(w.cap.U, 0.0055427, 5e-8);
    EXPECT_NEAR(w.cap.beta, 2.43340e-5, 5e-11);
    EXPECT_DOUBLE_EQ(run.r.m_capU, 5.54);
    EXPECT_DOUBLE_EQ(run.r.m_capBeta, 2.43);
}

TEST(HighCapDefaults, PileForcesAndDepthSearch) {
    HighCapRun run;
    run.Calculate();
    const HighCapRecord& r = run.r;
    const GroupHeadResponse& head = run.w.response;
    EXPECT_NEAR(head.H0, 15220.0 / 432, 1e-3);
    EXPECT_NEAR(head.M0, -16.4312, 5e-5);
    EXPECT_NEAR(PileAxialForce(run.w.head, run.w.cap, run.w.layout.Abscissa(0), r.m_l0), 1360.982,
                5e-4);
    EXPECT_DOUBLE_EQ(r.m_x0, 3.87);
    // Largest moment at z = 1.5, 1.5 / alpha + 2 below the top; raised last by the last row.
    EXPECT_DOUBLE_EQ(r.m_Mmax, 32.87);
    EXPECT_DOUBLE_EQ(r.m_yMmax, 4.44);
    EXPECT_DOUBLE_EQ(r.m_xPile, 23.0);
    EXPECT_NEAR(r.m_Ntop, 1650.592, 5e-4);
    EXPECT_DOUBLE_EQ(r.m_Qmax, 35.23);
    EXPECT_DOUBLE_EQ(r.m_yQmax, 2.0);
}

TEST(HighCapDefaults, DepthSeries) {
    HighCapRun run;
    run.Calculate();
    const struct {
        int j;
        double moment, shear;
    } points[] = {{5, 10.30, 28.21}, {10, 27.60, 13.71}, {20, 28.65, -9.16}, {30, 9.88, -10.78}};
    for (const auto& pt : points) {
        EXPECT_NEAR(run.r.m_momentSeries[pt.j], pt.moment, 0.005) << pt.j;
        EXPECT_NEAR(run.r.m_shearSeries[pt.j], pt.shear, 0.005) << pt.j;
    }
    EXPECT_NEAR(run.r.m_momentSeries[0], -16.37, 0.005);
    EXPECT_NEAR(run.r.m_momentSeries[15], 32.8757, 5e-5);
    EXPECT_NEAR(run.r.m_shearSeries[0], 35.2314, 5e-5);
    EXPECT_EQ(run.r.m_shearSeries[40], 0.0); // exactly, after the small-value test
}

TEST(HighCapVariants, EndBearingPile) {
    for (int layer : {0, 1}) {
        HighCapRun run;
        run.r.m_pileType = 0;
        run.r.m_bearingLayer = layer;
        run.Calculate();
        EXPECT_DOUBLE_EQ(run.w.tip.C0, 8000000.0) << layer;
        EXPECT_DOUBLE_EQ(run.w.A0, 0.196375) << layer;
        EXPECT_DOUBLE_EQ(run.r.m_capU, 5.54) << layer;
        EXPECT_DOUBLE_EQ(run.r.m_capBeta, 2.43) << layer;
    }
}

TEST(HighCapVariants, StifferConcrete) {
    HighCapRun run;
    run.Calculate(kC55);
    EXPECT_DOUBLE_EQ(run.r.m_Ec, 35500000.0);
    EXPECT_DOUBLE_EQ(run.r.m_capU, 5.01);
    EXPECT_DOUBLE_EQ(run.r.m_capBeta, 2.12);
}

TEST(HighCapVariants, ShortThickPileTipRestraintByLayer) {
    HighCapRun rock;
    rock.r.m_d = 1.5;
    rock.r.m_h = 8.0;
    rock.Calculate();
    EXPECT_DOUBLE_EQ(rock.w.tip.h0, 10.0);
    EXPECT_DOUBLE_EQ(rock.w.tip.C0, 10.0 * 15000.0); // h0, not h
    EXPECT_NEAR(rock.w.pile.alpha, 0.2922, 5e-5);
    EXPECT_NEAR(rock.w.tip.kh, 0.017112, 5e-7);
    // The tip area and the reduced length take h itself.
    EXPECT_DOUBLE_EQ(rock.w.alphaH, rock.w.pile.alpha * 8.0);
    EXPECT_DOUBLE_EQ(rock.w.A0, TipAreaFriction(20, 8.0, 1.5, 2.0, 1.95));
    // The search spans the whole grid, below the tip of this short pile too.
    EXPECT_DOUBLE_EQ(rock.r.m_yMmax, 15.68);

    HighCapRun soil;
    soil.r.m_d = 1.5;
    soil.r.m_h = 8.0;
    soil.r.m_bearingLayer = 1;
    soil.Calculate();
    EXPECT_EQ(soil.w.tip.kh, 0.0);
}

TEST(HighCapVariants, SinglePile) {
    HighCapRun run;
    run.r.m_nx = 1;
    run.r.m_nz = 1;
    run.r.m_H = 100.0;
    run.r.m_M = 0.0;
    run.r.m_NG = 1000.0;
    run.Calculate();
    EXPECT_EQ(run.w.layout.Sx2, 0.0);
    EXPECT_EQ(run.w.gbb, run.w.head.stiffness.rMM);
    EXPECT_EQ(run.r.m_xPile, 0.0);
    EXPECT_DOUBLE_EQ(run.r.m_capU, 53.66);
    EXPECT_DOUBLE_EQ(run.r.m_capBeta, 1538.13);
}

TEST(HighCapVariants, NoExposedLength) {
    HighCapRun run;
    run.r.m_l0 = 0.0;
    run.Calculate();
    EXPECT_NEAR(run.r.m_momentSeries[0], -52.6069, 5e-5);
    EXPECT_DOUBLE_EQ(run.r.m_Mmax, -52.6); // sign kept
    EXPECT_EQ(run.r.m_yMmax, 0.0);
    EXPECT_DOUBLE_EQ(run.r.m_x0, 1.87);
    EXPECT_DOUBLE_EQ(run.r.m_capU, 1.87);
}

TEST(HighCapVariants, NoLateralLoad) {
    HighCapRun run;
    run.Calculate();
    run.r.m_H = 0.0;
    run.r.m_M = 0.0;
    run.Calculate();
    for (int j = 0; j < 41; ++j) {
        EXPECT_EQ(run.r.m_momentSeries[j], 0.0) << j;
        EXPECT_EQ(run.r.m_shearSeries[j], 0.0) << j;
    }
    EXPECT_EQ(run.r.m_Mmax, 0.0);
    EXPECT_EQ(run.r.m_Qmax, 0.0);
    EXPECT_EQ(run.r.m_xPile, 0.0);
    EXPECT_EQ(run.r.m_yMmax, 0.0);
    EXPECT_EQ(run.r.m_yQmax, 0.0);
    EXPECT_NEAR(run.r.m_Ntop, 1650.592, 5e-4); // kept from the run before
    const auto topForce = [&](int pile) {
        return PileAxialForce(run.w.head, run.w.cap, run.w.layout.Abscissa(pile), run.r.m_l0);
    };
    EXPECT_DOUBLE_EQ(topForce(0), 650500.0 / 432 * 1.0);
    EXPECT_EQ(topForce(0), topForce(431));
}

TEST(HighCapVariants, LargeResultsAreNotWrapped) {
    HighCapRun run;
    run.r.m_H *= 1e7;
    run.r.m_M *= 1e7;
    run.r.m_NG *= 1e7;
    run.Calculate();
    EXPECT_NEAR(run.r.m_capU, 5.54e7, 0.01e7);
    EXPECT_NEAR(run.r.m_capBeta, 2.43e7, 0.01e7);
    EXPECT_NEAR(run.r.m_Mmax, 32.87e7, 0.01e7);
    EXPECT_NEAR(run.r.m_Qmax, 35.23e7, 0.01e7);
}

TEST(HighCapInput, RefusalsLeaveTheRecordUntouched) {
    const struct {
        const char* what;
        int grade, nx, nz;
        RefusalReason reason;
    } cases[] = {
        {"no grade", -1, 24, 18, RefusalReason::NoConcreteGrade},
        {"no X piles", kC30, 0, 18, RefusalReason::TooFewPiles},
        {"negative X piles", kC30, -1, 18, RefusalReason::TooFewPiles},
        {"no Z piles", kC30, 24, 0, RefusalReason::TooFewPiles},
        {"2501 piles", kC30, 2501, 1, RefusalReason::TooManyPiles},
        {"int overflow", kC30, 65536, 65536, RefusalReason::TooManyPiles},
    };
    for (const auto& c : cases) {
        HighCapRun run;
        run.Calculate();
        run.r.m_nx = c.nx;
        run.r.m_nz = c.nz;
        const HighCapRecord before = run.r;
        run.Calculate(c.grade);
        EXPECT_FALSE(run.outcome.computed()) << c.what;
        ASSERT_TRUE(run.outcome.refusal) << c.what;
        EXPECT_EQ(run.outcome.refusal->reason, c.reason) << c.what;
        for (const auto& info : korvane::HighCapMembers()) {
            if (const auto* pd = std::get_if<double HighCapRecord::*>(&info.member)) {
                EXPECT_EQ(run.r.**pd, before.**pd) << c.what << " " << info.name;
            } else {
                const auto pi = std::get<int HighCapRecord::*>(info.member);
                EXPECT_EQ(run.r.*pi, before.*pi) << c.what << " " << info.name;
            }
        }
        for (int j = 0; j < 41; ++j)
            EXPECT_EQ(run.r.m_momentSeries[j], before.m_momentSeries[j]) << c.what;
    }
}

TEST(HighCapInput, LargestGroupIsComputed) {
    HighCapRun run;
    run.r.m_nx = 2500;
    run.r.m_nz = 1;
    run.Calculate();
    ASSERT_TRUE(run.outcome.computed());
    EXPECT_EQ(run.w.layout.np, 2500);
    EXPECT_DOUBLE_EQ(run.r.m_xPile, 2499.0); // last pile, x = +(nx - 1) · sax / 2
    EXPECT_TRUE(run.outcome.undefined.empty());
}

TEST(HighCapInput, DegenerateInputsComputeOnAndNameWhatIsUndefined) {
    const struct {
        const char* what;
        void (*set)(HighCapRecord&);
        std::vector<std::string> undefined; // names expected in the list
    } cases[] = {
        {"d = 0", [](HighCapRecord& r) { r.m_d = 0.0; }, {"Mmax", "x0", "capU", "capBeta"}},
        {"h = 0", [](HighCapRecord& r) { r.m_h = 0.0; }, {"Mmax", "Qmax", "capU"}},
        {"ms1 = 0", [](HighCapRecord& r) { r.m_ms1 = 0.0; }, {"yMmax", "capU"}},
        // No tip support: the settlement and so every pile force are undefined.
        {"mp = 0", [](HighCapRecord& r) { r.m_mp = 0.0; }, {"Ntop"}},
        {"sax = 0", [](HighCapRecord& r) { r.m_sax = 0.0; }, {}},
        {"d not a number", [](HighCapRecord& r) { r.m_d = kNaN; }, {"I", "capU"}},
        {"negative h", [](HighCapRecord& r) { r.m_h = -34.0; }, {}},
        {"infinite H", [](HighCapRecord& r) { r.m_H = kInf; }, {"capU", "shearSeries"}},
        {"infinite l0", [](HighCapRecord& r) { r.m_l0 = kInf; }, {"x0", "capU"}},
    };
    for (const auto& c : cases) {
        HighCapRun run;
        c.set(run.r);
        run.Calculate();
        ASSERT_TRUE(run.outcome.computed()) << c.what;
        for (const std::string& name : c.undefined)
            EXPECT_TRUE(Contains(run.outcome.undefined, name)) << c.what << " " << name;
        if (Contains(run.outcome.undefined, "Mmax")) {
            EXPECT_EQ(run.r.m_Mmax, 0.0) << c.what;
        }
    }
}

} // namespace
