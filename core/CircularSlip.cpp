#include "CircularSlip.h"

double CircleSafetyFactor(const CircularSlipRecord&, double, double) { return 0.0; }

CalcOutcome SearchCriticalCircle(CircularSlipRecord&, int, int) {
    return CalcOutcome::Refused("尚未实现");
}
