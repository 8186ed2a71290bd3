#pragma once

#include "BatchFiles.h"
#include "BatchRows.h"
#include "CalculatorCommand.h"

#include <thread>

namespace korvane {

// The rows computed together before their answers are written.
inline constexpr std::size_t kBatchChunkRows = 4096;
// The largest batch file read: a file beyond it is refused, so that standard input
// that never ends cannot exhaust the memory.
inline constexpr std::size_t kLargestBatchBytes = std::size_t(256) << 20;

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
    if (const Problem problem = ReadWholeFile(line.batchPath, bytes, kLargestBatchBytes)) {
        PrintError(problem.Message());
        return kExitRefused;
    }
    // A first pass checks the whole file and counts its rows, keeping none: a file that
    // is no CSV is refused before any row is computed, as it always was.
    CsvRow header, row;
    int headerLine = 0, rowLine = 0;
    std::size_t total = 0;
    {
        CsvReader check(bytes);
        bool found = false;
        Problem problem = check.Next(header, headerLine, found);
        if (!problem && !found) {
            PrintError(line.batchPath + "：文件是空的，第一行应是列名（输入项和下拉列表的名称）");
            return kExitRefused;
        }
        while (!problem && found) {
            problem = check.Next(row, rowLine, found);
            total += found ? 1 : 0;
        }
        if (problem) {
            PrintError(line.batchPath + "：" + problem.Message());
            return kExitRefused;
        }
    }
    BatchPlan plan;
    if (const Problem problem = PlanBatch(calc, header, plan)) {
        PrintError(line.batchPath + "：" + problem.Message());
        return kExitRefused;
    }
    DesignLimits limits;
    if (const Problem problem = ApplyRequirements(calc.name, line, limits)) {
        PrintError(problem.Message());
        return kExitRefused;
    }
    CheckBatchAgainst(calc, limits, plan);
    if (line.codeMethods)
        plan.codeMethods = CodeMethodNames(calc.name);

    AtomicFileWriter out;
    if (const Problem problem = out.Open(line.outPath)) {
        PrintError(problem.Message());
        return kExitRefused;
    }
    CsvReader reader(bytes);
    const CsvStyle style = reader.Style();
    std::string text;
    if (style.byteOrderMark)
        text += kUtf8ByteOrderMark;
    AppendCsvRow(text, BatchOutputHeader(header, plan), style);
    bool found = false;
    (void)reader.Next(row, rowLine, found); // the header, read above

    // The rows in chunks, each computed on all threads and written before the next is
    // read, so that memory does not grow with the number of rows.
    const unsigned threads =
        line.threads ? line.threads : std::max(std::thread::hardware_concurrency(), 1u);
    std::size_t done = 0, computed = 0, undefined = 0, refused = 0;
    int firstRefusedLine = 0;
    std::vector<CsvRow> chunk;
    std::vector<int> chunkLines;
    {
        ProgressLine progress(total);
        for (;;) {
            chunk.clear();
            chunkLines.clear();
            while (chunk.size() < kBatchChunkRows) {
                (void)reader.Next(row, rowLine, found); // checked by the first pass
                if (!found)
                    break;
                chunk.push_back(row);
                chunkLines.push_back(rowLine);
            }
            if (chunk.empty())
                break;
            const BatchAnswer answer =
                ComputeBatchRows(calc, plan, std::span<const CsvRow>(chunk), style, threads,
                                 [&](std::size_t n) { progress.Show(done + n); });
            for (std::size_t r = 0; r < chunk.size(); ++r) {
                text += answer.lines[r];
                switch (answer.statuses[r]) {
                case BatchRowStatus::Computed:
                    ++computed;
                    break;
                case BatchRowStatus::Undefined:
                    ++undefined;
                    break;
                case BatchRowStatus::Refused:
                    if (refused++ == 0)
                        firstRefusedLine = chunkLines[r];
                    break;
                }
            }
            done += chunk.size();
            if (const Problem problem = out.Write(text)) {
                PrintError(problem.Message());
                return kExitRefused;
            }
            text.clear();
        }
    }
    // What is left: the header of a file without rows.
    Problem finished = text.empty() ? Problem() : out.Write(text);
    if (!finished)
        finished = out.Commit();
    if (finished) {
        PrintError(finished.Message());
        return kExitRefused;
    }

    std::string summary = "批量计算 " + std::to_string(total) + " 行：已计算 " +
                          std::to_string(computed) + " 行，无定义 " + std::to_string(undefined) +
                          " 行，拒绝 " + std::to_string(refused) + " 行";
    if (refused > 0)
        summary += "（第一个被拒绝的是文件第 " + std::to_string(firstRefusedLine) + " 行）";
    PrintError(summary);
    if (refused > 0)
        return kExitRefused;
    return undefined > 0 ? kExitUndefined : kExitComputed;
}

} // namespace korvane
