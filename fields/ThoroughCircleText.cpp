#include "ThoroughCircleText.h"

#include "FieldText.h"
#include "ThoroughCircleShown.h"

#include <algorithm>
#include <cstdio>

namespace korvane {

namespace {

std::string Text(double shown, const char* name, const ThoroughShown& all) {
    const bool undefined =
        std::find(all.undefined.begin(), all.undefined.end(), name) != all.undefined.end();
    return undefined ? "undefined" : FormatNumber(shown);
}

std::string Fixed(double value, int decimals) {
    const int size = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(size, '\0');
    std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, value);
    return text;
}

} // namespace

std::vector<ThoroughLine> ThoroughCircleLines(const ThoroughCircle& t) {
    const ThoroughShown shown = ShowThoroughCircle(t);
    return {{"thoroughKs", Text(shown.ks, "ks", shown)},
            {"thoroughR", Text(shown.R, "R", shown)},
            {"thoroughX", Text(shown.x, "x", shown)},
            {"thoroughY", Text(shown.y, "y", shown)}};
}

std::string ThoroughLowerSentence(double formKs, const ThoroughCircle& t) {
    // A percentage of a factor that is not positive says nothing.
    if (!ThoroughIsLower(formKs, t) || !(formKs > 0))
        return {};
    return "存在稳定系数更低的滑动圆：ks = " + Fixed(t.ks, 3) + "，比搜索结果低 " +
           Fixed(ThoroughPercentBelow(formKs, t), 1) + "%";
}

} // namespace korvane
