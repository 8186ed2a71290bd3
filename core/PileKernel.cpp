#include "PileKernel.h"

#include "Grades.h"

#include <array>
#include <cmath>

namespace korvane {

double Power(double x, int n) {
    double result = 1.0;
    for (int i = 0; i < n; ++i)
        result = result * x;
    return result;
}

double Prod5k(int n, int a) {
    double result = 1.0;
    for (int i = 1; i <= n; ++i)
        result = static_cast<double>(5 * i - a) * result;
    return result;
}

double Factorial(int n) {
    double result = 1.0;
    for (int i = 2; i <= n; ++i)
        result = result * i;
    return result;
}

namespace {

constexpr int kSeriesTerms = 19;
constexpr int kHighestPower = 5 * kSeriesTerms + 3;

// The parts of every series term that do not depend on z: (-1)^k · prod(5i - a) for
// a = 1..4 and the factorials, each by the operations of a term computed on its own.
struct SeriesCoefficients {
    std::array<std::array<double, kSeriesTerms + 1>, 5> signedProduct; // [a][k]
    std::array<double, kHighestPower + 1> factorial;
};

const SeriesCoefficients& Coefficients() {
    static const SeriesCoefficients c = [] {
        SeriesCoefficients t{};
        for (int a = 1; a <= 4; ++a)
            for (int k = 1; k <= kSeriesTerms; ++k)
                t.signedProduct[a][k] = Power(-1.0, k) * Prod5k(k, a);
        for (int p = 0; p <= kHighestPower; ++p)
            t.factorial[p] = Factorial(p);
        return t;
    }();
    return c;
}

// z^p for p = 0 .. kHighestPower, each by repeated multiplication from 1 like Power:
// z^p is z^(p-1) · z, so every power is the one Power(z, p) gives.
using PowerTable = std::array<double, kHighestPower + 1>;

void FillPowers(double z, PowerTable& power) {
    power[0] = 1.0;
    for (int p = 1; p <= kHighestPower; ++p)
        power[p] = power[p - 1] * z;
}

// Sum of the nineteen alternating terms of one influence function, the k-th term
// (-1)^k · prod(5i - a) · z^(5k+e) / (5k+e)!, accumulated from k = 1 upwards.
double SeriesTail(const SeriesCoefficients& c, const PowerTable& power, int a, int e) {
    double sum = 0.0;
    for (int k = 1; k <= kSeriesTerms; ++k) {
        const int p = 5 * k + e;
        const double term = (c.signedProduct[a][k] * power[p]) / c.factorial[p];
        sum = term + sum;
    }
    return sum;
}

} // namespace

PileSeries EvaluatePileSeries(double z) {
    const SeriesCoefficients& c = Coefficients();
    PowerTable power;
    FillPowers(z, power);
    const auto tail = [&](int a, int e) { return SeriesTail(c, power, a, e); };
    PileSeries s;
    s.A1 = tail(4, 0) + 1.0;
    s.B1 = tail(3, 1) + z;
    s.C1 = tail(2, 2) + 0.5 * z * z;
    s.D1 = tail(1, 3) + z * z * z / 6;
    s.A2 = tail(4, -1);
    s.B2 = tail(3, 0) + 1.0;
    s.C2 = tail(2, 1) + z;
    s.D2 = tail(1, 2) + z * z * 0.5;
    s.A3 = tail(4, -2);
    s.B3 = tail(3, -1);
    s.C3 = tail(2, 0) + 1.0;
    s.D3 = tail(1, 1) + z;
    s.A4 = tail(4, -3);
    s.B4 = tail(3, -2);
    s.C4 = tail(2, -1);
    s.D4 = tail(1, 0) + 1.0;
    return s;
}

const PileSeries& GridSeries(int j) {
    static const std::array<PileSeries, kGridPoints> table = [] {
        std::array<PileSeries, kGridPoints> t;
        for (int i = 0; i < kGridPoints; ++i)
            t[i] = EvaluatePileSeries(kReducedDepthGrid[i]);
        return t;
    }();
    return table[j];
}

PileSeries SeriesAtReducedDepth(double z) {
    const int j = GridIndexOfReducedLength(z);
    if (kReducedDepthGrid[j] == z)
        return GridSeries(j);
    return EvaluatePileSeries(z);
}

int GridIndexOfReducedLength(double alphaH) {
    // Tenths, halves up: whole part of alphaH/0.1 + 0.5. The value is bounded before
    // the conversion so that no double outside the int range is ever converted.
    const double tenths = alphaH / 0.1 + 0.5;
    if (!(tenths >= 0.0)) // negative or not a number
        return 0;
    if (tenths >= static_cast<double>(kGridPoints - 1))
        return kGridPoints - 1;
    return static_cast<int>(tenths);
}

HeadFactors HeadFactorsRestrained(const PileSeries& s, double kh) {
    const double P1 = s.B3 * s.D4 - s.B4 * s.D3;
    const double P2 = s.A3 * s.B4 - s.A4 * s.B3;
    const double P3 = s.B2 * s.D4 - s.B4 * s.D2;
    const double P4 = s.A2 * s.B4 - s.A4 * s.B2;
    const double P5 = s.A3 * s.D4 - s.A4 * s.D3;
    const double P6 = s.A2 * s.D4 - s.A4 * s.D2;
    const double P7 = s.A3 * s.C4 - s.A4 * s.C3;
    const double P8 = s.A2 * s.C4 - s.A4 * s.C2;
    HeadFactors f;
    f.fHH = (kh * P3 + P1) / (kh * P4 + P2);
    f.fMH = (kh * P6 + P5) / (kh * P4 + P2);
    f.fMM = (kh * P8 + P7) / (kh * P4 + P2);
    return f;
}

HeadFactors HeadFactorsEmbedded(const PileSeries& s) {
    HeadFactors f;
    f.fHH = (s.B2 * s.D1 - s.B1 * s.D2) / (s.A2 * s.B1 - s.A1 * s.B2);
    f.fMH = (s.A2 * s.D1 - s.A1 * s.D2) / (s.A2 * s.B1 - s.A1 * s.B2);
    f.fMM = (s.A2 * s.C1 - s.A1 * s.C2) / (s.A2 * s.B1 - s.A1 * s.B2);
    return f;
}

double SectionInertia(double d) {
    return kPi * d * d * d * d / 64;
}

double SectionArea(double d) {
    return kQuarterPi * d * d;
}

double CalculationWidth(double d) {
    // The large-pile formula takes over once d - 1 reaches 0.001; both give 1.8 at d = 1.
    if (d - 1.0 < 0.001)
        return (1.5 * d + 0.5) * 0.9;
    return (d + 1.0) * 0.9;
}

double BendingStiffness(double Ec, double I) {
    return Ec * I * 0.85;
}

double DeformationCoefficient(double b0, double m, double EI) {
    return std::pow(b0 * m / EI, 0.2);
}

double TipAreaEndBearing(double d) {
    return kQuarterPi * d * d;
}

double TipAreaFriction(int phiDegrees, double h, double d, double sax, double saz) {
    // The angle goes to radians with 3.142/180 here, not with the form's 0.01745.
    const double t = std::tan(phiDegrees * 3.142 / 180 / 4) * h + d / 2;
    const double spread = 3.142 * t * t;
    const double share = (sax + saz) * 3.142 * (sax + saz) / 16;
    return spread < share ? spread : share;
}

double TipRotationalRestraint(double C0, double alpha, double Ec) {
    return C0 / alpha / Ec;
}

HeadFlexibility GroundLineFlexibility(const HeadFactors& f, double alpha, double EI) {
    HeadFlexibility g;
    g.dHH = f.fHH / (alpha * alpha * alpha * EI);
    g.dMH = f.fMH / (alpha * alpha * EI);
    g.dMM = f.fMM / (alpha * EI);
    return g;
}

HeadFlexibility ExtendToTop(const HeadFlexibility& g, double l0, double EI) {
    HeadFlexibility t;
    t.dHH = ((l0 * l0 * l0 / 3.0 / EI + g.dMM * l0 * l0) + 2.0 * g.dMH * l0) + g.dHH;
    t.dMH = (l0 * l0 / 2.0 / EI + g.dMM * l0) + g.dMH;
    t.dMM = l0 / EI + g.dMM;
    return t;
}

HeadStiffness PileHeadStiffness(const HeadFlexibility& top, double xiN, double h, double l0,
                                double Ec, double A, double C0, double A0) {
    HeadStiffness r;
    // Shaft shortening in series with the tip's settlement.
    r.rNN = 1 / ((xiN * h + l0) / Ec / A + 1 / C0 / A0);
    const double det = top.dHH * top.dMM - top.dMH * top.dMH;
    r.rHH = top.dMM / det;
    r.rMH = top.dMH / det;
    r.rMM = top.dHH / det;
    return r;
}

PileTopForce PileTopForces(const HeadStiffness& r, double U, double beta, double V, double x,
                           double l0) {
    PileTopForce f;
    f.N = (beta * x + V) * r.rNN;
    f.H0 = U * r.rHH - beta * r.rMH;
    f.Mtop = beta * r.rMM - U * r.rMH;
    f.M0 = f.Mtop + f.H0 * l0;
    return f;
}

GroundResponse GroundLineResponse(const HeadFlexibility& g, double H0, double M0) {
    GroundResponse resp;
    resp.x0 = g.dHH * H0 + g.dMH * M0;
    resp.phi0 = (g.dMH * H0 + g.dMM * M0) * (-1.0);
    return resp;
}

double MomentAtDepth(const PileSeries& s, double x0, double phi0, double M0, double H0,
                     double alpha, double EI) {
    return (x0 * s.A3 + phi0 * s.B3 / alpha + M0 * s.C3 / (alpha * alpha * EI) +
            H0 * s.D3 / (alpha * alpha * alpha * EI)) *
           (alpha * alpha * EI);
}

double ShearAtDepth(const PileSeries& s, double x0, double phi0, double M0, double H0, double alpha,
                    double EI) {
    return (x0 * s.A4 + phi0 * s.B4 / alpha + M0 * s.C4 / (alpha * alpha * EI) +
            H0 * s.D4 / (alpha * alpha * alpha * EI)) *
           (alpha * alpha * alpha * EI);
}

std::optional<Refusal> PileGroupInputRefusal(int concreteIndex, int nx, int nz) {
    if (concreteIndex < 0 || concreteIndex >= kConcreteGradeCount)
        return Refusal{RefusalReason::NoConcreteGrade};
    if (nx < 1)
        return Refusal{RefusalReason::TooFewPiles, "nx"};
    if (nz < 1)
        return Refusal{RefusalReason::TooFewPiles, "nz"};
    const long long piles = static_cast<long long>(nx) * static_cast<long long>(nz);
    if (piles > kMaxGroupPiles)
        return Refusal{
            .reason = RefusalReason::TooManyPiles, .count = piles, .limit = kMaxGroupPiles};
    return std::nullopt;
}

} // namespace korvane
