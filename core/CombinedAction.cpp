#include "CombinedAction.h"

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
    kMaxMoment,
    kNtop,
    kX0,
    kHc,
    kHb,
    kMb,
    kMc,
    kNb,
    kCapU,
    kCapBeta,
    kLastPoint,
    kMomentSeries,
    kShearSeries,
    kTrackedCount
};
constexpr std::array<const char*, kTrackedCount> kTrackedNames = {
    "I",  "maxMoment", "Ntop", "x0",      "Hc",        "Hb",           "Mb",
    "Mc", "Nb",        "capU", "capBeta", "lastPoint", "momentSeries", "shearSeries"};

using ResultFlags = UndefinedResults<kTrackedCount>;

// Pile, soil and cap parameters and the pile positions.
void PileSoilCapParameters(CombinedActionRecord& r, int concreteIndex, CombinedActionWork& w,
                           ResultFlags& u) {
    const ConcreteGrade grade = ConcreteGradeTable(concreteIndex);
    r.m_ft = grade.ft;
    r.m_Ec = grade.Ec;
    r.m_fc = grade.fc;
    w.Ec = r.m_Ec;

    const double d = r.m_d;
    const double h = r.m_h;
    const double hn = r.m_hn;
    w.I = SectionInertia(d);
    r.m_I = w.I;
    u.Written(kI, w.I);
    w.A = SectionArea(d);
    w.b0 = CalculationWidth(d);
    w.EI = BendingStiffness(w.Ec, w.I);
    // The piles take the side-soil coefficient of the soil under the cap.
    w.alpha = DeformationCoefficient(w.b0, r.m_ms, w.EI);
    w.A0 =
        r.m_pileType == 0 ? TipAreaEndBearing(d) : TipAreaFriction(r.m_phi, h, d, r.m_sax, r.m_saz);

    const double alphaH = w.alpha * h;
    w.n = GridIndexOfReducedLength(alphaH);
    r.m_lastPoint = w.n;
    u.Written(kLastPoint, alphaH);

    w.h0 = hn + h;
    if (w.h0 < 10.0)
        w.h0 = 10.0;
    w.C0 = r.m_pileType == 0 ? r.m_CR : w.h0 * r.m_mp;

    // A pile long enough for its depth to pass the limit has a tip free to rotate.
    w.kh = TipRotationalRestraint(w.C0, w.alpha, w.Ec);
    if (r.m_bearingLayer == 0 && w.h0 - 3.5 / w.alpha > 0.001)
        w.kh = 0.0;
    if (r.m_bearingLayer == 1 && w.h0 - 2.5 / w.alpha > 0.001)
        w.kh = 0.0;

    w.Bc = r.m_B + 1.0;
    w.Cb = r.m_ms * hn * r.m_etaC;
    if (hn < 1.0)
        w.Cb = r.m_ms * r.m_etaC;

    const int nx = r.m_nx;
    const int nz = r.m_nz;
    w.np = nx * nz; // bounded by the input check
    w.Ab = r.m_L * r.m_B - w.np * w.A;

    w.Cn = r.m_mc * hn;
    w.Fc = w.Cn * hn / 2;
    w.Sc = w.Cn * hn * hn / 6;
    w.Ic = w.Cn * hn * hn * hn / 12;

    // All piles of an X row share its abscissa; the Z positions do not enter.
    w.xoff = (nx - 1) * r.m_sax / 2;
    for (int ix = 0; ix < nx; ++ix)
        for (int iz = 0; iz < nz; ++iz)
            w.piles.x[ix * nz + iz] = ix * r.m_sax - w.xoff;

    w.Sx2 = 0.0;
    for (int k = 0; k < w.np; ++k)
        w.Sx2 = w.piles.x[k] * w.piles.x[k] + w.Sx2;
    w.Ib = r.m_B * r.m_L * r.m_L * r.m_L / 12 - w.A * w.Sx2;
}

// Flexibility and stiffness of one pile head; the embedded length is the grid point
// nearest to alpha·h.
void PileHeadCoefficients(const CombinedActionRecord& r, CombinedActionWork& w) {
    for (int j = 0; j < kGridPoints; ++j)
        w.series[j] = EvaluatePileSeries(kReducedDepthGrid[j]);
    const PileSeries& s = w.series[w.n];
    w.factors = r.m_bearingLayer == 2 ? HeadFactorsEmbedded(s) : HeadFactorsRestrained(s, w.kh);
    w.ground = GroundLineFlexibility(w.factors, w.alpha, w.EI);
    w.top = ExtendToTop(w.ground, r.m_l0, w.EI);
    w.stiffness = PileHeadStiffness(w.top, r.m_xiN, r.m_h, r.m_l0, w.Ec, w.A, w.C0, w.A0);
}

