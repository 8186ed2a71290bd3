#include "BishopMethod.h"

#include "CircularSlip.h"
#include "Grades.h"

#include <cmath>

namespace korvane {

BishopFactor BishopFactorOf(const CircleDetail& circle, const CircularSlipRecord& working) {
    BishopFactor b;
    if (circle.slices.empty() || !circle.withinLimits || !std::isfinite(circle.factor))
        return b;
    const double tanPhi = std::tan(working.m_phi * kDegToRad);
    const double c = working.m_c;
    double F = circle.factor;
    for (b.iterations = 1; b.iterations <= kBishopMaxIterations; ++b.iterations) {
        double resisting = 0;
        b.leastM = 0;
        b.leastMSlice = -1;
        for (std::size_t k = 0; k < circle.slices.size(); ++k) {
            const CircleSliceDetail& s = circle.slices[k];
            const double sinA = std::sin(s.alpha), cosA = std::cos(s.alpha);
            const double m = cosA + tanPhi * sinA / F;
            if (b.leastMSlice < 0 || m < b.leastM) {
                b.leastM = m;
                b.leastMSlice = static_cast<int>(k);
            }
            resisting += (c * s.baseLength * cosA + s.vertical * tanPhi) / m;
        }
        if (!(b.leastM > 0)) {
            b.outcome =
                std::isnan(b.leastM) ? BishopOutcome::NotFinite : BishopOutcome::MNotPositive;
            return b;
        }
        const double next = (resisting + circle.pileResisting) / circle.driving;
        if (!std::isfinite(next)) {
            b.outcome = BishopOutcome::NotFinite;
            return b;
        }
        const bool settled = std::fabs(next - F) < kBishopTol;
        F = next;
        if (settled) {
            b.outcome = BishopOutcome::Converged;
            b.factor = F;
            return b;
        }
    }
    b.iterations = kBishopMaxIterations;
    b.outcome = BishopOutcome::NotConverged;
    return b;
}

BishopLeast LeastBishopCircle(const CircularSlipRecord& working) {
    BishopLeast least;
    least.circle = ThoroughCircleSearchOn(working, [&working](double x0, double y0) {
        const CircleDetail detail = DescribeCircle(working, x0, y0);
        const BishopFactor f = BishopFactorOf(detail, working);
        return f.Defined() ? std::optional<double>(f.factor) : std::nullopt;
    });
    if (least.circle.found)
        least.factor =
            BishopFactorOf(DescribeCircle(working, least.circle.x, least.circle.y), working);
    return least;
}

} // namespace korvane
