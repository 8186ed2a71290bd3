#pragma once

// The steps that every pile-group calculation takes. The piles of a group are alike
// and the cap is rigid, so one pile's section, head coefficients, head forces and depth
// response serve the whole group; only the axial force differs from pile to pile, with
// the pile's abscissa. Each step is written with the operations, operands and order of
// a pile evaluated on its own, so that sharing it changes no bit of any result.

#include "Grades.h"
#include "PileKernel.h"

#include <optional>
#include <span>

namespace korvane {

// Section, material and soil quantities of one pile.
struct PileProperties {
    double Ec;    // elastic modulus of the concrete, kPa
    double I;     // second moment of area of the section
    double A;     // section area
    double b0;    // calculation width
    double EI;    // bending stiffness
    double alpha; // deformation coefficient in the side soil of coefficient m
};
PileProperties PilePropertiesOf(const ConcreteGrade& grade, double d, double m);

// Area over which the tip passes its load on: the tip itself for an end-bearing pile,
// the spread of a friction pile otherwise.
double PileTipArea(bool endBearing, int phiDegrees, double h, double d, double sax, double saz);

// The soil or rock under the tip.
struct TipSupport {
    double h0; // depth that sets the soil coefficient at the tip, at least 10 m
    double C0; // vertical coefficient at the tip
    double kh; // rotational restraint of the tip; 0 for a pile long enough to ignore it
};
// `depth` is the tip's depth below the ground whose coefficient grows with depth. An
// end-bearing pile stands on rock of coefficient CR. A tip deeper than freeTipDepth / alpha
// turns freely (kh = 0); without freeTipDepth it keeps its restraint. Each calculation
// gives the depth its bearing layer calls for.
TipSupport TipSupportOf(bool endBearing, std::optional<double> freeTipDepth, double depth,
                        double CR, double mp, const PileProperties& pile);

// Depth below the pile top (the cap underside) of the grid point j, a free length l0
// above the ground line.
double DepthBelowPileTop(const PileProperties& pile, int j, double l0);

// Pile positions: nx rows across X of nz piles each, numbered row by row, the rows
// symmetric about the group's centre line. Only the abscissa matters to the cap.
struct PileLayout {
    int nx = 0;
    int nz = 0;
    int np = 0;      // nx·nz, bounded by the input check
    double sax = 0;  // spacing of the rows
    double xoff = 0; // abscissa of the first row, negated
    double Sx2 = 0;  // sum of the squared abscissae, accumulated in pile order

    double Abscissa(int pile) const; // of pile 0 .. np-1
};
PileLayout PileLayoutOf(int nx, int nz, double sax);

// Coefficients of one pile head at the grid depth or reduced length of `series`.
struct PileHead {
    HeadFactors factors;
    HeadFlexibility ground; // at the ground line
    HeadFlexibility top;    // at the pile top, l0 above it
    HeadStiffness stiffness;
};
PileHead PileHeadOf(const HeadFactors& factors, const PileProperties& pile, double l0, double xiN,
                    double h, double C0, double A0);

// Movement of the rigid cap: settlement V, horizontal displacement U, rotation beta.
struct CapMovement {
    double V = 0;
    double U = 0;
    double beta = 0;
};

// The head forces and ground-line movement, which are the same for every pile: the
// cap moves all pile heads alike, and only the axial force depends on the abscissa.
struct GroupHeadResponse {
    double H0;   // horizontal force at the top, equal at the ground line
    double M0;   // moment at the ground line
    double x0;   // displacement at the ground line
    double phi0; // rotation at the ground line
    double Mtop; // moment at the top, the cap underside; M0 less H0·l0
};
GroupHeadResponse GroupHeadResponseOf(const PileHead& head, const CapMovement& cap, double l0);
// Axial force at the top of the pile at abscissa x.
double PileAxialForce(const PileHead& head, const CapMovement& cap, double x, double l0);

// Moment and shear of every pile at the grid depths 0 .. last, after SmallToZero, and
// whether any of them came from a value that is not finite.
struct DepthResponse {
    bool momentUndefined = false;
    bool shearUndefined = false;
};
DepthResponse DepthResponseOf(const GroupHeadResponse& head, const PileProperties& pile, int last,
                              double* moment, double* shear);

// Outcome of the running maximum over the depth values of every pile, pile after pile.
struct GroupMaximum {
    double shown; // the stored maximum, cut to two decimals
    double raw;   // the value of the last raise, before the cut
    int depth;    // depth index of the last raise; -1 when nothing raised it
    int pile;     // pile of the last raise; -1 when nothing raised it
};
// The search compares each candidate with the stored, already cut maximum, so a value
// between the two raises it again, and every pile repeats the same values. A pass over
// one pile depends only on the stored value it starts from; once a pass ends where it
// started, every later pass repeats it, and the scan stops there.
GroupMaximum GroupMaximumOf(std::span<const double> values, int piles, double startShown);

} // namespace korvane
