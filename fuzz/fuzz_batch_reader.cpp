// Any bytes as a batch file: the first byte chooses the calculator (its value modulo
// 4: '0' circular, '1' polyline, '2' combined, '3' high cap), the rest is the CSV.
// The reader either gives rows or a message; rows written back read back the same;
// a header is planned or refused with a message; each row (a few per input, so that
// an execution stays short) gets an answer row of the right width whose status says
// what its cells hold.

#include "BatchCsv.h"
#include "BatchRows.h"
#include "FieldText.h"
#include "Utf8Text.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace korvane;

namespace {

[[noreturn]] void Fail(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::fputs("\n*** batch reader check failed: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputs("\n", stderr);
    va_end(args);
    std::abort();
}

void CheckRoundTrip(const std::vector<CsvRow>& rows, const CsvStyle& style) {
    std::string written;
    for (const CsvRow& row : rows)
        AppendCsvRow(written, row, style);
    CsvTable back;
    if (const Problem problem = ParseCsv(written, back))
        Fail("rows written as CSV are refused on reading: %s", problem.Message().c_str());
    // The answer is UTF-8 whatever the input held: a cell reads back with what is no
    // UTF-8 replaced, and otherwise as it was.
    std::vector<CsvRow> expected = rows;
    for (CsvRow& row : expected) {
        for (std::string& cell : row)
            cell = ValidUtf8(cell);
    }
    if (back.rows != expected)
        Fail("%zu rows written as CSV read back as %zu other rows", rows.size(), back.rows.size());
    if (!IsValidUtf8(written))
        Fail("rows written as CSV are no UTF-8");
}

template <class Record> void RunBatch(const Calculator<Record>& calc, std::string_view csv) {
    // A circle search takes far longer than the other calculations: fewer rows.
    const std::size_t maxRows = std::string_view(calc.name) == "circular" ? 2 : 6;
    CsvTable table;
    if (const Problem problem = ParseCsv(csv, table, maxRows + 1)) {
        if (!problem.Message().starts_with("CSV 第 "))
            Fail("the reader's message names no line: %s", problem.Message().c_str());
        return;
    }
    if (table.rows.size() != table.lines.size())
        Fail("%zu rows but %zu line numbers", table.rows.size(), table.lines.size());
    CheckRoundTrip(table.rows, table.style);
    if (table.rows.empty())
        return;

    BatchPlan plan;
    if (PlanBatch(calc, table.rows.front(), plan))
        return;
    const std::size_t width = table.rows.front().size();
    CsvRow out;
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const BatchRowStatus status = ComputeBatchRow(calc, plan, table.rows[r], out);
        if (out.size() != width + plan.results.size() + 1)
            Fail("row %zu answered with %zu cells, not %zu", r, out.size(),
                 width + plan.results.size() + 1);
        const std::string& text = out.back();
        const char* prefix = status == BatchRowStatus::Computed    ? "已计算"
                             : status == BatchRowStatus::Undefined ? "无定义："
                                                                   : "拒绝：";
        if (!text.starts_with(prefix))
            Fail("row %zu: status \"%s\" does not start with \"%s\"", r, text.c_str(), prefix);
        std::size_t empty = 0;
        for (std::size_t c = width; c + 1 < out.size(); ++c) {
            const std::string& cell = out[c];
            if (cell.empty()) {
                ++empty;
                continue;
            }
            if (status == BatchRowStatus::Refused)
                Fail("row %zu was refused but shows result \"%s\"", r, cell.c_str());
            if (!ParseNumber(cell))
                Fail("row %zu shows result \"%s\", which no field reads back", r, cell.c_str());
        }
        if (status == BatchRowStatus::Computed && empty > 0)
            Fail("row %zu computed but leaves %zu results empty", r, empty);
        CheckRoundTrip({out}, table.style);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view csv(reinterpret_cast<const char*>(data) + 1, size - 1);
    WithCalculator(kCalculatorNames[data[0] % 4], [csv](const auto& calc) { RunBatch(calc, csv); });
    return 0;
}
