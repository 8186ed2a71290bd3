#pragma once

#include "PileGroup.h"

#include <span>
#include <vector>

namespace korvane {

// The axial force of one row of piles: every pile of a row stands at the same abscissa.
struct PileRowForce {
    double x = 0;  // abscissa of the row, m
    int count = 0; // piles in the row
    double N = 0;  // axial force at the top of each, kN
};

// Moment and shear of a pile at one depth (m, kN·m, kN). Over the free length, from the
// cap underside to the ground line, the pile carries only its head forces: the moment
// grows linearly from the head moment and the shear stays H0.
struct PileDepthPoint {
    bool freeLength = false; // above the ground line; no reduced depth
    double reduced = 0;      // alpha·y below the ground line
    double belowGround = 0;  // negative above it
    double belowCap = 0;
    double M = 0;
    double Q = 0;
};

// A pile group worked out pile row by pile row and down one pile, from the same head
// response and cap movement as the results, for a reader to check them by hand.
struct PileGroupDetail {
    std::vector<PileRowForce> rows;
    double Nmax = 0, NmaxX = 0; // the largest axial force and its row (the first of equals)
    double Nmin = 0, NminX = 0; // the smallest and its row
    double Nmean = 0;           // over every pile of the group
    double H0 = 0, Mtop = 0, M0 = 0;
    double x0 = 0, phi0 = 0;           // displacement (m) and rotation at the ground line
    double l0 = 0;                     // free length
    std::vector<PileDepthPoint> depth; // the head, the ground line when l0 > 0, the grid
};

// `moment` and `shear` are the depth series as computed, one value per grid point from 0.
PileGroupDetail DescribePileGroup(const PileHead& head, const CapMovement& cap,
                                  const PileLayout& layout, const PileProperties& pile,
                                  const GroupHeadResponse& response, double l0,
                                  std::span<const double> moment, std::span<const double> shear);

} // namespace korvane
