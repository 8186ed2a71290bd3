#pragma once

// The case recipes of the four calculations (SlopeRecipes.cpp, PileRecipes.cpp).

#include "CaseRecipe.h"

#include <cmath>
#include <limits>

using namespace korvane;

CaseRecipe<CircularSlipRecord> CircularRecipe();
CaseRecipe<PolylineSlipRecord> PolylineRecipe();
CaseRecipe<CombinedActionRecord> CombinedRecipe();
CaseRecipe<HighCapRecord> HighCapRecipe();

// Edges shared by the recipes.
inline constexpr double kMinusZero = -0.0;
inline constexpr double kInf = std::numeric_limits<double>::infinity();

// `v` moved by `steps` representable doubles (negative: toward -infinity).
inline double Ulps(double v, int steps) {
    for (; steps > 0; --steps)
        v = std::nextafter(v, kInf);
    for (; steps < 0; ++steps)
        v = std::nextafter(v, -kInf);
    return v;
}
