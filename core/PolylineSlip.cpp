#include "PolylineSlip.h"

CalcOutcome ComputePolylineSlip(PolylineSlipRecord&, int, int) {
    return CalcOutcome::Refused("尚未实现");
}
