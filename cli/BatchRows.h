#pragma once

#include "BatchCsv.h"
#include "CaseEvaluation.h"
#include "CaseMessages.h"
#include "CodeMethodText.h"
#include "DesignChecks.h"
#include "EvaluationStatus.h"
#include "FieldText.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace korvane {

// A batch of cases, one CSV row each: the header names inputs and lists of one
// calculator; every row is read as a case into a fresh record, computed and answered
// by a row of its own, in input order, whatever the number of threads.

enum class BatchRowStatus : unsigned char { Computed, Undefined, Refused };

// What the header's columns are to the calculator; refused as a whole, before any
// row is read, when a column is not an input or a list.
struct BatchPlan {
    std::vector<std::string> columns; // the header's names, blanks at the ends removed
    std::vector<bool> isList;         // per column: a drop-down list, else an input member
    std::vector<std::string> results; // the result members, in record order
    DesignLimits limits;              // every row is checked against these
    std::vector<std::string> checks;  // the checks' names, a column each after the results
    // The code methods' figures, a column each after the checks, when asked for.
    std::vector<std::string> codeMethods;
    // What every row starts from: the form's defaults, or a case a study varies.
    CaseData base;
};

// The column of a check in the answer.
inline std::string BatchCheckColumn(const std::string& check) {
    return "check." + check;
}

inline constexpr const char* kBatchStatusColumn = "status";

