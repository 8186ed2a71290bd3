#include "ThoroughCircleShown.h"

#include "Trunc2.h"

#include <cmath>
#include <utility>

namespace korvane {

ThoroughShown ShowThoroughCircle(const ThoroughCircle& t) {
    ThoroughShown shown;
    if (!t.found) {
        shown.undefined = {"x", "y", "ks", "R"};
        return shown;
    }
    shown.x = Trunc2(t.x);
    shown.y = Trunc2(t.y);
    shown.ks = Trunc2(t.ks);
    shown.R = Trunc2(t.R);
    const std::pair<const char*, double> values[] = {
        {"x", t.x}, {"y", t.y}, {"ks", t.ks}, {"R", t.R}};
    for (const auto& [name, value] : values)
        if (!std::isfinite(value))
            shown.undefined.emplace_back(name);
    return shown;
}

bool ThoroughIsLower(double formKs, const ThoroughCircle& t) {
    return t.found && std::isfinite(formKs) && std::isfinite(t.ks) &&
           formKs - t.ks > kThoroughLowerMargin;
}

double ThoroughPercentBelow(double formKs, const ThoroughCircle& t) {
    return (formKs - t.ks) / formKs * 100;
}

} // namespace korvane
