#include "HighCap.h"

#include "Grades.h"
#include "Trunc2.h"
#include "UndefinedResults.h"

#include <cmath>
#include <memory>

namespace {

// Result members whose shown value may come from a value that is not finite, in
// declaration order. The last write of each member decides.
enum Tracked {
    kI,
    kMmax,
    kXPile,
    kYMmax,
    kQmax,
    kYQmax,
    kNtop,
    kX0,
    kCapU,
    kCapBeta,
    kMomentSeries,
    kShearSeries,
    kTrackedCount
};
constexpr std::array<const char*, kTrackedCount> kTrackedNames = {
    "I",    "Mmax", "xPile", "yMmax",   "Qmax",         "yQmax",
    "Ntop", "x0",   "capU",  "capBeta", "momentSeries", "shearSeries"};

// The pile coordinate and top force are shown as computed, not cut; one that is not a
// finite number shows as 0 (and is named undefined) like the cut results, since its
// field could not read "nan" back on the next calculation.
double ShownUncut(double value) {
    return std::isfinite(value) ? value : 0.0;
}

using ResultFlags = UndefinedResults<kTrackedCount>;

// Pile and soil parameters, pile head coefficients and the equilibrium of the cap on
// its piles (no soil acts on a high cap).
void PileParametersAndCap(HighCapRecord& r, int concreteIndex, HighCapWork& w, ResultFlags& u) {
    const double d = r.m_d;
    const double h = r.m_h;

    // Section first, then materials.
    r.m_I = SectionInertia(d);
    u.Written(kI, r.m_I);
    const ConcreteGrade grade = ConcreteGradeTable(concreteIndex);
    r.m_ft = grade.ft;
    r.m_Ec = grade.Ec;
    r.m_fc = grade.fc;
    w.Ec = r.m_Ec;
    w.I = r.m_I;

    w.b0 = CalculationWidth(d);
    w.EI = BendingStiffness(w.Ec, w.I);
    w.alpha = DeformationCoefficient(w.b0, r.m_ms1, w.EI);

    w.h0 = h;
    if (h < 10.0)
        w.h0 = 10.0;
    // The pile type, not the bearing layer, decides between rock and soil at the tip.
    w.C0 = r.m_pileType == 0 ? r.m_CR : w.h0 * r.m_mp;

    w.A = SectionArea(d);
    w.A0 =
        r.m_pileType == 0 ? TipAreaEndBearing(d) : TipAreaFriction(r.m_phi, h, d, r.m_sax, r.m_saz);

    w.kh = TipRotationalRestraint(w.C0, w.alpha, w.Ec);
    if (r.m_bearingLayer == 0 && w.h0 - 3.5 / w.alpha > 0.001)
        w.kh = 0.0;
    if (r.m_bearingLayer == 1 && w.h0 - 2.5 / w.alpha > 0.001)
        w.kh = 0.0;

    const int nx = r.m_nx;
    const int nz = r.m_nz;
    w.np = nx * nz; // bounded by the input check
    w.xoff = (nx - 1) * r.m_sax / 2;
    for (int ix = 0; ix < nx; ++ix)
        for (int iz = 0; iz < nz; ++iz)
            w.piles.x[ix * nz + iz] = ix * r.m_sax - w.xoff;
    w.Sx2 = 0.0;
    for (int k = 0; k < w.np; ++k)
        w.Sx2 = w.piles.x[k] * w.piles.x[k] + w.Sx2;

    w.alphaH = w.alpha * h;
    if (w.alphaH > 4.0)
        w.alphaH = 4.0;

    for (int j = 0; j < kGridPoints; ++j)
        w.series[j] = EvaluatePileSeries(kReducedDepthGrid[j]);
    w.seriesAtLength = EvaluatePileSeries(w.alphaH);

    w.factors = HeadFactorsRestrained(w.seriesAtLength, w.kh);
    w.ground = GroundLineFlexibility(w.factors, w.alpha, w.EI);
    w.top = ExtendToTop(w.ground, r.m_l0, w.EI);
    w.stiffness = PileHeadStiffness(w.top, r.m_xiN, h, r.m_l0, w.Ec, w.A, w.C0, w.A0);

    const double np = w.np;
    const HeadStiffness& k = w.stiffness;
    w.gVV = np * k.rNN;
    w.gUU = np * k.rHH;
    w.gUb = static_cast<double>(-w.np) * k.rMH;
    w.gbb = np * k.rMM + k.rNN * w.Sx2;
    const double D = w.gUU * w.gbb - w.gUb * w.gUb;
    w.V = r.m_NG / w.gVV;
    w.U = (w.gbb * r.m_H - w.gUb * r.m_M) / D;
    w.beta = (w.gUU * r.m_M - w.gUb * r.m_H) / D;

    const double Umm = w.U * 1000;
    r.m_capU = Trunc2(Umm);
    u.Written(kCapU, Umm);
    r.m_capBeta = TruncRotation(w.beta);
    u.Written(kCapBeta, w.beta * 10000000.0);
}

// Forces of every pile and the search along the 41 grid depths for the largest moment
// and shear.
void PileForcesAndSearch(HighCapRecord& r, HighCapWork& w, ResultFlags& u) {
    const double l0 = r.m_l0;
    PileGroupTables& p = w.piles;
    for (int k = 0; k < w.np; ++k) {
        const PileTopForce f = PileTopForces(w.stiffness, w.U, w.beta, w.V, p.x[k], l0);
        p.N[k] = f.N;
        p.H0[k] = f.H0;
        p.M0[k] = f.M0;
        const GroundResponse g = GroundLineResponse(w.ground, f.H0, f.M0);
        p.x0[k] = g.x0;
        const double x0mm = p.x0[k] * 1000;
        r.m_x0 = Trunc2(x0mm);
        u.Written(kX0, x0mm);
        p.phi0[k] = g.phi0;
    }

    bool momentUndefined = false;
    bool shearUndefined = false;
    for (int k = 0; k < w.np; ++k) {
        for (int j = 0; j < kGridPoints; ++j) {
            const PileSeries& s = w.series[j];
            const double y = kReducedDepthGrid[j] / w.alpha + l0; // below the pile top
            const double rawM =
                MomentAtDepthUnfiltered(s, p.x0[k], p.phi0[k], p.M0[k], p.H0[k], w.alpha, w.EI);
            momentUndefined = momentUndefined || !std::isfinite(rawM);
            const double Mz = SmallToZero(rawM);
            r.m_momentSeries[j] = Mz;
            // Every pile repeats the same moments; the cut maximum is raised again by
            // later piles, so the pile and depth are those of the last raise.
            if (RaisesMaximum(r.m_Mmax, Mz)) {
                r.m_Mmax = Trunc2(Mz);
                u.Written(kMmax, Mz);
                r.m_xPile = ShownUncut(p.x[k]);
                u.Written(kXPile, p.x[k]);
                r.m_yMmax = Trunc2(y);
                u.Written(kYMmax, y);
                r.m_Ntop = ShownUncut(p.N[k]);
                u.Written(kNtop, p.N[k]);
            }
            const double rawQ =
                ShearAtDepthUnfiltered(s, p.x0[k], p.phi0[k], p.M0[k], p.H0[k], w.alpha, w.EI);
            shearUndefined = shearUndefined || !std::isfinite(rawQ);
            const double Qz = SmallToZero(rawQ);
            r.m_shearSeries[j] = Qz;
            if (RaisesMaximum(r.m_Qmax, Qz)) {
                r.m_Qmax = Trunc2(Qz);
                u.Written(kQmax, Qz);
                r.m_yQmax = Trunc2(y);
                u.Written(kYQmax, y);
            }
        }
    }
    // A moment that is not a number is stored as 0 and never raises the maximum, so
    // the maximum, its pile and its depth would look like results.
    if (momentUndefined) {
        u.Taint(kMmax);
        u.Taint(kXPile);
        u.Taint(kYMmax);
        u.Taint(kNtop);
        u.Taint(kMomentSeries);
    }
    if (shearUndefined) {
        u.Taint(kQmax);
        u.Taint(kYQmax);
        u.Taint(kShearSeries);
    }
}

} // namespace

CalcOutcome CalculateHighCapForces(HighCapRecord& r, int concreteIndex, HighCapWork& work) {
    std::string refusal = PileGroupInputRefusal(concreteIndex, r.m_nx, r.m_nz);
    if (!refusal.empty())
        return CalcOutcome::Refused(std::move(refusal));

    ResultFlags undefined(kTrackedNames);
    r.m_Mmax = 0.0;
    r.m_xPile = 0.0;
    r.m_yMmax = 0.0;
    r.m_Qmax = 0.0;
    r.m_yQmax = 0.0;
    PileParametersAndCap(r, concreteIndex, work, undefined);
    PileForcesAndSearch(r, work, undefined);

    CalcOutcome outcome;
    outcome.undefined = undefined.Names();
    return outcome;
}

CalcOutcome CalculateHighCapForces(HighCapRecord& r, int concreteIndex) {
    auto work = std::make_unique<HighCapWork>();
    return CalculateHighCapForces(r, concreteIndex, *work);
}
