// Inputs found by the fuzz targets (fuzz/), kept as tests of what the calculations
// must do with them. A test named DISABLED_ reproduces a fault that is still open.
#include "CircularSlip.h"
#include "CombinedAction.h"
#include "FieldText.h"
#include "HighCap.h"
#include "RefusalPrinting.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace korvane;

namespace {

// Every value a calculation writes into a field must read back on the next press.
void ExpectReadsBack(double shown, const char* name) {
    EXPECT_TRUE(ParseNumber(FormatNumber(shown)).has_value())
        << name << " = " << shown << " shows as \"" << FormatNumber(shown)
        << "\", which its field refuses";
}

} // namespace

// A search on a slope of 0.0001 degrees, whose trial circles need thousands of
// slices, once ran past the fuzz targets' 2 s bound; it must end promptly, computed
// or refused.
TEST(FuzzRegressions, CircularSearchOnANearlyFlatSlopeEndsPromptly) {
    CircularSlipRecord r;
    r.m_phi = -12;
    r.m_h = -129;
    r.m_a = 0.0001;
    r.m_beta = 0.0001;
    r.m_h1 = 0.0001;
    r.m_L = 0.0001;
    r.m_sax = 0.0001;
    r.m_say = -2.2;
    // The search's own work bound ends it; a hang would show as the test's timeout.
    const CalcOutcome outcome = SearchCriticalCircle(r, 2499, -1);
    if (outcome.computed()) {
        for (double v : {r.m_x, r.m_y, r.m_ks, r.m_R})
            EXPECT_TRUE(std::isfinite(v));
    } else {
        EXPECT_TRUE(outcome.refusal);
    }
}

// With a negative axial stiffness of the pile top (xiN = -0.5 and h = 34e6 stay in
// the record after their range checks fail, and the calculation goes on) and no
// vertical load, the pile-top force of the single pile row comes out as -0. Its field
// once showed "-0", which the next press of the button refused.
TEST(FuzzRegressions, HighCapPileTopForceOfMinusZeroReadsBack) {
    HighCapRecord r;
    r.m_xiN = -0.5;
    r.m_nx = 1;
    r.m_nz = 3;
    r.m_h = 34000000;
    r.m_NG = 0;
    const CalcOutcome outcome = CalculateHighCapForces(r, 5);
    ASSERT_TRUE(outcome.computed()) << outcome.refusal;
    ExpectReadsBack(r.m_Ntop, "Ntop");
}

// With mp = 0 on a friction pile the pile-top force is not a number. It is named
// undefined and, like the results cut to two decimals, shown as 0: a field showing
// "nan" would be refused on the next press of the button and stop the reading there.
TEST(FuzzRegressions, HighCapUndefinedPileTopForceReadsBack) {
    HighCapRecord r;
    r.m_mp = 0;
    const CalcOutcome outcome = CalculateHighCapForces(r, 0);
    ASSERT_TRUE(outcome.computed()) << outcome.refusal;
    ExpectReadsBack(r.m_Ntop, "Ntop");
    EXPECT_NE(std::find(outcome.undefined.begin(), outcome.undefined.end(), "Ntop"),
              outcome.undefined.end());
}

// A vertical load of the largest double gives a vertical resistance of the soil under
// the cap of the largest double too. Its 15-digit text rounded past the range of a
// double, so the field refused at the next press what it had just shown.
TEST(FuzzRegressions, CombinedLargestVerticalResistanceReadsBack) {
    CombinedActionRecord r;
    r.m_NG = std::numeric_limits<double>::max();
    r.m_phi = 45;
    r.m_pileType = 1896220844;
    r.m_etaC = -2.57;
    r.m_L = -2.8023202714896534e+236;
    const CalcOutcome outcome = CalculateCombinedAction(r, 0);
    ASSERT_TRUE(outcome.computed()) << outcome.refusal;
    ASSERT_EQ(r.m_Nb, std::numeric_limits<double>::max());
    ExpectReadsBack(r.m_Nb, "Nb");
}
