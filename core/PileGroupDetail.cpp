#include "PileGroupDetail.h"

#include "PileKernel.h"

#include <cstddef>

namespace korvane {

PileGroupDetail DescribePileGroup(const PileHead& head, const CapMovement& cap,
                                  const PileLayout& layout, const PileProperties& pile,
                                  const GroupHeadResponse& response, double l0,
                                  std::span<const double> moment, std::span<const double> shear) {
    PileGroupDetail d;
    d.H0 = response.H0;
    d.Mtop = response.Mtop;
    d.M0 = response.M0;
    d.x0 = response.x0;
    d.phi0 = response.phi0;
    d.l0 = l0;

    double sum = 0;
    for (int row = 0; row < layout.nx; ++row) {
        // The first pile of the row stands for all of it.
        const double x = layout.Abscissa(row * layout.nz);
        const double N = PileAxialForce(head, cap, x, l0);
        d.rows.push_back({x, layout.nz, N});
        sum = sum + N * layout.nz;
        if (row == 0 || N > d.Nmax) {
            d.Nmax = N;
            d.NmaxX = x;
        }
        if (row == 0 || N < d.Nmin) {
            d.Nmin = N;
            d.NminX = x;
        }
    }
    d.Nmean = layout.np > 0 ? sum / layout.np : 0;

    d.depth.push_back({.freeLength = l0 > 0,
                       .belowGround = 0.0 - l0,
                       .belowCap = 0,
                       .M = response.Mtop,
                       .Q = response.H0});
    if (l0 > 0)
        d.depth.push_back({.belowGround = 0, .belowCap = l0, .M = response.M0, .Q = response.H0});
    for (std::size_t j = 0; j < moment.size() && j < shear.size(); ++j) {
        const double belowCap = DepthBelowPileTop(pile, static_cast<int>(j), l0);
        d.depth.push_back({.reduced = kReducedDepthGrid[j],
                           .belowGround = kReducedDepthGrid[j] / pile.alpha,
                           .belowCap = belowCap,
                           .M = moment[j],
                           .Q = shear[j]});
    }
    return d;
}

} // namespace korvane
