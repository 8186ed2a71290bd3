#include "TransferCoefficient.h"

#include "Grades.h"

#include <cmath>

namespace korvane {

namespace {

// The blocks top first, with their sums; the thrusts are filled by Thrusts.
struct Blocks {
    std::array<TransferBlock, kPolylineSegments> at{};
    std::array<double, kPolylineSegments> theta{}; // rad
    std::array<double, kPolylineSegments> tanPhi{};
};

// The thrust at the toe for the factor F, each block's thrust kept in `b`.
double ThrustAtToe(Blocks& b, double F) {
    double P = 0;
    for (int i = 0; i < kPolylineSegments; ++i) {
        TransferBlock& block = b.at[i];
        if (i == 0) {
            block.psi = 1;
        } else {
            const double turn = b.theta[i - 1] - b.theta[i];
            block.psi = std::cos(turn) - std::sin(turn) * b.tanPhi[i] / F;
        }
        P = P * block.psi + block.T - block.R / F;
        block.thrust = P;
    }
    return P;
}

} // namespace

TransferFactor TransferFactorOf(const PolylineSlipDetail& detail,
                                const PolylineSlipRecord& working) {
    // Strip segments count from the toe (0) up; blocks from the top.
    const double thetaDeg[kPolylineSegments] = {working.m_theta1, working.m_theta2,
                                                working.m_theta3};
    const double phiDeg[kPolylineSegments] = {working.m_phi1, working.m_phi2, working.m_phi3};
    Blocks b;
    for (int i = 0; i < kPolylineSegments; ++i) {
        b.at[i].formSegment = i + 1;
        b.theta[i] = thetaDeg[i] * kDegToRad;
        b.tanPhi[i] = std::tan(phiDeg[i] * kDegToRad);
    }
    const auto blockOf = [](int segmentFromToe) { return kPolylineSegments - 1 - segmentFromToe; };
    for (const PolylineStripDetail& s : detail.strips) {
        const int i = blockOf(s.strip.segment);
        if (i < 0 || i >= kPolylineSegments)
            continue;
        b.at[i].T += s.driving;
        b.at[i].R += s.resisting;
    }
    for (const PolylinePileRow& row : detail.pileRows) {
        const int i = blockOf(row.segment);
        if (i >= 0 && i < kPolylineSegments)
            b.at[i].R += row.resistance;
    }

    TransferFactor result;
    double lo = kTransferLowestFactor, hi = kTransferHighestFactor;
    double atLo = ThrustAtToe(b, lo);
    const double atHi = ThrustAtToe(b, hi);
    if (!std::isfinite(atLo) || !std::isfinite(atHi) || (atLo > 0) == (atHi > 0) || atLo == 0 ||
        atHi == 0) {
        // A root at one end of the range is that end; no thrust at both ends (nothing
        // drives, nothing resists) decides no factor.
        if ((atLo == 0) != (atHi == 0)) {
            result.defined = true;
            result.factor = atLo == 0 ? lo : hi;
            ThrustAtToe(b, result.factor);
            result.blocks = b.at;
        }
        return result;
    }
    while (hi - lo >= kTransferTol) {
        const double mid = (lo + hi) / 2;
        const double atMid = ThrustAtToe(b, mid);
        if (!std::isfinite(atMid))
            return result;
        if ((atMid > 0) == (atLo > 0)) {
            lo = mid;
            atLo = atMid;
        } else {
            hi = mid;
        }
    }
    result.defined = true;
    result.factor = (lo + hi) / 2;
    ThrustAtToe(b, result.factor);
    result.blocks = b.at;
    return result;
}

} // namespace korvane
