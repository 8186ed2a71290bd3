#include "HighCap.h"

CalcOutcome CalculateHighCapForces(HighCapRecord&, int) {
    return CalcOutcome::Refused("尚未实现");
}
