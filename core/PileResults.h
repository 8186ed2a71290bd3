#pragma once

// The shown results that both pile-group calculations write alike. Their records name
// these members the same, so one template serves both; the caller passes its own
// tracking indices of the results.

#include "CalcOutcome.h"
#include "Grades.h"
#include "PileGroup.h"
#include "Trunc2.h"
#include "UndefinedResults.h"

namespace korvane {

// The looked-up materials, shown for reference.
template <class Record> void ShowMaterials(Record& r, const ConcreteGrade& grade) {
    r.m_ft = grade.ft;
    r.m_Ec = grade.Ec;
    r.m_fc = grade.fc;
}

// The cap displacement in mm and its rotation in 1e-5 rad, both cut as shown.
template <class Record, int Count>
void ShowCapMovement(Record& r, const CapMovement& cap, UndefinedResults<Count>& u, int capU,
                     int capBeta) {
    const double Umm = cap.U * 1000;
    r.m_capU = Trunc2(Umm);
    u.Written(capU, Umm);
    r.m_capBeta = TruncRotation(cap.beta);
    u.Written(capBeta, cap.beta * 10000000.0);
}

// The pile displacement at the ground line in mm, the same for every pile.
template <class Record, int Count>
void ShowGroundDisplacement(Record& r, const GroupHeadResponse& head, UndefinedResults<Count>& u,
                            int x0) {
    const double x0mm = head.x0 * 1000;
    r.m_x0 = Trunc2(x0mm);
    u.Written(x0, x0mm);
}

// The running maximum of the group as shown, when anything raised it; true if so.
template <int Count>
bool ShowMaximum(double& shown, const GroupMaximum& m, UndefinedResults<Count>& u, int member) {
    if (m.pile < 0)
        return false;
    shown = m.shown;
    u.Written(member, m.raw);
    return true;
}

template <int Count> CalcOutcome ComputedOutcome(const UndefinedResults<Count>& u) {
    CalcOutcome outcome;
    outcome.undefined = u.Names();
    return outcome;
}

} // namespace korvane
