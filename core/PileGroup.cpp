#include "PileGroup.h"

#include "Trunc2.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace korvane {

PileProperties PilePropertiesOf(const ConcreteGrade& grade, double d, double m) {
    PileProperties p;
    p.Ec = grade.Ec;
    p.I = SectionInertia(d);
    p.A = SectionArea(d);
    p.b0 = CalculationWidth(d);
    p.EI = BendingStiffness(p.Ec, p.I);
    p.alpha = DeformationCoefficient(p.b0, m, p.EI);
    return p;
}

double PileTipArea(bool endBearing, int phiDegrees, double h, double d, double sax, double saz) {
    return endBearing ? TipAreaEndBearing(d) : TipAreaFriction(phiDegrees, h, d, sax, saz);
}

TipSupport TipSupportOf(bool endBearing, std::optional<double> freeTipDepth, double depth,
                        double CR, double mp, const PileProperties& pile) {
    TipSupport t;
    t.h0 = depth;
    if (depth < 10.0)
        t.h0 = 10.0;
    t.C0 = endBearing ? CR : t.h0 * mp;
    t.kh = TipRotationalRestraint(t.C0, pile.alpha, pile.Ec);
    if (freeTipDepth && t.h0 - *freeTipDepth / pile.alpha > 0.001)
        t.kh = 0.0;
    return t;
}

double DepthBelowPileTop(const PileProperties& pile, int j, double l0) {
    return kReducedDepthGrid[j] / pile.alpha + l0;
}

double PileLayout::Abscissa(int pile) const {
    const int row = pile / nz;
    return row * sax - xoff;
}

PileLayout PileLayoutOf(int nx, int nz, double sax) {
    PileLayout g;
    g.nx = nx;
    g.nz = nz;
    g.np = nx * nz;
    g.sax = sax;
    g.xoff = (nx - 1) * sax / 2;
    // Pile by pile, so that the sum rounds exactly as it always has.
    double sum = 0.0;
    for (int row = 0; row < nx; ++row) {
        const double x = row * sax - g.xoff;
        const double x2 = x * x;
        for (int i = 0; i < nz; ++i)
            sum = x2 + sum;
    }
    g.Sx2 = sum;
    return g;
}

PileHead PileHeadOf(const HeadFactors& factors, const PileProperties& pile, double l0, double xiN,
                    double h, double C0, double A0) {
    PileHead head;
    head.factors = factors;
    head.ground = GroundLineFlexibility(factors, pile.alpha, pile.EI);
    head.top = ExtendToTop(head.ground, l0, pile.EI);
    head.stiffness = PileHeadStiffness(head.top, xiN, h, l0, pile.Ec, pile.A, C0, A0);
    return head;
}

GroupHeadResponse GroupHeadResponseOf(const PileHead& head, const CapMovement& cap, double l0) {
    // The abscissa enters the axial force only.
    const PileTopForce f = PileTopForces(head.stiffness, cap.U, cap.beta, cap.V, 0.0, l0);
    const GroundResponse g = GroundLineResponse(head.ground, f.H0, f.M0);
    return {f.H0, f.M0, g.x0, g.phi0, f.Mtop};
}

double PileAxialForce(const PileHead& head, const CapMovement& cap, double x, double l0) {
    return PileTopForces(head.stiffness, cap.U, cap.beta, cap.V, x, l0).N;
}

DepthResponse DepthResponseOf(const GroupHeadResponse& head, const PileProperties& pile, int last,
                              double* moment, double* shear) {
    DepthResponse out;
    for (int j = 0; j <= last; ++j) {
        const PileSeries& s = GridSeries(j);
        const double rawM =
            MomentAtDepth(s, head.x0, head.phi0, head.M0, head.H0, pile.alpha, pile.EI);
        out.momentUndefined = out.momentUndefined || !std::isfinite(rawM);
        moment[j] = SmallToZero(rawM);
        const double rawQ =
            ShearAtDepth(s, head.x0, head.phi0, head.M0, head.H0, pile.alpha, pile.EI);
        out.shearUndefined = out.shearUndefined || !std::isfinite(rawQ);
        shear[j] = SmallToZero(rawQ);
    }
    return out;
}

GroupMaximum GroupMaximumOf(std::span<const double> values, int piles, double startShown) {
    GroupMaximum m{startShown, 0.0, -1, -1};
    const int depths = static_cast<int>(values.size());
    for (int k = 0; k < piles; ++k) {
        const auto passStart = std::bit_cast<std::uint64_t>(m.shown);
        bool raised = false;
        for (int j = 0; j < depths; ++j) {
            if (RaisesMaximum(m.shown, values[j])) {
                m.shown = Trunc2(values[j]);
                m.raw = values[j];
                m.depth = j;
                raised = true;
            }
        }
        if (raised)
            m.pile = k;
        if (std::bit_cast<std::uint64_t>(m.shown) == passStart) {
            // Every later pile repeats this pass, so the last pile raises last if any.
            if (raised)
                m.pile = piles - 1;
            break;
        }
    }
    return m;
}

} // namespace korvane
