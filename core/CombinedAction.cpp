#include "CombinedAction.h"

CalcOutcome CalculateCombinedAction(CombinedActionRecord&, int) {
    return CalcOutcome::Refused("尚未实现");
}
