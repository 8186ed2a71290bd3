#pragma once

namespace korvane {

// The cut applied to every displayed result: toward zero, to two decimals.
// Not-finite values show as 0; a cut that lands on -0 shows as 0.
double Trunc2(double x);

// The cap rotation shown in units of 1e-5 rad: beta × 10000000 truncated toward
// zero to a whole number, then divided by 100. Same conventions as Trunc2.
double TruncRotation(double beta);

} // namespace korvane