namespace batch_detail {

inline std::string Trimmed(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

} // namespace batch_detail

// Reads the header row into `plan`, or says which column the calculator cannot take.
template <class Record>
Problem PlanBatch(const Calculator<Record>& calc, const CsvRow& header, BatchPlan& plan) {
    plan = {};
    for (std::size_t c = 0; c < header.size(); ++c) {
        const std::string name = batch_detail::Trimmed(header[c]);
        const std::string where = "第 " + std::to_string(c + 1) + " 列“" + name + "”";
        if (name.empty())
            return Problem("标题行" + where + "没有名称");
        if (std::find(plan.columns.begin(), plan.columns.end(), name) != plan.columns.end())
            return Problem("标题行" + where + "出现了两次");
        const bool list = FindList(calc, name) != nullptr;
        const MemberInfo<Record>* info = list ? nullptr : FindMemberNamed(calc.members, name);
        if (info && info->role == MemberRole::Result)
            return Problem("标题行" + where +
                           "是计算结果，不能作为输入列（结果由计算写在后面的列里）");
        if (info && info->role == MemberRole::Internal)
            return Problem("标题行" + where + "不是输入项（" + MemberLabel(*info) + "由计算取得）");
        if (!list && !info)
            return Problem("标题行" + where + "不是 " + calc.name +
                           " 的输入项或下拉列表（korvane-calc --help 列出输入项）");
        plan.columns.push_back(name);
        plan.isList.push_back(list);
    }
    for (const MemberInfo<Record>& info : calc.members) {
        if (info.role == MemberRole::Result)
            plan.results.push_back(info.name);
    }
    return {};
}

// Sets the limits every row is checked against, and the columns of their checks.
template <class Record>
void CheckBatchAgainst(const Calculator<Record>& calc, const DesignLimits& limits,
                       BatchPlan& plan) {
    plan.limits = limits;
    plan.checks = DesignCheckNames(calc.name, limits);
}

// The header of the answer: the input columns as given, the results, the checks, the
// status.
inline CsvRow BatchOutputHeader(const CsvRow& header, const BatchPlan& plan) {
    CsvRow out = header;
    out.insert(out.end(), plan.results.begin(), plan.results.end());
    for (const std::string& check : plan.checks)
        out.push_back(BatchCheckColumn(check));
    out.insert(out.end(), plan.codeMethods.begin(), plan.codeMethods.end());
    out.push_back(kBatchStatusColumn);
    return out;
}

// A cell as the answer repeats it: a text a spreadsheet would run as a formula (one
// starting with =, +, @ or -, that is no number) gets a leading ', as spreadsheets
// themselves mark text. Numbers and grades come back as given.
inline std::string SpreadsheetSafe(const std::string& cell) {
    if (cell.empty() || std::string_view("=+@-").find(cell.front()) == std::string_view::npos)
        return cell;
    return ParseNumber(cell) ? cell : "'" + cell;
}

// Computes one row and returns the answer's row in `out`: the row's cells as given
// (formulas marked; a row of another length than the header is cut or padded to it, and
// refused),
// each result as its field shows it ("" when refused or undefined), and the status.
template <class Record>
BatchRowStatus ComputeBatchRow(const Calculator<Record>& calc, const BatchPlan& plan,
                               const CsvRow& cells, CsvRow& out) {
    const std::size_t width = plan.columns.size();
    out.clear();
    for (std::size_t c = 0; c < std::min(cells.size(), width); ++c)
        out.push_back(SpreadsheetSafe(cells[c]));
    out.resize(width + plan.results.size() + plan.checks.size() + plan.codeMethods.size() + 1);
    std::string& status = out.back();
    if (cells.size() != width) {
        status = "拒绝：这一行有 " + std::to_string(cells.size()) + " 格，标题行有 " +
                 std::to_string(width) + " 格";
        return BatchRowStatus::Refused;
    }

    // An empty cell, like a missing column, keeps the form's default (or the base case's).
    CaseData data = plan.base;
    data.calculator = calc.name;
    for (std::size_t c = 0; c < width; ++c) {
        if (cells[c].empty())
            continue;
        (plan.isList[c] ? data.selections : data.inputs)[plan.columns[c]] = cells[c];
    }
    data.limits = plan.limits;
    const CaseEvaluation<Record> e = EvaluateCase(
        calc, data, {.detail = !plan.limits.empty(), .codeMethods = !plan.codeMethods.empty()});
    status = EvaluationStatus(calc, e);
    if (e.refusal)
        return BatchRowStatus::Refused;

    const CalcOutcome& outcome = e.outcome;
    std::size_t column = width;
    for (const std::string& name : plan.results) {
        const MemberInfo<Record>* info = FindMemberNamed(calc.members, name);
        out[column++] = !info || IsUndefined(outcome, info->name)
                            ? std::string()
                            : MemberFieldText(e.computed, *info);
    }
    if (!plan.checks.empty()) {
        for (const DesignCheck& check : DesignChecks(calc.name, e.extras, plan.limits))
            out[column++] = VerdictLine(check);
    }
    if (!plan.codeMethods.empty()) {
        for (const CodeMethodLine& method : CodeMethodLines(e.extras.codeMethods))
            out[column++] = method.text;
    }
    return outcome.undefined.empty() ? BatchRowStatus::Computed : BatchRowStatus::Undefined;
}

// The answer to each row, as CSV lines in input order, and each row's status.
struct BatchAnswer {
    std::vector<std::string> lines;
    std::vector<BatchRowStatus> statuses;
};

// Computes `rows` on `threads` threads (at least one). Every row gets a fresh record
// and the calculations share nothing they write, so the answer is the same, byte for
// byte, on any number of threads. `progress`, when set, is called on the calling
// thread with the number of rows done, about every `interval`, and once at the end.
template <class Record>
BatchAnswer ComputeBatchRows(const Calculator<Record>& calc, const BatchPlan& plan,
                             std::span<const CsvRow> rows, const CsvStyle& style, unsigned threads,
                             const std::function<void(std::size_t)>& progress = {},
                             std::chrono::milliseconds interval = std::chrono::milliseconds(200)) {
    BatchAnswer answer;
    answer.lines.resize(rows.size());
    answer.statuses.resize(rows.size());
    // Rows are handed out in small blocks: a slow row (a long circle search) holds
    // up one block, not a thread's whole share.
    constexpr std::size_t kBlock = 32;
    std::atomic<std::size_t> next{0}, done{0};
    std::mutex mutex;
    std::condition_variable finished;
    unsigned running = std::max(threads, 1u);

    auto work = [&] {
        CsvRow out;
        for (;;) {
            const std::size_t begin = next.fetch_add(kBlock);
            if (begin >= rows.size())
                break;
            const std::size_t end = std::min(begin + kBlock, rows.size());
            for (std::size_t r = begin; r < end; ++r) {
                answer.statuses[r] = ComputeBatchRow(calc, plan, rows[r], out);
                AppendCsvRow(answer.lines[r], out, style);
            }
            done.fetch_add(end - begin, std::memory_order_relaxed);
        }
        std::lock_guard lock(mutex);
        if (--running == 0)
            finished.notify_one();
    };

    std::vector<std::thread> workers;
    const unsigned count = running;
    for (unsigned t = 0; t < count; ++t)
        workers.emplace_back(work);
    {
        std::unique_lock lock(mutex);
        while (running > 0) {
            finished.wait_for(lock, interval);
            if (progress && running > 0) {
                lock.unlock();
                progress(done.load(std::memory_order_relaxed));
                lock.lock();
            }
        }
    }
    for (std::thread& worker : workers)
        worker.join();
    if (progress)
        progress(rows.size());
    return answer;
}

} // namespace korvane
