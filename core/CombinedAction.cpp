#include "CombinedAction.h"

#include "PileResults.h"

#include <span>

namespace korvane {

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

// The reduced depth beyond which the tip turns freely, by pile-end condition; a tip
// embedded in rock keeps its restraint.
std::optional<double> FreeTipDepth(int bearingLayer) {
    switch (bearingLayer) {
    case CombinedActionRecord::kNonBedrock:
        return 3.5;
    case CombinedActionRecord::kBedrockSurface:
        return 2.5;
    default:
        return std::nullopt;
    }
}

// Pile, soil and cap parameters and the pile positions.
void PileSoilCapParameters(CombinedActionRecord& r, int concreteIndex, CombinedActionWork& w,
                           ResultFlags& u) {
    const ConcreteGrade grade = ConcreteGradeTable(concreteIndex);
    ShowMaterials(r, grade);

    const double h = r.m_h;
    const double hn = r.m_hn;
    // The piles take the side-soil coefficient of the soil under the cap.
    w.pile = PilePropertiesOf(grade, r.m_d, r.m_ms);
    r.m_I = w.pile.I;
    u.Written(kI, w.pile.I);
    w.A0 = PileTipArea(IsEndBearing(r.m_pileType), r.m_phi, h, r.m_d, r.m_sax, r.m_saz);

    const double alphaH = w.pile.alpha * h;
    w.n = GridIndexOfReducedLength(alphaH);
    r.m_lastPoint = w.n;
    u.Written(kLastPoint, alphaH);

    w.tip = TipSupportOf(IsEndBearing(r.m_pileType), FreeTipDepth(r.m_bearingLayer), hn + h, r.m_CR,
                         r.m_mp, w.pile);

    w.Bc = r.m_B + 1.0;
    w.Cb = r.m_ms * hn * r.m_etaC;
    if (hn < 1.0)
        w.Cb = r.m_ms * r.m_etaC;

    w.layout = PileLayoutOf(r.m_nx, r.m_nz, r.m_sax);
    w.Ab = r.m_L * r.m_B - w.layout.np * w.pile.A;

    w.Cn = r.m_mc * hn;
    w.Fc = w.Cn * hn / 2;
    w.Sc = w.Cn * hn * hn / 6;
    w.Ic = w.Cn * hn * hn * hn / 12;
    w.Ib = r.m_B * r.m_L * r.m_L * r.m_L / 12 - w.pile.A * w.layout.Sx2;
}

// Flexibility and stiffness of one pile head; the embedded length is the grid point
// nearest to alpha·h.
void PileHeadCoefficients(const CombinedActionRecord& r, CombinedActionWork& w) {
    const PileSeries& s = GridSeries(w.n);
    const HeadFactors factors = r.m_bearingLayer == CombinedActionRecord::kEmbeddedInRock
                                    ? HeadFactorsEmbedded(s)
                                    : HeadFactorsRestrained(s, w.tip.kh);
    w.head = PileHeadOf(factors, w.pile, r.m_l0, r.m_xiN, r.m_h, w.tip.C0, w.A0);
}

// Displacements of the rigid cap on its piles, the soil at its sides and under it.
void CapEquilibrium(CombinedActionRecord& r, CombinedActionWork& w, ResultFlags& u) {
    const double np = w.layout.np;
    const HeadStiffness& k = w.head.stiffness;
    w.gVV = np * k.rNN + w.Cb * w.Ab;
    w.gUV = w.Cb * r.m_mu * w.Ab; // friction of the cap bottom couples settlement in
    w.gUU = np * k.rHH + w.Bc * w.Fc;
    w.gUb = w.Bc * w.Sc - np * k.rMH;
    w.gbb = ((np * k.rMM + k.rNN * w.layout.Sx2) + w.Bc * w.Ic) + w.Cb * w.Ib;

    const double S = w.gUU * w.gbb - w.gUb * w.gUb;
    const double T = w.gVV * w.gUU * w.gbb - w.gVV * w.gUb * w.gUb;
    const double NG = r.m_NG;
    CapMovement& c = w.cap;
    c.V = NG / w.gVV;
    c.U = (w.gbb * r.m_H - w.gUb * r.m_M) / S - (w.gUV * NG * w.gbb) / T;
    c.beta = (w.gUU * r.m_M - w.gUb * r.m_H) / S + (w.gUV * NG * w.gUb) / T;

    ShowCapMovement(r, c, u, kCapU, kCapBeta);
}

// Resistances of the soil at the cap's sides and under it.
void CapSoilResistances(CombinedActionRecord& r, const CombinedActionWork& w, ResultFlags& u) {
    const CapMovement& c = w.cap;
    const double Hc = c.U * w.Bc * w.Fc + c.beta * w.Bc * w.Sc;
    const double Mc = c.U * w.Bc * w.Sc + c.beta * w.Bc * w.Ic;
    const double Nb = c.V * w.Cb * w.Ab;
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
    const double Mb = c.beta * w.Cb * w.Ib;
    r.m_Mb = Trunc2(Mb);
    u.Written(kMb, Mb);
}

// Head movement of the piles, their moment and shear at the depth points 0..n, and the
// largest moment with the top force of the pile that holds it last.
void PileDepthResponse(CombinedActionRecord& r, CombinedActionWork& w, ResultFlags& u) {
    const double l0 = r.m_l0;
    w.response = GroupHeadResponseOf(w.head, w.cap, l0);
    ShowGroundDisplacement(r, w.response, u, kX0);

    const DepthResponse depth =
        DepthResponseOf(w.response, w.pile, w.n, r.m_momentSeries, r.m_shearSeries);
    // Every pile repeats the same moments; the cut maximum is raised again by later
    // piles, so m_Ntop ends with the last pile that raised it.
    const GroupMaximum m = GroupMaximumOf(std::span<const double>(r.m_momentSeries, w.n + 1),
                                          w.layout.np, r.m_maxMoment);
    if (ShowMaximum(r.m_maxMoment, m, u, kMaxMoment)) {
        const double N = PileAxialForce(w.head, w.cap, w.layout.Abscissa(m.pile), l0);
        r.m_Ntop = Trunc2(N);
        u.Written(kNtop, N);
    }
    // A moment that is not a number is stored as 0 and never raises the maximum, so
    // the maximum and the pile chosen by it would look like results.
    if (depth.momentUndefined)
        u.Taint({kMaxMoment, kNtop, kMomentSeries});
    if (depth.shearUndefined)
        u.Taint(kShearSeries);
}

} // namespace

CalcOutcome CalculateCombinedAction(CombinedActionRecord& r, int concreteIndex,
                                    CombinedActionWork& work) {
    if (std::optional<Refusal> refusal = PileGroupInputRefusal(concreteIndex, r.m_nx, r.m_nz))
        return CalcOutcome::Refused(std::move(*refusal));

    ResultFlags undefined(kTrackedNames);
    r.m_maxMoment = 0.0;
    PileSoilCapParameters(r, concreteIndex, work, undefined);
    PileHeadCoefficients(r, work);
    CapEquilibrium(r, work, undefined);
    CapSoilResistances(r, work, undefined);
    PileDepthResponse(r, work, undefined);

    return ComputedOutcome(undefined);
}

CalcOutcome CalculateCombinedAction(CombinedActionRecord& r, int concreteIndex) {
    CombinedActionWork work;
    return CalculateCombinedAction(r, concreteIndex, work);
}

} // namespace korvane
