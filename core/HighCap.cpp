#include "HighCap.h"

#include "PileResults.h"

#include <cmath>
#include <span>

namespace korvane {

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

// The reduced depth beyond which the tip turns freely, by bearing layer.
std::optional<double> FreeTipDepth(int bearingLayer) {
    switch (bearingLayer) {
    case HighCapRecord::kBedrock:
        return 3.5;
    case HighCapRecord::kNonBedrock:
        return 2.5;
    default:
        return std::nullopt;
    }
}

// Pile and soil parameters, pile head coefficients and the equilibrium of the cap on
// its piles (no soil acts on a high cap).
void PileParametersAndCap(HighCapRecord& r, int concreteIndex, HighCapWork& w, ResultFlags& u) {
    const double d = r.m_d;
    const double h = r.m_h;

    const ConcreteGrade grade = ConcreteGradeTable(concreteIndex);
    ShowMaterials(r, grade);
    w.pile = PilePropertiesOf(grade, d, r.m_ms1);
    r.m_I = w.pile.I;
    u.Written(kI, r.m_I);

    // The pile type, not the bearing layer, decides between rock and soil at the tip.
    w.tip = TipSupportOf(IsEndBearing(r.m_pileType), FreeTipDepth(r.m_bearingLayer), h, r.m_CR,
                         r.m_mp, w.pile);
    w.A0 = PileTipArea(IsEndBearing(r.m_pileType), r.m_phi, h, d, r.m_sax, r.m_saz);
    w.layout = PileLayoutOf(r.m_nx, r.m_nz, r.m_sax);

    w.alphaH = w.pile.alpha * h;
    if (w.alphaH > 4.0)
        w.alphaH = 4.0;
    w.seriesAtLength = SeriesAtReducedDepth(w.alphaH);
    w.head = PileHeadOf(HeadFactorsRestrained(w.seriesAtLength, w.tip.kh), w.pile, r.m_l0, r.m_xiN,
                        h, w.tip.C0, w.A0);

    const double np = w.layout.np;
    const HeadStiffness& k = w.head.stiffness;
    w.gVV = np * k.rNN;
    w.gUU = np * k.rHH;
    w.gUb = static_cast<double>(-w.layout.np) * k.rMH;
    w.gbb = np * k.rMM + k.rNN * w.layout.Sx2;
    const double D = w.gUU * w.gbb - w.gUb * w.gUb;
    CapMovement& c = w.cap;
    c.V = r.m_NG / w.gVV;
    c.U = (w.gbb * r.m_H - w.gUb * r.m_M) / D;
    c.beta = (w.gUU * r.m_M - w.gUb * r.m_H) / D;

    ShowCapMovement(r, c, u, kCapU, kCapBeta);
}

// Head movement of the piles and the search along the 41 grid depths for the largest
// moment and shear.
void PileForcesAndSearch(HighCapRecord& r, HighCapWork& w, ResultFlags& u) {
    const double l0 = r.m_l0;
    w.response = GroupHeadResponseOf(w.head, w.cap, l0);
    ShowGroundDisplacement(r, w.response, u, kX0);

    const DepthResponse depth =
        DepthResponseOf(w.response, w.pile, kGridPoints - 1, r.m_momentSeries, r.m_shearSeries);
    // Every pile repeats the same moments; the cut maximum is raised again by later
    // piles, so the pile and depth are those of the last raise.
    const GroupMaximum m = GroupMaximumOf(std::span<const double>(r.m_momentSeries, kGridPoints),
                                          w.layout.np, r.m_Mmax);
    if (ShowMaximum(r.m_Mmax, m, u, kMmax)) {
        const double x = w.layout.Abscissa(m.pile);
        r.m_xPile = ShownUncut(x);
        u.Written(kXPile, x);
        const double y = DepthBelowPileTop(w.pile, m.depth, l0);
        r.m_yMmax = Trunc2(y);
        u.Written(kYMmax, y);
        const double N = PileAxialForce(w.head, w.cap, x, l0);
        r.m_Ntop = ShownUncut(N);
        u.Written(kNtop, N);
    }
    const GroupMaximum q = GroupMaximumOf(std::span<const double>(r.m_shearSeries, kGridPoints),
                                          w.layout.np, r.m_Qmax);
    if (ShowMaximum(r.m_Qmax, q, u, kQmax)) {
        const double y = DepthBelowPileTop(w.pile, q.depth, l0);
        r.m_yQmax = Trunc2(y);
        u.Written(kYQmax, y);
    }
    // A moment that is not a number is stored as 0 and never raises the maximum, so
    // the maximum, its pile and its depth would look like results.
    if (depth.momentUndefined)
        u.Taint({kMmax, kXPile, kYMmax, kNtop, kMomentSeries});
    if (depth.shearUndefined)
        u.Taint({kQmax, kYQmax, kShearSeries});
}

} // namespace

CalcOutcome CalculateHighCapForces(HighCapRecord& r, int concreteIndex, HighCapWork& work) {
    if (std::optional<Refusal> refusal = PileGroupInputRefusal(concreteIndex, r.m_nx, r.m_nz))
        return CalcOutcome::Refused(std::move(*refusal));

    ResultFlags undefined(kTrackedNames);
    r.m_Mmax = 0.0;
    r.m_xPile = 0.0;
    r.m_yMmax = 0.0;
    r.m_Qmax = 0.0;
    r.m_yQmax = 0.0;
    PileParametersAndCap(r, concreteIndex, work, undefined);
    PileForcesAndSearch(r, work, undefined);

    return ComputedOutcome(undefined);
}

CalcOutcome CalculateHighCapForces(HighCapRecord& r, int concreteIndex) {
    HighCapWork work;
    return CalculateHighCapForces(r, concreteIndex, work);
}

} // namespace korvane
