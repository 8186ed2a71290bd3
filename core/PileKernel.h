#pragma once

// Kernel of a laterally loaded pile in soil whose resistance grows linearly with depth
// (m·y per unit displacement at depth y). Every pile of a group is alike, so one set of
// these quantities serves the whole group. Pure functions: the floating-point operations
// are written in a fixed order so that results match the published figures bit for bit.

#include "Refusal.h"

#include <array>
#include <cmath>
#include <optional>

namespace korvane {

// Largest pile group a calculation accepts.
inline constexpr int kMaxGroupPiles = 2500;

// x raised to the whole power n by repeated multiplication; 1 for n <= 0.
double Power(double x, int n);
// Product over i = 1..n of (5i - a); 1 for n <= 0.
double Prod5k(int n, int a);
// n!; 1 for n <= 1.
double Factorial(int n);

// The sixteen influence functions at one reduced depth z = alpha·y. Rows: displacement,
// rotation, moment, shear (each row the z-derivative of the one above); columns multiply
// the ground-line displacement, rotation, moment and horizontal force.
struct PileSeries {
    double A1, B1, C1, D1;
    double A2, B2, C2, D2;
    double A3, B3, C3, D3;
    double A4, B4, C4, D4;
};

// Nineteen terms of each power series, always; for z up to 4 the rest is far below
// double precision.
PileSeries EvaluatePileSeries(double z);

// The 41 reduced depths at which the depth response is tabulated: 0.001 (the head
// itself would make some factors degenerate), then 0.1 .. 4.0.
inline constexpr int kGridPoints = 41;
inline constexpr std::array<double, kGridPoints> kReducedDepthGrid = {
    0.001, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2, 1.3,
    1.4,   1.5, 1.6, 1.7, 1.8, 1.9, 2.0, 2.1, 2.2, 2.3, 2.4, 2.5, 2.6, 2.7,
    2.8,   2.9, 3.0, 3.1, 3.2, 3.3, 3.4, 3.5, 3.6, 3.7, 3.8, 3.9, 4.0};

// Index of the grid point nearest to a reduced length alpha·h (halves up), within
// 0..40 whatever the input: negative and not-a-number lengths give 0, very long or
// infinite ones 40.
int GridIndexOfReducedLength(double alphaH);

// The series at grid point j (0 .. 40), evaluated once per process.
const PileSeries& GridSeries(int j);
// The series at any reduced depth: from the table when z is a grid depth, else
// evaluated. Either way the bits EvaluatePileSeries(z) gives.
PileSeries SeriesAtReducedDepth(double z);

// Dimensionless head flexibility factors of an embedded length.
struct HeadFactors {
    double fHH, fMH, fMM;
};
// Tip on soil or on rock surface, its rotation restrained by kh (0: free to rotate).
HeadFactors HeadFactorsRestrained(const PileSeries& s, double kh);
// Tip embedded in rock.
HeadFactors HeadFactorsEmbedded(const PileSeries& s);

// Displacement under unit force (dHH), displacement under unit moment = rotation under
// unit force (dMH), rotation under unit moment (dMM), at one level of the pile.
struct HeadFlexibility {
    double dHH, dMH, dMM;
};
// Head stiffness of one pile at its top.
struct HeadStiffness {
    double rNN, rHH, rMH, rMM;
};

// Section and soil quantities of one pile (d in m, Ec in kPa, m in kN/m⁴).
double SectionInertia(double d);                               // 3.142·d⁴/64
double SectionArea(double d);                                  // 0.7855·d²
double CalculationWidth(double d);                             // b0
double BendingStiffness(double Ec, double I);                  // 0.85·Ec·I
double DeformationCoefficient(double b0, double m, double EI); // alpha
double TipAreaEndBearing(double d);
// Load spread from the tip at a quarter of the friction angle, limited by the share of
// the group area that one pile can claim.
double TipAreaFriction(int phiDegrees, double h, double d, double sax, double saz);
double TipRotationalRestraint(double C0, double alpha, double Ec); // kh

// Flexibility at the ground line from the head factors.
HeadFlexibility GroundLineFlexibility(const HeadFactors& f, double alpha, double EI);
// Flexibility at the pile top, l0 above the ground line.
HeadFlexibility ExtendToTop(const HeadFlexibility& ground, double l0, double EI);
HeadStiffness PileHeadStiffness(const HeadFlexibility& top, double xiN, double h, double l0,
                                double Ec, double A, double C0, double A0);

// Forces of one pile from the cap movement (U horizontal, beta rotation, V settlement).
struct PileTopForce {
    double N;    // axial force at the top
    double H0;   // horizontal force at the top, equal at the ground line
    double Mtop; // moment at the top, the cap underside
    double M0;   // moment at the ground line, l0 below the top
};
PileTopForce PileTopForces(const HeadStiffness& r, double U, double beta, double V, double x,
                           double l0);

struct GroundResponse {
    double x0;   // displacement at the ground line
    double phi0; // rotation at the ground line
};
GroundResponse GroundLineResponse(const HeadFlexibility& ground, double H0, double M0);

// Depth results of magnitude below 0.0001 are stored as exactly 0; not-a-number too.
inline double SmallToZero(double v) {
    return std::fabs(v) >= 0.0001 ? v : 0.0;
}

// Moment and shear at the reduced depth of s, as computed: the depth series store them
// through SmallToZero, while the undefined-result checks look at them before it.
double MomentAtDepth(const PileSeries& s, double x0, double phi0, double M0, double H0,
                     double alpha, double EI);
double ShearAtDepth(const PileSeries& s, double x0, double phi0, double M0, double H0, double alpha,
                    double EI);

// Running maximum of the depth search: the stored maximum is already cut to two
// decimals while the candidate is not, so a value between the two raises it again.
inline bool RaisesMaximum(double storedMaximum, double candidate) {
    return std::fabs(storedMaximum) < std::fabs(candidate);
}

// Why inputs cannot be computed at all (no concrete grade, pile counts below 1 or a
// group larger than the tables); nothing when they can.
std::optional<Refusal> PileGroupInputRefusal(int concreteIndex, int nx, int nz);

} // namespace korvane
