#pragma once

#include "BatchFiles.h"
#include "BatchRows.h"
#include "CalculatorCommand.h"

#include <thread>

namespace korvane {

// korvane-calc CALC --batch IN.csv --out OUT.csv: reads every row of IN as a case,
// writes the answer, and says on standard error how many rows computed. Exit status:
// 2 when the batch or any row was refused, else 3 when any row has an undefined
// result, else 0.
template <class Record>
int RunBatchCommand(const Calculator<Record>& calc, const CommandLine& line) {
    using cli_detail::PrintError;
    if (line.outPath.empty()) {
        PrintError("--batch 需要 --out OUT.csv（- 为标准输出）");
        return kExitRefused;
    }
    if (!line.assignments.empty() || line.json) {
        PrintError("--batch 的输入都在 CSV 文件里，不能再给 NAME=VALUE 或 --json");
        return kExitRefused;
    }

    std::string bytes;
    if (const Problem problem = ReadWholeFile(line.batchPath, bytes)) {
        PrintError(problem.Message());
        return kExitRefused;
    }
    CsvTable table;
    if (const Problem problem = ParseCsv(bytes, table)) {
        PrintError(line.batchPath + "：" + problem.Message());
        return kExitRefused;
    }
    if (table.rows.empty()) {
        PrintError(line.batchPath + "：文件是空的，第一行应是列名（输入项和下拉列表的名称）");
        return kExitRefused;
    }
    BatchPlan plan;
    if (const Problem problem = PlanBatch(calc, table.rows.front(), plan)) {
        PrintError(line.batchPath + "：" + problem.Message());
        return kExitRefused;
    }
    DesignLimits limits;
    if (const Problem problem = ApplyRequirements(calc.name, line, limits)) {
        PrintError(problem.Message());
        return kExitRefused;
    }
    CheckBatchAgainst(calc, limits, plan);

    const std::span<const CsvRow> rows(table.rows.begin() + 1, table.rows.end());
    const unsigned threads =
        line.threads ? line.threads : std::max(std::thread::hardware_concurrency(), 1u);
    BatchAnswer answer;
    {
        ProgressLine progress(rows.size());
        answer = ComputeBatchRows(calc, plan, rows, table.style, threads,
                                  [&progress](std::size_t done) { progress.Show(done); });
    }

    std::string out;
    if (table.style.byteOrderMark)
        out += kUtf8ByteOrderMark;
    AppendCsvRow(out, BatchOutputHeader(table.rows.front(), plan), table.style);
    std::size_t computed = 0, undefined = 0, refused = 0, firstRefused = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += answer.lines[r];
        switch (answer.statuses[r]) {
        case BatchRowStatus::Computed:
            ++computed;
            break;
        case BatchRowStatus::Undefined:
            ++undefined;
            break;
        case BatchRowStatus::Refused:
            if (refused++ == 0)
                firstRefused = r;
            break;
        }
    }
    std::vector<std::string>().swap(answer.lines);
    if (const Problem problem = WriteFileAtomically(line.outPath, out)) {
        PrintError(problem.Message());
        return kExitRefused;
    }

    std::string summary = "批量计算 " + std::to_string(rows.size()) + " 行：已计算 " +
                          std::to_string(computed) + " 行，无定义 " + std::to_string(undefined) +
                          " 行，拒绝 " + std::to_string(refused) + " 行";
    if (refused > 0)
        summary +=
            "（第一个被拒绝的是文件第 " + std::to_string(table.lines[firstRefused + 1]) + " 行）";
    PrintError(summary);
    if (refused > 0)
        return kExitRefused;
    return undefined > 0 ? kExitUndefined : kExitComputed;
}

} // namespace korvane