// Displacements of the rigid cap on its piles, the soil at its sides and under it.
void CapEquilibrium(CombinedActionRecord& r, CombinedActionWork& w, ResultFlags& u) {
    const double np = w.np;
    const HeadStiffness& k = w.stiffness;
    w.gVV = np * k.rNN + w.Cb * w.Ab;
    w.gUV = w.Cb * r.m_mu * w.Ab; // friction of the cap bottom couples settlement in
    w.gUU = np * k.rHH + w.Bc * w.Fc;
    w.gUb = w.Bc * w.Sc - np * k.rMH;
    w.gbb = ((np * k.rMM + k.rNN * w.Sx2) + w.Bc * w.Ic) + w.Cb * w.Ib;

    const double S = w.gUU * w.gbb - w.gUb * w.gUb;
    const double T = w.gVV * w.gUU * w.gbb - w.gVV * w.gUb * w.gUb;
    const double NG = r.m_NG;
    w.V = NG / w.gVV;
    w.U = (w.gbb * r.m_H - w.gUb * r.m_M) / S - (w.gUV * NG * w.gbb) / T;
    w.beta = (w.gUU * r.m_M - w.gUb * r.m_H) / S + (w.gUV * NG * w.gUb) / T;

    const double Umm = w.U * 1000;
    r.m_capU = Trunc2(Umm);
    u.Written(kCapU, Umm);
    r.m_capBeta = TruncRotation(w.beta);
    u.Written(kCapBeta, w.beta * 10000000.0);
}

// Forces of every pile, the cap-soil resistances, and the moment and shear of a pile
// at the depth points 0..n.
void PileDepthResponse(CombinedActionRecord& r, CombinedActionWork& w, ResultFlags& u) {
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

        const double Hc = w.U * w.Bc * w.Fc + w.beta * w.Bc * w.Sc;
        const double Mc = w.U * w.Bc * w.Sc + w.beta * w.Bc * w.Ic;
        const double Nb = w.V * w.Cb * w.Ab;
        r.m_Hc = Trunc2(Hc);
        u.Written(kHc, Hc);
        r.m_Mc = Trunc2(Mc);
        u.Written(kMc, Mc);
        r.m_Nb = Trunc2(Nb);
        u.Written(kNb, Nb);
        // From the shown (cut) vertical resistance.
        const double Hb = r.m_mu * r.m_Nb;
        r.m_Hb = Trunc2(Hb);
        u.Written(kHb, Hb);
        if (u.IsUndefined(kNb))
            u.Taint(kHb);
        const double Mb = w.beta * w.Cb * w.Ib;
        r.m_Mb = Trunc2(Mb);
        u.Written(kMb, Mb);
    }

    bool momentUndefined = false;
    bool shearUndefined = false;
    for (int k = 0; k < w.np; ++k) {
        for (int j = 0; j <= w.n; ++j) {
            const PileSeries& s = w.series[j];
            const double rawM =
                MomentAtDepthUnfiltered(s, p.x0[k], p.phi0[k], p.M0[k], p.H0[k], w.alpha, w.EI);
            momentUndefined = momentUndefined || !std::isfinite(rawM);
            const double Mz = SmallToZero(rawM);
            r.m_momentSeries[j] = Mz;
            // Every pile repeats the same moments; the cut maximum is raised again by
            // later piles, so m_Ntop ends with the last pile that raised it.
            if (RaisesMaximum(r.m_maxMoment, Mz)) {
                r.m_maxMoment = Trunc2(Mz);
                u.Written(kMaxMoment, Mz);
                r.m_Ntop = Trunc2(p.N[k]);
                u.Written(kNtop, p.N[k]);
            }
            const double rawQ =
                ShearAtDepthUnfiltered(s, p.x0[k], p.phi0[k], p.M0[k], p.H0[k], w.alpha, w.EI);
            shearUndefined = shearUndefined || !std::isfinite(rawQ);
            r.m_shearSeries[j] = SmallToZero(rawQ);
        }
    }
    // A moment that is not a number is stored as 0 and never raises the maximum, so
    // the maximum and the pile chosen by it would look like results.
    if (momentUndefined) {
        u.Taint(kMaxMoment);
        u.Taint(kNtop);
        u.Taint(kMomentSeries);
    }
    if (shearUndefined)
        u.Taint(kShearSeries);
}

} // namespace

CalcOutcome CalculateCombinedAction(CombinedActionRecord& r, int concreteIndex,
                                    CombinedActionWork& work) {
    std::string refusal = PileGroupInputRefusal(concreteIndex, r.m_nx, r.m_nz);
    if (!refusal.empty())
        return CalcOutcome::Refused(std::move(refusal));

    ResultFlags undefined(kTrackedNames);
    r.m_maxMoment = 0.0;
    PileSoilCapParameters(r, concreteIndex, work, undefined);
    PileHeadCoefficients(r, work);
    CapEquilibrium(r, work, undefined);
    PileDepthResponse(r, work, undefined);

    CalcOutcome outcome;
    outcome.undefined = undefined.Names();
    return outcome;
}

CalcOutcome CalculateCombinedAction(CombinedActionRecord& r, int concreteIndex) {
    auto work = std::make_unique<CombinedActionWork>();
    return CalculateCombinedAction(r, concreteIndex, *work);
}
