#pragma once

#include "CaseExtras.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The code methods' figures as text beside the form's results. Factors, radii and
// coordinates are cut to hundredths and formatted as the form's result fields are;
// a figure the method leaves undefined reads "undefined".

struct CodeMethodLine {
    const char* name; // bishopKs, bishopMinKs, bishopMinR, bishopMinX, bishopMinY,
                      // bishopMinM; transferKs, transferThrust (three values, top first)
    std::string text;
};

// The lines of the methods that ran, in that order; none when none ran.
std::vector<CodeMethodLine> CodeMethodLines(const CodeMethods& methods);

// The names of those lines for the calculator called `calculator`, in order; none for
// a calculator without code methods.
std::vector<std::string> CodeMethodNames(std::string_view calculator);

// Why a Bishop factor is undefined, in a sentence ("第 12 条土条的 m ≤ 0"), or "" when it is
// defined.
std::string BishopUndefinedReason(const BishopFactor& b);
// One line for the form's strip: "规范方法（简化 Bishop 法）：ks 圆弧 F = 1.75；最小 F = 1.62（圆心
// …）".
std::string CodeMethodSummary(const CodeMethods& methods);

} // namespace korvane
