// korvane-calc: the four calculators of Korvane without a window.

#include "BatchCommand.h"
#include "CalculatorCommand.h"
#include "CaseArguments.h"
#include "CommandLine.h"
#include "HelpText.h"
#include "ProgramVersion.h"
#include "ReportArgument.h"
#include "StudyCommand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

namespace korvane {

namespace {

int RunDemo() {
    int status = 0;
    auto demo = [&status](const auto& calc, CommandLine line) {
        std::printf("== korvane-calc %s", calc.name);
        for (const auto& [name, value] : line.assignments)
            std::printf(" %s=%s", name.c_str(), value.c_str());
        std::printf("   (%s)\n", calc.title);
        std::fflush(stdout);
        const int code = RunCalculator(calc, line).status;
        std::fflush(stdout);
        if (code > status)
            status = code;
    };
    CommandLine line;
    line.assignments = {{"concrete", "C30"}, {"rebar", "HPB235"}};
    demo(CircularCalculator(), line);
    demo(PolylineCalculator(), line);
    line.assignments = {{"concrete", "C30"}};
    demo(CombinedCalculator(), line);
    demo(HighCapCalculator(), line);
    return status;
}

} // namespace

} // namespace korvane

using namespace korvane;

namespace korvane {
namespace {

// One case: from the command line, or from a case file with the command line over it.
// The code methods are those of the slope calculators.
Problem CodeMethodsProblem(const CommandLine& line, const std::string& calculator) {
    bool offered = false;
    const bool known =
        WithCalculator(calculator, [&](const auto& calc) { offered = calc.codeMethods; });
    if (line.codeMethods && known && !offered)
        return Problem("--code-methods 只用于 circular 和 polyline（边坡整体稳定的规范方法复核）");
    return {};
}

int RunCase(const CommandLine& line) {
    CaseData base;
    std::string calculator = line.calculator;
    if (!line.casePath.empty()) {
        if (const Problem problem = LoadCaseArgument(line.casePath, base)) {
            cli_detail::PrintError(problem.Message());
            return kExitRefused;
        }
        if (!calculator.empty() && calculator != base.calculator) {
            cli_detail::PrintError("算例“" + line.casePath + "”是 " + base.calculator +
                                   " 的算例，不能用 " + calculator + " 计算");
            return kExitRefused;
        }
        calculator = base.calculator;
    }

    if (!line.reportPath.empty()) {
        if (const Problem problem = ReportPathProblem(line.reportPath)) {
            cli_detail::PrintError(problem.Message());
            return kExitRefused;
        }
    }
    bool thoroughOffered = false;
    const bool known = WithCalculator(
        calculator, [&](const auto& calc) { thoroughOffered = calc.thoroughSearch; });
    if (line.thorough && !thoroughOffered) {
        cli_detail::PrintError("--thorough 只用于 circular（圆弧滑动面的全面搜索）");
        return kExitRefused;
    }
    if (const Problem problem = CodeMethodsProblem(line, calculator)) {
        cli_detail::PrintError(problem.Message());
        return kExitRefused;
    }
    if (!known) {
        cli_detail::PrintError("没有名为“" + calculator +
                               "”的计算器（可选：circular、polyline、combined、highcap）");
        return kExitRefused;
    }

    CaseRun run;
    if (!line.sweep.empty() || !line.solve.empty()) {
        int status = kExitRefused;
        WithCalculator(calculator, [&](const auto& calc) {
            status = line.sweep.empty() ? RunSolveCommand(calc, line, base)
                                        : RunSweepCommand(calc, line, base);
        });
        return status;
    }
    WithCalculator(calculator, [&](const auto& calc) { run = RunCalculator(calc, line, base); });
    if (!line.saveCasePath.empty()) {
        // A case whose fields were refused was never read: there is nothing to keep.
        if (!run.shown) {
            cli_detail::PrintError("输入未能读入，没有保存算例“" + line.saveCasePath + "”");
            return kExitRefused;
        }
        if (const Problem problem = SaveCaseArgument(line.saveCasePath, *run.shown)) {
            cli_detail::PrintError(problem.Message());
            return kExitRefused;
        }
    }
    if (!line.reportPath.empty()) {
        if (!run.shown) {
            cli_detail::PrintError("输入未能读入，没有写出计算书“" + line.reportPath + "”");
            return kExitRefused;
        }
        if (const Problem problem = WriteReportArgument(line, *run.shown)) {
            cli_detail::PrintError(problem.Message());
            return kExitRefused;
        }
    }
    return run.status;
}

int RunBatch(const CommandLine& line) {
    if (!line.casePath.empty() || !line.saveCasePath.empty() || !line.reportPath.empty() ||
        line.thorough) {
        cli_detail::PrintError("--batch 不能与 --case、--save-case、--report 或 --thorough 同用："
                               "每一行就是一个算例");
        return kExitRefused;
    }
    if (const Problem problem = CodeMethodsProblem(line, line.calculator)) {
        cli_detail::PrintError(problem.Message());
        return kExitRefused;
    }
    int status = kExitRefused;
    const bool known = WithCalculator(
        line.calculator, [&](const auto& calc) { status = RunBatchCommand(calc, line); });
    if (!known)
        cli_detail::PrintError("没有名为“" + line.calculator +
                               "”的计算器（可选：circular、polyline、combined、highcap）");
    return status;
}

} // namespace
} // namespace korvane

namespace korvane {
namespace {

// What was printed must have reached its place: a full disk or a closed pipe behind
// standard output is a failure of the run, not a success.
int Finished(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        cli_detail::PrintError(std::string("不能写入标准输出：") + std::strerror(errno));
        return kExitRefused;
    }
    return status;
}

int Run(int argc, char** argv) {
    CommandLine line;
    if (const Problem problem = ParseCommandLine(argc, argv, line)) {
        cli_detail::PrintError(problem.Message());
        return kExitRefused;
    }
    if (line.help) {
        PrintHelp();
        return kExitComputed;
    }
    if (line.version) {
        std::printf("korvane-calc（%s）%s\n", kProgramName, kProgramVersion);
        return kExitComputed;
    }
    if (line.demo)
        return RunDemo();
    if (line.calculator.empty() && line.casePath.empty()) {
        PrintHelp();
        return kExitRefused;
    }
    return line.batchPath.empty() ? RunCase(line) : RunBatch(line);
}

} // namespace
} // namespace korvane

int main(int argc, char** argv) {
    try {
        return Finished(Run(argc, argv));
    } catch (const std::bad_alloc&) {
        // Under a memory limit: a message, not an abort.
        cli_detail::PrintError("内存不足，无法完成计算");
        return kExitRefused;
    }
}
